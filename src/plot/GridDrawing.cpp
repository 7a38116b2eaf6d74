#include "plot/GridDrawing.h"

#include <cmath>
#include <string>

#include "common/NumberText.h"

namespace quorvel {
namespace {

constexpr Font kLabelFont{"arial", 16, false};
constexpr Font kAxisNameFont{"arial", 20, false};
constexpr Font kTitleFont{"arial", 22, false};

// How a labelled grid line at world value `value` looks, with `d` world units per pixel.
struct LineLook {
  Colour colour;
  bool axis;
  bool major;
};

LineLook lookOf(double value, double d) {
  if (std::fabs(value) < 0.25 * d) return {kAxisLine, true, false};
  // A multiple of five 40-pixel intervals, counted from world 0.
  const double intervals = std::fabs(value / (200 * d)) + 0.000001;
  if (intervals - std::floor(intervals) < 0.0001) return {kMajorLine, false, true};
  return {kMinorLine, false, false};
}

// Length of a UTF-8 character starting with this byte.
size_t characterLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// The labelled lines stand where the world values are multiples of the labelled interval:
// the first of them in pixels 0..39 from the left (the top), and the round value of a line.
// Every centre the buttons, the keys and the quadrants reach is such a multiple, so there the
// first line is pixel 0, as the grid was always drawn; the wheel and the drag leave the
// centre anywhere.
int firstLabelled(double edge, double unitsPerPixel, int direction) {
  const double interval = kLabelStep * unitsPerPixel;
  const double multiple = direction > 0 ? std::ceil(edge / interval - 1e-6) * interval
                                        : std::floor(edge / interval + 1e-6) * interval;
  const long p = std::lround(direction * (multiple - edge) / unitsPerPixel);
  return static_cast<int>(((p % kLabelStep) + kLabelStep) % kLabelStep);
}

double roundValue(double value, double unitsPerPixel) {
  const double interval = kLabelStep * unitsPerPixel;
  return std::nearbyint(value / interval) * interval;
}

}  // namespace

void DrawGrid(Picture& picture, const ScaleState& scale, TextPainter& text) {
  picture.fillRect(0, 0, Picture::kSize, Picture::kSize, kBackground);
  const int firstColumn = firstLabelled(scale.columnWorldX[0], scale.unitsPerPixelX, +1);
  const int firstRow = firstLabelled(scale.rowWorldY[0], scale.unitsPerPixelY, -1);
  // The light lines halfway between the labelled ones.
  picture.setPen(kLightLine);
  for (int p = (firstColumn + kGridStep) % kLabelStep; p < Picture::kSize; p += kLabelStep) {
    picture.moveTo(p, 0);
    picture.lineTo(p, Picture::kSize);
  }
  for (int p = (firstRow + kGridStep) % kLabelStep; p < Picture::kSize; p += kLabelStep) {
    picture.moveTo(0, p);
    picture.lineTo(Picture::kSize, p);
  }
  // A vertical and a horizontal labelled line in turn, as they always overlapped.
  for (int column = firstColumn, row = firstRow; column < Picture::kSize || row < Picture::kSize;
       column += kLabelStep, row += kLabelStep) {
    if (column < Picture::kSize) {
      const double x = roundValue(scale.columnWorldX[column], scale.unitsPerPixelX);
      const LineLook vertical = lookOf(x, scale.unitsPerPixelX);
      picture.setPen(vertical.colour);
      picture.moveTo(column, 0);
      picture.lineTo(column, Picture::kSize);
      if (vertical.axis || (vertical.major && column > kLabelStep)) {
        picture.drawText(text, column + 3, 780, shownNumber(FormatFloat("##0.####", x)), kLabelFont,
                         kBlack);
      }
    }
    if (row < Picture::kSize) {
      const double y = roundValue(scale.rowWorldY[row], scale.unitsPerPixelY);
      const LineLook horizontal = lookOf(y, scale.unitsPerPixelY);
      picture.setPen(horizontal.colour);
      picture.moveTo(0, row);
      picture.lineTo(Picture::kSize, row);
      if (horizontal.axis || (horizontal.major && row < Picture::kSize - 1 - kLabelStep)) {
        picture.drawText(text, 10, row - 15, shownNumber(FormatFloat("##0.####", y)), kLabelFont,
                         kBlack);
      }
    }
  }
  picture.drawText(text, 780, 780, "X", kAxisNameFont, kAxisNameColour);
  picture.drawText(text, 10, 0, "Y", kAxisNameFont, kAxisNameColour);
}

bool DrawTitle(Picture& picture, TextPainter& text, std::string_view personalText) {
  if (personalText.empty()) return true;
  // Measured character by character, one pixel apart, as the title has always been placed.
  int width = 0;
  for (size_t i = 0; i < personalText.size();) {
    const size_t length = characterLength(static_cast<unsigned char>(personalText[i]));
    width += text.textWidth(personalText.substr(i, length), kTitleFont) + 1;
    i += length;
  }
  const int x = (800 - width) / 2;
  if (x < 30) return false;
  picture.drawText(text, x, 20, personalText, kTitleFont, kBlack);
  return true;
}

}  // namespace quorvel
