#pragma once
// The exact method for implicit equations: which pixels the curve F(x, y) = 0 passes through,
// with a proof for each pixel drawn solid and none left empty that the curve may touch.
//
// The picture is cut into tiles, each tile into blocks of pixels by halves, down to single
// pixels and, where a proof needs it, into parts of a pixel. A block goes where the interval
// evaluation of F over it excludes 0 or where F is defined nowhere on it. What is left of a
// pixel decides its state:
//   Proven     an exact zero of the point evaluator at a point sampled in the pixel, or two
//              samples of opposite sign in a part on which F is proven defined and continuous;
//   Undecided  not ruled out within the work allowed, nor proven;
//   Empty      every part of the pixel ruled out.
// Pixels left undecided with few parts are cut further in a last round over the tile, with the
// work it has left: a curve that only passes close by a pixel is ruled out there.
// A point on the edge between two pixels belongs to the one to its right or below it, so a line
// through the corners of pixels is one pixel wide.
// The work is limited (see ExactWork), so a relation too dense to decide stops refining and leaves
// the rest Undecided rather than hold up the window; the states do not depend on the number
// of threads or on time.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "common/Picture.h"
#include "common/WorkerPool.h"
#include "evaluation/Program.h"
#include "plot/ExactRuns.h"

namespace quorvel {

enum class ExactPixel : uint8_t { Empty = 0, Undecided = 1, Proven = 2 };

struct ExactImplicitResult {
  std::vector<ExactPixel> pixels;  // row by row, kPictureSize per row
  int proven = 0;
  int undecided = 0;
  bool workRanOut = false;  // some tile stopped refining before it was decided
  ExactPixel at(int column, int row) const {
    return pixels[static_cast<size_t>(row) * kPictureSize + static_cast<size_t>(column)];
  }
};

class ExactImplicitPlotter {
 public:
  explicit ExactImplicitPlotter(WorkerPool& pool);
  ~ExactImplicitPlotter();
  ExactImplicitPlotter(const ExactImplicitPlotter&) = delete;
  ExactImplicitPlotter& operator=(const ExactImplicitPlotter&) = delete;

  ExactWork work;

  // The state of every pixel for the implicit program (F = left side - right side in v),
  // x and y in the registers kRegX and kRegY, everything else as the program's registers
  // stand.
  const ExactImplicitResult& plot(const Program& program, const PixelEdges& edges);

 private:
  struct Tile;
  WorkerPool& pool_;
  std::vector<std::unique_ptr<ProgramRuns>> threads_;
  ExactImplicitResult result_;
};

}  // namespace quorvel
