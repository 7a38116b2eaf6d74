// World and pixel coordinates, scrolling, zooming, quadrants, and the repeat rhythm.

#include <gtest/gtest.h>

#include "plot/RepeatRate.h"
#include "plot/ScaleState.h"

namespace quorvel {
namespace {

TEST(Scale, StartScale) {
  const ScaleState scale;
  EXPECT_EQ(scale.columnWorldX[400], 0);
  EXPECT_EQ(scale.rowWorldY[400], 0);
  EXPECT_DOUBLE_EQ(scale.columnWorldX[440], 1);
  EXPECT_DOUBLE_EQ(scale.rowWorldY[360], 1);
  // Filled outward by adding the step, so the edges carry the sum's rounding.
  EXPECT_NEAR(scale.columnWorldX[0], -10, 1e-12);
  EXPECT_NEAR(scale.columnWorldX[800], 10, 1e-12);
  EXPECT_NEAR(scale.rowWorldY[0], 10, 1e-12);
  EXPECT_NEAR(scale.rowWorldY[800], -10, 1e-12);
  EXPECT_EQ(scale.WorldToColumn(0.0125), 401);  // half a pixel goes away from the origin
  EXPECT_EQ(scale.WorldToColumn(-0.0125), 399);
  EXPECT_EQ(scale.WorldToColumn(-2), 320);
  EXPECT_EQ(scale.WorldToRow(-5), 600);
  EXPECT_EQ(scale.WorldToRow(0.0125), 399);
  for (int i = 0; i <= 800; ++i) {
    ASSERT_EQ(scale.WorldToColumn(scale.columnWorldX[i]), i);
    ASSERT_EQ(scale.WorldToRow(scale.rowWorldY[i]), i);
  }
  // Far outside, still a 16-bit value.
  EXPECT_EQ(scale.WorldToColumn(1e300), 32767);
  EXPECT_LT(scale.WorldToRow(1e300), -32000);
}

TEST(Scale, ZoomLevels) {
  EXPECT_DOUBLE_EQ(ZoomStep(9), 0.025);
  EXPECT_DOUBLE_EQ(ZoomStep(0), 0.000025);
  EXPECT_DOUBLE_EQ(ZoomStep(15), 2.5);
  EXPECT_DOUBLE_EQ(ZoomStep(10), 0.05);
  EXPECT_DOUBLE_EQ(ZoomStep(11), 0.125);
}

TEST(Scale, ZoomRecentresOnTheReference) {
  ScaleState scale;
  scale.zoomRefX = 1.3;
  scale.scrollZoom(kZoomOutX);
  EXPECT_EQ(scale.zoomLevelX, 10);
  EXPECT_DOUBLE_EQ(scale.unitsPerPixelX, 0.05);
  EXPECT_DOUBLE_EQ(scale.centreX, 2);  // 1,3 / 2 = 0,65 rounds to 1
  EXPECT_DOUBLE_EQ(scale.columnWorldX[400], 2);
  EXPECT_DOUBLE_EQ(scale.zoomRefX, 1.3);
  scale.scrollZoom(kZoomInX);
  EXPECT_DOUBLE_EQ(scale.centreX, 1);  // 1,3 / 1 rounds to 1
  EXPECT_EQ(scale.zoomLevelY, 9);      // the other axis untouched
}

TEST(Scale, ScrollMovesOneLabelledInterval) {
  ScaleState scale;
  scale.scrollZoom(kScrollRight);
  EXPECT_DOUBLE_EQ(scale.centreX, 1);
  EXPECT_DOUBLE_EQ(scale.zoomRefX, 1);
  scale.scrollZoom(kScrollUp);
  EXPECT_DOUBLE_EQ(scale.centreY, 1);
  EXPECT_NEAR(scale.rowWorldY[0], 11, 1e-12);
  scale.scrollZoom(kScrollLeft);
  scale.scrollZoom(kScrollLeft);
  EXPECT_DOUBLE_EQ(scale.centreX, -1);
  scale.scrollZoom(kScrollDown);
  EXPECT_DOUBLE_EQ(scale.centreY, 0);
}

TEST(Scale, LimitsStopSilently) {
  ScaleState scale;
  for (int i = 0; i < 20; ++i)
    scale.scrollZoom(kZoomOutY);
  EXPECT_EQ(scale.zoomLevelY, 15);
  for (int i = 0; i < 20; ++i)
    scale.scrollZoom(kZoomInX);
  EXPECT_EQ(scale.zoomLevelX, 0);
  scale.reset();
  scale.centreX = 49999.5;
  scale.scrollZoom(kScrollRight);  // checked before the step: may pass the bound once
  EXPECT_GT(scale.centreX, 50000);
  const double beyond = scale.centreX;
  scale.scrollZoom(kScrollRight);
  EXPECT_EQ(scale.centreX, beyond);
}

TEST(Scale, AxisPositionsAndQuadrants) {
  ScaleState scale;
  for (int code : quadrantCodes(1))
    scale.selectAxisPosition(code);
  EXPECT_DOUBLE_EQ(scale.centreX, 9);
  EXPECT_DOUBLE_EQ(scale.centreY, 9);
  EXPECT_EQ(scale.WorldToColumn(0), 40);
  EXPECT_EQ(scale.WorldToRow(0), 760);
  for (int code : quadrantCodes(3))
    scale.selectAxisPosition(code);
  EXPECT_EQ(scale.WorldToColumn(0), 760);
  EXPECT_EQ(scale.WorldToRow(0), 40);
  for (int code : quadrantCodes(0))
    scale.selectAxisPosition(code);
  EXPECT_EQ(scale.WorldToColumn(0), 400);
  EXPECT_EQ(scale.WorldToRow(0), 400);
}

TEST(Scale, LoadedScale) {
  ScaleState scale;
  scale.centreX = 3;
  scale.centreY = -2;
  scale.zoomLevelX = 12;
  scale.zoomLevelY = 40;  // out of range in the file: clamped
  scale.applyLoaded();
  EXPECT_DOUBLE_EQ(scale.unitsPerPixelX, 0.25);
  EXPECT_EQ(scale.zoomLevelY, 15);
  EXPECT_DOUBLE_EQ(scale.zoomRefX, 3);
  EXPECT_DOUBLE_EQ(scale.columnWorldX[400], 3);
  EXPECT_DOUBLE_EQ(scale.rowWorldY[400], -2);
}

TEST(RepeatRate, HeldButtonsRepeatEverFaster) {
  RepeatRate rate;
  rate.accelerate();  // the first step comes before the timer runs
  rate.start(RepeatRate::kScaleStartMs);
  std::vector<int> intervals;
  for (int i = 0; i < 14; ++i) {
    intervals.push_back(rate.intervalMs());
    rate.accelerate();
  }
  EXPECT_EQ(intervals,
            (std::vector<int>{333, 308, 283, 258, 233, 208, 183, 158, 133, 108, 83, 58, 58, 58}));
  rate.start(RepeatRate::kConstantStartMs);
  for (int i = 0; i < 20; ++i)
    rate.accelerate();
  EXPECT_EQ(rate.intervalMs(), 75);
}

}  // namespace
}  // namespace quorvel
