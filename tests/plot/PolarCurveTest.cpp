// Polar curves drawn: pixel for pixel the curves of their parametric form, in radians and in
// degrees, negative r through the origin.

#include <gtest/gtest.h>

#include <numbers>
#include <string>

#include "PlotTestSupport.h"

namespace quorvel {
namespace {

class PolarCurve : public testing::PlotTest {};

// Each polar curve and the parametric curve of the same arithmetic, alone in the picture.
struct Pair {
  const char* polar;
  const char* parametric;
  double begin, end;
  int steps;
};

TEST_F(PolarCurve, SameAsItsParametricForm) {
  constexpr double kTurn = 2 * std::numbers::pi;
  const Pair pairs[] = {
      {"r=1+cos(v)", "y=(1+cos(v))*sin(v);x=(1+cos(v))*cos(v)", 0, kTurn, 720},
      {"r=4cos(3v)", "y=(4cos(3v))*sin(v);x=(4cos(3v))*cos(v)", 0, kTurn, 720},  // a rose
      {"r=v/2", "y=v/2*sin(v);x=v/2*cos(v)", 0, 3 * kTurn, 999},                 // a spiral
      {"r=-3", "y=-3*sin(v);x=-3*cos(v)", 0, kTurn / 4, 100},  // a quarter, through the origin
      {"r=sqrt(v-1)", "y=sqrt(v-1)*sin(v);x=sqrt(v-1)*cos(v)", 0, kTurn, 300},  // faults below 1
  };
  for (const Pair& pair : pairs) {
    graph.RedrawAll();
    plot(pair.polar, 1, pair.begin, pair.end, pair.steps);
    EXPECT_EQ(ws.formulas.slotKind[1], kSlotPolar);
    const Picture polar = picture;
    ws.formulas.slotKind[1] = kSlotEmpty;
    graph.RedrawAll();
    plot(pair.parametric, 1, pair.begin, pair.end, pair.steps);
    EXPECT_EQ(ws.formulas.slotKind[1], kSlotParametric);
    int curve = 0, differ = 0;
    for (int y = 0; y < Picture::kSize; ++y) {
      for (int x = 0; x < Picture::kSize; ++x) {
        curve += polar.pixel(x, y) == colourOf(1);
        differ += polar.pixel(x, y) != picture.pixel(x, y);
      }
    }
    EXPECT_GT(curve, 40) << pair.polar;
    EXPECT_EQ(differ, 0) << pair.polar;
    ws.formulas.slotKind[1] = kSlotEmpty;
  }
}

TEST_F(PolarCurve, DegreesAndNegativeRadius) {
  ws.settings.degreesMode = true;
  plot("r=-5", 1, 0, 90, 90);     // the quarter circle of radius 5 in the third quadrant
  EXPECT_TRUE(marked(200, 400));  // (-5, 0) at v = 0
  EXPECT_TRUE(marked(399, 600));  // next to (0, -5) at v = 90, where the last line ends
  EXPECT_FALSE(marked(600, 400));
  EXPECT_FALSE(marked(400, 200));
  int left = 0, right = 0;
  for (int y = 0; y < Picture::kSize; ++y) {
    for (int x = 0; x < Picture::kSize; ++x) {
      if (!marked(x, y)) continue;
      (x < 400 && y > 400 ? left : right) += 1;
    }
  }
  EXPECT_GT(left, 200);
  EXPECT_LT(right, 5);  // the axes' crossing pixels at most
}

}  // namespace
}  // namespace quorvel
