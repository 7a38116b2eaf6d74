// Implicit equations f(x, y) = g(x, y): the program leaves F = left side - right side in v,
// and a pixel is marked where F changes sign between neighbouring grid points (always the
// one of the pair where F > 0) or where F is exactly 0. Precisely on every pixel, or
// coarsely on every eighth while a button is held.

#include <cstring>

#include "plot/Graph.h"

namespace quorvel {
namespace {

inline uint8_t statusOf(bool valid, double value) {
  return valid ? static_cast<uint8_t>(4 | (value > 0) | ((value < 0) << 1)) : 8;
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
  // The status of the grid point one row up (left of the current column: already this row).
  statusRow_.fill(8);
  const int count = (kLastPixel - (step == 1 ? 0 : step)) / step;
  std::span<const double> xs(scale.columnWorldX.data() + 1, count);
  if (step != 1) {
    for (int j = 0; j < count; ++j)
      inputs_[j] = scale.columnWorldX[step * (j + 1)];
    xs = std::span<const double>(inputs_.data(), count);
  }
  // Two statuses of opposite sign: one is 5 (valid, F > 0), the other 6 (valid, F < 0).
  auto opposite = [](uint8_t a, uint8_t b) { return ((a ^ b) & 3) == 3; };
  for (int row = step; row <= step * count; row += step) {
    formulas_.registers[kRegY] = scale.rowWorldY[row];
    sampleRow(kRegX, xs, kRegV);
    uint8_t left = 8;  // column 0
    auto cell = [&](int j) {
      const uint8_t c = statusOf(valid_[j] != 0, outputs_[j]);
      uint8_t& up = statusRow_[j + 1];
      if (c == 4 || opposite(c, up) || opposite(c, left)) {
        const int column = step * (j + 1);
        if (c == 4) {
          mark(column, row);  // exactly on the curve
        } else if (opposite(c, up)) {
          mark(column, c >= up ? row - step : row);  // the one of the pair with F > 0
        }
        if (opposite(c, left)) mark(c >= left ? column - step : column, row);
      }
      up = c;
      left = c;
    };
    // Nearly every point is like its neighbours: a block of eight valid points of one sign,
    // under eight of the same sign and right of one, marks nothing and changes nothing.
    int j = 0;
    for (; j + 8 <= count; j += 8) {
      uint64_t valid8 = 0;
      std::memcpy(&valid8, valid_.data() + j, 8);
      if (valid8 == 0x0101010101010101u) {
        bool positive = true;
        bool negative = true;
        for (int k = 0; k < 8; ++k) {
          positive &= outputs_[j + k] > 0;
          negative &= outputs_[j + k] < 0;
        }
        const uint8_t sign = positive ? 5 : negative ? 6 : 0;
        uint64_t up8 = 0;
        std::memcpy(&up8, statusRow_.data() + j + 1, 8);
        if (sign != 0 && left == sign && up8 == sign * 0x0101010101010101u) continue;
      }
      for (int k = 0; k < 8; ++k)
        cell(j + k);
    }
    for (; j < count; ++j)
      cell(j);
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
