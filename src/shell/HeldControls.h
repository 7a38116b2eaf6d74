#pragma once
// The controls that repeat while a mouse button holds them: the constants' fields (step, a, b,
// c), the polynomial's degree and the buttons of the scale bars. The window's repeat timer
// ticks klokTimer, at the rhythm the workspace's RepeatRate keeps; letting go refines the
// picture.

#include "plot/ScaleButtons.h"
#include "shell/Workspace.h"

namespace quorvel {

class HeldControls {
 public:
  explicit HeldControls(Workspace& workspace) : ws_(workspace) {}

  // Field 0..3: the step, a, b, c; the left button raises, the right one lowers.
  void constantFieldDown(int field, bool leftButton);
  void constantFieldUp(int field);
  void degreeDown(bool leftButton);
  void degreeUp();
  // 8 raises the degree, 9 lowers it.
  void StepPolyDegree(int code);
  void klokTimer();

  // The scale bars' places as highlighted and pressed; the bars show them.
  const ScaleButtons& scaleButtons() const { return scaleButtons_; }
  // Mouse over a bar at `position` along it; true when the highlighted place changed.
  bool scaleBoxMouseMove(bool horizontal, int position);
  // The mouse left the bars: no place is highlighted.
  void leaveScaleBars() { scaleButtons_.hovered = -1; }
  // 1 left and 2 right button down, 0 released.
  void ScaleBoxButton(int button);
  void initscaleDown();
  void releaseRefines();  // mouse up on "X" or the constants' "R"

 private:
  Workspace& ws_;
  // What the timer repeats: 0..7 a constant field's step (2 x field, +1 with the left button),
  // 8 and 9 the degree, or a scroll or zoom code of the scale bars.
  int repeatAction_ = 0;
  ScaleButtons scaleButtons_;
};

}  // namespace quorvel
