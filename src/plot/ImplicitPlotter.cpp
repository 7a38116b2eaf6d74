// Implicit equations f(x, y) = g(x, y): the program leaves F = left side - right side in v,
// and a pixel is marked where F changes sign between neighbouring grid points (always the
// one of the pair where F > 0) or where F is exactly 0. Precisely on every pixel, or
// coarsely on every eighth while a button is held and the precise plots would not keep up.
// When the exact method is chosen, the precise plots are its proofs instead (ExactImplicit.h).

#include <algorithm>
#include <bit>

#include "common/Language.h"
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
  if (fastPlot && !preciseFitsWhileDragging()) {
    PlotImplicitCoarse();
  } else if (!fastPlot && settings_.exactImplicit) {
    PlotImplicitExact();  // held buttons, drags and motion keep the quicker method
  } else {
    PlotImplicitPrecise();
  }
}

// All implicit slots are plotted the same way, so that a drag never shows some coarse and
// some precise; a slot never plotted precisely yet counts as too slow.
bool Graph::preciseFitsWhileDragging() const {
  if (dragPreciseBudget <= std::chrono::microseconds{0}) return false;
  std::chrono::microseconds total{0};
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (formulas_.slotKind[slot] != kSlotImplicit) continue;
    if (preciseTime_[slot] > dragPreciseBudget - total) return false;
    total += preciseTime_[slot];
  }
  return true;
}

namespace {

// Rows per band: enough bands for the threads to share the work evenly.
int bandsFor(int rows, int threads) {
  return threads == 1 ? 1 : std::min(rows, 8 * threads);
}

// The bits of `count` points from a row of validity and values, for the point evaluator.
void toSigns(const uint8_t* valid, const double* values, int count, Graph::SignRow& row) {
  row = Graph::SignRow{};
  for (int j = 0; j < count; ++j) {
    if (!valid[j]) continue;
    const uint64_t bit = uint64_t{1} << (j % 64);
    row.valid[j / 64] |= bit;
    if (values[j] > 0) row.positive[j / 64] |= bit;
    if (values[j] < 0) row.negative[j / 64] |= bit;
  }
}

}  // namespace

// The signs of the grid points in rows 1..count (pixel rows step, 2 step, ...) at the
// columns `xs`, into signRows_; row 0 is all invalid, the row above the first. Each row's
// words are written whole, so only row 0 is cleared here.
void Graph::implicitStatuses(int step, int count, std::span<const double> xs) {
  signRows_.resize(static_cast<size_t>(count) + 1);
  signRows_[0] = SignRow{};
  if (pointByPoint) {  // the point evaluator, on the engine itself
    for (int row = 1; row <= count; ++row) {
      formulas_.registers[kRegY] = scale.rowWorldY[step * row];
      sampleRow(kRegX, xs, kRegV);
      toSigns(valid_.data(), outputs_.data(), count, signRows_[row]);
    }
    return;
  }
  while (static_cast<int>(implicitThreads_.size()) < pool_.size())
    implicitThreads_.push_back(std::make_unique<ImplicitThread>(formulas_));
  for (auto& thread : implicitThreads_) {
    thread->worker.start();
    thread->rowsStarted = false;
  }
  const int bands = bandsFor(count, pool_.size());
  const int slot = formulas_.evalSlot;
  pool_.run(bands, [&](int band, int threadIndex) {
    ImplicitThread& thread = *implicitThreads_[threadIndex];
    // What does not depend on y, once per thread and scan.
    if (!thread.rowsStarted) thread.worker.startRows(slot, kRegX, kRegY, xs);
    thread.rowsStarted = true;
    for (int row = 1 + band * count / bands; row <= (band + 1) * count / bands; ++row) {
      thread.worker.registers[kRegY] = scale.rowWorldY[step * row];
      SignRow& signs = signRows_[row];
      thread.worker.runRow({.valid = std::span(thread.valid).first(xs.size()),
                            .firstCode = kRegV,
                            .first = std::span(thread.values).first(xs.size()),
                            .signValid = signs.valid.data(),
                            .signPositive = signs.positive.data(),
                            .signNegative = signs.negative.data()});
    }
  });
}

