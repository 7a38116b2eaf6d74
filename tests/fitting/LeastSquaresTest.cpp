// The least-squares polynomial through the points: the solver on its own, and the fit as the
// menu command gives it.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "../plot/PlotTestSupport.h"
#include "LeastSquaresReferences.h"
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

// Forty points in a width of 1e-12 (a graph file can hold them, the points table would not):
// numerically singular, so the slot keeps what it had and no grid cell gets a number.
TEST_F(PolynomialFit, ANumericallySingularSystemLeavesTheSlot) {
  ws.poly.cells = {"", "5"};
  ws.poly.StorePolyFromGrid(2);
  ws.points.pointCount = 0;
  for (int i = 0; i < 40; ++i)
    ws.points.points[++ws.points.pointCount] = {5 + i * 2.5e-14, double(i % 3)};
  fit(2, 7);
  EXPECT_EQ(ws.MsgText, "geen polynoom mogelijk");
  EXPECT_EQ(slot(2).coef[0], 5);
  EXPECT_EQ(slot(2).degree, 0);
  EXPECT_EQ(ws.poly.cells[1], "5");
}

// Polynomials of every degree come back from exact points on them. x runs over multiples of
// 1/8 in [-2.5, 2.5], where every power and every y is exact in a double, so all error is the
// solver's; the coefficients are whole numbers, and they come back to within a few units of
// the last place.
TEST(LeastSquaresSolver, ReproducesPolynomialsFromExactPoints) {
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
        ASSERT_NEAR(lsq.lsqCoef[k], p[k], 1e-14)
            << "degree " << degree << ", " << lsq.lsqN << " points";
      }
    }
  }
}

// Against least-squares solutions computed exactly, in rational arithmetic, from the same
// doubles (least_squares_references.py): points on polynomials of every degree 1..7 and with
// noise, 8 to 40 of them over [0, 20], [-1000, 1000] and [1e5, 3e6]. Every coefficient has at
// least 12 correct significant digits; the conditioning of these problems (at most 3e5 for
// the powers of x with scaled columns) would allow 16 - 5.5 in plain double arithmetic.
TEST(LeastSquaresSolver, AsExactAsDoublesAllow) {
  LeastSquares lsq;
  double fewestDigits = 17;
  std::string worst;
  for (const auto& problem : testing::kLeastSquaresReferences) {
    lsq.lsqN = problem.count;
    lsq.lsqM = problem.degree + 1;
    for (int r = 0; r < problem.count; ++r) {
      lsq.lsqX[r] = problem.x[r];
      lsq.lsqY[r] = problem.y[r];
    }
    lsq.SolveLeastSquares();
    for (int k = 0; k <= problem.degree; ++k) {
      const double want = problem.coefficients[k];
      const double error = std::abs(lsq.lsqCoef[k] - want) / std::abs(want);
      const double digits = error == 0 ? 17 : -std::log10(error);
      EXPECT_GE(digits, 12) << problem.name << ", coefficient " << k << ": " << lsq.lsqCoef[k]
                            << " against " << want;
      if (digits < fewestDigits) {
        fewestDigits = digits;
        worst = problem.name;
      }
    }
  }
  std::printf("fewest correct digits: %.1f (%s)\n", fewestDigits, worst.c_str());
}

// Exact points must give their polynomial back: 1 + x + ... + x^5 at x = 0, 1, ..., 20 is
// where a naive solver returns 0,99987 for the constant term.
TEST(LeastSquaresSolver, ExactPointsGiveTheirPolynomial) {
  LeastSquares lsq;
  lsq.lsqN = 21;
  lsq.lsqM = 6;
  for (int r = 0; r <= 20; ++r) {
    lsq.lsqX[r] = r;
    lsq.lsqY[r] = horner(PolyWork{1, 1, 1, 1, 1, 1}, 5, r);
  }
  lsq.SolveLeastSquares();
  for (int k = 0; k <= 5; ++k)
    EXPECT_EQ(lsq.lsqCoef[k], 1) << k;
}

// Points that a double cannot tell apart well enough for the powers of x: no polynomial,
// rather than coefficients that are noise.
TEST(LeastSquaresSolver, NumericallySingularSystemsHaveNoSolution) {
  LeastSquares lsq;
  lsq.lsqN = 40;
  for (int r = 0; r < 40; ++r) {
    lsq.lsqX[r] = 5 + r * 2.5e-14;  // 40 points in a width of 1e-12
    lsq.lsqY[r] = r % 3;
  }
  for (int m : {2, 4, 8}) {
    lsq.lsqM = m;
    lsq.SolveLeastSquares();
    for (int k = 0; k < m; ++k)
      EXPECT_FALSE(std::isfinite(lsq.lsqCoef[k])) << m << " " << k;
  }
  lsq.lsqM = 1;  // the mean is always there
  lsq.SolveLeastSquares();
  EXPECT_NEAR(lsq.lsqCoef[0], 39.0 / 40, 1e-15);
  lsq.lsqN = 3;  // fewer points than coefficients
  lsq.lsqM = 4;
  lsq.SolveLeastSquares();
  EXPECT_FALSE(std::isfinite(lsq.lsqCoef[0]));
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
