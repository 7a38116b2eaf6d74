#pragma once
// The controls of the main window that highlight, by code: under the mouse, or chosen by a
// keyboard command.

namespace quorvel {

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

}  // namespace quorvel
