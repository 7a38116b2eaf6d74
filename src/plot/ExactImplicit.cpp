#include "plot/ExactImplicit.h"

#include <algorithm>
#include <utility>

namespace quorvel {
namespace {

// A pixel that is neither ruled out nor proven is cut into quarters, down to this many
// halvings of its side; in the tile's last round, while at most kFewParts are left, down to
// kMostPixelHalvings. A curve that crosses a pixel leaves more parts than that, so the last
// round spends little on pixels it cannot decide.
constexpr int kPixelHalvings = 3;
constexpr int kMostPixelHalvings = 8;
constexpr size_t kFewParts = 4;

}  // namespace

// The work of one tile of the picture.
struct ExactImplicitPlotter::Tile {
  const PixelEdges& edges;
  ProgramRuns& runs;
  int column0 = 0, row0 = 0;  // the tile's first pixel

  bool spend() { return runs.spend(); }
  bool ranOut() const { return runs.ranOut(); }
  IntervalResult interval(const Box& box) { return runs.interval(box, kRegV); }

  // The sign of F at (x, y): -1, 0 or 1; 2 where the program faults.
  int sign(double x, double y) {
    if (!runs.at(x, y)) return 2;
    const double value = runs.value(kRegV);
    return (value > 0) - (value < 0);
  }

  static bool excludesZero(const IntervalResult& r) {
    return r.defined == Defined::Nowhere || r.range.lo > 0 || r.range.hi < 0;
  }

  // Whether the curve cannot pass through `box` by its interval `r`, the box without its right
  // and bottom edges: those belong to the boxes beside and below it. Where F is exactly 0 at
  // an end of the interval, as on a line through the corners of pixels, the interval is taken
  // again without those edges, so that the pixels the line only touches there are ruled out.
  bool ruledOut(const Box& box, const IntervalResult& r) {
    if (excludesZero(r)) return true;
    if (r.range.lo != 0 && r.range.hi != 0) return false;
    return spend() && excludesZero(interval(withoutFarEdges(box)));
  }

  // The signs of samples in a pixel, one by one: whether they prove the curve passes. An
  // exact zero proves the pixel it belongs to: each point belongs to one pixel, the one whose
  // box holds it without its right and bottom edges, so that a line through the corners of
  // pixels is not drawn twice as thick. Opposite signs where F is continuous on the box
  // sampled prove that the curve meets that box.
  struct Tally {
    const Box& owner;  // the pixel whose points count as zeros
    bool continuous;
    bool positive = false, negative = false;
    bool proves(int s, double x, double y) {
      positive |= s == 1;
      negative |= s == -1;
      if (s == 0 && x < owner.x.hi && y > owner.y.lo) return true;
      return continuous && positive && negative;
    }
  };

  // The middle of `box` and its simplest point; false also when the work is spent.
  bool provesInside(const Box& box, Tally& tally) {
    const double midX = box.x.lo + (box.x.hi - box.x.lo) / 2;
    const double midY = box.y.lo + (box.y.hi - box.y.lo) / 2;
    if (!spend()) return false;
    if (tally.proves(sign(midX, midY), midX, midY)) return true;
    const double x = simplestIn(box.x.lo, box.x.hi), y = simplestIn(box.y.lo, box.y.hi);
    return spend() && tally.proves(sign(x, y), x, y);
  }

  // A part of the pixel being decided: its corners, middle and simplest point.
  bool proves(const Box& box, bool continuous) {
    Tally tally{pixel, continuous};
    for (const double x : {box.x.lo, box.x.hi}) {
      for (const double y : {box.y.lo, box.y.hi}) {
        if (!spend()) return false;
        if (tally.proves(sign(x, y), x, y)) return true;
      }
    }
    return provesInside(box, tally);
  }

  // The signs at the tile's pixel corners, each sampled once: neighbouring pixels of a curve
  // share them.
  static constexpr int kCorners = kTileSize + 1;
  std::array<int8_t, kCorners * kCorners> cornerSigns{};
  static constexpr int8_t kUnknown = 3;

  int cornerSign(int column, int row) {
    int8_t& s = cornerSigns[static_cast<size_t>(row - row0) * kCorners +
                            static_cast<size_t>(column - column0)];
    if (s == kUnknown) {
      if (!spend()) return kUnknown;
      s = static_cast<int8_t>(sign(edges.columns[column], edges.rows[row]));
    }
    return s;
  }

  // The pixel being decided: its four corners (shared), middle and simplest point.
  bool provesPixel(int column, int row, bool continuous) {
    Tally tally{pixel, continuous};
    for (const int c : {column, column + 1}) {
      for (const int r : {row, row + 1}) {
        const int s = cornerSign(c, r);
        if (s == kUnknown) return false;
        if (tally.proves(s, edges.columns[c], edges.rows[r])) return true;
      }
    }
    return provesInside(pixel, tally);
  }

  struct Part {
    Box box;
    bool continuous;
  };
  std::vector<Part> parts{}, next{};  // of the pixel being decided
  Box pixel{};                        // the pixel being decided
  struct Waiting {
    int column, row;
    Box box;
    std::vector<Part> parts;
  };
  std::vector<Waiting> waiting{};  // for the last round

