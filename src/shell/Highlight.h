#pragma once
// The control highlighted under the mouse, or by a keyboard command: one at a time. What leaves
// the highlight is restored: the menu's title, the colour box's hover (the message line shows
// the selected slot again), the scale bars' place.

#include "menu/Menu.h"
#include "shell/HeldControls.h"
#include "shell/Workspace.h"

namespace quorvel {

// Controls that highlight under the mouse (`hoverCode`).
enum HoverCode : int {
  kHoverNone = 0,
  kHoverColorBox = 1,
  kHoverScaleBox = 2,
  kHoverAngle = 3,     // hoektext
  kHoverAddMode = 4,   // addtext
  kHoverAutoplot = 5,  // showtext
  kHoverDelta = 6,     // deltatext; 7, 8, 9 are Atext, Btext, Ctext
  kHoverGraph = 10,
  kHoverMenu = 11,
  kHoverDegree = 12,  // polyDegreeText
  kHoverArrow = 13,   // formPolyArrow
};

class Highlight {
 public:
  Highlight(Workspace& workspace, Menu& menu, HeldControls& held)
      : ws_(workspace), menu_(menu), held_(held) {}

  const int& hoverCode() const { return hoverCode_; }
  // `force`: a keyboard command highlights even while the mouse may not.
  void setHover(int code, bool force = false);

 private:
  Workspace& ws_;
  Menu& menu_;
  HeldControls& held_;
  int hoverCode_ = kHoverNone;
};

}  // namespace quorvel
