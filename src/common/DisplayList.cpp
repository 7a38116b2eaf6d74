#include "common/DisplayList.h"

#include <algorithm>

#include "common/Picture.h"

namespace quorvel {
namespace {

// Coordinates far outside the picture are of no use and are kept within 16 bits.
int16_t clamp16(int v) {
  return static_cast<int16_t>(std::clamp(v, -32768, 32767));
}

}  // namespace

void DisplayList::clear() {
  ++generation;
  ops.clear();
  bitmaps.clear();
  texts.clear();
  fonts.clear();
}

void DisplayList::rect(int left, int top, int right, int bottom, Colour colour) {
  ++generation;
  ops.push_back(
      {Kind::Rect, false, clamp16(left), clamp16(top), clamp16(right), clamp16(bottom), colour, 0});
}

void DisplayList::line(int x0, int y0, int x1, int y1, Colour colour, bool dotted, int dotPhase) {
  ++generation;
  ops.push_back({Kind::Line, dotted, clamp16(x0), clamp16(y0), clamp16(x1), clamp16(y1), colour,
                 static_cast<uint32_t>(dotPhase & 1)});
}

void DisplayList::pixel(int x, int y, Colour colour) {
  ++generation;
  ops.push_back({Kind::Pixel, false, clamp16(x), clamp16(y), 0, 0, colour, 0});
}

void DisplayList::bitmap(int x, int y, Bitmap image, Colour transparent) {
  ++generation;
  ops.push_back({Kind::Bitmap, false, clamp16(x), clamp16(y), 0, 0, transparent,
                 static_cast<uint32_t>(bitmaps.size())});
  bitmaps.push_back(std::move(image));
}

void DisplayList::text(int x, int y, std::string s, const Font& font, Colour colour) {
  ++generation;
  ops.push_back({Kind::Text, false, clamp16(x), clamp16(y), 0, 0, colour,
                 static_cast<uint32_t>(texts.size())});
  texts.push_back(std::move(s));
  fonts.push_back({std::string(font.name), font.height, font.bold, font.italic});
}

}  // namespace quorvel
