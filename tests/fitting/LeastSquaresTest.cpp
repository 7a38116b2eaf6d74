// The least-squares polynomial through the points: the solver on its own, and the fit as the
// menu command gives it.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "../plot/PlotTestSupport.h"
#include "fitting/LeastSquares.h"

namespace quorvel {
namespace {

class PolynomialFit : public testing::PlotTest {
 protected:
  void setPoints(std::initializer_list<TPoint> list) {
    ws.points.pointCount = 0;
    for (const TPoint& p : list)
      ws.points.points[++ws.points.pointCount] = p;
  }
  void fit(int slot, int degree) {
    ws.poly.polyDegree = degree;
    ws.poly.FitPolynomial(ws.points, slot, ws.leastSquares);
  }
  const TPolynoom& slot(int s) const { return ws.poly.polySlots[s]; }
};

TEST_F(PolynomialFit, NoPoints) {
  fit(1, 2);
  EXPECT_EQ(ws.MsgText, "punten ontbreken");
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotEmpty);
}

TEST_F(PolynomialFit, TooFewPointsLowerTheDegree) {
  setPoints({{2, 3}});
  fit(1, 2);
  EXPECT_EQ(ws.poly.polyDegree, 0);
  EXPECT_EQ(slot(1).degree, 0);
  EXPECT_DOUBLE_EQ(slot(1).coef[0], 3);
  EXPECT_EQ(ws.MsgText, "polynoom berekend");
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotPolynomial);

  setPoints({{1, 1}, {3, 5}});
  fit(2, 5);  // the line through both
  EXPECT_EQ(ws.poly.polyDegree, 1);
  EXPECT_NEAR(slot(2).coef[0], -1, 1e-12);
  EXPECT_NEAR(slot(2).coef[1], 2, 1e-12);
  EXPECT_EQ(ws.poly.cells[3], "");
}

TEST_F(PolynomialFit, ThroughThreePointsAndIntoTheGrid) {
  setPoints({{-1, 1}, {0, 0}, {1, 1}});
  fit(3, 2);
  EXPECT_NEAR(slot(3).coef[0], 0, 1e-12);
  EXPECT_NEAR(slot(3).coef[1], 0, 1e-12);
  EXPECT_NEAR(slot(3).coef[2], 1, 1e-12);
  EXPECT_EQ(ws.poly.cells[3], "1,0");
  EXPECT_EQ(ws.poly.cells[4], "");
  // Plotted in the slot's colour: through (2, 4).
  const int column = scale.WorldToColumn(2);
  bool drawn = false;
  for (int dy = -1; dy <= 1; ++dy)
    drawn = drawn || marked(column, scale.WorldToRow(4) + dy, 3);
  EXPECT_TRUE(drawn);
}

TEST_F(PolynomialFit, FortyPointsOnALine) {
  ws.points.pointCount = 0;
  for (int i = 0; i < 40; ++i) {
    const double x = -10 + 0.5 * i;
    ws.points.points[++ws.points.pointCount] = {x, 2 * x + 1};
  }
  fit(1, 3);
  EXPECT_NEAR(slot(1).coef[0], 1, 1e-9);
  EXPECT_NEAR(slot(1).coef[1], 2, 1e-9);
  EXPECT_NEAR(slot(1).coef[2], 0, 1e-9);
  EXPECT_NEAR(slot(1).coef[3], 0, 1e-9);
}

TEST_F(PolynomialFit, ReplacesWhatTheSlotHeld) {
  ws.poly.cells = {"", "1", "1", "1", "1", "1", "1", "1", "1"};
  ws.poly.StorePolyFromGrid(4);
  ASSERT_EQ(slot(4).degree, 7);
  setPoints({{-1, 1}, {0, 0}, {1, 1}});
  fit(4, 2);
  for (int i = 3; i <= 7; ++i)
    EXPECT_EQ(slot(4).coef[i], 0) << i;
  // "plus" with that slot now adds only the fitted parabola.
  ws.poly.cells = {"", "1", "", "", "", "", "", "", "1"};
  EXPECT_TRUE(ws.poly.PolyCommand(kPolyPlus, 4));
  EXPECT_EQ(ws.poly.cells[3], "1,0");
  EXPECT_EQ(ws.poly.cells[8], "1,0");
  EXPECT_EQ(ws.poly.cells[5], "0,0");

  plot("y=sin(x)", 5);
  fit(5, 2);
  EXPECT_EQ(ws.formulas.slotKind[5], kSlotPolynomial);
}

