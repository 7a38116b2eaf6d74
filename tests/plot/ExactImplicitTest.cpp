// The exact method of implicit equations in the graph: proven pixels solid, undecided ones
// tinted, curves that only touch zero found, the choice honoured only by precise redraws, and
// the same states whatever the threads and wherever the work runs out.

#include "plot/ExactImplicit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "PlotTestSupport.h"

namespace quorvel {
namespace {

class ExactPlot : public testing::PlotTest {
 protected:
  ExactImplicitResult statesOf(std::string_view formula) {
    EXPECT_EQ(ws.formulas.translateFormula(1, formula).next, AfterTranslation::Plot);
    EXPECT_EQ(ws.formulas.formulaType, kSlotImplicit) << formula;
    return graph.exactImplicit(1);
  }

  // Moves the centre off the grid by a fraction of a pixel, as the wheel and a drag can.
  void shiftCentre(double fractionX, double fractionY) {
    ws.graph.scale.centreX += fractionX * scale.unitsPerPixelX;
    ws.graph.scale.centreY += fractionY * scale.unitsPerPixelY;
    ws.graph.scale.FillColumnTable();
    ws.graph.scale.FillRowTable();
  }

  static bool samePixels(const Picture& a, const Picture& b) {
    return std::equal(a.data(), a.data() + kPictureSize * kPictureSize, b.data());
  }
};

TEST_F(ExactPlot, CurvesThatOnlyTouchZeroAreFoundWhereTheSignsMissThem) {
  // The ordinary method: nothing of the doubled circle, and says where to look.
  plot("(x^2+y^2-1)^2=0");
  EXPECT_EQ(count(colourOf(1)), 0);
  EXPECT_EQ(ws.MsgText, kOnlyExact);

  // The exact one: the circle's pixels are all there, solid where a sample hits a zero and
  // tinted elsewhere, and nothing away from the circle.
  ws.settings.exactImplicit = true;
  graph.RedrawAll();
  EXPECT_TRUE(ws.MsgText.empty());
  const ExactImplicitResult& states = graph.exactImplicit(1);
  const PixelEdges edges = pixelEdges(scale);
  for (int row = 0; row < kPictureSize; ++row) {
    for (int column = 0; column < kPictureSize; ++column) {
      const ExactPixel state = states.at(column, row);
      // The pixel's nearest and farthest distance from the origin.
      const double x0 = edges.columns[column], x1 = edges.columns[column + 1];
      const double y0 = edges.rows[row + 1], y1 = edges.rows[row];
      const double nearX = x0 > 0 ? x0 : x1 < 0 ? -x1 : 0;
      const double nearY = y0 > 0 ? y0 : y1 < 0 ? -y1 : 0;
      const double near = std::hypot(nearX, nearY);
      const double far = std::hypot(std::max(-x0, x1), std::max(-y0, y1));
      if (near < 1 - 1e-9 && far > 1 + 1e-9) {
        EXPECT_NE(state, ExactPixel::Empty) << column << "," << row;
      } else if (near > 1 + 1e-9 || far < 1 - 1e-9) {
        EXPECT_NE(state, ExactPixel::Proven) << column << "," << row;
      }
    }
  }
  EXPECT_EQ(states.at(440, 400), ExactPixel::Proven);  // (1, 0): a sample on the zero
  EXPECT_EQ(picture.pixel(440, 400), colourOf(1));
  EXPECT_GT(states.undecided, 100);
  // The tint: lighter than the colour, darker than the background, on every undecided pixel.
  int tinted = 0;
  for (int row = 0; row < kPictureSize; ++row) {
    for (int column = 0; column < kPictureSize; ++column) {
      if (states.at(column, row) != ExactPixel::Undecided) continue;
      const Colour c = picture.pixel(column, row);
      EXPECT_NE(c, colourOf(1));
      tinted += c != kWhite && c != colourOf(1);
    }
  }
  EXPECT_EQ(tinted, states.undecided);
}

TEST_F(ExactPlot, SinglePointsAreProvenOnAndOffTheGrid) {
  for (const char* formula : {"x^2+y^2=0", "sqrt(-(x^2))=y", "(y-x^2)^2=0"}) {
    for (const double shift : {0.0, 1.0 / 3}) {
      ws.graph.scale.reset();
      shiftCentre(shift, -shift);
      const ExactImplicitResult states = statesOf(formula);
      // The pixel holding the origin.
      const PixelEdges edges = pixelEdges(scale);
      int column = 0, row = 0;
      while (edges.columns[column + 1] < 0)
        ++column;
      while (edges.rows[row + 1] > 0)
        ++row;
      EXPECT_EQ(states.at(column, row), ExactPixel::Proven) << formula << " shifted " << shift;
      if (std::string_view(formula) != "(y-x^2)^2=0") {
        EXPECT_EQ(states.proven, 1) << formula;
        EXPECT_LE(states.undecided, 8) << formula;
      }
    }
  }
}

// y = -x runs through the centres of the diagonal pixels and the corners between them: each
// corner belongs to one pixel, so the line is one pixel wide, as the ordinary method draws it.
TEST_F(ExactPlot, ALineThroughPixelCornersIsDrawnOnce) {
  const ExactImplicitResult states = statesOf("x+y=0");
  for (int row = 0; row < kPictureSize; ++row) {
    for (int column = 0; column < kPictureSize; ++column) {
      const ExactPixel expected = column == row ? ExactPixel::Proven : ExactPixel::Empty;
      if (std::abs(column - row) <= 1 && states.at(column, row) == ExactPixel::Undecided) continue;
      ASSERT_EQ(states.at(column, row), expected) << column << "," << row;
    }
  }
  EXPECT_LE(states.undecided, 16);
}

TEST_F(ExactPlot, ThePoleOfAHyperbolaIsNeverDrawnSolid) {
  shiftCentre(1.0 / 3, 0);
  plot("1/x=y");
  // The ordinary method draws a line down the column of the pole.
  int column = 0;
  const PixelEdges edges = pixelEdges(scale);
  while (edges.columns[column + 1] < 0)
    ++column;
  EXPECT_GT(static_cast<int>(rowsIn(column).size()), 700);

  ws.settings.exactImplicit = true;
  graph.RedrawAll();
  EXPECT_TRUE(rowsIn(column).empty());
  const ExactImplicitResult& states = graph.exactImplicit(1);
  for (int row = 0; row < kPictureSize; ++row)
    EXPECT_NE(states.at(column, row), ExactPixel::Proven) << row;
  EXPECT_GT(states.proven, 400);
}

TEST_F(ExactPlot, HeldButtonsDragsAndMotionKeepTheQuickMethods) {
  ws.formulas.translateFormula(1, "x^2 + y^2 = 25");
  ws.formulas.slotKind[1] = kSlotImplicit;
  graph.fastPlot = true;
  graph.RedrawAll();
  const Picture coarse = picture;
  ws.settings.exactImplicit = true;
  graph.RedrawAll();
  EXPECT_TRUE(samePixels(picture, coarse));
  graph.fastPlot = false;
  graph.RedrawAll();
  EXPECT_FALSE(samePixels(picture, coarse));
}

TEST_F(ExactPlot, StatesDoNotDependOnTheThreads) {
  testing::RecordingTextPainter otherText;
  Workspace single(otherText, 1);
  for (const char* formula : {"sin(x^2+y^2)=0", "sin(40/x)=y", "x^2+y^2=25"}) {
    const ExactImplicitResult here = statesOf(formula);
    single.formulas.translateFormula(1, formula);
    single.formulas.evalSlot = 1;
    const ExactImplicitResult& there = single.graph.exactImplicit(1);
    EXPECT_TRUE(here.pixels == there.pixels) << formula;
  }
}

// Work that runs out leaves pixels undecided, never empty where more work proves the curve,
// and never proves what more work would not.
TEST_F(ExactPlot, WorkThatRunsOutLeavesTheRestUndecided) {
  graph.scale.zoomAt(400, 400, -6, true, true);  // sin(x^2 + y^2) = 0 too dense to draw
  const ExactImplicitResult full = statesOf("sin(x^2+y^2)=0");
  graph.exactPlotter().work = {.firstPerTile = 2000, .secondTotal = 0, .mostPerTile = 2000};
  const ExactImplicitResult little = statesOf("sin(x^2+y^2)=0");
  EXPECT_TRUE(little.workRanOut);
  EXPECT_GT(little.undecided, full.undecided);
  for (size_t i = 0; i < full.pixels.size(); ++i) {
    if (full.pixels[i] == ExactPixel::Empty) {
      ASSERT_NE(little.pixels[i], ExactPixel::Proven) << i;
    } else {
      ASSERT_NE(little.pixels[i], ExactPixel::Empty) << i;
    }
  }
}

}  // namespace
}  // namespace quorvel
