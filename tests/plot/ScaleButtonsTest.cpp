// The scale bars' places and looks, and the cross-hair's labels.

#include <gtest/gtest.h>

#include "plot/ScaleButtons.h"
#include "plot/ScaleState.h"

namespace quorvel {
namespace {

TEST(ScaleButtons, PlacesAndCommands) {
  EXPECT_EQ(ScaleButtons::hitTest(true, 580), 0);
  EXPECT_EQ(ScaleButtons::hitTest(true, 560), -1);  // strictly inside
  EXPECT_EQ(ScaleButtons::hitTest(true, 270), 1);
  EXPECT_EQ(ScaleButtons::hitTest(true, 230), 2);
  EXPECT_EQ(ScaleButtons::hitTest(true, 530), 3);
  EXPECT_EQ(ScaleButtons::hitTest(false, 580), 4);
  EXPECT_EQ(ScaleButtons::hitTest(false, 530), 7);
  EXPECT_EQ(ScaleButtons::hitTest(true, 400), 9);
  EXPECT_EQ(ScaleButtons::hitTest(false, 46), 11);
  EXPECT_EQ(ScaleButtons::hitTest(true, 100), -1);
  EXPECT_EQ(ScaleButtons::commandOf(0, false), kScrollRight);
  EXPECT_EQ(ScaleButtons::commandOf(0, true), kScrollLeft);  // a right click scrolls left
  EXPECT_EQ(ScaleButtons::commandOf(1, false), kZoomInX);
  EXPECT_EQ(ScaleButtons::commandOf(1, true), kZoomOutX);
  EXPECT_EQ(ScaleButtons::commandOf(5, false), kZoomInY);
  EXPECT_EQ(ScaleButtons::commandOf(7, false), kScrollUp);
  EXPECT_EQ(ScaleButtons::commandOf(10, true), 10);
}

// Columns of the chevron strokes in the middle row of a button.
std::vector<int> strokes(const Picture& button, int row) {
  std::vector<int> columns;
  for (int x = 0; x < button.width(); ++x) {
    const Colour c = button.pixel(x, row);
    if (c == rgb(0, 0, 160) || c == rgb(0, 160, 255)) columns.push_back(x);
  }
  return columns;
}

TEST(ScaleButtons, ButtonLooks) {
  const Picture normal = ScaleButtons::renderButton(0, Look::Normal);
  EXPECT_EQ(normal.width(), 40);
  EXPECT_EQ(normal.pixel(0, 0), ScaleButtons::kButtonTransparent);  // corners stay clear
  EXPECT_EQ(normal.pixel(0, 5), kWhite);                            // left bevel
  EXPECT_EQ(normal.pixel(39, 5), kBlack);                           // right bevel
  EXPECT_EQ(normal.pixel(5, 0), rgb(160, 160, 160));
  EXPECT_EQ(normal.pixel(5, 1), rgb(192, 192, 192));  // no inner top segment
  const Picture pressed = ScaleButtons::renderButton(0, Look::Pressed);
  EXPECT_EQ(pressed.pixel(0, 5), kBlack);
  EXPECT_EQ(pressed.pixel(5, 19), kWhite);
  // ">>": both tips to the right of their bases in the middle row; "<<" mirrored.
  const auto right = strokes(normal, 10);
  const auto left = strokes(ScaleButtons::renderButton(3, Look::Normal), 10);
  ASSERT_EQ(right.size(), 6u);
  ASSERT_EQ(left.size(), 6u);
  EXPECT_EQ(right.front(), 14);
  EXPECT_EQ(left.front(), 7);
  EXPECT_EQ(strokes(ScaleButtons::renderButton(0, Look::Hover), 10).size(), 6u);
  EXPECT_EQ(ScaleButtons::renderButton(0, Look::Hover).pixel(14, 10), rgb(0, 160, 255));
  const Picture vertical = ScaleButtons::renderButton(4, Look::Normal);
  EXPECT_EQ(vertical.width(), 20);
  EXPECT_EQ(vertical.height(), 40);
  EXPECT_EQ(vertical.pixel(5, 0), kWhite);
  EXPECT_EQ(vertical.pixel(5, 39), kBlack);
}

TEST(ScaleButtons, BarsWithBevelAndPlaces) {
  ScaleButtons buttons;
  buttons.hovered = 0;
  const Picture bar = buttons.render(true);
  EXPECT_EQ(bar.width(), 810);
  EXPECT_EQ(bar.height(), 20);
  EXPECT_EQ(bar.pixel(100, 0), rgb(0xE0, 0xE0, 0xE0));
  EXPECT_EQ(bar.pixel(100, 4), rgb(0x60, 0x60, 0x60));
  EXPECT_EQ(bar.pixel(100, 19), rgb(0x70, 0x70, 0x70));
  EXPECT_EQ(bar.pixel(560 + 14, 10), rgb(0, 160, 255));  // the hovered button
  EXPECT_EQ(bar.pixel(510 + 7, 10), rgb(0, 0, 160));
  const Picture vertical = buttons.render(false);
  EXPECT_EQ(vertical.height(), 812);
}

TEST(CrossHair, LabelOffsets) {
  CrossHair cross;
  EXPECT_FALSE(cross.moveTo(0, 300));
  EXPECT_FALSE(cross.moveTo(300, 800));
  ASSERT_TRUE(cross.moveTo(300, 300));
  EXPECT_EQ(cross.xLabelX(), 310);
  EXPECT_EQ(cross.xLabelY(), 320);
  EXPECT_EQ(cross.yLabelY(), 340);
  cross.moveTo(750, 300);  // near the right edge: both labels to the left
  EXPECT_EQ(cross.xLabelX(), 690);
  EXPECT_EQ(cross.yLabelX(), 690);
  cross.moveTo(400, 300);  // back in the middle: they stay there
  EXPECT_EQ(cross.xLabelX(), 340);
  cross.moveTo(400, 30);
  EXPECT_EQ(cross.xLabelY(), 40);
  EXPECT_EQ(cross.yLabelY(), 60);
  cross.moveTo(400, 790);
  EXPECT_EQ(cross.xLabelY(), 750);
  cross.moveTo(50, 300);
  EXPECT_EQ(cross.xLabelX(), 70);
  cross.hide();
  cross.moveTo(400, 300);  // shown again: the usual places
  EXPECT_EQ(cross.xLabelX(), 410);
  EXPECT_EQ(cross.yLabelY(), 340);
}

}  // namespace
}  // namespace quorvel
