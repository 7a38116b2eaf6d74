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

}  // namespace

void DrawGrid(Picture& picture, const ScaleState& scale, TextPainter& text) {
  picture.fillRect(0, 0, Picture::kSize, Picture::kSize, kBackground);
  picture.setPen(kLightLine);
  for (int p = kGridStep; p < Picture::kSize; p += 2 * kGridStep) {
    picture.moveTo(p, 0);
    picture.lineTo(p, Picture::kSize);
    picture.moveTo(0, p);
    picture.lineTo(Picture::kSize, p);
  }
  for (int p = 0; p < Picture::kSize; p += kLabelStep) {
    const double x = scale.columnWorldX[p];
    const LineLook vertical = lookOf(x, scale.unitsPerPixelX);
    picture.setPen(vertical.colour);
    picture.moveTo(p, 0);
    picture.lineTo(p, Picture::kSize);
    if (vertical.axis || (vertical.major && p > kLabelStep)) {
      picture.drawText(text, p + 3, 780, FormatFloat("##0.####", x), kLabelFont, kBlack);
    }
    const double y = scale.rowWorldY[p];
    const LineLook horizontal = lookOf(y, scale.unitsPerPixelY);
    picture.setPen(horizontal.colour);
    picture.moveTo(0, p);
    picture.lineTo(Picture::kSize, p);
    if (horizontal.axis || (horizontal.major && p < Picture::kSize - 1 - kLabelStep)) {
      picture.drawText(text, 10, p - 15, FormatFloat("##0.####", y), kLabelFont, kBlack);
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
