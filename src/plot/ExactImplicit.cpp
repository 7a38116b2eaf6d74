#include "plot/ExactImplicit.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "evaluation/Interval.h"
#include "evaluation/Operations.h"
#include "evaluation/PointEvaluator.h"

namespace quorvel {

PixelEdges pixelEdges(const ScaleState& scale) {
  PixelEdges edges;
  const double halfX = scale.unitsPerPixelX / 2;
  const double halfY = scale.unitsPerPixelY / 2;
  for (int i = 0; i < kPictureSize; ++i) {
    edges.columns[i] = scale.columnWorldX[i] - halfX;
    edges.rows[i] = scale.rowWorldY[i] + halfY;
  }
  edges.columns[kPictureSize] = scale.columnWorldX[kLastPixel] + halfX;
  edges.rows[kPictureSize] = scale.rowWorldY[kLastPixel] - halfY;
  return edges;
}

namespace {

constexpr int kTileSize = 32;  // pixels per side of a tile, a power of 2
constexpr int kTilesPerSide = (kPictureSize + kTileSize - 1) / kTileSize;
// A pixel that is neither ruled out nor proven is cut into quarters, down to this many
// halvings of its side.
constexpr int kPixelHalvings = 3;

struct Box {
  Interval x;
  Interval y;
};

// The number of fewest significant bits in [lo, hi]: 0, a whole number, a half, ... Zeros of
// the equations students meet lie on such numbers (x^2 + y^2 = 0, the vertices of squared
// equations), so a sample there proves a pixel that has no sign change to show.
double simplestIn(double lo, double hi) {
  if (lo <= 0 && 0 <= hi) return 0;
  int exponent = 0;
  std::frexp(std::max(std::fabs(lo), std::fabs(hi)), &exponent);
  for (int e = exponent; e > exponent - 64; --e) {
    const double step = std::ldexp(1.0, e);
    const double candidate = std::ceil(lo / step) * step;
    if (candidate <= hi) return candidate;
  }
  return lo + (hi - lo) / 2;
}

}  // namespace

// One thread's copies of the registers: the interval ones and the point ones, each restored
// before a run in the registers the program writes.
struct ExactImplicitPlotter::Thread {
  IntervalRegisters intervalBase{};
  IntervalRegisters intervals{};
  RegisterFile pointBase{};
  RegisterFile points{};
};

// The work of one tile of the picture.
struct ExactImplicitPlotter::Tile {
  const Program& program;
  const PixelEdges& edges;
  const std::vector<uint8_t>& written;  // the registers the program writes
  int64_t cost;                         // of one run
  Thread& thread;
  int64_t workLeft;
  bool ranOut = false;

  bool spend() {
    if (workLeft < cost) {
      ranOut = true;
      return false;
    }
    workLeft -= cost;
    return true;
  }

  IntervalResult interval(const Box& box) {
    for (const uint8_t code : written)
      thread.intervals[code] = thread.intervalBase[code];
    thread.intervals[kRegX] = {box.x, true};
    thread.intervals[kRegY] = {box.y, true};
    IntervalResult out;
    intervalRun(program.steps, program.degrees, thread.intervals, kRegV, out);
    return out;
  }

  // The sign of F at (x, y): -1, 0 or 1; 2 where the program faults.
  int sign(double x, double y) {
    for (const uint8_t code : written)
      thread.points[code] = thread.pointBase[code];
    thread.points[kRegX] = x;
    thread.points[kRegY] = y;
    if (!runPoint(program.steps, thread.points, program.degrees).valid) return 2;
    const double value = thread.points[kRegV];
    return (value > 0) - (value < 0);
  }

  static bool excludesZero(const IntervalResult& r) {
    return r.defined == Defined::Nowhere || r.range.lo > 0 || r.range.hi < 0;
  }

  // Samples the corners and the middle of `box` (and its simplest point): true when one is an
  // exact zero, or, where `continuous`, two have opposite signs. False also when the work is
  // spent.
  bool proves(const Box& box, bool continuous) {
    const double midX = box.x.lo + (box.x.hi - box.x.lo) / 2;
    const double midY = box.y.lo + (box.y.hi - box.y.lo) / 2;
    const std::pair<double, double> samples[] = {
        {midX, midY},
        {simplestIn(box.x.lo, box.x.hi), simplestIn(box.y.lo, box.y.hi)},
        {box.x.lo, box.y.lo},
        {box.x.hi, box.y.lo},
        {box.x.lo, box.y.hi},
        {box.x.hi, box.y.hi}};
    bool positive = false, negative = false;
    for (const auto& [x, y] : samples) {
      if (!spend()) return false;
      const int s = sign(x, y);
      if (s == 0) return true;
      positive |= s == 1;
      negative |= s == -1;
      if (continuous && positive && negative) return true;
    }
    return false;
  }

