#include "plot/PictureNavigation.h"

#include <cstdlib>

#include "plot/Graph.h"

namespace quorvel {

bool PictureNavigation::wheel(int column, int row, int angle, bool xOnly, bool yOnly) {
  // A turn back the other way drops what was left of the last one.
  if ((angle > 0 && angle_ < 0) || (angle < 0 && angle_ > 0)) angle_ = 0;
  angle_ += angle;
  const int notches = angle_ / kNotch;
  if (notches == 0) return false;
  angle_ -= notches * kNotch;
  const bool both = xOnly == yOnly;
  graph_.scale.zoomAt(column, row, notches, both || xOnly, both || yOnly);
  graph_.AfterScaleChange();
  return true;
}

void PictureNavigation::rest() {
  angle_ = 0;
  graph_.RefineAfterRelease();
}

void PictureNavigation::press(int column, int row, bool shift, int dragDistance) {
  pressed_ = true;
  pressShift_ = shift;
  dragging_ = false;
  pressColumn_ = column;
  pressRow_ = row;
  dragDistance_ = dragDistance;
  startX_ = graph_.scale.centreX;
  startY_ = graph_.scale.centreY;
}

bool PictureNavigation::move(int column, int row) {
  if (!pressed_) return false;
  const int dx = column - pressColumn_;
  const int dy = row - pressRow_;
  if (!dragging_ && std::abs(dx) + std::abs(dy) < dragDistance_) return false;
  dragging_ = true;
  graph_.scale.dragFrom(startX_, startY_, dx, dy);
  graph_.AfterScaleChange();
  return true;
}

bool PictureNavigation::release() {
  if (!pressed_) return false;
  pressed_ = false;
  if (!dragging_) return true;
  dragging_ = false;
  graph_.RefineAfterRelease();
  return false;
}

}  // namespace quorvel
