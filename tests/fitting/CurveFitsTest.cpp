// Lines, circles and exponential curves through the points, as the formula texts they become,
// and those texts read back by the translator.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "../plot/PlotTestSupport.h"
#include "fitting/CurveFits.h"

namespace quorvel {
namespace {

class CurveFits : public testing::PlotTest {
 protected:
  void setPoints(std::initializer_list<TPoint> list) {
    ws.points.pointCount = 0;
    for (const TPoint& p : list)
      ws.points.points[++ws.points.pointCount] = p;
  }
  std::string line() { return textOf(MakeLine(ws.points)); }
  std::string circle() { return textOf(MakeCircle(ws.points, scale)); }
  std::string exponential(int model) {
    return textOf(FitExponential(model, ws.points, scale, ws.leastSquares));
  }
  static std::string textOf(const FitOutcome& fit) {
    return fit.formula ? *fit.formula : fit.message;
  }

  // The formula's y at x, through the translator and the evaluator.
  double valueOf(const std::string& formula, double x) {
    const TranslationOutcome outcome = ws.formulas.translateFormula(9, formula);
    EXPECT_EQ(outcome.next, AfterTranslation::Plot) << formula << ": " << outcome.message;
    ws.formulas.evalSlot = 9;
    ws.formulas.registers[kRegX] = x;
    ws.formulas.runProgram();
    EXPECT_TRUE(ws.formulas.evalValid) << formula << " at " << x;
    return ws.formulas.registers[kRegY];
  }
};

TEST_F(CurveFits, LineTexts) {
  setPoints({});
  EXPECT_EQ(line(), "y = x ");
  setPoints({{2, 4}});
  EXPECT_EQ(line(), "y = 2 x ");  // through the origin
  setPoints({{0, 3}});
  EXPECT_EQ(line(), "y = x + 3");  // slope 1
  setPoints({{0, 3}, {1, 5}});
  EXPECT_EQ(line(), "y = 2 x + 3");
  setPoints({{1, -0.5}, {3, 1.5}});
  EXPECT_EQ(line(), "y = x - 1,5");
  setPoints({{1, -1}, {2, -2}});
  EXPECT_EQ(line(), "y = - x ");
  setPoints({{1, 4}, {3, 4}});
  EXPECT_EQ(line(), "y = + 4");
  setPoints({{0, 0}, {1, 1 - 5e-7}});
  EXPECT_EQ(line(), "y = x ");  // within 1e-6 of 1
  setPoints({{0, 1}, {3, 0.5}});
  EXPECT_EQ(line(), "y = -0,16667 x + 1");
  setPoints({{0, 0}, {1e-30, 1e-3}});
  EXPECT_EQ(line(), "getallen buiten bereik");  // a slope a formula cannot hold
}

TEST_F(CurveFits, CircleTexts) {
  setPoints({});
  EXPECT_EQ(circle(), "(x - (0,0))^2 + (y - (0,0))^2 = 6,25");  // 100 pixels round the centre
  setPoints({{1, 2}});
  EXPECT_EQ(circle(), "(x - (1,0))^2 + (y - (2,0))^2 = 6,25");
  setPoints({{1, 2}, {4, 6}});
  EXPECT_EQ(circle(), "(x - (1,0))^2 + (y - (2,0))^2 = 25,0");
  setPoints({{0, 5}, {5, 0}, {-5, 0}});
  EXPECT_EQ(circle(), "(x - (0,0))^2 + (y - (0,0))^2 = 25,0");
  setPoints({{0, 5}, {5, 0}, {-5, 0}, {7, 7}});  // only the first three count
  EXPECT_EQ(circle(), "(x - (0,0))^2 + (y - (0,0))^2 = 25,0");
  setPoints({{1, 1}, {3, 1}, {2, 2}});  // a horizontal chord
  EXPECT_EQ(circle(), "(x - (2,0))^2 + (y - (1,0))^2 = 1,0");
  setPoints({{0, 0}, {1, 1}, {2, 2}});
  EXPECT_EQ(circle(), "geen cirkel mogelijk: punten op lijn");
  setPoints({{0, 0}, {1, 1e-12}, {2, 0}});  // on a line up to rounding
  EXPECT_EQ(circle(), "geen cirkel mogelijk: punten op lijn");
  setPoints({{0, 0}, {10000, 1e-3}, {20000, 0}});  // nearly on a line: a centre far away
  EXPECT_EQ(circle(), "getallen buiten bereik");
  // Each circle passes through its points when read back.
  setPoints({{-1, 2}, {3, 1}, {0.5, -2}});
  const std::string formula = circle();
  ws.formulas.translateFormula(9, formula);
  EXPECT_EQ(ws.formulas.formulaType, kSlotImplicit);
}

TEST_F(CurveFits, ExponentialTexts) {
  setPoints({{0, 1}, {1, 2}});
  EXPECT_EQ(exponential(kExpPlusC), "y = 1,0 * 2,0^x");
  EXPECT_EQ(exponential(kExpEPlusC), "y = 1,0 * e^(0,693147x)");
  setPoints({{0, -1}, {1, -2}});
  EXPECT_EQ(exponential(kExpPlusC), "y = -1,0 * 2,0^x");
  setPoints({{0, 1}, {1, -2}});
  EXPECT_EQ(exponential(kExpPlusC), "geen exp. functie, ongelijke tekens");
  setPoints({{0, 0}, {1, 2}});
  EXPECT_EQ(exponential(kExpPlusC), "geen exp. functie");  // a logarithm of 0
  setPoints({{1, 2}, {0, 1}, {2, 4}});                     // unsorted: sorted first
  EXPECT_EQ(exponential(kExpPower), "y = 1,0 * 2,0^(x)");
  EXPECT_EQ(exponential(kExpE), "y = 1,0 * e^(0,693147x)");
  const double e = std::exp(1.0);
  setPoints({{-1, e * e}, {0, e}, {1, e * e}});
  EXPECT_EQ(exponential(kExpQuadratic), "y = e^(1,0x^2 + 0,0x + 1,0)");
  setPoints({{0, 3}, {1, 5}, {2, 9}, {3, 17}});  // 2^(x+1) + 1
  EXPECT_EQ(exponential(kExpPlusC), "y = 2,0 * 2,0^(x) + 1,0");
  setPoints({{0, -3}, {1, -5}, {2, -9}, {3, -17}});
  EXPECT_EQ(exponential(kExpEPlusC), "y = -2,0 * e^(0,693147x) - 1,0");
}

TEST_F(CurveFits, ExponentialMessages) {
  setPoints({{1, 1}});
  EXPECT_EQ(exponential(kExpPower), "minimaal 2 punten nodig");
  setPoints({{1, 1}, {2, 3}});
  EXPECT_EQ(exponential(kExpQuadratic), "minimaal 3 punten nodig");
  setPoints({{1, 1}, {2, 0}});
  EXPECT_EQ(exponential(kExpE), "fout: y <= 0");
  setPoints({{1, 1}, {2, 3}, {3, -1}});
  EXPECT_EQ(exponential(kExpQuadratic), "fout: y <= 0");
  // Estimates impossible: equal slopes on both sides of a flat piece.
  setPoints({{0, 1}, {1, 1}, {2, 1}});
  ws.editor.fedSetText("y=x");
  const FitOutcome flat = FitExponential(kExpPlusC, ws.points, scale, ws.leastSquares);
  EXPECT_EQ(flat.message, "geen exp. functie");
  EXPECT_TRUE(flat.clearEditBox);
  setPoints({{0, 1}, {1, 3}, {2, 2}});  // up and down: no exponential
  EXPECT_EQ(exponential(kExpPlusC), "geen exp. functie");
  setPoints({{0, 1}, {1, 2}, {2, 3}});  // a straight line
  EXPECT_EQ(exponential(kExpPlusC), "geen exp. functie");
  // A base so near 1 that six decimals write it as 1: the text would draw another curve.
  setPoints({{0, 1}, {5000, std::exp(0.002)}, {10000, std::exp(0.004)}});
  EXPECT_EQ(exponential(kExpPower), "getallen buiten bereik");
  EXPECT_EQ(exponential(kExpE), "getallen buiten bereik");
}

// Random models through exact points: the formula read back passes near every point.
TEST_F(CurveFits, RandomModelsPassThroughTheirPoints) {
  std::mt19937 random(5);
  auto uniform = [&](double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  };
  const double xs[] = {-2, -1, 0, 1, 2.5};
  for (int round = 0; round < 40; ++round) {
    const int model = 1 + round % 5;
    const double a = (model == kExpPlusC || model == kExpEPlusC) && round % 2 ? -uniform(0.5, 3)
                                                                              : uniform(0.5, 3);
    const double k = (round % 3 == 0 ? 1 : -1) * uniform(0.3, 1.0);
    const double c = model <= kExpEPlusC ? uniform(-3, 3) : 0;
    const double q = uniform(-0.3, 0.3);
    auto y = [&](double x) {
      if (model == kExpQuadratic) return std::exp(q * x * x + k * x + a / 3);
      return a * std::exp(k * x) + c;
    };
    ws.points.pointCount = 0;
    for (double x : xs)
      ws.points.points[++ws.points.pointCount] = {x, y(x)};
    const FitOutcome fit = FitExponential(model, ws.points, scale, ws.leastSquares);
    ASSERT_TRUE(fit.formula) << "model " << model << " round " << round << ": " << fit.message;
    for (double x : xs) {
      // Six decimals in the text: what is left is the rounding of the numbers written.
      EXPECT_NEAR(valueOf(*fit.formula, x), y(x), 1e-4 * (1 + std::abs(y(x))))
          << *fit.formula << " at " << x;
    }
  }
}

}  // namespace
}  // namespace quorvel
