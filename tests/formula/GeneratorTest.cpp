// The generator: the steps it makes, in which order, and its limits.

#include <gtest/gtest.h>

#include "FormulaTestSupport.h"

namespace quorvel {
namespace {

class Generator : public ::testing::Test, public testing::EngineTest {
 protected:
  std::vector<Step> steps(int slot = 1) {
    std::vector<Step> list;
    for (const Step& step : engine.stepTable[slot]) {
      if (step.opcode == kOpEnd) break;
      list.push_back(step);
    }
    return list;
  }
  static std::string repeat(std::string_view piece, int times, std::string_view separator) {
    std::string text;
    for (int i = 0; i < times; ++i) {
      if (i > 0) text += separator;
      text += piece;
    }
    return text;
  }
};

TEST_F(Generator, WorkedExamples) {
  load("y = 2x + 1");
  EXPECT_EQ(steps(), (std::vector<Step>{{3, 1, 20, 200}, {1, 1, 1, 21}, {7, 201, 0, 1}}));
  EXPECT_EQ(engine.registers[20], 2);
  EXPECT_EQ(engine.registers[21], 1);

  load("y = x");
  EXPECT_EQ(steps(), (std::vector<Step>{{7, 201, 0, 200}}));

  load("x*y = 1", 2);
  EXPECT_EQ(steps(2), (std::vector<Step>{{3, 1, 200, 201}, {2, 202, 1, 40}}));

  load("y = sin(v) ; x = cos(v)", 3);
  EXPECT_EQ(steps(3),
            (std::vector<Step>{{14, 1, 0, 202}, {15, 2, 0, 202}, {7, 201, 0, 1}, {7, 200, 0, 2}}));
}

TEST_F(Generator, PostfixTableOfTheWorkedExample) {
  ASSERT_TRUE(engine.translateFormula(1, "y = 2x + 1").scanned);
  const auto entries = engine.postfixEntries();
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].reg, 201);
  EXPECT_EQ(entries[0].oper, 7);
  EXPECT_EQ(entries[0].prior, 2);
  EXPECT_EQ(entries[1].reg, 20);
  EXPECT_EQ(entries[1].oper, 3);
  EXPECT_EQ(entries[1].prior, 4);
  EXPECT_EQ(entries[2].reg, 200);
  EXPECT_EQ(entries[2].oper, 1);
  EXPECT_EQ(entries[2].prior, 3);
  EXPECT_EQ(entries[3].reg, 21);
  EXPECT_EQ(entries[3].oper, 0);
  EXPECT_EQ(engine.workingText(), "y=2x+1 ");
}

TEST_F(Generator, TwentyNineStepsAtMost) {
  load("y=" + repeat("x", 29, "+"));  // 28 additions and the assignment
  EXPECT_EQ(steps().size(), 29u);
  EXPECT_EQ(*y(1), 29);
  EXPECT_EQ(translate("y=" + repeat("x", 30, "+")), "1 : formule te lang");
}

TEST_F(Generator, PostfixTableHoldsThirtyEightOperators) {
  // 37 additions and "=" fit the table (the step limit then refuses them); a 39th operator
  // does not even fit the table.
  const TranslationOutcome fits = engine.translateFormula(1, "y=" + repeat("x", 38, "+"));
  EXPECT_TRUE(fits.scanned);
  EXPECT_EQ(fits.message, "1 : formule te lang");
  const TranslationOutcome overflows = engine.translateFormula(1, "y=" + repeat("x", 39, "+"));
  EXPECT_FALSE(overflows.scanned);
  EXPECT_EQ(overflows.message, "1 : formule te lang");
  // Implicit multiplications, unary minus and function names count alike.
  EXPECT_FALSE(engine.translateFormula(1, "y=" + repeat("-sin(x)", 20, "")).scanned);
}

TEST_F(Generator, NineteenTemporariesAtMost) {
  // Products bind before sums, so every product holds its own temporary until the sums.
  load("y=x+1+2", 2);  // the numbers of another slot must survive the attempt
  load("y=" + repeat("x*x", 14, "+"));
  EXPECT_EQ(*y(2), 56);
  EXPECT_EQ(translate("y=" + repeat("x*x", 20, "+")), "1 : formule te lang");
  EXPECT_EQ(engine.registers[40], 1);
  EXPECT_EQ(engine.registers[41], 2);
}

TEST_F(Generator, SlotsKeepTheirOwnNumbers) {
  std::string first = "y=1", second = "y=101";
  for (int i = 2; i <= 20; ++i) {
    first += "+" + std::to_string(i);
    second += "+" + std::to_string(100 + i);
  }
  load(first, 1);
  load(second, 9);
  EXPECT_EQ(*y(0, 1), 210);
  EXPECT_EQ(*y(0, 9), 2210);
  for (int i = 0; i < 20; ++i)
    EXPECT_EQ(engine.registers[180 + i], 101 + i);
}

}  // namespace
}  // namespace quorvel
