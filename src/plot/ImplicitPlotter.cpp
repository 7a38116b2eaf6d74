// Implicit equations f(x, y) = g(x, y): the program leaves F = left side - right side in v,
// and a pixel is marked where F changes sign between neighbouring grid points (always the
// one of the pair where F > 0) or where F is exactly 0. Precisely on every pixel, or
// coarsely on every eighth while a button is held.

#include <algorithm>
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

namespace {

// Rows per band: enough bands for the threads to share the work evenly.
int bandsFor(int rows, int threads) {
  return threads == 1 ? 1 : std::min(rows, 8 * threads);
}

}  // namespace

// The status of the grid points in rows 1..count (pixel rows step, 2 step, ...) at the
// columns `xs`, into statuses_ (row 0 stays "invalid": the row above the first).
void Graph::implicitStatuses(int step, int count, std::span<const double> xs) {
  const int stride = count;
  statuses_.assign(static_cast<size_t>(count + 1) * stride, 8);
  auto statusesOf = [&](int row, const uint8_t* valid, const double* values) {
    uint8_t* status = statuses_.data() + static_cast<size_t>(row) * stride;
    for (int j = 0; j < count; ++j)
      status[j] = statusOf(valid[j] != 0, values[j]);
  };
  if (pointByPoint) {  // the point evaluator, on the engine itself
    for (int row = 1; row <= count; ++row) {
      formulas_.registers[kRegY] = scale.rowWorldY[step * row];
      sampleRow(kRegX, xs, kRegV);
      statusesOf(row, valid_.data(), outputs_.data());
    }
    return;
  }
  while (static_cast<int>(implicitThreads_.size()) < pool_.size())
    implicitThreads_.push_back(std::make_unique<ImplicitThread>(formulas_));
  for (auto& thread : implicitThreads_)
    thread->worker.start();
  const int bands = bandsFor(count, pool_.size());
  const int slot = formulas_.evalSlot;
  pool_.run(bands, [&](int band, int threadIndex) {
    ImplicitThread& thread = *implicitThreads_[threadIndex];
    for (int row = 1 + band * count / bands; row <= (band + 1) * count / bands; ++row) {
      thread.worker.registers[kRegY] = scale.rowWorldY[step * row];
      thread.worker.runBatch(slot, kRegX, xs,
                             {.valid = std::span(thread.valid).first(xs.size()),
                              .firstCode = kRegV,
                              .first = std::span(thread.values).first(xs.size())});
      statusesOf(row, thread.valid.data(), thread.values.data());
    }
  });
}

// Scans the grid points at multiples of `step` (1..800 for the precise plot, 8..792 for the
// coarse one). Row 0 and column 0 are never evaluated, so they never get a mark.
//
// The marks of a grid point may fall on the point above it, which can belong to the band
// above. So each band looks at its rows and the first row of the band below, but sets only
// the pixels of its own rows: every pixel is set by exactly one band, the bands never write
// the same memory, and the order in which they run changes nothing.
template <class Mark>
void Graph::scanImplicit(int step, Mark mark) {
  const int count = (kLastPixel - (step == 1 ? 0 : step)) / step;
  std::span<const double> xs(scale.columnWorldX.data() + 1, count);
  if (step != 1) {
    for (int j = 0; j < count; ++j)
      inputs_[j] = scale.columnWorldX[step * (j + 1)];
    xs = std::span<const double>(inputs_.data(), count);
  }
  implicitStatuses(step, count, xs);

  // Two statuses of opposite sign: one is 5 (valid, F > 0), the other 6 (valid, F < 0).
  auto opposite = [](uint8_t a, uint8_t b) { return ((a ^ b) & 3) == 3; };
  const int bands = bandsFor(count, pool_.size());
  pool_.run(bands, [&](int band, int) {
    const int first = 1 + band * count / bands;
    const int last = (band + 1) * count / bands;
    auto owned = [&](int column, int row) {
      if (row / step >= first && row / step <= last) mark(column, row);
    };
    for (int r = first; r <= std::min(last + 1, count); ++r) {
      const uint8_t* up = statuses_.data() + static_cast<size_t>(r - 1) * count;
      const uint8_t* here = up + count;
      const int row = step * r;
      uint8_t left = 8;  // column 0
      auto cell = [&](int j) {
        const uint8_t c = here[j];
        const uint8_t u = up[j];
        if (c == 4 || opposite(c, u) || opposite(c, left)) {
          const int column = step * (j + 1);
          if (c == 4) {
            owned(column, row);  // exactly on the curve
          } else if (opposite(c, u)) {
            owned(column, c >= u ? row - step : row);  // the one of the pair with F > 0
          }
          if (opposite(c, left)) owned(c >= left ? column - step : column, row);
        }
        left = c;
      };
      // Nearly every point is like its neighbours: a block of eight points of one sign,
      // under eight of the same sign and right of one, marks nothing.
      int j = 0;
      for (; j + 8 <= count; j += 8) {
        uint64_t here8 = 0, up8 = 0;
        std::memcpy(&here8, here + j, 8);
        std::memcpy(&up8, up + j, 8);
        const uint8_t sign = here[j];
        if ((sign == 5 || sign == 6) && left == sign && here8 == sign * 0x0101010101010101u &&
            up8 == here8) {
          continue;
        }
        for (int k = 0; k < 8; ++k)
          cell(j + k);
      }
      for (; j < count; ++j)
        cell(j);
    }
  });
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
