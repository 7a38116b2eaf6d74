#pragma once
// The three pens through which every curve reaches the picture: one for curves sampled per
// pixel column (y = f(x), derivatives, integrals), one for curves sampled per pixel row
// (x = f(y)) and one for free point sequences (parametric curves). They clip to the window:
// a curve that leaves it is drawn to the edge, one that comes back is joined along the edge,
// and a jump straight across while moving away (a pole) draws nothing.

#include <cstdint>

#include "common/Picture.h"
#include "plot/ScaleState.h"

namespace quorvel {

// Where the last samples lay: low four bits the current sample, high four the previous one.
// 1 beyond the first edge (above the window / right of it), 2 beyond the second, 0 inside,
// 4 added while a sample outside goes further out than the one before.
constexpr uint8_t kPenUp = 0x80;

// Column pen and row pen share one state machine; they differ in which axis they sample.
class LinePen {
 public:
  explicit LinePen(bool rows) : rows_(rows) {}
  // valid = false lifts the pen; otherwise one sample: `position` is the column (row pen:
  // the row) of the sample and `value` its world y (row pen: x).
  void penTo(Picture& picture, const ScaleState& scale, bool valid, int position, double value);

 private:
  bool rows_;
  uint8_t region_ = kPenUp;
  double lastValue_ = 0;
};

class ColumnPen : public LinePen {
 public:
  ColumnPen() : LinePen(false) {}
};

class RowPen : public LinePen {
 public:
  RowPen() : LinePen(true) {}
};

class PointPen {
 public:
  void penTo(Picture& picture, const ScaleState& scale, bool valid, double x, double y);

 private:
  bool started_ = false;
  bool lastInside_ = false;
  double lastX_ = 0;
  double lastY_ = 0;
};

// True when b lies between a and c: c < b < a, or a <= b <= c.
bool Between(double a, double b, double c);

}  // namespace quorvel
