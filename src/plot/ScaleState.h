#pragma once
// The mapping between world coordinates and the pixels of the 801 x 801 picture: a centre and
// a zoom level per axis, and the world value of every pixel column and row. x and y are
// independent. Every plotter reads positions from the two tables, so a curve is sampled at
// exactly the world values the grid shows.

#include <array>
#include <cstdint>

#include "common/Picture.h"

namespace quorvel {

constexpr int kOrigin = 400;    // the column and row of the centre
constexpr int kGridStep = 20;   // a scale division, in pixels
constexpr int kLabelStep = 40;  // labelled grid lines
constexpr int kInitialZoomLevel = 9;
constexpr int kMaxZoomLevel = 15;
constexpr double kScrollLimit = 50000;

// World size of one pixel at zoom level 0..20: 0,025 x {1, 2, 5} x 10^(level div 3 - 3).
double ZoomStep(int level);

// Scroll and zoom commands (the scale box buttons and the keys).
enum ScaleCommand : uint8_t {
  kScrollUp = 11,
  kScrollLeft = 12,
  kScrollRight = 13,
  kScrollDown = 14,
  kZoomOutY = 15,
  kZoomInX = 16,
  kZoomOutX = 17,
  kZoomInY = 18,
};

struct ScaleState {
  int originColumn = kOrigin;
  int originRow = kOrigin;
  double centreX = 0;
  double centreY = 0;
  double zoomRefX = 0;  // centre after the last scroll, quadrant choice or reset
  double zoomRefY = 0;
  double unitsPerPixelX = ZoomStep(kInitialZoomLevel);
  double unitsPerPixelY = ZoomStep(kInitialZoomLevel);
  int zoomLevelX = kInitialZoomLevel;
  int zoomLevelY = kInitialZoomLevel;
  std::array<double, kPictureSize> columnWorldX{};  // left edge first
  std::array<double, kPictureSize> rowWorldY{};     // top edge first
  double cursorWorldX = 0;                          // under the cross-hair
  double cursorWorldY = 0;

  ScaleState() { reset(); }

  // Pixel of a world value, rounded half away from the origin. Values far outside the
  // picture are clamped to the 16-bit range the callers expect.
  int WorldToColumn(double x) const;
  int WorldToRow(double y) const;

  void FillColumnTable();
  void FillRowTable();

  // The initial scale: both centres 0, level 9.
  void reset();
  // One scroll or zoom step (commands 11..18), if its guard allows it.
  void scrollZoom(int command);
  // The wheel at pixel (column, row): `notches` zoom levels in (positive) or out (negative) on
  // the axes asked for, within the levels the buttons reach, the world point under that pixel
  // kept under it as far as the scroll limits allow. Zoom steps after it re-centre on the grid
  // around the new centre, as after a scroll.
  void zoomAt(int column, int row, int notches, bool xAxis, bool yAxis);
  // A drag: the picture that had its centre at (startX, startY) when the button went down,
  // moved with the mouse by (dx, dy) pixels, within the scroll limits.
  void dragFrom(double startX, double startY, int dx, int dy);
  // Puts the y axis at column 40, 400 or 760 (codes 8..10) or the x axis at row 40, 400 or
  // 760 (codes 11..13).
  void selectAxisPosition(int code);
  // After centreX, centreY and the zoom levels were loaded from a graph file.
  void applyLoaded();
};

// The axis-position codes of quadrant q (0..4): {x code, y code}.
std::array<int, 2> quadrantCodes(int quadrant);

}  // namespace quorvel