// Scans the grid points at multiples of `step` (1..800 for the precise plot, 8..792 for the
// coarse one). Row 0 and column 0 are never evaluated, so they never get a mark. A point is
// marked where F is exactly 0; of two neighbours (up, left) of opposite sign, the one with
// F > 0 is marked. Whole words of 64 points are tested at once; only their set bits are
// looked at one by one.
//
// The marks of a grid point may fall on the point above it, which can belong to the band
// above. So each band looks at its rows and the first row of the band below, but keeps only
// the marks of its own rows. The bands only collect their marks; the pixels are set on this
// thread afterwards, band after band, so that the picture and its record of drawing calls are
// the same whatever the number of threads.
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

  const int bands = bandsFor(count, pool_.size());
  const int words = (count + 63) / 64;
  if (static_cast<int>(bandMarks_.size()) < bands) bandMarks_.resize(static_cast<size_t>(bands));
  pool_.run(bands, [&](int band, int) {
    const int first = 1 + band * count / bands;
    const int last = (band + 1) * count / bands;
    std::vector<uint32_t>& marks = bandMarks_[static_cast<size_t>(band)];
    marks.clear();
    auto owned = [&](int column, int row) {
      if (row / step >= first && row / step <= last) {
        marks.push_back(static_cast<uint32_t>(row) << 16 | static_cast<uint32_t>(column));
      }
    };
    for (int r = first; r <= std::min(last + 1, count); ++r) {
      const SignRow& here = signRows_[r];
      const SignRow& up = signRows_[r - 1];
      const int row = step * r;
      for (int w = 0; w < words; ++w) {
        const uint64_t pos = here.positive[w], neg = here.negative[w];
        // The left neighbours: this word shifted by one, with the last point of the word
        // before (column 0, left of the first point, has no sign).
        const uint64_t leftPos = pos << 1 | (w > 0 ? here.positive[w - 1] >> 63 : 0);
        const uint64_t leftNeg = neg << 1 | (w > 0 ? here.negative[w - 1] >> 63 : 0);
        const uint64_t zero = here.valid[w] & ~pos & ~neg;
        const uint64_t upward = (pos & up.negative[w]) | (neg & up.positive[w]);
        const uint64_t leftward = (pos & leftNeg) | (neg & leftPos);
        for (uint64_t any = zero | upward | leftward; any != 0; any &= any - 1) {
          const int bit = std::countr_zero(any);
          const uint64_t m = uint64_t{1} << bit;
          const int column = step * (64 * w + bit + 1);
          if (zero & m) {
            owned(column, row);  // exactly on the curve
          } else if (upward & m) {
            owned(column, pos & m ? row : row - step);  // the one of the pair with F > 0
          }
          if (leftward & m) owned(pos & m ? column : column - step, row);
        }
      }
    }
  });
  for (int band = 0; band < bands; ++band) {
    for (const uint32_t packed : bandMarks_[static_cast<size_t>(band)])
      mark(static_cast<int>(packed & 0xFFFF), static_cast<int>(packed >> 16));
  }
}

void Graph::showWaitMessage() {
  msgText_ = translated(kPleaseWait);
  if (hooks.messageChanged) hooks.messageChanged();
}

void Graph::clearWaitMessage() {
  msgText_.clear();
  if (hooks.messageChanged) hooks.messageChanged();
}

void Graph::PlotImplicitPrecise() {
  // While a button is held the plot is known to be quick: no message to flash.
  const bool tellUser = !fastPlot;
  if (tellUser) showWaitMessage();
  const int slot = formulas_.evalSlot;
  const Colour colour = slotColours_[slot];
  const auto start = std::chrono::steady_clock::now();
  bool marked = false;
  scanImplicit(1, [&](int column, int row) {
    picture.setPixel(column, row, colour);
    marked = true;
  });
  preciseTime_[slot] = std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::steady_clock::now() - start);
  if (tellUser) clearWaitMessage();
  // A curve that only touches 0 leaves no sign change to find: say where it can be seen.
  if (tellUser && !marked && exactImplicit(slot).proven > 0) {
    onlyExactSeen_ = true;
    msgText_ = translated(kOnlyExact);
    if (hooks.messageChanged) hooks.messageChanged();
  }
}

const ExactImplicitResult& Graph::exactImplicit(int slot) {
  return exactPlotter_.plot(formulas_.program(slot), pixelEdges(scale));
}

// Row by row, so that the picture and its record of drawing calls are the same whatever the
// number of threads.
void Graph::PlotImplicitExact() {
  showWaitMessage();
  const int slot = formulas_.evalSlot;
  const Colour colour = slotColours_[slot];
  const ExactImplicitResult& states = exactImplicit(slot);
  for (int row = 0; row < kPictureSize; ++row) {
    for (int column = 0; column < kPictureSize; ++column) {
      const ExactPixel state = states.at(column, row);
      if (state == ExactPixel::Proven) {
        picture.setPixel(column, row, colour);
      } else if (state == ExactPixel::Undecided) {  // the grid and other curves seen through
        picture.setPixel(column, row, mixed(picture.pixel(column, row), colour, 3));
      }
    }
  }
  clearWaitMessage();
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
