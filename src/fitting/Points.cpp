#include "fitting/Points.h"

#include <cmath>
#include <cstdlib>

#include "common/Language.h"
#include "plot/Graph.h"

namespace quorvel {
namespace {

constexpr Colour kMarkColour = rgb(0x0F, 0x0F, 0x0F);
constexpr Colour kMarkTransparent = kBlack;
constexpr double kSameX = 1e-6;
constexpr double kAxisLimit = 50000;

Picture makePointMark() {
  Picture mark(9, 9);
  for (int j = 0; j < 9; ++j) {
    for (int i = 0; i < 9; ++i) {
      const int distance = std::abs(i - 4) + std::abs(j - 4);
      mark.setPixel(i, j, distance >= 3 && distance <= 6 ? kMarkColour : kMarkTransparent);
    }
  }
  return mark;
}

}  // namespace

int pairTest(const TPoint& p, const TPoint& q) {
  if (std::abs(p.x - q.x) < kSameX) return 1;
  // Where the line through both meets the y-axis.
  if (std::abs((q.x * p.y - p.x * q.y) / (p.x - q.x)) > kAxisLimit) return 2;
  return 0;
}

const Picture& Points::pointMark() {
  static const Picture mark = makePointMark();
  return mark;
}

Points::Points(Graph& graph, std::string& msgText) : graph_(graph), msgText_(msgText) {}

void Points::ClickPoint(int column, int row, bool shift) {
  const ScaleState& scale = graph_.scale;
  const double x = scale.columnWorldX[column];
  const double y = scale.rowWorldY[row];
  // Within three pixels, counted in pixels: a press exactly three pixels away must not count
  // as nearer because the world values of the columns and rows carry rounding.
  constexpr double kNear = 3 - 1e-9;
  for (int i = 1; i <= pointCount; ++i) {
    if (std::abs(x - points[i].x) / scale.unitsPerPixelX < kNear &&
        std::abs(y - points[i].y) / scale.unitsPerPixelY < kNear) {
      for (int k = i; k < pointCount; ++k)
        points[k] = points[k + 1];
      --pointCount;
      graph_.RedrawAll();
      msgText_ = "punten = " + std::to_string(pointCount);
      return;
    }
  }
  if (!shift) {
    column = (column + 5) / 10 * 10;
    row = (row + 5) / 10 * 10;
  }
  if (pointCount == kMaxPoints) {
    msgText_ = translated(kTableFull);
    return;
  }
  const TPoint added{scale.columnWorldX[column], scale.rowWorldY[row]};
  for (int i = 1; i <= pointCount; ++i) {
    const int fault = pairTest(added, points[i]);
    if (fault != 0) {
      msgText_ = translated(fault == 1 ? kDuplicateX : kPointOutOfRange);
      return;
    }
  }
  points[++pointCount] = added;
  msgText_ = "punt " + std::to_string(pointCount) + " toegevoegd";
  DrawPointMark(column, row);
  graph_.ShowPicture();
}

void Points::DrawPoints() {
  const ScaleState& scale = graph_.scale;
  for (int i = 1; i <= pointCount; ++i) {
    const TPoint& p = points[i];
    if (p.x > scale.columnWorldX[0] && p.x < scale.columnWorldX[kLastPixel] &&
        p.y < scale.rowWorldY[0] && p.y > scale.rowWorldY[kLastPixel]) {
      DrawPointMark(scale.WorldToColumn(p.x), scale.WorldToRow(p.y));
    }
  }
}

void Points::DrawPointMark(int column, int row) {
  graph_.picture.drawTransparent(pointMark(), column - 4, row - 4, kMarkTransparent);
}

}  // namespace quorvel
