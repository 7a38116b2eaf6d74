// Curves of y = f(x), x = f(y) and parametric formulas, with their derivatives and integrals,
// checked on the pixels of the picture at positions computed from the scale.

#include <gtest/gtest.h>

#include <cmath>

#include "PlotTestSupport.h"

namespace quorvel {
namespace {

class FunctionPlot : public testing::PlotTest {};

TEST_F(FunctionPlot, StraightLineThroughTheOrigin) {
  plot("y = x");
  for (int column = 0; column < 800; ++column) {
    EXPECT_TRUE(marked(column, 800 - column)) << column;  // rows count downwards
  }
  EXPECT_EQ(rowsIn(400), std::vector<int>{400});
}

TEST_F(FunctionPlot, PoleWithoutAConnectingLine) {
  plot("y = 1/x");
  // Left of the pole the curve leaves at the bottom, right of it it comes from the top;
  // nothing joins the two through the window.
  for (int row = 5; row < 795; ++row) {
    EXPECT_FALSE(marked(399, row) && marked(401, row)) << row;
  }
  EXPECT_TRUE(rowsIn(400).empty());  // x = 0 is invalid
  // Right of the pole the curve is above the window until x = 0,1 and is joined from the
  // top edge at the first column inside.
  int entry = 401;
  while (1 / scale.columnWorldX[entry] > scale.rowWorldY[0])
    EXPECT_TRUE(rowsIn(entry++).empty());
  EXPECT_TRUE(marked(entry, 0));
  EXPECT_TRUE(marked(600, scale.WorldToRow(1 / scale.columnWorldX[600])));
}

TEST_F(FunctionPlot, JumpsAcrossTheWindowDrawFullHeightLines) {
  for (int i = 0; i < 6; ++i)
    graph.ScrollZoom(kZoomOutX);  // 2,5 per column: big jumps
  plot("y = 100 sin(x)");
  // Where consecutive columns jump from above the window to below it (and the curve was not
  // moving away, as at a pole), the column is joined from edge to edge; a line leaves out
  // its end pixel, so 800 of the 801 rows.
  int fullColumns = 0;
  for (int column = 1; column <= 800; ++column) {
    if (rowsIn(column).size() < 800) continue;
    ++fullColumns;
    const double before = 100 * std::sin(scale.columnWorldX[column - 1]);
    const double now = 100 * std::sin(scale.columnWorldX[column]);
    EXPECT_TRUE((before > 10 && now < -10) || (before < -10 && now > 10)) << column;
  }
  EXPECT_GT(fullColumns, 10);
}

TEST_F(FunctionPlot, DerivativeIsABackwardDifference) {
  plot("y = d:x^2");
  EXPECT_TRUE(rowsIn(0).empty());  // the first column has no previous sample
  // (x^2 - (x - h)^2) / h = 2x - h: a line just under 2x, half a pixel to the right.
  for (int column = 250; column <= 550; column += 50) {
    const double x = scale.columnWorldX[column];
    EXPECT_TRUE(marked(column, scale.WorldToRow(2 * x - 0.025))) << column;
  }
  plot("y = ddd:x^3", 2);
  for (int column = 0; column < 3; ++column)
    EXPECT_TRUE(rowsIn(column, 2).empty()) << column;
  EXPECT_FALSE(rowsIn(3, 2).empty());
  EXPECT_TRUE(marked(400, scale.WorldToRow(6), 2));  // the third derivative of x^3 is 6
}

TEST_F(FunctionPlot, CurveStartsWithAMoveAfterInvalidPoints) {
  plot("y = sqrt(x)");
  for (int column = 0; column < 400; ++column)
    EXPECT_TRUE(rowsIn(column).empty()) << column;
  // The first segment starts at (0, 0) itself and climbs steeply to the next column.
  const std::vector<int> first = rowsIn(400);
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first.back(), 400);
  EXPECT_FALSE(rowsIn(401).empty());
}

TEST_F(FunctionPlot, IntegralOfOne) {
  plot("y = i:1", 1, -2, 2);
  // From (-2, 0) up to (2, 4): a straight line of slope 1.
  const int left = scale.WorldToColumn(-2);
  const int right = scale.WorldToColumn(2);
  EXPECT_TRUE(rowsIn(left - 1).empty());
  EXPECT_EQ(rowsIn(left), std::vector<int>{400});
  for (int column = left; column < right; ++column) {
    EXPECT_EQ(rowsIn(column), std::vector<int>{400 - (column - left)}) << column;
  }
  EXPECT_TRUE(marked(right - 1, scale.WorldToRow(4) + 1));
  EXPECT_TRUE(rowsIn(right + 1).empty());
}

TEST_F(FunctionPlot, IntegralNeedsRoomAtTheEdges) {
  plot("y = i:1", 1, -9.95, 2);  // column 2: closer than 5 pixels to the left edge
  EXPECT_EQ(count(colourOf(1)), 0);
  plot("y = i:1", 2, -2, 9.95);
  EXPECT_EQ(count(colourOf(2)), 0);
  plot("y = i:1", 3, -9.85, 2);  // column 6
  EXPECT_GT(count(colourOf(3)), 0);
}

// A graph file can hold a domain the window would refuse: from right to left, or ending far
// left of the picture. Nothing is drawn, and nothing outside the tables is read.
TEST_F(FunctionPlot, IntegralDomainsFromRightToLeftDrawNothing) {
  plot("y = i:x", 1, 0, -1e6);
  plot("y = i:x", 2, 5, -5);
  plot("y = i:x", 3, 2, 1.99);
  graph.RedrawAll();
  EXPECT_EQ(count(colourOf(1)), 0);
  EXPECT_EQ(count(colourOf(2)), 0);
  EXPECT_EQ(count(colourOf(3)), 0);
}

TEST_F(FunctionPlot, IntegralEndsAtTheFirstInvalidValue) {
  plot("y = i:1/x", 1, -5, 5);
  EXPECT_FALSE(rowsIn(scale.WorldToColumn(-1)).empty());
  // The value at column 399 is drawn before column 400 (x = 0) is found invalid.
  EXPECT_FALSE(rowsIn(399).empty());
  for (int column = 400; column <= 800; ++column)
    EXPECT_TRUE(rowsIn(column).empty()) << column;
}

TEST_F(FunctionPlot, InverseFunctionIsSampledFromTheBottomRowUp) {
  plot("x = y^2 - 5");
  // The vertex (-5, 0) is the leftmost point; both arms are drawn.
  EXPECT_TRUE(marked(scale.WorldToColumn(-5), 400));
  EXPECT_TRUE(marked(scale.WorldToColumn(-1), scale.WorldToRow(2)));
  EXPECT_TRUE(marked(scale.WorldToColumn(-1), scale.WorldToRow(-2)));
  // Sampled from the bottom row up: the curve enters at the bottom from beyond the right
  // edge, so it is joined from the edge pixel (800, r) along that row; at the top it leaves
  // again, and a line never draws its end pixel, so (800, r) of that row stays empty.
  int entry = 800;
  while (scale.rowWorldY[entry] * scale.rowWorldY[entry] - 5 > scale.columnWorldX[800])
    --entry;
  int exit = entry - 1;
  while (scale.rowWorldY[exit] * scale.rowWorldY[exit] - 5 <= scale.columnWorldX[800])
    --exit;
  EXPECT_TRUE(marked(800, entry));
  EXPECT_FALSE(marked(800, exit));
  EXPECT_TRUE(marked(799, exit));
}

TEST_F(FunctionPlot, ParametricCircle) {
  plot("y = 5sin(v) ; x = 5cos(v)", 1, 0, 6.3, 1000);
  for (double angle = 0; angle < 6.28; angle += 0.3) {
    const int column = scale.WorldToColumn(5 * std::cos(angle));
    const int row = scale.WorldToRow(5 * std::sin(angle));
    bool near = false;
    for (int dx = -1; dx <= 1; ++dx) {
      for (int dy = -1; dy <= 1; ++dy)
        near |= marked(column + dx, row + dy);
    }
    EXPECT_TRUE(near) << angle;
  }
  EXPECT_FALSE(marked(400, 400));
}

TEST_F(FunctionPlot, ParametricCurveClippedAtTheEdges) {
  plot("y = v ; x = 2v", 1, -20, 20, 40);  // a line leaving through left and right edges
  EXPECT_TRUE(marked(0, scale.WorldToRow(-10 / 2.0)));
  EXPECT_TRUE(marked(799, scale.WorldToRow(10 / 2.0) + 1) || marked(799, scale.WorldToRow(5)));
  EXPECT_TRUE(marked(400, 400));
}

TEST_F(FunctionPlot, ReplaceAndAddMode) {
  plot("y = 2", 3);
  const int oldRow = scale.WorldToRow(2);
  plot("y = -2", 3);  // add mode: the old curve stays until the next redraw
  EXPECT_TRUE(marked(100, oldRow, 3));
  EXPECT_TRUE(marked(100, scale.WorldToRow(-2), 3));
  ws.settings.replaceMode = true;
  plot("y = -3", 3);  // replace mode: the slot held a graph, so everything is redrawn
  EXPECT_FALSE(marked(100, oldRow, 3));
  EXPECT_FALSE(marked(100, scale.WorldToRow(-2), 3));
  EXPECT_TRUE(marked(100, scale.WorldToRow(-3), 3));
  plot("y = 4", 5);  // an empty slot is drawn over the picture
  EXPECT_TRUE(marked(100, scale.WorldToRow(-3), 3));
}

TEST_F(FunctionPlot, SlotsDrawInOrderAndTheirOwnColours) {
  plot("y = 1", 2);
  plot("y = 1", 1);
  EXPECT_TRUE(marked(50, scale.WorldToRow(1), 1));  // the last plotted is on top
  graph.RedrawAll();
  EXPECT_TRUE(marked(50, scale.WorldToRow(1), 2));  // a redraw draws 1..9: slot 2 on top
}

TEST_F(FunctionPlot, ConstantsComeFromTheWorkspace) {
  ws.constants.a = 2;
  plot("y = a");
  EXPECT_FALSE(rowsIn(10).empty());
  EXPECT_EQ(rowsIn(10), std::vector<int>{scale.WorldToRow(2)});
}

}  // namespace
}  // namespace quorvel
