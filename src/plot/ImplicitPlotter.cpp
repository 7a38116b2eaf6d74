// Implicit equations f(x, y) = g(x, y): the program leaves F = left side - right side in v,
// and a pixel is marked where F changes sign between neighbouring grid points (always the
// one of the pair where F > 0) or where F is exactly 0. Precisely on every pixel, or
// coarsely on every eighth while a button is held.

#include "plot/Graph.h"

namespace quorvel {
namespace {

uint8_t statusOf(bool valid, double value) {
  if (!valid) return 8;
  return static_cast<uint8_t>(4 | (value > 0 ? 1 : 0) | (value < 0 ? 2 : 0));
}

bool oppositeSigns(uint8_t a, uint8_t b) {
  return (a & 4) && (b & 4) && ((a ^ b) & 3) == 3;
}

}  // namespace

ImplicitCell Graph::EvaluateCell(int column, int row) {
  formulas_.registers[kRegX] = scale.columnWorldX[column];
  formulas_.registers[kRegY] = scale.rowWorldY[row];
  formulas_.runProgram();
  const double value = formulas_.registers[kRegV];
  return {statusOf(formulas_.evalValid, value), value};
}

void Graph::PlotImplicit() {
  if (fastPlot) {
    PlotImplicitCoarse();
  } else {
    PlotImplicitPrecise();
  }
}

// Scans the grid points at multiples of `step` (1..800 for the precise plot, 8..792 for the
// coarse one). Row 0 and column 0 are never evaluated, so they never get a mark.
template <class Mark>
void Graph::scanImplicit(int step, Mark mark) {
  for (ImplicitCell& cell : cells_) cell = ImplicitCell{};
  const int count = (kLastPixel - (step == 1 ? 0 : step)) / step;
  std::span<const double> xs(scale.columnWorldX.data() + 1, count);
  if (step != 1) {
    for (int j = 0; j < count; ++j) inputs_[j] = scale.columnWorldX[step * (j + 1)];
    xs = std::span<const double>(inputs_.data(), count);
  }
  for (int row = step; row <= step * count; row += step) {
    formulas_.registers[kRegY] = scale.rowWorldY[row];
    sampleRow(kRegX, xs, kRegV);
    for (int j = 0; j < count; ++j) {
      const int column = step * (j + 1);
      const uint8_t c = statusOf(valid_[j] != 0, outputs_[j]);
      if (c == 4) {
        mark(column, row);  // exactly on the curve
      } else if (c & 4) {
        const uint8_t up = cells_[column].status;
        if (oppositeSigns(c, up)) mark(column, c >= up ? row - step : row);
      }
      cells_[column] = {c, outputs_[j]};
      const uint8_t left = cells_[column - step].status;
      if (oppositeSigns(c, left)) mark(c >= left ? column - step : column, row);
    }
  }
}

void Graph::PlotImplicitPrecise() {
  msgText_ = kPleaseWait;
  if (hooks.messageChanged) hooks.messageChanged();
  const Colour colour = slotColours_[formulas_.evalSlot];
  scanImplicit(1, [&](int column, int row) { picture.setPixel(column, row, colour); });
  msgText_.clear();
  if (hooks.messageChanged) hooks.messageChanged();
}

void Graph::PlotImplicitCoarse() {
  const Colour colour = slotColours_[formulas_.evalSlot];
  scanImplicit(8, [&](int column, int row) {
    picture.setPixel(column, row, colour);
    picture.setPixel(column - 1, row, colour);
    picture.setPixel(column, row - 1, colour);
    picture.setPixel(column + 1, row, colour);
    picture.setPixel(column, row + 1, colour);
  });
}

}  // namespace quorvel
