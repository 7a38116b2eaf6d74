// The debug view's rows: what the translator reports while debug mode is on.

#include <gtest/gtest.h>

#include "formula/DebugView.h"
#include "formula/FormulaEngine.h"

namespace quorvel {
namespace {

TEST(DebugView, RowsOfATranslation) {
  Settings settings;
  FormulaEngine engine(settings);
  DebugRows rows;
  engine.debugListener = &rows;
  engine.translateFormula(2, "y = 2x + 1,5");
  EXPECT_TRUE(rows.postfix.empty());  // debug mode off: nothing reported

  settings.debugMode = true;
  engine.translateFormula(2, "y = 2x + 1,5");
  EXPECT_EQ(rows.workingText, "y=2x+1,5 ");
  using Row3 = std::array<std::string, 3>;
  using Row4 = std::array<std::string, 4>;
  using Row2 = std::array<std::string, 2>;
  EXPECT_EQ(
      rows.postfix,
      (std::vector<Row3>{{"y", "=", "2"}, {"40", "*", "4"}, {"x", "+", "3"}, {"41", "end", "0"}}));
  EXPECT_EQ(rows.constants, (std::vector<Row2>{{"40", "2"}, {"41", "1,5"}}));
  EXPECT_EQ(rows.steps,
            (std::vector<Row4>{{"*", "1", "40", "x"}, {"+", "1", "1", "41"}, {"=", "y", "", "1"}}));

  // A failing translation after scanning still shows its table; a new one starts afresh.
  engine.translateFormula(1, "y = sin(x)");
  EXPECT_EQ(rows.postfix.size(), 3u);
  EXPECT_TRUE(rows.constants.empty());
}

// The program of an inequality shows its comparisons: ">" as typed in the table, as "<" with
// its sides swapped among the steps.
TEST(DebugView, ComparisonsOfAnInequality) {
  Settings settings;
  settings.debugMode = true;
  FormulaEngine engine(settings);
  DebugRows rows;
  engine.debugListener = &rows;
  engine.translateFormula(1, "2 > y >= x");
  using Row3 = std::array<std::string, 3>;
  using Row4 = std::array<std::string, 4>;
  EXPECT_EQ(rows.postfix,
            (std::vector<Row3>{{"20", ">", "2"}, {"y", ">=", "2"}, {"x", "end", "0"}}));
  EXPECT_EQ(rows.steps, (std::vector<Row4>{{"<", "1", "y", "20"}, {"<=", "2", "x", "y"}}));
}

TEST(DebugView, Names) {
  EXPECT_EQ(operandName(0), "");
  EXPECT_EQ(operandName(19), "19");
  EXPECT_EQ(operandName(200), "x");
  EXPECT_EQ(operandName(206), "pi");
  EXPECT_EQ(operandName(207), "e");
  EXPECT_EQ(operandName(frozenConstantCode(3, kRegA)), "a3");
  EXPECT_EQ(operandName(frozenConstantCode(9, kRegC)), "c9");
  EXPECT_EQ(operatorName(0), "end");
  EXPECT_EQ(operatorName(6), "(-)");
  EXPECT_EQ(operatorName(9), "");
  EXPECT_EQ(operatorName(21), "int");
}

}  // namespace
}  // namespace quorvel
