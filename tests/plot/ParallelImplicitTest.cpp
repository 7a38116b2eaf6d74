// Implicit plots on many threads draw the very picture of one thread and of the point
// evaluator: for the benchmark formulas and random ones, at several scales, in degrees, and
// precisely and coarsely.

#include <gtest/gtest.h>

#include "../formula/FormulaGenerator.h"
#include "PlotTestSupport.h"

namespace quorvel {
namespace {

const char* const kFormulas[] = {
    "x^2+y^2=25",
    "y-sin(x)=0",
    "x*y=1",
    "y-(3x^2+2x-3)=0",
    "y-exp(-x^2)*sin(5x)=0",
    "sqrt(x^2+y^2)=5+0,5sin(6atan(y/x))",
    "y^2=x^3-x",
    "x+0y=0",             // exactly zero along a whole column
    "y-(x^2+1/(x-1))=0",  // poles and invalid points
    "sqrt(1-x^2-y^2)=0,5",
};

// Two workspaces, one plotting on one thread, the other on five (more bands than cores).
class ParallelImplicit : public ::testing::Test {
 protected:
  testing::RecordingTextPainter text;
  Workspace one{text, 1};
  Workspace many{text, 5};

  // Plots `formula` as an implicit equation in both; false when it does not translate.
  bool plotBoth(const std::string& formula) {
    for (Workspace* ws : {&one, &many}) {
      const TranslationOutcome outcome = ws->formulas.translateFormula(1, formula);
      if (outcome.next != AfterTranslation::Plot || ws->formulas.formulaType != kSlotImplicit) {
        return false;
      }
      ws->formulas.slotKind[1] = kSlotImplicit;
    }
    return true;
  }
  static std::vector<uint32_t> pictureOf(Workspace& ws, bool precise, bool pointByPoint) {
    ws.graph.pointByPoint = pointByPoint;
    ws.graph.fastPlot = !precise;
    ws.graph.RedrawAll();
    const Picture& p = ws.graph.picture;
    return std::vector<uint32_t>(p.data(), p.data() + Picture::kSize * Picture::kSize);
  }
  void expectSamePictures(const std::string& what) {
    for (bool precise : {true, false}) {
      const auto reference = pictureOf(one, precise, true);
      EXPECT_EQ(pictureOf(one, precise, false), reference) << what << " precise " << precise;
      EXPECT_EQ(pictureOf(many, precise, false), reference) << what << " precise " << precise;
    }
  }
  void scaleBoth(int command) {
    one.graph.ScrollZoom(command);
    many.graph.ScrollZoom(command);
  }
};

TEST_F(ParallelImplicit, BenchmarkFormulasAtSeveralScales) {
  for (const char* formula : kFormulas) {
    ASSERT_TRUE(plotBoth(formula)) << formula;
    one.graph.ResetScale();
    many.graph.ResetScale();
    expectSamePictures(formula);
    scaleBoth(kZoomOutX);
    scaleBoth(kZoomOutX);
    scaleBoth(kScrollUp);
    expectSamePictures(std::string(formula) + " zoomed out");
    for (int i = 0; i < 5; ++i)
      scaleBoth(kZoomInY);
    scaleBoth(kScrollLeft);
    expectSamePictures(std::string(formula) + " zoomed in");
  }
}

TEST_F(ParallelImplicit, DegreesAndConstants) {
  for (Workspace* ws : {&one, &many}) {
    ws->settings.degreesMode = true;
    ws->constants.a = 2.5;
    ws->constants.b = -1;
  }
  for (const char* formula : {"y-20sin(10x)=a", "cos(x*y)=b", "a*x^2+b*y^2=9"}) {
    ASSERT_TRUE(plotBoth(formula)) << formula;
    expectSamePictures(std::string(formula) + " in degrees");
  }
}

TEST_F(ParallelImplicit, RandomFormulas) {
  testing::FormulaGenerator generator(2718);
  int plotted = 0;
  for (int attempt = 0; attempt < 400 && plotted < 25; ++attempt) {
    const std::string formula = generator.implicitFormula();
    if (!plotBoth(formula)) continue;
    ++plotted;
    expectSamePictures(formula);
  }
  EXPECT_EQ(plotted, 25);
}

}  // namespace
}  // namespace quorvel
