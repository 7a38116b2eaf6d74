#pragma once
// What the exact methods share (the exact implicit plots, the regions of inequalities): the
// pixels' boxes in world coordinates, one thread's runs of a program over boxes and at points,
// the work those runs may spend, and the picture cut into tiles that share it out.

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "common/Picture.h"
#include "common/WorkerPool.h"
#include "evaluation/Interval.h"
#include "evaluation/Program.h"
#include "plot/ScaleState.h"

namespace quorvel {

// The pixels' edges in world coordinates: column c spans [columns[c], columns[c + 1]] around
// its world value in the scale's table, row r spans [rows[r + 1], rows[r]] (y falls
// downwards). Neighbours share their edge, so the pixels cover the picture's area without gap.
struct PixelEdges {
  std::array<double, kPictureSize + 1> columns{};
  std::array<double, kPictureSize + 1> rows{};
};
PixelEdges pixelEdges(const ScaleState& scale);

struct Box {
  Interval x;
  Interval y;
};
// The box of the `size` x `size` pixels from (column, row) on, within the picture.
Box pixelBox(const PixelEdges& edges, int column, int row, int size = 1);
// The box cut in four quarters.
std::array<Box, 4> quarters(const Box& box);
// The box without its right and bottom edges, as far as doubles tell: those belong to the
// boxes beside and below it.
Box withoutFarEdges(const Box& box);
// The number of fewest significant bits in [lo, hi]: 0, a whole number, a half, ... Zeros of
// the equations students meet lie on such numbers (x^2 + y^2 = 0, the vertices of squared
// equations), so a sample there proves what no sign change shows.
double simplestIn(double lo, double hi);

// One thread's runs of a program (x and y in kRegX and kRegY, everything else as the program's
// registers stand), each counted against the work it may spend, in runs of a program step.
class ProgramRuns {
 public:
  // Once a plot, on every thread: the program, the registers it writes, their values.
  void load(const Program& program);
  // Once a tile: the work it may spend.
  void allow(int64_t work);
  bool ranOut() const { return ranOut_; }
  // Takes the work of one run; false, and ranOut(), when there is not enough left.
  bool spend();
  // The program over `box`, the interval of `resultCode`; every register's interval stays in
  // registers() until the next run.
  IntervalResult interval(const Box& box, uint8_t resultCode);
  const IntervalRegisters& registers() const { return intervals_; }
  // The program at (x, y): false where it faults; the registers' values stay in value().
  bool at(double x, double y);
  double value(uint8_t code) const { return points_[code]; }

 private:
  const Program* program_ = nullptr;
  std::vector<uint8_t> written_;  // the registers the program writes, restored before a run
  int64_t cost_ = 1;              // of one run
  int64_t workLeft_ = 0;
  bool ranOut_ = false;
  IntervalRegisters intervalBase_{};
  IntervalRegisters intervals_{};
  RegisterFile pointBase_{};
  RegisterFile points_{};
};

// The picture in square tiles, each decided on its own.
inline constexpr int kTileSize = 32;  // pixels per side, a power of 2
inline constexpr int kTilesPerSide = (kPictureSize + kTileSize - 1) / kTileSize;
inline constexpr int kTiles = kTilesPerSide * kTilesPerSide;

// A square block of a tile's pixels: its first column and row, its side.
struct PixelBlock {
  int column, row, size;
};
// The tile from (column0, row0) by halves, level after level, so that work that runs out
// leaves the tile evenly coarse rather than one corner decided and the rest not. `visit`
// decides a block, or answers true to have its quarters within the picture visited on the
// next level.
void halveTile(int column0, int row0, const std::function<bool(const PixelBlock&)>& visit);

// Sets the states of a block's pixels within the picture, in a picture's states row by row.
template <class State>
void fillBlock(std::vector<State>& pixels, const PixelBlock& b, State state) {
  for (int r = b.row; r < std::min(b.row + b.size, kPictureSize); ++r) {
    for (int c = b.column; c < std::min(b.column + b.size, kPictureSize); ++c)
      pixels[static_cast<size_t>(r) * kPictureSize + static_cast<size_t>(c)] = state;
  }
}

// The work allowed, in runs of a program step (interval or point). Every tile first gets
// `firstPerTile`; the tiles that spend it all are done again, sharing `secondTotal` equally up
// to `mostPerTile` each: a few crowded tiles (the oscillation of sin(40/x) near its pole) get
// all they need, while a relation too dense everywhere stops after about a third of a second on
// two cores. What is left undecided when a tile's work is spent stays undecided.
struct ExactWork {
  int64_t firstPerTile = 16000;
  int64_t secondTotal = 12000000;
  int64_t mostPerTile = 400000;
};

// Runs every tile by `tile(index, thread, work)` on the pool, which answers whether the work
// ran out (a tile done again starts afresh), and again those that ran out with their share of
// the second round's work. True when some tile still ran out. The outcome depends on neither
// the threads nor time.
bool runTiles(WorkerPool& pool, const ExactWork& work,
              const std::function<bool(int tile, int thread, int64_t work)>& tile);

}  // namespace quorvel
