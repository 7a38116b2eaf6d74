// Whatever the text, the translator either translates it or answers with one of its
// messages; whatever it translated, the evaluators agree and never store a NaN or infinity.
// Formulas are generated from the grammar, then mutated, plus plain random bytes.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "FormulaGenerator.h"
#include "FormulaTestSupport.h"
#include "evaluation/BatchAgreement.h"

namespace quorvel {
namespace {

using testing::FormulaGenerator;

bool isTranslatorAnswer(const std::string& message, int slot) {
  const std::string head = std::to_string(slot) + " : ";
  if (message.compare(0, head.size(), head) != 0) return false;
  const std::string rest = message.substr(head.size());
  if (rest == "OK") return true;
  for (int i = 1; i <= static_cast<int>(TranslatorError::PolarVariables); ++i) {
    const auto text = translatorMessage(static_cast<TranslatorError>(i));
    if (rest.compare(0, text.size(), text) == 0) return true;
  }
  return false;
}

class RandomFormulas : public ::testing::Test, public testing::EngineTest {};

TEST_F(RandomFormulas, TranslateOrAnswerAndEvaluateAlike) {
  FormulaGenerator generator(12345);
  engine.registers[kRegA] = 1.5;
  engine.registers[kRegB] = -0.5;
  engine.registers[kRegC] = 2;
  int translated = 0;
  for (int i = 0; i < 30000; ++i) {
    const std::string text = i % 10 == 9 ? generator.bytes() : generator.formula();
    const int slot = 1 + generator.pick(9);
    settings.degreesMode = generator.pick(2) == 0;
    const TranslationOutcome outcome = engine.translateFormula(slot, text);
    ASSERT_TRUE(isTranslatorAnswer(outcome.message, slot)) << text << " -> " << outcome.message;
    if (outcome.next == AfterTranslation::Nothing) continue;
    ++translated;
    engine.slotKind[slot] = engine.formulaType;
    static const std::vector<double> inputs = {-3, -1, -0.5, 0, 0.5, 1, 2, 3.7, 10, 1e6, -1e-6, 90};
    const testing::TypeRegisters r = testing::registersOfSlot(engine, slot);
    ASSERT_EQ(testing::compareBatchWithPoints(engine, slot, r, inputs), "") << text;
    // Rows over y for implicit equations and inequalities, over a for the other formulas.
    static const std::vector<double> rows = {-2, 0, 0.5, 3};
    const bool overY = engine.formulaType == kSlotImplicit || engine.formulaType == kSlotInequality;
    const uint8_t rowCode = overY ? kRegY : kRegA;
    ASSERT_EQ(testing::compareRowsWithPoints(engine, slot, r, rowCode, rows, inputs), "") << text;
  }
  EXPECT_GT(translated, 5000);  // the generator does reach the evaluator
}

TEST_F(RandomFormulas, DeepAndLongTexts) {
  for (int n : {10, 19, 20, 21, 50, 150, 300}) {
    const std::string open(n, '(');
    const std::string close(n, ')');
    for (const std::string& text :
         {"y=" + open + "x" + close, "y=" + open + "-" + close, "y=" + std::string(n, '-') + "x",
          "y=" + std::string(n, '9') + "x", "y=x" + std::string(n, '^'), open + "x=y" + close,
          "y=" + std::string(n, 'x'), "y=x" + std::string(n, ';') + "x"}) {
      const TranslationOutcome outcome = engine.translateFormula(1, text);
      EXPECT_TRUE(isTranslatorAnswer(outcome.message, 1)) << text;
    }
  }
}

}  // namespace
}  // namespace quorvel
