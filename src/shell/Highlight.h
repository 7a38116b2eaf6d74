#pragma once
// The control highlighted under the mouse, or by a keyboard command: one at a time. What leaves
// the highlight is restored: the menu's title, the colour box's hover (the message line shows
// the selected slot again), the scale bars' place.

#include "menu/Menu.h"
#include "shell/HeldControls.h"
#include "shell/HoverCode.h"
#include "shell/Workspace.h"

namespace quorvel {

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
