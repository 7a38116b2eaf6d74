// Polynomial slots through the coefficient grid: storing and loading, the nine editing
// commands with every message, a, b, c coefficients, and the plotted curve.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "../plot/PlotTestSupport.h"
#include "common/NumberText.h"
#include "fitting/PolyInput.h"

namespace quorvel {
namespace {

class Polynomials : public testing::PlotTest {
 protected:
  PolyInput& poly = ws.poly;

  // The grid's cells of rows 1..8, as the user types them.
  void setGrid(std::initializer_list<const char*> rows) {
    poly.ResetPolyGrid();
    int row = 1;
    for (const char* cell : rows)
      poly.cells[row++] = cell;
  }
  std::vector<std::string> grid() const {
    std::vector<std::string> rows(poly.cells.begin() + 1, poly.cells.end());
    while (!rows.empty() && rows.back().empty())
      rows.pop_back();
    return rows;
  }
  // Plots the grid into `slot`.
  void plotGrid(int slot, std::initializer_list<const char*> rows) {
    setGrid(rows);
    poly.StorePolyFromGrid(slot);
  }
  bool onCurve(double x, double y, int slot) const {
    const int column = scale.WorldToColumn(x);
    const int row = scale.WorldToRow(y);
    for (int dy = -1; dy <= 1; ++dy) {
      if (marked(column, row + dy, slot)) return true;
    }
    return false;
  }
};

TEST_F(Polynomials, StoreReadsTheGridAndPlots) {
  plotGrid(2, {"1", "-2,5", "", "0,5"});  // 1 - 2.5x + 0.5x^3
  const TPolynoom& p = poly.polySlots[2];
  EXPECT_EQ(ws.formulas.slotKind[2], kSlotPolynomial);
  EXPECT_EQ(p.degree, 3);
  EXPECT_EQ(poly.polyDegree, 3);
  EXPECT_EQ(p.coef[0], 1);
  EXPECT_EQ(p.coef[1], -2.5);
  EXPECT_EQ(p.coef[3], 0.5);
  EXPECT_TRUE(onCurve(2, 0, 2));
  EXPECT_TRUE(onCurve(-2, 2, 2));
  EXPECT_EQ(ws.MsgText, "");

  // An empty grid is the constant 0; trailing zeros do not count.
  plotGrid(3, {});
  EXPECT_EQ(poly.polySlots[3].degree, 0);
  EXPECT_EQ(poly.polySlots[3].coef[0], 0);
  EXPECT_TRUE(onCurve(5, 0, 3));
  plotGrid(3, {"", "", "", "", "", "", "", "0"});
  EXPECT_EQ(poly.polySlots[3].degree, 0);
  // A full stop counts as the decimal comma.
  plotGrid(4, {"2.5"});
  EXPECT_EQ(poly.polySlots[4].coef[0], 2.5);
}

TEST_F(Polynomials, AFaultyCoefficientStoresNothing) {
  plotGrid(2, {"1", "2"});
  plotGrid(2, {"7", "1,2,3"});
  EXPECT_EQ(ws.MsgText, "fout in coefficient :1,2,3");
  EXPECT_EQ(poly.polySlots[2].coef[0], 1);
  EXPECT_EQ(poly.polySlots[2].degree, 1);
  ws.formulas.slotKind[5] = kSlotEmpty;
  plotGrid(5, {"x"});
  EXPECT_EQ(ws.MsgText, "fout in coefficient :x");
  EXPECT_EQ(ws.formulas.slotKind[5], kSlotEmpty);
}

TEST_F(Polynomials, ConstantCoefficientsFollowTheConstants) {
  plotGrid(1, {"", "", "a"});  // a x^2
  EXPECT_EQ(poly.polySlots[1].kind[2], kConstantA);
  EXPECT_EQ(poly.polySlots[1].degree, 2);
  EXPECT_TRUE(onCurve(3, 0, 1));  // a = 0
  ws.constants.a = 1;
  graph.RedrawAll();
  EXPECT_TRUE(onCurve(2, 4, 1));
  EXPECT_FALSE(onCurve(3, 0, 1));
  poly.PreparePolyEval(1);
  EXPECT_EQ(poly.EvalPoly(1, 3), 9);
  // "laad" shows the constant again, and "subst. abc" freezes it.
  poly.LoadPolyToGrid(1);
  EXPECT_EQ(grid(), (std::vector<std::string>{"0,0", "0,0", "a"}));
  ws.constants.a = 0.5;
  poly.SubstPolyConstants(1);
  ws.constants.a = 7;
  poly.LoadPolyToGrid(1);
  EXPECT_EQ(grid(), (std::vector<std::string>{"0,0", "0,0", "0,5"}));
}

TEST_F(Polynomials, LoadWritesTheSlotIntoTheGrid) {
  plotGrid(6, {"0,1", "123456,75", "", "-1E-7"});
  setGrid({"9", "9", "9", "9", "9", "9", "9", "9"});
  poly.polyDegree = 7;
  poly.LoadPolyToGrid(6);
  EXPECT_EQ(grid(), (std::vector<std::string>{"0,1", "123456,75", "0,0", "-0,0000001"}));
  EXPECT_EQ(poly.polyDegree, 3);
}

// The editing commands: the grid after each, and the degree.
TEST_F(Polynomials, EditingCommands) {
  struct Case {
    int code;
    std::vector<const char*> rows;
    std::vector<std::string> result;
    int degree;
  };
  const Case cases[] = {
      {kPolyDerive, {"4", "3"}, {"3,0"}, 0},
      {kPolyDerive, {"4"}, {"0,0"}, 0},  // a zero polynomial is one row
      {kPolyDerive, {"1", "1", "1", "1"}, {"1,0", "2,0", "3,0"}, 2},
      {kPolyIntegrate, {"", "", "3"}, {"0,0", "0,0", "0,0", "1,0"}, 3},
      {kPolyIntegrate, {"2", "-1"}, {"0,0", "2,0", "-0,5"}, 2},
      {kPolyRound, {"1,123456789", "-0,00000004", "2"}, {"1,1234568", "0,0", "2,0"}, 2},
      {kPolyMirrorX, {"1", "-2", "3"}, {"-1,0", "2,0", "-3,0"}, 2},
      {kPolyMirrorY, {"1", "-2", "3", "4"}, {"1,0", "2,0", "3,0", "-4,0"}, 3},
      {kPolyMirrorOrigin, {"1", "-2", "3", "4"}, {"-1,0", "-2,0", "-3,0", "4,0"}, 3},
  };
  for (const Case& c : cases) {
    poly.ResetPolyGrid();
    int row = 1;
    for (const char* cell : c.rows)
      poly.cells[row++] = cell;
    EXPECT_TRUE(poly.PolyCommand(c.code, 1));
    EXPECT_EQ(grid(), c.result) << c.code << " on " << c.rows[0];
    EXPECT_EQ(poly.polyDegree, c.degree) << c.code;
    EXPECT_EQ(ws.MsgText, "");
  }
}

TEST_F(Polynomials, ZeroInTheLastRow) {
  setGrid({"", "", "", "", "", "", "", "0"});
  poly.polyDegree = 2;
  // The read makes the degree 7 (the last filled cell), the write-back 0.
  EXPECT_TRUE(poly.PolyCommand(kPolyMirrorX, 1));
  EXPECT_EQ(grid(), std::vector<std::string>{"0,0"});
  EXPECT_EQ(poly.polyDegree, 0);
  // Read for a command that is then refused: an empty grid keeps the degree it had.
  setGrid({});
  poly.polyDegree = 4;
  EXPECT_FALSE(poly.PolyCommand(kPolyPlus, 9));
  EXPECT_EQ(poly.polyDegree, 4);
  setGrid({"", "", "", "", "", "", "", "0"});
  EXPECT_FALSE(poly.PolyCommand(kPolyPlus, 9));
  EXPECT_EQ(poly.polyDegree, 7);
}

TEST_F(Polynomials, CommandsWithTheSelectedSlot) {
  plotGrid(2, {"1", "1"});  // 1 + x
  setGrid({"0", "2", "3"});
  EXPECT_TRUE(poly.PolyCommand(kPolyPlus, 2));
  EXPECT_EQ(grid(), (std::vector<std::string>{"1,0", "3,0", "3,0"}));
  EXPECT_TRUE(poly.PolyCommand(kPolyMinus, 2));
  EXPECT_EQ(grid(), (std::vector<std::string>{"0,0", "2,0", "3,0"}));
  EXPECT_TRUE(poly.PolyCommand(kPolyTimes, 2));  // (1 + x)(2x + 3x^2)
  EXPECT_EQ(grid(), (std::vector<std::string>{"0,0", "2,0", "5,0", "3,0"}));
  EXPECT_EQ(poly.polyDegree, 3);

  // Degrees 3 and 4 make 7; 4 and 4 would make 8.
  plotGrid(3, {"1", "1", "1", "1", "1"});
  setGrid({"1", "0", "0", "2"});
  EXPECT_TRUE(poly.PolyCommand(kPolyTimes, 3));
  EXPECT_EQ(grid(),
            (std::vector<std::string>{"1,0", "1,0", "1,0", "3,0", "3,0", "2,0", "2,0", "2,0"}));
  setGrid({"1", "0", "0", "0", "2"});
  EXPECT_FALSE(poly.PolyCommand(kPolyTimes, 3));
  EXPECT_EQ(ws.MsgText, "graad  > 7");
  EXPECT_EQ(poly.cells[5], "2");
}

TEST_F(Polynomials, CommandsRefusedWithTheirMessages) {
  plot("y=x", 4);
  setGrid({"1"});
  EXPECT_FALSE(poly.PolyCommand(kPolyPlus, 4));
  EXPECT_EQ(ws.MsgText, "geen polynoom");
  ws.MsgText.clear();
  EXPECT_FALSE(poly.PolyCommand(kPolyMinus, 9));  // empty slot
  EXPECT_EQ(ws.MsgText, "geen polynoom");

  plotGrid(5, {"1", "b"});
  setGrid({"1"});
  EXPECT_FALSE(poly.PolyCommand(kPolyTimes, 5));
  EXPECT_EQ(ws.MsgText, "verwijder abc uit polynoom  5");

  setGrid({"1", "2", "c"});
  EXPECT_FALSE(poly.PolyCommand(kPolyDerive, 5));
  EXPECT_EQ(ws.MsgText, "verwijder a,b,c uit tabel");
  EXPECT_EQ(poly.currentRow, 3);

  setGrid({"1", "zes", "2"});
  poly.polyDegree = 5;
  EXPECT_FALSE(poly.PolyCommand(kPolyDerive, 5));
  EXPECT_EQ(ws.MsgText, "fout in coefficient");
  EXPECT_EQ(poly.currentRow, 2);
  EXPECT_EQ(poly.polyDegree, 5);

  setGrid({"1", "1", "1", "1", "1", "1", "1", "1"});
  ws.MsgText.clear();
  EXPECT_TRUE(poly.PolyCommand(kPolyIntegrate, 5));  // the grid becomes the input all the same
  EXPECT_EQ(ws.MsgText, "graad te hoog");
  EXPECT_EQ(poly.cells[8], "1");
}

TEST_F(Polynomials, ResultsTooLargeForANumberAreRefused) {
  plotGrid(2, {"1E200"});
  setGrid({"1E200"});
  EXPECT_TRUE(poly.PolyCommand(kPolyTimes, 2));
  EXPECT_EQ(ws.MsgText, "getallen buiten bereik");
  EXPECT_EQ(grid(), std::vector<std::string>{"1E200"});
  ws.MsgText.clear();
  setGrid({"1,5E308"});
  EXPECT_TRUE(poly.PolyCommand(kPolyPlus, 2));  // 1,5E308 + 1E200 still fits
  EXPECT_EQ(grid(), std::vector<std::string>{"1,5E308"});
  EXPECT_EQ(ws.MsgText, "");
  plotGrid(2, {"1,7E308"});
  setGrid({"1,7E308"});
  EXPECT_TRUE(poly.PolyCommand(kPolyPlus, 2));
  EXPECT_EQ(ws.MsgText, "getallen buiten bereik");
  EXPECT_EQ(grid(), std::vector<std::string>{"1,7E308"});
}

TEST_F(Polynomials, OverflowingValuesAreNotDrawn) {
  // 1E300 x^7 is beyond a double left and right of the middle; the middle is drawn.
  plotGrid(1, {"", "", "", "", "", "", "", "1E300"});
  EXPECT_TRUE(onCurve(0, 0, 1));
  for (int column : {0, 100, 700, 800}) {
    for (int row = 0; row <= kLastPixel; ++row)
      ASSERT_FALSE(marked(column, row, 1)) << column << "," << row;
  }
}

TEST_F(Polynomials, EvaluationIsHornersScheme) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> coefficient(-3, 3);
  std::uniform_int_distribution<int> degree(0, 7);
  for (int round = 0; round < 20; ++round) {
    setGrid({});
    const int d = degree(random);
    for (int i = 0; i <= d; ++i)
      poly.cells[i + 1] = FormatFloat("###0.0###", coefficient(random));
    poly.StorePolyFromGrid(1);
    poly.PreparePolyEval(1);
    for (int column = 0; column <= kLastPixel; column += 40) {
      const double x = scale.columnWorldX[column];
      double expected = 0;
      for (int i = d; i >= 0; --i)
        expected = expected * x + *parseFloat(poly.cells[i + 1]);
      ASSERT_EQ(poly.EvalPoly(1, x), expected);
    }
  }
}

}  // namespace
}  // namespace quorvel
