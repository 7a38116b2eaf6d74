// The wheel at the cursor and the drag, through the scale: the world point under the cursor
// stays under it (within a pixel) at every position, level and axis, within the levels and the
// scroll limits; and the grid at any centre: round labels, lines where their world values
// fall, and at every centre the buttons reach, the very pixels it always had.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "PlotTestSupport.h"
#include "common/NumberText.h"
#include "plot/GridDrawing.h"
#include "plot/PictureNavigation.h"

namespace quorvel {
namespace {

// Within one pixel: the world value of `pixel` in the table is `world` up to half a pixel.
void expectUnder(const std::array<double, kPictureSize>& table, int pixel, double world,
                 double unitsPerPixel, const std::string& what) {
  EXPECT_LE(std::fabs(table[pixel] - world), 0.5 * unitsPerPixel + 1e-9 * std::fabs(world)) << what;
}

TEST(Wheel, KeepsTheWorldPointUnderTheCursor) {
  for (int start = 0; start <= kMaxZoomLevel; start += 3) {
    for (int notches : {1, -1, 2}) {
      for (int axes = 0; axes < 3; ++axes) {  // both, x only (Shift), y only (Ctrl)
        for (int column = 0; column <= kLastPixel; column += 61) {
          const int row = kLastPixel - column / 2;
          ScaleState scale;
          scale.zoomLevelX = scale.zoomLevelY = start;
          scale.centreX = 3.7 * ZoomStep(start) * 100;  // off the grid
          scale.centreY = -1.3 * ZoomStep(start) * 100;
          scale.applyLoaded();
          const double x = scale.columnWorldX[column], y = scale.rowWorldY[row];
          const double beforeY = scale.centreY, beforeX = scale.centreX;
          scale.zoomAt(column, row, notches, axes != 2, axes != 1);
          const std::string what = "level " + std::to_string(start) + " notches " +
                                   std::to_string(notches) + " axes " + std::to_string(axes) +
                                   " at " + std::to_string(column) + "," + std::to_string(row);
          const int expected = std::clamp(start - notches, 0, kMaxZoomLevel);
          if (axes != 2) {
            EXPECT_EQ(scale.zoomLevelX, expected) << what;
            expectUnder(scale.columnWorldX, column, x, scale.unitsPerPixelX, what);
          } else {
            EXPECT_EQ(scale.zoomLevelX, start) << what;
            EXPECT_EQ(scale.centreX, beforeX) << what;
          }
          if (axes != 1) {
            EXPECT_EQ(scale.zoomLevelY, expected) << what;
            expectUnder(scale.rowWorldY, row, y, scale.unitsPerPixelY, what);
          } else {
            EXPECT_EQ(scale.centreY, beforeY) << what;
          }
        }
      }
    }
  }
}

TEST(Wheel, StopsAtTheLevelsAndTheScrollLimits) {
  ScaleState scale;
  for (int i = 0; i < 30; ++i)
    scale.zoomAt(100, 700, 1, true, true);
  EXPECT_EQ(scale.zoomLevelX, 0);  // the last level in: more notches do nothing more
  const double centre = scale.centreX;
  scale.zoomAt(300, 300, 1, true, true);
  EXPECT_EQ(scale.centreX, centre);
  for (int i = 0; i < 30; ++i)
    scale.zoomAt(0, 0, -1, true, true);
  EXPECT_EQ(scale.zoomLevelY, kMaxZoomLevel);
  // Far out at the edge of the scroll range: the centre stops at the limit.
  scale.centreX = kScrollLimit - 1;
  scale.applyLoaded();
  scale.zoomAt(kLastPixel, 400, 1, true, false);
  EXPECT_EQ(scale.centreX, kScrollLimit);
}

TEST(Drag, MovesThePictureWithTheMouse) {
  for (int level = 0; level <= kMaxZoomLevel; ++level) {
    ScaleState scale;
    scale.zoomLevelX = scale.zoomLevelY = level;
    scale.applyLoaded();
    const double startX = scale.centreX, startY = scale.centreY;
    const ScaleState before = scale;
    for (auto [dx, dy] : {std::pair{1, 0}, {-3, 7}, {250, -400}, {-799, 799}}) {
      scale.dragFrom(startX, startY, dx, dy);
      // What was under (c, r) is under (c + dx, r + dy) now.
      for (int c = std::max(0, -dx); c <= std::min(kLastPixel, kLastPixel - dx); c += 53) {
        expectUnder(scale.columnWorldX, c + dx, before.columnWorldX[c], scale.unitsPerPixelX,
                    "level " + std::to_string(level));
      }
      for (int r = std::max(0, -dy); r <= std::min(kLastPixel, kLastPixel - dy); r += 53) {
        expectUnder(scale.rowWorldY, r + dy, before.rowWorldY[r], scale.unitsPerPixelY,
                    "level " + std::to_string(level));
      }
    }
  }
  // Within the scroll limits, and a zoom button afterwards re-centres on the grid.
  ScaleState scale;
  scale.zoomLevelX = kMaxZoomLevel;
  scale.applyLoaded();
  scale.dragFrom(0, 0, -1000000, 0);
  EXPECT_EQ(scale.centreX, kScrollLimit);
  scale.dragFrom(0, 0, -70, 3);  // x = 175 in the middle, off the grid of 100
  scale.scrollZoom(kZoomInX);
  EXPECT_EQ(scale.centreX, 200);  // on the grid of 50 nearest to it
}

// The grid as it was drawn before the centre could leave the grid: every labelled line at a
// multiple of 40 pixels.
void gridAsItWas(Picture& picture, const ScaleState& scale) {
  picture.fillRect(0, 0, Picture::kSize, Picture::kSize, kBackground);
  picture.setPen(kLightLine);
  for (int p = kGridStep; p < Picture::kSize; p += 2 * kGridStep) {
    picture.moveTo(p, 0);
    picture.lineTo(p, Picture::kSize);
    picture.moveTo(0, p);
    picture.lineTo(Picture::kSize, p);
  }
  auto colour = [](double value, double d) {
    if (std::fabs(value) < 0.25 * d) return kAxisLine;
    const double intervals = std::fabs(value / (200 * d)) + 0.000001;
    return intervals - std::floor(intervals) < 0.0001 ? kMajorLine : kMinorLine;
  };
  for (int p = 0; p < Picture::kSize; p += kLabelStep) {
    picture.setPen(colour(scale.columnWorldX[p], scale.unitsPerPixelX));
    picture.moveTo(p, 0);
    picture.lineTo(p, Picture::kSize);
    picture.setPen(colour(scale.rowWorldY[p], scale.unitsPerPixelY));
    picture.moveTo(0, p);
    picture.lineTo(Picture::kSize, p);
  }
}

class GridAnywhere : public testing::PlotTest {};

TEST_F(GridAnywhere, EveryCentreTheButtonsReachKeepsItsPixels) {
  std::vector<int> commands;
  for (int i = 0; i < 8; ++i)
    commands.push_back(kScrollUp + i % 4);
  for (int i = 0; i < 12; ++i)
    commands.push_back(kZoomOutY + i % 4);
  for (int i = 0; i < 20; ++i)
    commands.push_back(i % 3 == 0 ? kZoomOutX : i % 3 == 1 ? kScrollRight : kZoomOutY);
  ScaleState& state = ws.graph.scale;
  Picture expected;
  int compared = 0;
  auto compare = [&](const std::string& what) {
    DrawGrid(ws.graph.picture, state, text);
    gridAsItWas(expected, state);
    ASSERT_TRUE(std::equal(expected.data(), expected.data() + 801 * 801, picture.data())) << what;
    ++compared;
  };
  for (int command : commands) {
    state.scrollZoom(command);
    compare("command " + std::to_string(command));
  }
  for (int quadrant = 0; quadrant <= 4; ++quadrant) {
    for (int code : quadrantCodes(quadrant))
      state.selectAxisPosition(code);
    compare("quadrant " + std::to_string(quadrant));
  }
  EXPECT_EQ(compared, 45);
}

TEST_F(GridAnywhere, RoundLabelsWhereTheirValuesFall) {
  ScaleState& state = ws.graph.scale;
  for (int level : {0, 4, 9, 15}) {
    state.zoomLevelX = state.zoomLevelY = level;
    state.centreX = 0.3137 * ZoomStep(level) * 1000;
    state.centreY = -0.77 * ZoomStep(level) * 1000;
    state.applyLoaded();
    text.calls.clear();
    DrawGrid(ws.graph.picture, state, text);
    const double ix = kLabelStep * state.unitsPerPixelX;
    const double iy = kLabelStep * state.unitsPerPixelY;
    int labels = 0;
    for (const testing::TextCall& call : text.calls) {
      if (call.text == "X" || call.text == "Y") continue;
      const double value = *parseTypedNumber(call.text);
      const bool onX = call.y == 780;
      const double interval = onX ? ix : iy;
      // A round number: a multiple of the labelled interval, written without noise.
      EXPECT_NEAR(value / interval, std::nearbyint(value / interval), 1e-9) << call.text;
      EXPECT_LE(call.text.size(), 8u) << call.text;
      // On the line of its value, which has the colour of a labelled line.
      if (onX) {
        const int column = call.x - 3;
        expectUnder(state.columnWorldX, column, value, state.unitsPerPixelX, call.text);
        EXPECT_NE(picture.pixel(column, 300), kLightLine) << call.text;
        EXPECT_NE(picture.pixel(column, 300), kBackground) << call.text;
      } else {
        const int row = call.y + 15;
        expectUnder(state.rowWorldY, row, value, state.unitsPerPixelY, call.text);
        EXPECT_NE(picture.pixel(300, row), kBackground) << call.text;
      }
      ++labels;
    }
    EXPECT_GE(labels, 2) << "level " << level;
    // The axes where world 0 falls.
    const int axisColumn = state.WorldToColumn(0);
    if (axisColumn >= 0 && axisColumn <= kLastPixel) {
      EXPECT_EQ(picture.pixel(axisColumn, 123), kAxisLine) << "level " << level;
    }
  }
}

class ByHand : public testing::PlotTest {
 protected:
  PictureNavigation& navigation = ws.navigation;
  void SetUp() override {
    PlotTest::SetUp();
    ws.formulas.translateFormula(1, "x^2+y^2=25");
    ws.formulas.slotKind[1] = kSlotImplicit;
    graph.RedrawAll();
  }
};

TEST_F(ByHand, ATouchpadsSmallStepsAddUpToNotches) {
  const int level = scale.zoomLevelX;
  for (int i = 0; i < 3; ++i)
    EXPECT_FALSE(navigation.wheel(200, 200, 30, false, false));  // three quarters of a notch
  EXPECT_EQ(scale.zoomLevelX, level);
  EXPECT_TRUE(navigation.wheel(200, 200, 30, false, false));
  EXPECT_EQ(scale.zoomLevelX, level - 1);  // the fourth made a notch: in by one level
  EXPECT_TRUE(graph.fastPlot);             // coarse until the wheel rests
  EXPECT_FALSE(navigation.wheel(200, 200, 90, false, false));
  EXPECT_FALSE(navigation.wheel(200, 200, -60, false, false));  // turned back: starts afresh
  EXPECT_TRUE(navigation.wheel(200, 200, -60, false, false));
  EXPECT_EQ(scale.zoomLevelX, level);
  // Shift zooms x alone, Ctrl y alone; both held, both axes.
  EXPECT_TRUE(navigation.wheel(200, 200, 2 * PictureNavigation::kNotch, true, false));
  EXPECT_EQ(scale.zoomLevelX, level - 2);
  EXPECT_EQ(scale.zoomLevelY, level);
  EXPECT_TRUE(navigation.wheel(200, 200, -PictureNavigation::kNotch, false, true));
  EXPECT_EQ(scale.zoomLevelY, level + 1);
  navigation.rest();
  EXPECT_FALSE(graph.fastPlot);
}

TEST_F(ByHand, APressThatMovesLittleIsAClick) {
  const double centre = scale.centreX;
  navigation.press(300, 300, true, 10);
  EXPECT_FALSE(navigation.move(305, 304));  // 9 pixels: not yet a drag
  EXPECT_EQ(scale.centreX, centre);
  EXPECT_TRUE(navigation.release());  // a click, at the press
  EXPECT_EQ(navigation.pressColumn(), 300);
  EXPECT_TRUE(navigation.pressShift());

  navigation.press(300, 300, false, 10);
  EXPECT_TRUE(navigation.move(306, 304));  // 10: a drag, the picture follows
  EXPECT_TRUE(graph.fastPlot);
  EXPECT_NEAR(scale.centreX, centre - 6 * scale.unitsPerPixelX, 1e-12);
  EXPECT_TRUE(navigation.move(290, 300));  // and it stays a drag however near it comes back
  EXPECT_NEAR(scale.centreX, centre + 10 * scale.unitsPerPixelX, 1e-12);
  EXPECT_FALSE(navigation.release());
  EXPECT_FALSE(graph.fastPlot);             // the precise redraw
  EXPECT_FALSE(navigation.move(400, 400));  // no button down: nothing
}

}  // namespace
}  // namespace quorvel