TEST_F(PolynomialFit, ASolutionBeyondNumbersLeavesTheSlot) {
  ws.poly.cells = {"", "5"};
  ws.poly.StorePolyFromGrid(2);
  // Points allowed by the list (distinct x, lines through the origin), but x^4 overflows.
  setPoints({{1e200, 0}, {2e200, 0}, {3e200, 0}});
  fit(2, 2);
  EXPECT_EQ(ws.MsgText, "geen polynoom mogelijk");
  EXPECT_EQ(slot(2).coef[0], 5);
  EXPECT_EQ(slot(2).degree, 0);
}

// Polynomials of every degree come back from exact points on them. x runs over multiples of
// 1/8 in [-2.5, 2.5], where every power and every y is exact in a double, so all error is the
// solver's. The normal equations square the conditioning of the system, which for points
// spread over [-2.5, 2.5] grows tenfold to a hundredfold with each degree; with 16 digits in a
// double, coefficients of order 1 come back to about 1e-15 at degree 1 and only about 1e-4 at
// degree 7 (8 points: the worst case). The bounds are ten times the worst error these inputs
// give, so a change that loses a digit anywhere fails.
TEST(LeastSquaresSolver, ReproducesPolynomialsFromExactPoints) {
  constexpr double kTolerance[kCoefficients] = {1e-13, 1e-13, 1e-12, 1e-11,
                                                1e-10, 1e-7,  1e-6,  1e-3};
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> coefficient(-9, 9);
  LeastSquares lsq;
  for (int degree = 0; degree <= kMaxDegree; ++degree) {
    for (int round = 0; round < 25; ++round) {
      PolyWork p{};
      for (int i = 0; i <= degree; ++i)
        p[i] = coefficient(random);
      std::uniform_int_distribution<int> count(degree + 1, kMaxPoints);
      lsq.lsqN = count(random);
      lsq.lsqM = degree + 1;
      // Evenly spread over [-2.5, 2.5] in steps of whole eighths.
      const int eighths = lsq.lsqN > 1 ? 40 / (lsq.lsqN - 1) : 1;
      for (int r = 0; r < lsq.lsqN; ++r) {
        lsq.lsqX[r] = -2.5 + r * eighths / 8.0;
        lsq.lsqY[r] = horner(p, degree, lsq.lsqX[r]);
      }
      lsq.SolveLeastSquares();
      for (int k = 0; k <= degree; ++k) {
        ASSERT_NEAR(lsq.lsqCoef[k], p[k], kTolerance[degree])
            << "degree " << degree << ", " << lsq.lsqN << " points";
      }
    }
  }
}

TEST(LeastSquaresSolver, LineAndParabolaForTheExponentialFits) {
  LeastSquares lsq;
  const TPoint line[] = {{0, 1}, {1, 3}, {2, 5}, {3, 7}};
  std::array<double, 2> c2{};
  ASSERT_TRUE(lsq.FitLinear(line, c2));
  EXPECT_NEAR(c2[0], 1, 1e-12);
  EXPECT_NEAR(c2[1], 2, 1e-12);
  const TPoint parabola[] = {{-1, 2}, {0, 1}, {1, 2}, {2, 5}};
  std::array<double, 3> c3{};
  ASSERT_TRUE(lsq.FitQuadratic(parabola, c3));
  EXPECT_NEAR(c3[0], 1, 1e-12);
  EXPECT_NEAR(c3[1], 0, 1e-12);
  EXPECT_NEAR(c3[2], 1, 1e-12);
  const TPoint far[] = {{1e200, 0}, {2e200, 1}, {3e200, 0}};
  EXPECT_FALSE(lsq.FitQuadratic(far, c3));
}

}  // namespace
}  // namespace quorvel
