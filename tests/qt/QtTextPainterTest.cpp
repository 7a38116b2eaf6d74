// Text through Qt lands in the picture's own pixels, in exactly the text colour, inside the
// box the painter reports.

#include <gtest/gtest.h>

#include "plot/GridDrawing.h"
#include "qt/QtTextPainter.h"

namespace quorvel {
namespace {

struct Box {
  int left = 1000, top = 1000, right = -1, bottom = -1;
  int pixels = 0;
};

Box inkBox(const Picture& picture, Colour ink) {
  Box box;
  for (int y = 0; y < Picture::kSize; ++y) {
    for (int x = 0; x < Picture::kSize; ++x) {
      if (picture.pixel(x, y) != ink) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x);
      box.bottom = std::max(box.bottom, y);
      ++box.pixels;
    }
  }
  return box;
}

TEST(QtTextPainter, TextLandsInThePictureWithinItsBox) {
  QtTextPainter text;
  Picture picture;
  picture.fillRect(0, 0, 801, 801, kBackground);
  const Font font{"arial", 20, false};
  const Colour ink = rgb(1, 0, 0);
  text.textOut(picture, 100, 50, "Y 12,5", font, ink);
  const Box box = inkBox(picture, ink);
  ASSERT_GT(box.pixels, 20);
  EXPECT_GE(box.left, 100);
  EXPECT_GE(box.top, 50);
  EXPECT_LE(box.right, 100 + text.textWidth("Y 12,5", font));
  EXPECT_LE(box.bottom, 50 + text.textHeight("Y 12,5", font));
  EXPECT_EQ(text.textHeight("x", font), 20);  // the requested line height
  // No antialiasing: every pixel is background or ink.
  for (int y = 40; y < 80; ++y) {
    for (int x = 90; x < 200; ++x) {
      const Colour c = picture.pixel(x, y);
      ASSERT_TRUE(c == kBackground || c == ink) << x << "," << y;
    }
  }
}

TEST(QtTextPainter, FontsAndWidths) {
  QtTextPainter text;
  const Font arial{"arial", 16, false};
  const Font courier{"courier new", 15, false};
  EXPECT_EQ(text.qtFont(arial).family(), "Liberation Sans");
  EXPECT_EQ(text.qtFont(courier).family(), "Liberation Mono");
  EXPECT_GT(text.textWidth("WWW", arial), text.textWidth("iii", arial));
  EXPECT_EQ(text.textWidth("WWW", courier), text.textWidth("iii", courier));  // monospaced
  EXPECT_GT(text.textWidth("é", arial), 0);
}

}  // namespace
}  // namespace quorvel
