// The picture's drawing primitives, pixel by pixel.

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "common/Picture.h"

namespace quorvel {
namespace {

constexpr Colour kInk = rgb(255, 0, 0);

std::set<std::pair<int, int>> inked(const Picture& picture) {
  std::set<std::pair<int, int>> pixels;
  for (int y = 0; y < Picture::kSize; ++y) {
    for (int x = 0; x < Picture::kSize; ++x) {
      if (picture.pixel(x, y) == kInk) pixels.insert({x, y});
    }
  }
  return pixels;
}

TEST(Picture, LineRuleLeavesOutTheEndPixel) {
  Picture picture;
  picture.setPen(kInk);
  picture.moveTo(10, 10);
  picture.lineTo(15, 12);
  EXPECT_EQ(inked(picture),
            (std::set<std::pair<int, int>>{{10, 10}, {11, 10}, {12, 11}, {13, 11}, {14, 12}}));
  // Joined segments: each pixel once, the last end left out until the next segment.
  picture.lineTo(15, 16);
  const auto pixels = inked(picture);
  EXPECT_TRUE(pixels.count({15, 12}));
  EXPECT_TRUE(pixels.count({15, 15}));
  EXPECT_FALSE(pixels.count({15, 16}));
  // A line to the point where the pen stands draws nothing.
  Picture empty;
  empty.setPen(kInk);
  empty.moveTo(5, 5);
  empty.lineTo(5, 5);
  EXPECT_TRUE(inked(empty).empty());
}

TEST(Picture, LinesInAllDirectionsAreSymmetric) {
  for (auto [dx, dy] : std::initializer_list<std::pair<int, int>>{
           {7, 3}, {-7, 3}, {7, -3}, {-7, -3}, {3, 7}, {-3, -7}, {0, 9}, {9, 0}, {-9, 0}}) {
    Picture picture;
    picture.setPen(kInk);
    picture.moveTo(100, 100);
    picture.lineTo(100 + dx, 100 + dy);
    const auto pixels = inked(picture);
    EXPECT_EQ(pixels.size(), static_cast<size_t>(std::max(std::abs(dx), std::abs(dy))))
        << dx << "," << dy;
    EXPECT_TRUE(pixels.count({100, 100}));
    EXPECT_FALSE(pixels.count({100 + dx, 100 + dy}));
  }
}

TEST(Picture, ClipsToTheCanvas) {
  Picture picture;
  picture.setPen(kInk);
  picture.moveTo(-50, 400);
  picture.lineTo(900, 400);
  EXPECT_EQ(inked(picture).size(), 801u);
  picture.fillRect(-10, -10, 5, 3, kInk);
  EXPECT_EQ(picture.pixel(4, 2), kInk);
  EXPECT_NE(picture.pixel(5, 2), kInk);
  EXPECT_NE(picture.pixel(4, 3), kInk);
  picture.setPixel(801, 0, kInk);  // nothing, no fault
  picture.setPixel(0, -1, kInk);
}

TEST(Picture, DottedPenSkipsEveryOtherPixel) {
  Picture picture;
  picture.setPen(kInk, PenStyle::Dotted);
  picture.moveTo(0, 0);
  picture.lineTo(10, 0);
  EXPECT_EQ(inked(picture),
            (std::set<std::pair<int, int>>{{0, 0}, {2, 0}, {4, 0}, {6, 0}, {8, 0}}));
}

TEST(Picture, TransparentBitmaps) {
  Picture picture;
  const Colour clear = rgb(16, 16, 16);
  Picture bitmap(2, 2);
  bitmap.fillRect(0, 0, 2, 2, clear);
  bitmap.setPixel(1, 0, kInk);
  bitmap.setPixel(0, 1, kInk);
  picture.fillRect(0, 0, 801, 801, kBlack);
  picture.drawTransparent(bitmap, 799, 10, clear);
  EXPECT_EQ(picture.pixel(800, 10), kInk);
  EXPECT_EQ(picture.pixel(799, 11), kInk);
  EXPECT_EQ(picture.pixel(799, 10), kBlack);
  EXPECT_EQ(picture.pixel(800, 11), kBlack);
}

// A bevel sets exactly the edge of its rectangle: top and left light with the top-right
// corner, bottom and right dark with the bottom-left one; nothing inside or outside.
TEST(Picture, BevelSetsTheEdgeOnly) {
  constexpr Colour kGround = rgb(0, 0, 255);
  Picture picture(10, 8);
  picture.fillRect(0, 0, 10, 8, kGround);
  picture.bevel(1, 1, 6, 5, kWhite, kBlack);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 10; ++x) {
      const bool edge =
          (x == 1 || x == 6 || y == 1 || y == 5) && x >= 1 && x <= 6 && y >= 1 && y <= 5;
      const bool light = (y == 1 || x == 1) && !(x == 1 && y == 5);
      const Colour expected = !edge ? kGround : light ? kWhite : kBlack;
      EXPECT_EQ(picture.pixel(x, y), expected) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace quorvel
