#include "plot/ExactRegion.h"

#include <algorithm>
#include <utility>

#include "evaluation/Operations.h"

namespace quorvel {
namespace {

// A pixel the intervals do not decide is cut into quarters, down to this many halvings of its
// side.
constexpr int kPixelHalvings = 3;

// What the intervals say of a box.
enum class Verdict : uint8_t { Outside, Inside, Mixed };

}  // namespace

// The work of one tile of the picture.
struct ExactRegionPlotter::Tile {
  const PixelEdges& edges;
  std::span<const RegionCondition> conditions;
  ProgramRuns& runs;
  std::vector<Box> parts{}, next{};  // of the pixel being decided

  // Outside where the program runs nowhere or a condition fails at every point where it runs;
  // inside where it runs everywhere and every condition holds everywhere.
  Verdict verdict(const Box& box) {
    const IntervalResult r = runs.interval(box, conditions.front().code);
    if (r.defined == Defined::Nowhere) return Verdict::Outside;
    bool holds = r.defined == Defined::Everywhere;
    for (const RegionCondition& c : conditions) {
      const Interval& v = runs.registers()[c.code].range;
      if (c.orEqual ? v.lo > 0 : v.lo >= 0) return Verdict::Outside;
      holds = holds && (c.orEqual ? v.hi <= 0 : v.hi < 0);
    }
    return holds ? Verdict::Inside : Verdict::Mixed;
  }

  // Whether the point is in the region, by the point evaluator.
  bool inside(double x, double y) {
    if (!runs.at(x, y)) return false;
    for (const RegionCondition& c : conditions) {
      const double v = runs.value(c.code);
      if (!(c.orEqual ? v <= 0 : v < 0)) return false;
    }
    return true;
  }

  // The corners, middle and simplest point of `box`: which sides of the boundary they show.
  // False when the work is spent.
  bool sample(const Box& box, bool& in, bool& out) {
    const double midX = box.x.lo + (box.x.hi - box.x.lo) / 2;
    const double midY = box.y.lo + (box.y.hi - box.y.lo) / 2;
    const std::pair<double, double> points[] = {
        {midX, midY},         {simplestIn(box.x.lo, box.x.hi), simplestIn(box.y.lo, box.y.hi)},
        {box.x.lo, box.y.lo}, {box.x.hi, box.y.lo},
        {box.x.lo, box.y.hi}, {box.x.hi, box.y.hi}};
    for (const auto& [x, y] : points) {
      if (in && out) return true;
      if (!runs.spend()) return false;
      (inside(x, y) ? in : out) = true;
    }
    return true;
  }

  // A pixel the intervals left mixed: boundary as soon as points or parts of both sides are
  // found; otherwise cut into parts, each decided by its interval where it can be.
  RegionPixel decide(const Box& pixel) {
    bool in = false, out = false;
    if (!sample(pixel, in, out)) return RegionPixel::Undecided;
    if (in && out) return RegionPixel::Boundary;
    parts.assign(1, pixel);
    for (int halving = 1; halving <= kPixelHalvings && !parts.empty(); ++halving) {
      next.clear();
      for (const Box& part : parts) {
        for (const Box& quarter : quarters(part)) {
          if (!runs.spend()) return RegionPixel::Undecided;
          const Verdict v = verdict(quarter);
          if (v == Verdict::Mixed) next.push_back(quarter);
          (v == Verdict::Inside ? in : out) |= v != Verdict::Mixed;
        }
      }
      if (in && out) return RegionPixel::Boundary;
      std::swap(parts, next);
    }
    if (parts.empty()) return in ? RegionPixel::Inside : RegionPixel::Outside;
    for (const Box& part : parts) {
      if (!sample(part, in, out)) return RegionPixel::Undecided;
      if (in && out) return RegionPixel::Boundary;
    }
    return RegionPixel::Undecided;
  }

  // The tile by halves: a block the intervals decide is decided whole.
  void run(int column0, int row0, std::vector<RegionPixel>& pixels) {
    fillBlock(pixels, {column0, row0, kTileSize}, RegionPixel::Outside);  // done twice at times
    halveTile(column0, row0, [&](const PixelBlock& b) {
      if (!runs.spend()) {
        fillBlock(pixels, b, RegionPixel::Undecided);
        return false;
      }
      const Box box = pixelBox(edges, b.column, b.row, b.size);
      const Verdict v = verdict(box);
      if (v == Verdict::Mixed && b.size > 1) return true;
      fillBlock(pixels, b,
                v == Verdict::Inside  ? RegionPixel::Inside
                : v == Verdict::Mixed ? decide(box)
                                      : RegionPixel::Outside);
      return false;
    });
  }
};

std::vector<RegionCondition> comparisonsOf(const StepList& steps) {
  std::vector<RegionCondition> conditions;
  for (const Step& step : steps) {
    if (step.opcode == kOpLess || step.opcode == kOpLessEq)
      conditions.push_back({step.dest, step.opcode == kOpLessEq});
  }
  return conditions;
}

ExactRegionPlotter::ExactRegionPlotter(WorkerPool& pool) : pool_(pool) {}
ExactRegionPlotter::~ExactRegionPlotter() = default;

const ExactRegionResult& ExactRegionPlotter::plot(const Program& program,
                                                  std::span<const RegionCondition> conditions,
                                                  const PixelEdges& edges) {
  result_.pixels.assign(static_cast<size_t>(kPictureSize) * kPictureSize, RegionPixel::Outside);
  while (static_cast<int>(threads_.size()) < pool_.size())
    threads_.push_back(std::make_unique<ProgramRuns>());
  for (auto& runs : threads_)
    runs->load(program);
  result_.workRanOut =
      !conditions.empty() && runTiles(pool_, work, [&](int index, int thread, int64_t allowed) {
        ProgramRuns& runs = *threads_[static_cast<size_t>(thread)];
        runs.allow(allowed);
        Tile tile{edges, conditions, runs};
        tile.run(index % kTilesPerSide * kTileSize, index / kTilesPerSide * kTileSize,
                 result_.pixels);
        return runs.ranOut();
      });
  auto count = [&](RegionPixel state) {
    return static_cast<int>(std::count(result_.pixels.begin(), result_.pixels.end(), state));
  };
  result_.inside = count(RegionPixel::Inside);
  result_.boundary = count(RegionPixel::Boundary);
  result_.undecided = count(RegionPixel::Undecided);
  return result_;
}

}  // namespace quorvel
