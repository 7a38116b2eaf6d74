// The plotters evaluate through the batch evaluator; the picture must be the one that
// evaluating every sample with runProgram gives, pixel for pixel, for every formula type.

#include <gtest/gtest.h>

#include "PlotTestSupport.h"

namespace quorvel {
namespace {

class BatchPicture : public testing::PlotTest {
 protected:
  // Plots the formulas into slots 1.. and returns the picture of a full redraw.
  std::vector<uint32_t> drawAll(bool pointByPoint, bool fast) {
    graph.pointByPoint = pointByPoint;
    graph.fastPlot = fast;
    graph.RedrawAll();
    return std::vector<uint32_t>(picture.data(), picture.data() + Picture::kSize * Picture::kSize);
  }
};

TEST_F(BatchPicture, SameAsPointByPointForEveryType) {
  ws.constants.a = 1.5;
  plot("y = sin(3x) + a", 1);
  plot("y = dd:x^3/10", 2);
  plot("y = i:cos(x)", 3, -5, 5);
  plot("x = y^2 - 5 + 1/(y-1)", 4);
  plot("y = sin(3v) ; x = 4cos(2v)/v", 5, -3, 6.28, 1000);
  plot("x^2 + y^2 = 25", 6);
  plot("sqrt(x^2+y^2)=5+0,5sin(6atan(y/x))", 7);
  plot("y = tan(x)", 8);
  plot("y = d:ln(x)^4", 9);
  for (bool fast : {false, true}) {
    for (bool degrees : {false, true}) {
      ws.settings.degreesMode = degrees;
      EXPECT_EQ(drawAll(false, fast), drawAll(true, fast))
          << "fast " << fast << " degrees " << degrees;
    }
  }
  graph.ScrollZoom(kZoomOutX);
  graph.ScrollZoom(kScrollUp);
  EXPECT_EQ(drawAll(false, false), drawAll(true, false));
}

}  // namespace
}  // namespace quorvel
