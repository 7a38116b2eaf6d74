// Tracing by keyboard: the point starts in the middle column, steps column by column, jumps to
// the roots, extrema and crossings in view in order, and says where it is.

#include <gtest/gtest.h>

#include "../plot/PlotTestSupport.h"
#include "tools/Tracer.h"

namespace quorvel {
namespace {

class TracerTest : public testing::PlotTest {
 protected:
  Tracer& tracer = ws.tracer;
};

TEST_F(TracerTest, JumpsThroughRootsAndTheMinimumInOrder) {
  plot("y=x^2-1");
  ASSERT_EQ(tracer.start(1), std::nullopt);
  EXPECT_TRUE(tracer.active());
  EXPECT_EQ(tracer.announcement(), "x = 0,0, y = -1,0");
  EXPECT_EQ(tracer.row(), scale.WorldToRow(-1));

  ASSERT_TRUE(tracer.jump(true));  // the root at 1 (the minimum at 0 is where it stands)
  EXPECT_NEAR(tracer.x(), 1, 1e-12);
  EXPECT_EQ(tracer.announcement(), "x = 1,0, y = 0,0");
  EXPECT_FALSE(tracer.jump(true));  // nothing further in view: the point stays
  EXPECT_NEAR(tracer.x(), 1, 1e-12);

  ASSERT_TRUE(tracer.jump(false));
  EXPECT_NEAR(tracer.x(), 0, 1e-12);  // the minimum
  ASSERT_TRUE(tracer.jump(false));
  EXPECT_NEAR(tracer.x(), -1, 1e-12);
  EXPECT_FALSE(tracer.jump(false));
  // The analysis list of the window is not touched by the tracer's own searches.
  EXPECT_TRUE(ws.analysis.results.empty());
}

TEST_F(TracerTest, StepsByColumnsWithinThePicture) {
  plot("y=2x");
  ASSERT_EQ(tracer.start(1), std::nullopt);
  const int middle = tracer.column();
  tracer.step(1);
  EXPECT_EQ(tracer.column(), middle + 1);
  EXPECT_EQ(tracer.x(), scale.columnWorldX[middle + 1]);
  tracer.step(-10);
  EXPECT_EQ(tracer.column(), middle - 9);
  tracer.step(-100000);
  EXPECT_EQ(tracer.column(), 0);
  EXPECT_EQ(tracer.row(), kLastPixel);  // y below the picture: the cross-hair at its edge
  tracer.step(100000);
  EXPECT_EQ(tracer.column(), kLastPixel);
  EXPECT_EQ(tracer.row(), 0);
}

TEST_F(TracerTest, CrossingsAndPointsWithoutAValue) {
  plot("y=x", 1);
  plot("y=2-x", 2);
  ASSERT_EQ(tracer.start(1), std::nullopt);
  ASSERT_TRUE(tracer.jump(true));  // the root at 0 is where it starts; then the crossing
  EXPECT_NEAR(tracer.x(), 1, 1e-12);

  plot("y=sqrt(x-3)", 3);
  ASSERT_EQ(tracer.start(3), std::nullopt);
  EXPECT_EQ(tracer.y(), std::nullopt);  // x = 0 lies outside its domain
  EXPECT_EQ(tracer.announcement(), "x = 0,0, geen waarde");
  EXPECT_EQ(tracer.row(), kPictureSize / 2);
}

TEST_F(TracerTest, OnlyFunctionsOfXAndPolynomials) {
  plot("x=y^2");
  EXPECT_EQ(tracer.start(1), std::optional<std::string>(kOnlyFunctionsOfX));
  EXPECT_FALSE(tracer.active());
  EXPECT_NE(tracer.start(2), std::nullopt);  // an empty slot

  plot("y=x", 3);
  ASSERT_EQ(tracer.start(3), std::nullopt);
  ws.formulas.slotKind[3] = kSlotEmpty;  // the slot deleted while traced
  EXPECT_FALSE(tracer.active());
}

}  // namespace
}  // namespace quorvel
