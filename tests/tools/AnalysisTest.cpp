// Roots, extrema, intersections and tangents of the selected slot, against values known in
// closed form: polynomials with whole roots, sin, cos, e^x - 2, ln x, x^3 - 3x, touching
// roots, poles, jumps and formulas undefined on part of the picture, in radians and degrees.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <numbers>

#include "../plot/PlotTestSupport.h"
#include "tools/Analysis.h"

namespace quorvel {
namespace {

constexpr double kPi = std::numbers::pi;

class AnalysisTest : public testing::PlotTest {
 protected:
  Analysis& analysis = ws.analysis;

  std::vector<double> xsOf(Analysis::Kind kind = Analysis::Kind::Root) const {
    std::vector<double> xs;
    for (const Analysis::Result& r : analysis.results) {
      if (r.kind == kind) xs.push_back(r.x);
    }
    return xs;
  }
  // Every found x within 1e-12 of the expected ones (relative, or absolute near zero).
  static void expectXs(const std::vector<double>& found, const std::vector<double>& expected,
                       const std::string& what) {
    ASSERT_EQ(found.size(), expected.size()) << what;
    for (size_t i = 0; i < found.size(); ++i) {
      EXPECT_NEAR(found[i], expected[i], 1e-12 * std::max(1.0, std::fabs(expected[i])))
          << what << " #" << i;
    }
  }
  void roots(std::string_view formula, const std::vector<double>& expected, int slot = 1) {
    plot(formula, slot);
    analysis.findRoots(slot);
    expectXs(xsOf(), expected, std::string(formula));
  }
};

TEST_F(AnalysisTest, RootsOfFunctionsKnownInClosedForm) {
  roots("y=(x-1)(x+2)(x-3)", {-2, 1, 3});
  EXPECT_EQ(ws.MsgText, "");  // the command writes the message, not the search
  EXPECT_EQ(analysis.findRoots(1), "3 nulpunten");
  roots("y=x^3-6x^2+11x-6", {1, 2, 3});  // expanded
  roots("y=sin(x)", {-3 * kPi, -2 * kPi, -kPi, 0, kPi, 2 * kPi, 3 * kPi});
  roots("y=cos(x)", {-2.5 * kPi, -1.5 * kPi, -0.5 * kPi, 0.5 * kPi, 1.5 * kPi, 2.5 * kPi});
  roots("y=e^x-2", {std::log(2.0)});
  roots("y=ln(x)", {1});
  roots("y=x^2", {0});               // touching
  roots("y=(x-1)^2(x+2)", {-2, 1});  // one crossing, one touching
  roots("y=x^2+1", {});
  EXPECT_EQ(analysis.findRoots(1), "geen nulpunten in beeld");
  roots("y=sqrt(x)-2", {4});  // undefined left of 0
  roots("y=2x-1", {0.5});
  EXPECT_EQ(analysis.findRoots(1), "1 nulpunt");
}

TEST_F(AnalysisTest, PolesAndJumpsAreNoRoots) {
  roots("y=1/x", {});
  roots("y=tan(x)", {-3 * kPi, -2 * kPi, -kPi, 0, kPi, 2 * kPi, 3 * kPi});  // not its poles
  roots("y=1/(x-1)+1", {0});
  roots("y=int(x)-0,5", {});  // jumps from -0,5 to 0,5
  roots("y=(x-2)/(x-2)", {});
}

TEST_F(AnalysisTest, RootsInDegreesAndOfPolynomialsAndDerivatives) {
  ws.settings.degreesMode = true;
  for (int i = 0; i < 5; ++i)
    graph.ScrollZoom(kZoomOutX);  // x from -500 to 500
  roots("y=sin(x)", {-360, -180, 0, 180, 360});
  roots("y=cos(x)-0,5", {-420, -300, -60, 60, 300, 420});
  ws.settings.degreesMode = false;
  graph.ResetScale();
  // The polynomial (x + 3)(x - 1)(x - 2) = x^3 - 7x + 6 in slot 4.
  ws.poly.SetPolyDegree(3);
  ws.poly.cells = {"", "6", "-7", "0", "1"};
  ws.poly.StorePolyFromGrid(4);
  analysis.findRoots(4);
  expectXs(xsOf(), {-3, 1, 2}, "polynomial");
  // d: plots the derivative: the roots of 3x^2 - 12.
  roots("y=d:x^3-12x", {-2, 2});
  // i: the integral of 2x from -3: x^2 - 9, only within its domain.
  plot("y=i:2x", 2, -3, 9);
  analysis.findRoots(2);
  expectXs(xsOf(), {-3, 3}, "integral");
}

TEST_F(AnalysisTest, Extrema) {
  plot("y=x^3-3x");
  EXPECT_EQ(analysis.findExtrema(1), "2 extremen");
  expectXs(xsOf(Analysis::Kind::Maximum), {-1}, "maximum");
  expectXs(xsOf(Analysis::Kind::Minimum), {1}, "minimum");
  EXPECT_NEAR(analysis.results[0].y, 2, 1e-12);
  plot("y=sin(x)");
  analysis.findExtrema(1);
  expectXs(xsOf(Analysis::Kind::Maximum), {-1.5 * kPi, 0.5 * kPi, 2.5 * kPi}, "sin maxima");
  expectXs(xsOf(Analysis::Kind::Minimum), {-2.5 * kPi, -0.5 * kPi, 1.5 * kPi}, "sin minima");
  plot("y=abs(x-1)");  // a corner
  analysis.findExtrema(1);
  expectXs(xsOf(Analysis::Kind::Minimum), {1}, "corner");
  plot("y=x^3");  // a flat point is no extremum
  EXPECT_EQ(analysis.findExtrema(1), "geen extremen in beeld");
  plot("y=1/x");
  EXPECT_EQ(analysis.findExtrema(1), "geen extremen in beeld");
  plot("y=dd:x^4-6x^2");  // 12x^2 - 12: a minimum at 0
  analysis.findExtrema(1);
  expectXs(xsOf(Analysis::Kind::Minimum), {0}, "second derivative");
}

TEST_F(AnalysisTest, IntersectionsWithEveryOtherFunction) {
  plot("y=sin(x)", 1);
  plot("y=cos(x)", 2);
  plot("x=y^2", 3);      // not a function of x: left alone
  plot("x^2+y^2=4", 4);  // neither
  plot("y=x^2", 5);      // touches nothing of sin? crosses it at 0 and near 0,8767
  EXPECT_EQ(analysis.findIntersections(2), "8 snijpunten");
  std::vector<double> withSine, withParabola;
  for (const Analysis::Result& r : analysis.results)
    (r.otherSlot == 1 ? withSine : withParabola).push_back(r.x);
  expectXs(withSine, {-2.75 * kPi, -1.75 * kPi, -0.75 * kPi, 0.25 * kPi, 1.25 * kPi, 2.25 * kPi},
           "sin and cos");
  ASSERT_EQ(withParabola.size(), 2u);  // x^2 = cos x at +-0,8241323123...
  EXPECT_NEAR(withParabola[1], 0.82413231230252242, 1e-12);
  EXPECT_NEAR(withParabola[0], -0.82413231230252242, 1e-12);
}

TEST_F(AnalysisTest, TangentAndWhatCannotBeAnalysed) {
  plot("y=x^2");
  const FitOutcome tangent = analysis.tangentAt(1, 1);
  ASSERT_TRUE(tangent.formula);
  EXPECT_EQ(*tangent.formula, "y = 2 x - 1");
  EXPECT_EQ(analysis.tangentAt(1, 0).formula, "y = 0");
  plot("y=abs(x)");
  EXPECT_EQ(analysis.tangentAt(1, 0).message, "niet differentieerbaar in x = 0,0");
  plot("y=sqrt(x)");
  EXPECT_EQ(analysis.tangentAt(1, -1).message, "geen waarde in x = -1,0");
  plot("x=y^2", 2);
  EXPECT_EQ(analysis.findRoots(2), "alleen voor y = f(x) en polynomen");
  EXPECT_EQ(analysis.findRoots(3), "geen formule/polynoom");
}

// What the columns alone do not show: a corner on a column, a touching root a millionth
// beside a simple one, a root at 1E-50, a root at the domain's end, three roots between two
// columns with the extrema between them.
TEST_F(AnalysisTest, RootsAndExtremaBetweenAndOnTheColumns) {
  struct Case {
    const char* formula;
    Analysis::Kind kind;
    std::vector<double> expected;  // each to 1e-12, relative
  };
  const Case cases[] = {
      {"y=abs(x)", Analysis::Kind::Minimum, {0}},
      {"y=abs(x)+1", Analysis::Kind::Minimum, {0}},
      {"y=abs(x-0,3)+1", Analysis::Kind::Minimum, {0.3}},
      {"y=abs(sin(x))",
       Analysis::Kind::Minimum,
       {-3 * kPi, -2 * kPi, -kPi, 0, kPi, 2 * kPi, 3 * kPi}},
      {"y=abs(sin(x))",
       Analysis::Kind::Maximum,
       {-2.5 * kPi, -1.5 * kPi, -0.5 * kPi, 0.5 * kPi, 1.5 * kPi, 2.5 * kPi}},
      {"y=(x-1)^2*(x-1,000001)", Analysis::Kind::Root, {1, 1.000001}},
      {"y=x^2-10^(-100)", Analysis::Kind::Root, {-1e-50, 1e-50}},
      {"y=(x-2)^2*(x+3)^2-0,0000000001",
       Analysis::Kind::Root,
       {-3.00000200000000, -2.99999799999920, 1.99999800000080, 2.00000199999920}},
  };
  for (const Case& c : cases) {
    plot(c.formula);
    if (c.kind == Analysis::Kind::Root) {
      analysis.findRoots(1);
    } else {
      analysis.findExtrema(1);
    }
    const std::vector<double> found = xsOf(c.kind);
    ASSERT_EQ(found.size(), c.expected.size()) << c.formula;
    for (size_t i = 0; i < found.size(); ++i) {
      EXPECT_NEAR(found[i], c.expected[i], 1e-12 * std::max(std::fabs(c.expected[i]), 1e-300))
          << c.formula << " #" << i;
    }
  }
  plot("y=abs(x)");
  EXPECT_EQ(analysis.findExtrema(1), "1 extreem");
  EXPECT_EQ(analysis.results[0].y, 0);

  plot("y=i:x", 1, -5, 5);  // x^2 / 2 - 12,5
  EXPECT_EQ(analysis.findRoots(1), "2 nulpunten");
  expectXs(xsOf(), {-5, 5}, "the integral's ends");

  for (int i = 0; i < 8; ++i)
    graph.ScrollZoom(kZoomOutX);  // x from -1000 to 1000, columns 2,5 apart
  plot("y=x^3-x");
  EXPECT_EQ(analysis.findExtrema(1), "2 extremen");
  EXPECT_EQ(analysis.findRoots(1), "3 nulpunten");
  expectXs(xsOf(), {-1, 0, 1}, "x^3 - x");
  graph.ScrollZoom(kScrollRight);  // the columns no longer on 0
  plot("y=x^3-x");
  EXPECT_EQ(analysis.findRoots(1), "3 nulpunten");
  expectXs(xsOf(), {-1, 0, 1}, "x^3 - x, scrolled");
}

// A function that is zero but for rounding, or two that are equal but for it, is one answer,
// not dozens of roots; a value that rounding has lost says so. A function that is merely
// small keeps its roots.
TEST_F(AnalysisTest, RoundingNoiseIsNoResult) {
  const double left = scale.columnWorldX[0], right = scale.columnWorldX[kLastPixel];
  plot("y=sin(x)^2+cos(x)^2-1");
  EXPECT_EQ(analysis.findRoots(1), "y = 0 in beeld");
  ASSERT_EQ(analysis.results.size(), 2u);
  EXPECT_EQ(analysis.results[0].kind, Analysis::Kind::RootsFrom);
  EXPECT_EQ(analysis.results[0].x, left);
  EXPECT_EQ(analysis.results[1].kind, Analysis::Kind::RootsTo);
  EXPECT_EQ(analysis.results[1].x, right);
  EXPECT_EQ(analysis.findExtrema(1), "geen extremen in beeld");

  plot("y=sin(x)^2+cos(x)^2", 1);
  plot("y=1", 2);
  EXPECT_EQ(analysis.findIntersections(1), "gelijk aan 2 in beeld");
  plot(
      "y=exp(ln(exp(ln(exp(ln(exp(ln(exp(ln(exp(ln(exp(ln(exp(ln(exp(ln(exp(ln(x)))))))))))))))))))"
      ")",
      1);
  plot("y=x", 2);
  EXPECT_EQ(analysis.findIntersections(1), "gelijk aan 2 in beeld");
  ASSERT_EQ(analysis.results.size(), 2u);
  EXPECT_GT(analysis.results[0].x, 0);
  EXPECT_LT(analysis.results[0].x, 0.03);
  EXPECT_EQ(analysis.results[1].x, right);
  ws.formulas.slotKind[2] = kSlotEmpty;

  plot("y=(100000000000000000000+sin(x))-100000000000000000000");
  EXPECT_EQ(analysis.findRoots(1), kLostInRounding);
  EXPECT_TRUE(analysis.results.empty());
  EXPECT_EQ(analysis.findExtrema(1), kLostInRounding);  // though its series knows the slope
  plot("y=i:sin(x)", 1, -1e300, 1e300);  // from far beyond where sin has any digit left
  EXPECT_EQ(analysis.findRoots(1), kLostInRounding);
  EXPECT_EQ(analysis.findExtrema(1), kLostInRounding);

  plot("y=0,00000000000000000001*(x-1)");
  EXPECT_EQ(analysis.findRoots(1), "1 nulpunt");
  expectXs(xsOf(), {1}, "small, not noise");
}

// Where f is 0 over a stretch, the list has its begin and end, the message counts it, and
// the picture brackets it.
TEST_F(AnalysisTest, StretchesOfZeros) {
  plot("y=int(x)");  // 0 from -0,5 to 0,5: int rounds halves to even
  EXPECT_EQ(analysis.findRoots(1), "1 interval met y = 0");
  ASSERT_EQ(analysis.results.size(), 2u);
  EXPECT_EQ(analysis.results[0].kind, Analysis::Kind::RootsFrom);
  EXPECT_EQ(analysis.results[0].x, -0.5);
  EXPECT_EQ(analysis.results[1].kind, Analysis::Kind::RootsTo);
  EXPECT_EQ(analysis.results[1].x, 0.5);
  const std::vector<TableRow> rows = analysis.rows(0);
  EXPECT_EQ(rows[0], (TableRow{"y = 0 vanaf", "-0,5", "0,0"}));
  EXPECT_EQ(rows[1], (TableRow{"y = 0 tot", "0,5", "0,0"}));
  graph.RedrawAll();
  const int row = scale.WorldToRow(0);
  for (int c : {scale.WorldToColumn(-0.5), scale.WorldToColumn(0.5)}) {
    EXPECT_TRUE(marked(c, row + 3)) << c;  // the bracket's upright, below the graph
    EXPECT_TRUE(marked(c, row + 4)) << c;
  }
  EXPECT_TRUE(marked(scale.WorldToColumn(-0.5) + 3, row + 4));  // open towards the stretch
  EXPECT_TRUE(marked(scale.WorldToColumn(0.5) - 3, row + 4));

  plot("y=int(x)*(x-5)");
  EXPECT_EQ(analysis.findRoots(1), "1 nulpunt, 1 interval met y = 0");
  EXPECT_EQ(xsOf(), std::vector<double>{5});
  plot("y=int(x/4)^2");
  EXPECT_EQ(analysis.findRoots(1), "1 interval met y = 0");

  plot("y=int(x)", 1);
  plot("y=x-x", 2);
  plot("y=x/20", 3);  // int(x) = x / 20 at 0 alone
  EXPECT_EQ(analysis.findIntersections(1), "1 snijpunt, 1 interval gelijk");
  ASSERT_EQ(analysis.results.size(), 3u);
  EXPECT_EQ(analysis.results[0].kind, Analysis::Kind::EqualFrom);
  EXPECT_EQ(analysis.results[0].otherSlot, 2);
  EXPECT_EQ(analysis.rows(0)[1][0], "snijpunt met 3");
  EXPECT_EQ(analysis.rows(0)[2][0], "gelijk aan 2 tot");
}

// The tangent's text holds every digit: read back by the translator, the line passes through
// the point with the slope, and its intercept is the exact one to a few units in the last
// place, however small against m x0.
TEST_F(AnalysisTest, TheTangentIsWrittenWithEveryDigit) {
  struct Case {
    const char* formula;
    double x0, slope, intercept;
    const char* text;  // where it is short enough to state
  };
  const Case cases[] = {
      {"y=sin(x)", 1, std::cos(1.0), std::sin(1.0) - std::cos(1.0), nullptr},
      {"y=x^2", 0.001, 0.002, -1e-6, nullptr},
      {"y=0,000001x", 1, 1e-6, 0, "y = 0,000001 x"},
      {"y=x^3", -2, 12, 16, "y = 12 x + 16"},
      // y0 = 3E20 as a double: the intercept lives in what its rounding left off.
      {"y=3x-2,25", 1e20, 3, -2.25, "y = 3 x - 2,25"},
  };
  for (const Case& c : cases) {
    plot(c.formula);
    const FitOutcome tangent = analysis.tangentAt(1, c.x0);
    ASSERT_TRUE(tangent.formula) << c.formula << ": " << tangent.message;
    if (c.text) {
      EXPECT_EQ(*tangent.formula, c.text);
    }
    ASSERT_NE(ws.formulas.translateFormula(9, *tangent.formula).next, AfterTranslation::Nothing)
        << *tangent.formula;
    auto line = [this](double x) {
      ws.formulas.evalSlot = 9;
      ws.formulas.registers[kRegX] = x;
      ws.formulas.runProgram();
      return ws.formulas.registers[kRegY];
    };
    const double ulp = 4 * DBL_EPSILON;
    EXPECT_NEAR(line(0), c.intercept, ulp * std::max(std::fabs(c.intercept), 1e-300))
        << *tangent.formula;
    EXPECT_NEAR(line(1) - line(0), c.slope, ulp * std::fabs(c.slope)) << *tangent.formula;
  }
  // The same line as a polynomial in slot 4.
  ws.poly.SetPolyDegree(1);
  ws.poly.cells = {"", "-2,25", "3"};
  ws.poly.StorePolyFromGrid(4);
  EXPECT_EQ(analysis.tangentAt(4, 1e20).formula, "y = 3 x - 2,25");
  // Numbers too long for the formula edit box: said, never cut.
  plot("y=x^2");
  EXPECT_EQ(analysis.tangentAt(1, 1e-80).message, kTangentTooLong);
}

TEST_F(AnalysisTest, MarksStayWithThePictureUntilTheSlotChanges) {
  plot("y=x^2-4");
  analysis.findRoots(1);
  graph.RedrawAll();
  const int column = scale.WorldToColumn(2), row = scale.WorldToRow(0);
  EXPECT_TRUE(marked(column + 3, row + 3, 1));  // the cross's arm
  graph.ScrollZoom(kScrollLeft);                // redrawn: still there, where x = 2 now is
  EXPECT_TRUE(marked(scale.WorldToColumn(2) + 3, row + 3, 1));
  plot("y=x^2-1");  // the slot changed: the marks go at the next redraw
  graph.RedrawAll();
  EXPECT_FALSE(marked(scale.WorldToColumn(2) + 3, row + 3, 1));
  EXPECT_TRUE(analysis.results.empty());
}

// In units of work: a run at a point is one, a run on series or with its rounding bound
// several.
TEST_F(AnalysisTest, BoundedWork) {
  plot("y=sin(5x)+0,5");
  analysis.findRoots(1);
  EXPECT_EQ(analysis.results.size(), 32u);
  EXPECT_LT(analysis.evaluations, 15000);
}

// Whatever the slots hold, a search spends at most its budget; one that reaches it keeps
// what it found and says that it stopped.
TEST_F(AnalysisTest, EverySearchKeepsToItsBudget) {
  for (int slot = 1; slot <= kSlotCount; ++slot)
    plot("y=i:sin(x)/x", slot, -1e12, 1e12);
  analysis.findIntersections(1);
  EXPECT_LE(analysis.evaluations, Analysis::kWorkBudget);
  analysis.findRoots(1);
  EXPECT_LE(analysis.evaluations, Analysis::kWorkBudget);
  for (int slot = 2; slot <= kSlotCount; ++slot)
    ws.formulas.slotKind[slot] = kSlotEmpty;

  // Each piece between two columns needs thousands of values of the integrand: within a
  // lower budget, to be quick.
  analysis.workBudget = 200000;
  plot("y=i:sin(100x^2)", 1, -10, 10);
  const std::string message = analysis.findRoots(1);
  EXPECT_LE(analysis.evaluations, analysis.workBudget);
  EXPECT_TRUE(message.ends_with(" (zoeken afgebroken)")) << message;
  ASSERT_FALSE(analysis.results.empty());
  EXPECT_EQ(analysis.results[0].x, -10);       // what it found holds: the integral's begin
  plot("y=i:sin(100x^2)+100", 1, -10.01, 10);  // above 0 from its begin on
  EXPECT_EQ(analysis.findRoots(1), "geen nulpunten gevonden (zoeken afgebroken)");
}

}  // namespace
}  // namespace quorvel
