#pragma once
// The record of a picture's drawing calls since it was last cleared: what the raster holds,
// as lines, rectangles, pixels, small bitmaps and texts in picture coordinates (pixel
// (x, y) covers the square from (x, y) to (x + 1, y + 1)). The raster stays the truth of every
// pixel; the record lets the same picture be drawn again at any size, as vectors.

#include <cstdint>
#include <string>
#include <vector>

#include "common/Colour.h"

namespace quorvel {

struct Font;

class DisplayList {
 public:
  enum class Kind : uint8_t {
    Rect,    // columns x0..x1-1, rows y0..y1-1
    Line,    // the pen's pixels from (x0, y0) towards (x1, y1), the last one left out; dotted:
             // every other one, the first if `index` is even
    Pixel,   // (x0, y0)
    Bitmap,  // bitmaps[index] with its top-left corner at (x0, y0), its pixels of colour
             // `colour` left out
    Text,    // texts[index] in fonts[index] with its top-left corner at (x0, y0)
  };
  struct Op {
    Kind kind;
    bool dotted = false;
    int16_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    Colour colour = kBlack;
    uint32_t index = 0;
  };
  struct Bitmap {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;  // 0x??RRGGBB, row after row
  };
  struct TextFont {
    std::string name;
    int height = 16;
    bool bold = false;
    bool italic = false;
  };

  std::vector<Op> ops;
  std::vector<Bitmap> bitmaps;
  std::vector<std::string> texts;
  std::vector<TextFont> fonts;  // one per text
  // Changes with every call recorded and every clearing: whoever draws the record keeps what
  // it drew until this changes.
  uint64_t generation = 0;

  void clear();
  void rect(int left, int top, int right, int bottom, Colour colour);
  void line(int x0, int y0, int x1, int y1, Colour colour, bool dotted, int dotPhase);
  void pixel(int x, int y, Colour colour);
  void bitmap(int x, int y, Bitmap image, Colour transparent);
  void text(int x, int y, std::string text, const Font& font, Colour colour);
};

}  // namespace quorvel
