#include "plot/ScaleState.h"

#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

constexpr double kMantissa[] = {1, 2, 5};
constexpr double kPower[] = {0.001, 0.01, 0.1, 1, 10, 100, 1000};
constexpr int kAxisPositions[] = {40, 400, 760};

// Rounds half away from zero, clamped to what a 16-bit pixel coordinate can hold.
int roundAway(double v) {
  if (!(v == v)) return 0;
  const double r = v > 0 ? std::trunc(v + 0.5) : v < 0 ? std::trunc(v - 0.5) : 0.0;
  return static_cast<int>(std::clamp(r, -32768.0, 32767.0));
}

// The scroll buttons stop once a centre has passed the limit; the wheel and the drag stop at it.
double withinScrollLimit(double centre) {
  return std::clamp(centre, -kScrollLimit, kScrollLimit);
}

}  // namespace

double ZoomStep(int level) {
  return 0.025 * kMantissa[level % 3] * kPower[level / 3];
}

int ScaleState::WorldToColumn(double x) const {
  return std::clamp(originColumn + roundAway((x - centreX) / unitsPerPixelX), -32768, 32767);
}

int ScaleState::WorldToRow(double y) const {
  return std::clamp(originRow - roundAway((y - centreY) / unitsPerPixelY), -32768, 32767);
}

void ScaleState::FillColumnTable() {
  columnWorldX[originColumn] = centreX;
  for (int i = originColumn + 1; i <= kLastPixel; ++i)
    columnWorldX[i] = columnWorldX[i - 1] + unitsPerPixelX;
  for (int i = originColumn - 1; i >= 0; --i)
    columnWorldX[i] = columnWorldX[i + 1] - unitsPerPixelX;
}

void ScaleState::FillRowTable() {
  rowWorldY[originRow] = centreY;
  for (int i = originRow + 1; i <= kLastPixel; ++i)
    rowWorldY[i] = rowWorldY[i - 1] - unitsPerPixelY;
  for (int i = originRow - 1; i >= 0; --i)
    rowWorldY[i] = rowWorldY[i + 1] + unitsPerPixelY;
}

void ScaleState::reset() {
  centreX = centreY = zoomRefX = zoomRefY = 0;
  originColumn = originRow = kOrigin;
  zoomLevelX = zoomLevelY = kInitialZoomLevel;
  unitsPerPixelX = unitsPerPixelY = ZoomStep(kInitialZoomLevel);
  FillColumnTable();
  FillRowTable();
}

void ScaleState::scrollZoom(int command) {
  // One labelled interval along an axis; the guard is tested before the step.
  auto scroll = [this](bool yAxis, int sign) {
    double& centre = yAxis ? centreY : centreX;
    if (sign > 0 ? centre >= kScrollLimit : centre <= -kScrollLimit) return;
    centre += sign * kLabelStep * (yAxis ? unitsPerPixelY : unitsPerPixelX);
    (yAxis ? zoomRefY : zoomRefX) = centre;
    yAxis ? FillRowTable() : FillColumnTable();
  };
  // Zooming re-centres on the grid around the reference, so that a series of zoom steps
  // keeps the middle of the screen in place up to the 40-pixel snap.
  auto zoom = [this](bool yAxis, int delta) {
    int& level = yAxis ? zoomLevelY : zoomLevelX;
    if (delta > 0 ? level >= kMaxZoomLevel : level <= 0) return;
    level += delta;
    double& unitsPerPixel = yAxis ? unitsPerPixelY : unitsPerPixelX;
    unitsPerPixel = ZoomStep(level);
    const double interval = kLabelStep * unitsPerPixel;
    (yAxis ? centreY : centreX) =
        std::nearbyint((yAxis ? zoomRefY : zoomRefX) / interval) * interval;
    yAxis ? FillRowTable() : FillColumnTable();
  };
  switch (command) {
    case kScrollUp:
      scroll(true, +1);
      break;
    case kScrollLeft:
      scroll(false, -1);
      break;
    case kScrollRight:
      scroll(false, +1);
      break;
    case kScrollDown:
      scroll(true, -1);
      break;
    case kZoomOutY:
      zoom(true, +1);
      break;
    case kZoomInX:
      zoom(false, -1);
      break;
    case kZoomOutX:
      zoom(false, +1);
      break;
    case kZoomInY:
      zoom(true, -1);
      break;
    default:
      break;
  }
}

void ScaleState::zoomAt(int column, int row, int notches, bool xAxis, bool yAxis) {
  column = std::clamp(column, 0, kLastPixel);
  row = std::clamp(row, 0, kLastPixel);
  if (xAxis) {
    const int level = std::clamp(zoomLevelX - notches, 0, kMaxZoomLevel);
    if (level != zoomLevelX) {
      const double kept = columnWorldX[column];
      zoomLevelX = level;
      unitsPerPixelX = ZoomStep(level);
      centreX = zoomRefX = withinScrollLimit(kept - (column - originColumn) * unitsPerPixelX);
      FillColumnTable();
    }
  }
  if (yAxis) {
    const int level = std::clamp(zoomLevelY - notches, 0, kMaxZoomLevel);
    if (level != zoomLevelY) {
      const double kept = rowWorldY[row];
      zoomLevelY = level;
      unitsPerPixelY = ZoomStep(level);
      centreY = zoomRefY = withinScrollLimit(kept + (row - originRow) * unitsPerPixelY);
      FillRowTable();
    }
  }
}

void ScaleState::dragFrom(double startX, double startY, int dx, int dy) {
  centreX = zoomRefX = withinScrollLimit(startX - dx * unitsPerPixelX);
  centreY = zoomRefY = withinScrollLimit(startY + dy * unitsPerPixelY);
  FillColumnTable();
  FillRowTable();
}

void ScaleState::selectAxisPosition(int code) {
  if (code >= 8 && code <= 10) {
    centreX = (originColumn - kAxisPositions[code - 8]) * unitsPerPixelX;
    zoomRefX = centreX;
    FillColumnTable();
  } else if (code >= 11 && code <= 13) {
    centreY = (kAxisPositions[code - 11] - originRow) * unitsPerPixelY;
    zoomRefY = centreY;
    FillRowTable();
  }
}

void ScaleState::applyLoaded() {
  zoomLevelX = std::clamp(zoomLevelX, 0, kMaxZoomLevel);
  zoomLevelY = std::clamp(zoomLevelY, 0, kMaxZoomLevel);
  unitsPerPixelX = ZoomStep(zoomLevelX);
  unitsPerPixelY = ZoomStep(zoomLevelY);
  zoomRefX = centreX;
  zoomRefY = centreY;
  FillColumnTable();
  FillRowTable();
}

std::array<int, 2> quadrantCodes(int quadrant) {
  static constexpr std::array<std::array<int, 2>, 5> kCodes = {
      {{9, 12}, {8, 13}, {10, 13}, {10, 11}, {8, 11}}};
  return kCodes[std::clamp(quadrant, 0, 4)];
}

}  // namespace quorvel
