// Implicit equations, precisely on every pixel and coarsely on every eighth.

#include <gtest/gtest.h>

#include <cmath>

#include "PlotTestSupport.h"

namespace quorvel {
namespace {

class ImplicitPlot : public testing::PlotTest {};

TEST_F(ImplicitPlot, RingOfSinglePixels) {
  plot("x^2 + y^2 = 25");
  EXPECT_TRUE(ws.MsgText.empty());  // the waiting message is gone again
  int pixels = 0;
  for (int row = 0; row <= 800; ++row) {
    for (int column = 0; column <= 800; ++column) {
      if (!marked(column, row)) continue;
      ++pixels;
      const double radius = std::hypot(column - 400, row - 400);
      EXPECT_NEAR(radius, 200, 1.5) << column << "," << row;
    }
  }
  EXPECT_GT(pixels, 1000);
  EXPECT_TRUE(marked(600, 400));  // F(5, 0) = 0 exactly: set directly
  EXPECT_TRUE(marked(400, 200));
  EXPECT_TRUE(marked(200, 400));
  EXPECT_TRUE(marked(400, 600));
}

TEST_F(ImplicitPlot, WaitingMessageWhileThePreciseScanRuns) {
  std::vector<std::string> seen;
  graph.hooks.messageChanged = [&] { seen.push_back(ws.MsgText); };
  plot("x^2 + y^2 = 25");
  EXPECT_EQ(seen, (std::vector<std::string>{"even geduld a.u.b.....", ""}));
  seen.clear();
  graph.fastPlot = true;
  graph.PlotAllSlots();
  EXPECT_TRUE(seen.empty());  // the coarse method shows no message
}

TEST_F(ImplicitPlot, CoarseRingOfPlusMarks) {
  ws.formulas.translateFormula(1, "x^2 + y^2 = 25");
  ws.formulas.slotKind[1] = kSlotImplicit;
  graph.fastPlot = true;
  graph.RedrawAll();
  int centres = 0;
  for (int row = 8; row <= 792; row += 8) {
    for (int column = 8; column <= 792; column += 8) {
      if (!marked(column, row)) continue;
      if (marked(column - 1, row) && marked(column + 1, row) && marked(column, row - 1) &&
          marked(column, row + 1)) {
        ++centres;
        EXPECT_NEAR(std::hypot(column - 400, row - 400), 200, 8);
      }
    }
  }
  EXPECT_GT(centres, 100);
  // Nothing off the grid of eight except the arms of the marks.
  EXPECT_FALSE(marked(403, 203));
  graph.RefineAfterRelease();  // the release draws it precisely
  EXPECT_FALSE(graph.fastPlot);
  EXPECT_TRUE(marked(600, 400));
  EXPECT_FALSE(marked(601, 400));
}

// With a budget for precise plots while a button is held, a drag looks like the release:
// once every implicit slot has been plotted precisely and took no longer together.
TEST_F(ImplicitPlot, DragsPreciselyWhenThePrecisePlotsKeepUp) {
  auto pixels = [&] {
    return std::vector<uint32_t>(graph.picture.data(),
                                 graph.picture.data() + Picture::kSize * Picture::kSize);
  };
  ws.formulas.translateFormula(1, "x^2 + y^2 = 25");
  ws.formulas.slotKind[1] = kSlotImplicit;
  graph.fastPlot = true;
  graph.RedrawAll();
  const auto coarse = pixels();
  graph.fastPlot = false;
  graph.RedrawAll();
  const auto precise = pixels();
  ASSERT_NE(coarse, precise);

  std::vector<std::string> seen;
  graph.hooks.messageChanged = [&] { seen.push_back(ws.MsgText); };
  graph.fastPlot = true;
  graph.dragPreciseBudget = std::chrono::hours(1);
  graph.RedrawAll();
  EXPECT_EQ(pixels(), precise);
  EXPECT_TRUE(seen.empty());  // nothing to wait for
  graph.dragPreciseBudget = std::chrono::microseconds(1);
  graph.RedrawAll();
  EXPECT_EQ(pixels(), coarse);

  // A second implicit slot that has never been plotted precisely: all coarse again.
  graph.dragPreciseBudget = std::chrono::hours(1);
  ws.formulas.translateFormula(2, "x*y = 1");
  ws.formulas.slotKind[2] = kSlotImplicit;
  graph.RedrawAll();
  const auto bothCoarse = pixels();
  graph.fastPlot = false;
  graph.RedrawAll();
  const auto bothPrecise = pixels();
  graph.fastPlot = true;
  graph.RedrawAll();
  EXPECT_NE(bothCoarse, bothPrecise);
  EXPECT_EQ(pixels(), bothPrecise);
}

TEST_F(ImplicitPlot, DiagonalAndNoSolutions) {
  plot("y - x = 0");
  for (int column = 1; column < 800; ++column)
    EXPECT_TRUE(marked(column, 800 - column)) << column;
  plot("x^2 + y^2 = -1", 2);
  EXPECT_EQ(count(colourOf(2)), 0);
}

TEST_F(ImplicitPlot, ColumnZeroAndRowZeroAreNeverMarked) {
  plot("x + 10 = y - 10 + y");  // passes near the top-left corner
  plot("y = x + 0*y^2", 2);     // a line through column 0 and row 0 (implicit: two y)
  for (int i = 0; i <= 800; ++i) {
    EXPECT_FALSE(marked(0, i, 2)) << i;
    EXPECT_FALSE(marked(i, 0, 2)) << i;
  }
  EXPECT_TRUE(marked(1, 799, 2));
}

TEST_F(ImplicitPlot, PoleBeforeAndAfterAScroll) {
  plot("1/x = y");
  EXPECT_TRUE(rowsIn(400).empty());  // x = 0 is invalid: nothing along the pole
  // Half a pixel further the pole lies between two columns; the sign change across it marks a
  // pixel in every row.
  ws.graph.scale.centreX = 0.0125;
  ws.graph.scale.FillColumnTable();
  graph.RedrawAll();
  const int positiveColumn = scale.WorldToColumn(0.0125);
  int rows = 0;
  for (int row = 1; row <= 800; ++row)
    rows += marked(positiveColumn, row);
  EXPECT_GT(rows, 780);
}

TEST_F(ImplicitPlot, CellStatuses) {
  ws.formulas.translateFormula(1, "x^2 + y^2 = 25");
  ws.formulas.evalSlot = 1;
  EXPECT_EQ(graph.EvaluateCell(400, 400).status, 6);  // F(0, 0) = -25
  EXPECT_EQ(graph.EvaluateCell(400, 400).value, -25);
  EXPECT_EQ(graph.EvaluateCell(0, 0).status, 5);  // F(-10, 10) = 175
  ws.formulas.translateFormula(1, "y - x = 0");
  EXPECT_EQ(graph.EvaluateCell(400, 400).status, 4);  // exactly on the curve
  ws.formulas.translateFormula(1, "1/x = y");
  EXPECT_EQ(graph.EvaluateCell(400, 123).status, 8);  // x = 0: invalid
}

}  // namespace
}  // namespace quorvel
