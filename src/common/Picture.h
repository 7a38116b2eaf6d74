#pragma once
// The picture: 801 x 801 pixels that always hold the complete graph (and, smaller, the
// bitmaps of buttons and scale bars). Plain C++, integer and deterministic, so tests check the
// very pixels the window shows. The pixels are 32-bit 0xFFRRGGBB, the layout a QImage of
// format RGB32 wraps without copying.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "common/Colour.h"
#include "common/DisplayList.h"

namespace quorvel {

constexpr int kPictureSize = 801;  // pixels per side
constexpr int kLastPixel = kPictureSize - 1;

class TextPainter;

enum class PenStyle { Solid, Dotted };

// Font of a text on the picture: the program asks for "arial" and "courier new".
struct Font {
  std::string_view name = "arial";
  int height = 16;  // pixel height of a text line
  bool bold = false;
  bool italic = false;
};

class Picture {
 public:
  static constexpr int kSize = kPictureSize;

  explicit Picture(int width = kSize, int height = kSize);
  // A copy has the pixels, not the record: it draws on its own.
  Picture(const Picture& other);
  Picture& operator=(const Picture& other);

  // From now on every drawing call is also kept in `list` (nothing: no more), which a fill
  // of the whole picture empties first. The list must outlive the recording.
  void recordInto(DisplayList* list) { record_ = list; }
  const DisplayList* record() const { return record_; }

  int width() const { return width_; }
  int height() const { return height_; }
  uint32_t* data() { return pixels_.data(); }
  const uint32_t* data() const { return pixels_.data(); }

  Colour pixel(int x, int y) const;
  void setPixel(int x, int y, Colour colour);  // outside the picture: nothing
  // Fills columns left..right-1 and rows top..bottom-1, clipped to the picture.
  void fillRect(int left, int top, int right, int bottom, Colour colour);

  void setPen(Colour colour, PenStyle style = PenStyle::Solid);
  void moveTo(int x, int y);
  // A line from the pen position to (x, y); the end pixel is not drawn, so joined segments
  // set every pixel once. The pen moves to (x, y).
  void lineTo(int x, int y);
  // The edge of the rectangle with corners (left, top) and (right, bottom), one solid pixel
  // wide: top and left in `light`, bottom and right in `dark` (raised; swapped, sunken).
  // The pen is left at `dark`.
  void bevel(int left, int top, int right, int bottom, Colour light, Colour dark);

  // Copies `source` with its top-left corner at (x, y), leaving out its pixels of colour
  // `transparent`.
  void drawTransparent(const Picture& source, int x, int y, Colour transparent);

  // `text` written by `painter` with its top-left corner at (x, y).
  void drawText(TextPainter& painter, int x, int y, std::string_view text, const Font& font,
                Colour colour);

  // The pixels of the pen from (x0, y0) towards (x1, y1), the last left out: what lineTo
  // draws, for whoever draws the same line elsewhere.
  template <class Visit>
  static void linePixels(int x0, int y0, int x1, int y1, Visit visit) {
    const int dx = x1 > x0 ? x1 - x0 : x0 - x1;
    const int dy = -(y1 > y0 ? y1 - y0 : y0 - y1);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (x0 != x1 || y0 != y1) {
      visit(x0, y0);
      const int twice = 2 * error;
      if (twice >= dy) {
        error += dy;
        x0 += sx;
      }
      if (twice <= dx) {
        error += dx;
        y0 += sy;
      }
    }
  }

 private:
  void plot(int x, int y);
  void store(int x, int y, Colour colour);

  int width_;
  int height_;
  std::vector<uint32_t> pixels_;
  Colour penColour_ = kBlack;
  PenStyle penStyle_ = PenStyle::Solid;
  int penX_ = 0;
  int penY_ = 0;
  int dotPhase_ = 0;
  DisplayList* record_ = nullptr;
};

// Text on the picture: the one thing the engine cannot draw alone. The window supplies the
// real painter; tests use a recording one.
class TextPainter {
 public:
  virtual ~TextPainter() = default;
  // Draws `text` (UTF-8) with its top-left corner at (x, y), on a transparent background.
  virtual void textOut(Picture& picture, int x, int y, std::string_view text, const Font& font,
                       Colour colour) = 0;
  virtual int textWidth(std::string_view text, const Font& font) = 0;
  virtual int textHeight(std::string_view text, const Font& font) = 0;
};

}  // namespace quorvel
