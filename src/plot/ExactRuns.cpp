#include "plot/ExactRuns.h"

#include <algorithm>
#include <cmath>
#include <utility>

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

Box pixelBox(const PixelEdges& edges, int column, int row, int size) {
  const int right = std::min(column + size, kPictureSize);
  const int bottom = std::min(row + size, kPictureSize);
  return {{edges.columns[column], edges.columns[right]}, {edges.rows[bottom], edges.rows[row]}};
}

std::array<Box, 4> quarters(const Box& b) {
  const double midX = b.x.lo + (b.x.hi - b.x.lo) / 2;
  const double midY = b.y.lo + (b.y.hi - b.y.lo) / 2;
  return {Box{{b.x.lo, midX}, {b.y.lo, midY}}, Box{{midX, b.x.hi}, {b.y.lo, midY}},
          Box{{b.x.lo, midX}, {midY, b.y.hi}}, Box{{midX, b.x.hi}, {midY, b.y.hi}}};
}

Box withoutFarEdges(const Box& box) {
  return {{box.x.lo, std::nextafter(box.x.hi, box.x.lo)},
          {std::nextafter(box.y.lo, box.y.hi), box.y.hi}};
}

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

void ProgramRuns::load(const Program& program) {
  program_ = &program;
  written_.clear();
  cost_ = 0;
  for (const Step& s : program.steps) {
    if (s.opcode == kOpEnd) break;
    if (!operationInfo(s.opcode).writes) continue;
    ++cost_;
    if (std::find(written_.begin(), written_.end(), s.dest) == written_.end())
      written_.push_back(s.dest);
  }
  cost_ = std::max<int64_t>(cost_, 1);
  intervalBase_ = pointIntervals(program.registers);
  intervals_ = intervalBase_;
  pointBase_ = program.registers;
  points_ = program.registers;
}

void ProgramRuns::allow(int64_t work) {
  workLeft_ = work;
  ranOut_ = false;
}

bool ProgramRuns::spend() {
  if (workLeft_ < cost_) {
    ranOut_ = true;
    return false;
  }
  workLeft_ -= cost_;
  return true;
}

IntervalResult ProgramRuns::interval(const Box& box, uint8_t resultCode) {
  for (const uint8_t code : written_)
    intervals_[code] = intervalBase_[code];
  intervals_[kRegX] = {box.x, true};
  intervals_[kRegY] = {box.y, true};
  IntervalResult out;
  intervalRun(program_->steps, program_->degrees, intervals_, resultCode, out);
  return out;
}

bool ProgramRuns::at(double x, double y) {
  for (const uint8_t code : written_)
    points_[code] = pointBase_[code];
  points_[kRegX] = x;
  points_[kRegY] = y;
  return runPoint(program_->steps, points_, program_->degrees).valid;
}

void halveTile(int column0, int row0, const std::function<bool(const PixelBlock&)>& visit) {
  std::vector<PixelBlock> blocks = {{column0, row0, kTileSize}}, next;
  while (!blocks.empty()) {
    next.clear();
    for (const PixelBlock& b : blocks) {
      if (!visit(b)) continue;
      const int half = b.size / 2;
      for (const PixelBlock& quarter :
           {PixelBlock{b.column, b.row, half}, PixelBlock{b.column + half, b.row, half},
            PixelBlock{b.column, b.row + half, half},
            PixelBlock{b.column + half, b.row + half, half}}) {
        if (quarter.column < kPictureSize && quarter.row < kPictureSize) next.push_back(quarter);
      }
    }
    std::swap(blocks, next);
  }
}

bool runTiles(WorkerPool& pool, const ExactWork& work,
              const std::function<bool(int tile, int thread, int64_t work)>& tile) {
  std::vector<uint8_t> ranOut(kTiles, 0);
  pool.run(kTiles, [&](int index, int thread) {
    ranOut[static_cast<size_t>(index)] = tile(index, thread, work.firstPerTile);
  });
  std::vector<int> again;
  for (int index = 0; index < kTiles; ++index) {
    if (ranOut[static_cast<size_t>(index)]) again.push_back(index);
  }
  if (again.empty()) return false;
  const int64_t share =
      std::clamp(work.secondTotal / static_cast<int64_t>(again.size()), work.firstPerTile,
                 std::max(work.firstPerTile, work.mostPerTile));
  if (share <= work.firstPerTile) return true;
  std::vector<uint8_t> ranOutAgain(again.size(), 0);
  pool.run(static_cast<int>(again.size()), [&](int k, int thread) {
    ranOutAgain[static_cast<size_t>(k)] = tile(again[static_cast<size_t>(k)], thread, share);
  });
  return std::find(ranOutAgain.begin(), ranOutAgain.end(), 1) != ranOutAgain.end();
}

}  // namespace quorvel
