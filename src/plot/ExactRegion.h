#pragma once
// The region where inequalities hold, pixel by pixel, decided with the interval evaluation as
// the exact implicit plots are. An inequality left < right is a register of the program that
// holds left - right, compared with 0; a chain such as 1 <= x^2 + y^2 <= 4 is two of them, and
// the region is where all hold (and the program runs without fault). Each pixel is
//   Inside     proven to lie wholly in the region,
//   Outside    proven to lie wholly outside it,
//   Boundary   proven to hold points of both: a sample in the region and one outside it, or
//              parts proven inside and outside,
//   Undecided  none of these within the work allowed.
// A block of pixels whose intervals decide it is decided whole, so a large region costs little
// more than its boundary. The states depend on neither the threads nor time.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "common/WorkerPool.h"
#include "evaluation/Program.h"
#include "plot/ExactRuns.h"

namespace quorvel {

enum class RegionPixel : uint8_t { Outside = 0, Undecided = 1, Boundary = 2, Inside = 3 };

// One inequality: the register `code` < 0, or <= 0 when `orEqual`.
struct RegionCondition {
  uint8_t code = kRegV;
  bool orEqual = false;
};

// The comparisons of an inequality's program, in order: one, or two for a chain.
std::vector<RegionCondition> comparisonsOf(const StepList& steps);

struct ExactRegionResult {
  std::vector<RegionPixel> pixels;  // row by row, kPictureSize per row
  int inside = 0;
  int boundary = 0;
  int undecided = 0;
  bool workRanOut = false;
  RegionPixel at(int column, int row) const {
    return pixels[static_cast<size_t>(row) * kPictureSize + static_cast<size_t>(column)];
  }
};

class ExactRegionPlotter {
 public:
  explicit ExactRegionPlotter(WorkerPool& pool);
  ~ExactRegionPlotter();
  ExactRegionPlotter(const ExactRegionPlotter&) = delete;
  ExactRegionPlotter& operator=(const ExactRegionPlotter&) = delete;

  ExactWork work;

  // The state of every pixel for the region of `conditions` (one or two) of `program`.
  const ExactRegionResult& plot(const Program& program, std::span<const RegionCondition> conditions,
                                const PixelEdges& edges);

 private:
  struct Tile;
  WorkerPool& pool_;
  std::vector<std::unique_ptr<ProgramRuns>> threads_;
  ExactRegionResult result_;
};

}  // namespace quorvel