  // A pixel whose interval holds 0: proven by its samples; otherwise cut into parts, those
  // ruled out dropped, and the parts left tried by their own samples where F is continuous on
  // them. Empty when every part is ruled out. A pixel left undecided with few parts waits for
  // the tile's last round.
  ExactPixel decide(int column, int row, const Box& box, const IntervalResult& whole) {
    pixel = box;
    const bool continuous = whole.defined == Defined::Everywhere && whole.continuous;
    if (provesPixel(column, row, continuous)) return ExactPixel::Proven;
    if (ranOut()) return ExactPixel::Undecided;
    // Ruling out first: most parts that are left of a pixel near a curve are ruled out a level
    // further down, and sampling them would be work lost.
    parts.assign(1, {pixel, continuous});
    for (int halving = 1; halving <= kPixelHalvings && !parts.empty(); ++halving) {
      if (!halveParts()) return ExactPixel::Undecided;
    }
    const ExactPixel state = proveParts();
    if (state == ExactPixel::Undecided && !ranOut() && parts.size() <= kFewParts)
      waiting.push_back({column, row, pixel, parts});
    return state;
  }

  // The last round, over the pixels left undecided with few parts once every pixel of the
  // tile has had its first: their parts cut further while they stay few. A curve that only
  // passes close by a pixel, nearer than the intervals over an eighth of a pixel can tell (as
  // where the formula names x several times), is ruled out there.
  ExactPixel decideFurther(Waiting& left) {
    pixel = left.box;
    std::swap(parts, left.parts);
    for (int halving = kPixelHalvings + 1;
         halving <= kMostPixelHalvings && !parts.empty() && parts.size() <= kFewParts; ++halving) {
      if (!halveParts()) return ExactPixel::Undecided;
    }
    return parts.size() <= kFewParts ? proveParts() : ExactPixel::Undecided;
  }

  // Each part cut into quarters, those ruled out dropped; false when the work is spent.
  bool halveParts() {
    next.clear();
    for (const Part& part : parts) {
      const Box& b = part.box;
      for (const Box& quarter : quarters(b)) {
        if (!spend()) return false;
        const IntervalResult r = interval(quarter);
        if (ruledOut(quarter, r)) continue;
        next.push_back({quarter, r.defined == Defined::Everywhere && r.continuous});
      }
    }
    std::swap(parts, next);
    return true;
  }

  // Empty when no part is left, Proven when a part's samples prove the curve.
  ExactPixel proveParts() {
    if (parts.empty()) return ExactPixel::Empty;
    for (const Part& part : parts) {
      if (proves(part.box, part.continuous)) return ExactPixel::Proven;
      if (ranOut()) break;
    }
    return ExactPixel::Undecided;
  }

  // The tile by halves, then the last round.
  void run(std::vector<ExactPixel>& pixels) {
    fillBlock(pixels, {column0, row0, kTileSize}, ExactPixel::Empty);  // done twice at times
    halveTile(column0, row0, [&](const PixelBlock& b) {
      if (!spend()) {
        fillBlock(pixels, b, ExactPixel::Undecided);
        return false;
      }
      const Box box = pixelBox(edges, b.column, b.row, b.size);
      const IntervalResult r = interval(box);
      if (ruledOut(box, r)) return false;
      if (b.size > 1) return true;
      fillBlock(pixels, b, decide(b.column, b.row, box, r));
      return false;
    });
    for (Waiting& left : waiting) {
      if (ranOut()) break;
      fillBlock(pixels, {left.column, left.row, 1}, decideFurther(left));
    }
  }
};

ExactImplicitPlotter::ExactImplicitPlotter(WorkerPool& pool) : pool_(pool) {}
ExactImplicitPlotter::~ExactImplicitPlotter() = default;

const ExactImplicitResult& ExactImplicitPlotter::plot(const Program& program,
                                                      const PixelEdges& edges) {
  result_.pixels.assign(static_cast<size_t>(kPictureSize) * kPictureSize, ExactPixel::Empty);
  while (static_cast<int>(threads_.size()) < pool_.size())
    threads_.push_back(std::make_unique<ProgramRuns>());
  for (auto& runs : threads_)
    runs->load(program);
  result_.workRanOut = runTiles(pool_, work, [&](int index, int thread, int64_t allowed) {
    ProgramRuns& runs = *threads_[static_cast<size_t>(thread)];
    runs.allow(allowed);
    Tile tile{edges, runs};
    tile.column0 = index % kTilesPerSide * kTileSize;
    tile.row0 = index / kTilesPerSide * kTileSize;
    tile.cornerSigns.fill(Tile::kUnknown);
    tile.run(result_.pixels);
    return runs.ranOut();
  });

  result_.proven = static_cast<int>(
      std::count(result_.pixels.begin(), result_.pixels.end(), ExactPixel::Proven));
  result_.undecided = static_cast<int>(
      std::count(result_.pixels.begin(), result_.pixels.end(), ExactPixel::Undecided));
  return result_;
}

}  // namespace quorvel