  // A pixel whose interval holds 0: proven by its samples, or by those of a part of it on
  // which F is continuous; empty when every part is ruled out.
  ExactPixel decide(const Box& pixel, const IntervalResult& whole) {
    const bool continuous = whole.defined == Defined::Everywhere && whole.continuous;
    if (proves(pixel, continuous)) return ExactPixel::Proven;
    std::vector<Box> parts = {pixel}, next;
    for (int halving = 1; halving <= kPixelHalvings && !parts.empty(); ++halving) {
      next.clear();
      for (const Box& part : parts) {
        const double midX = part.x.lo + (part.x.hi - part.x.lo) / 2;
        const double midY = part.y.lo + (part.y.hi - part.y.lo) / 2;
        for (const Box& quarter : {Box{{part.x.lo, midX}, {part.y.lo, midY}},
                                   Box{{midX, part.x.hi}, {part.y.lo, midY}},
                                   Box{{part.x.lo, midX}, {midY, part.y.hi}},
                                   Box{{midX, part.x.hi}, {midY, part.y.hi}}}) {
          if (!spend()) return ExactPixel::Undecided;
          const IntervalResult r = interval(quarter);
          if (excludesZero(r)) continue;
          const bool quarterContinuous = r.defined == Defined::Everywhere && r.continuous;
          if (quarterContinuous && proves(quarter, true)) return ExactPixel::Proven;
          if (ranOut) return ExactPixel::Undecided;
          next.push_back(quarter);
        }
      }
      std::swap(parts, next);
    }
    return parts.empty() ? ExactPixel::Empty : ExactPixel::Undecided;
  }
};

ExactImplicitPlotter::ExactImplicitPlotter(WorkerPool& pool) : pool_(pool) {}
ExactImplicitPlotter::~ExactImplicitPlotter() = default;

const ExactImplicitResult& ExactImplicitPlotter::plot(const Program& program,
                                                      const PixelEdges& edges) {
  result_.pixels.assign(static_cast<size_t>(kPictureSize) * kPictureSize, ExactPixel::Empty);
  std::vector<uint8_t> written;
  int64_t cost = 0;
  for (const Step& s : program.steps) {
    if (s.opcode == kOpEnd) break;
    if (!operationInfo(s.opcode).writes) continue;
    ++cost;
    if (std::find(written.begin(), written.end(), s.dest) == written.end())
      written.push_back(s.dest);
  }
  cost = std::max<int64_t>(cost, 1);
  while (static_cast<int>(threads_.size()) < pool_.size())
    threads_.push_back(std::make_unique<Thread>());
  for (auto& thread : threads_) {
    thread->intervalBase = pointIntervals(program.registers);
    thread->intervals = thread->intervalBase;
    thread->pointBase = program.registers;
    thread->points = program.registers;
  }

  std::vector<uint8_t> ranOut(kTilesPerSide * kTilesPerSide, 0);
  pool_.run(kTilesPerSide * kTilesPerSide, [&](int index, int threadIndex) {
    Tile tile{program, edges, written, cost, *threads_[threadIndex], workPerTile};
    auto pixelAt = [&](int column, int row) -> ExactPixel& {
      return result_.pixels[static_cast<size_t>(row) * kPictureSize + static_cast<size_t>(column)];
    };
    auto boxOf = [&](int column, int row, int size) {
      const int right = std::min(column + size, kPictureSize);
      const int bottom = std::min(row + size, kPictureSize);
      return Box{{edges.columns[column], edges.columns[right]},
                 {edges.rows[bottom], edges.rows[row]}};
    };
    // The tile by halves, level after level, so that work that runs out leaves the tile
    // evenly coarse rather than one corner decided and the rest not.
    struct Block {
      int column, row, size;
    };
    std::vector<Block> blocks = {{index % kTilesPerSide * kTileSize,
                                  index / kTilesPerSide * kTileSize, kTileSize}};
    std::vector<Block> next;
    while (!blocks.empty()) {
      next.clear();
      for (const Block& b : blocks) {
        const int right = std::min(b.column + b.size, kPictureSize);
        const int bottom = std::min(b.row + b.size, kPictureSize);
        if (!tile.spend()) {
          for (int row = b.row; row < bottom; ++row)
            for (int column = b.column; column < right; ++column)
              pixelAt(column, row) = ExactPixel::Undecided;
          continue;
        }
        const Box box = boxOf(b.column, b.row, b.size);
        const IntervalResult r = tile.interval(box);
        if (Tile::excludesZero(r)) continue;
        if (b.size == 1) {
          pixelAt(b.column, b.row) = tile.decide(box, r);
          continue;
        }
        const int half = b.size / 2;
        for (const Block& quarter : {Block{b.column, b.row, half},
                                     Block{b.column + half, b.row, half},
                                     Block{b.column, b.row + half, half},
                                     Block{b.column + half, b.row + half, half}}) {
          if (quarter.column < kPictureSize && quarter.row < kPictureSize)
            next.push_back(quarter);
        }
      }
      std::swap(blocks, next);
    }
    ranOut[static_cast<size_t>(index)] = tile.ranOut;
  });

  result_.proven = static_cast<int>(
      std::count(result_.pixels.begin(), result_.pixels.end(), ExactPixel::Proven));
  result_.undecided = static_cast<int>(
      std::count(result_.pixels.begin(), result_.pixels.end(), ExactPixel::Undecided));
  result_.workRanOut = std::find(ranOut.begin(), ranOut.end(), 1) != ranOut.end();
  return result_;
}

}  // namespace quorvel
