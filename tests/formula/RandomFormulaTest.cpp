// Whatever the text, the translator either translates it or answers with one of its
// messages; whatever it translated, the evaluators agree and never store a NaN or infinity.
// Formulas are generated from the grammar, then mutated, plus plain random bytes.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "BatchAgreement.h"
#include "FormulaTestSupport.h"

namespace quorvel {
namespace {

class FormulaGenerator {
 public:
  explicit FormulaGenerator(uint64_t seed) : random_(seed) {}

  std::string formula() {
    std::string text;
    switch (pick(6)) {
      case 0:
        text = "y=" + prefix() + expression(3, "x");
        break;
      case 1:
        text = "x=" + expression(3, "y");
        break;
      case 2:
        text = "y=" + expression(3, "v") + ";x=" + expression(3, "v");
        break;
      case 3:
        text = "x=" + expression(3, "v") + ";y=" + expression(3, "v");
        break;
      default:
        text = expression(3, "xy") + "=" + expression(3, "xy");
        break;
    }
    if (pick(3) == 0) mutate(text);
    return text;
  }

  std::string bytes() {
    std::string text(pick(300), ' ');
    for (char& c : text)
      c = static_cast<char>(pick(256));
    return text;
  }

  int pick(int n) { return static_cast<int>(random_() % static_cast<uint64_t>(n)); }

 private:
  std::string prefix() {
    static const char* prefixes[] = {"", "", "", "d:", "dd:", "ddd:", "i:", "dddd:", "d"};
    return prefixes[pick(9)];
  }

  std::string expression(int depth, const std::string& variables) {
    static const char* numbers[] = {"0", "1", "2", "0,5", "3,25", "10", "1000", "0,001"};
    static const char* names[] = {"a", "b", "c", "p", "e"};
    static const char* operators[] = {"+", "-", "*", "/", "^", ""};
    static const char* functions[] = {"asin", "acos", "atan", "sqrt", "sin", "cos",
                                      "tan",  "log",  "abs",  "exp",  "ln",  "int"};
    const int choice = depth <= 0 ? pick(3) : pick(8);
    switch (choice) {
      case 0:
        return numbers[pick(8)];
      case 1:
        return std::string(1, variables[pick(static_cast<int>(variables.size()))]);
      case 2:
        return names[pick(5)];
      case 3:
        return std::string(functions[pick(12)]) + "(" + expression(depth - 1, variables) + ")";
      case 4:
        return "(" + expression(depth - 1, variables) + ")";
      case 5:
        return "-" + expression(depth - 1, variables);
      default:
        return expression(depth - 1, variables) + operators[pick(6)] +
               expression(depth - 1, variables);
    }
  }

  void mutate(std::string& text) {
    static const std::string alphabet = "0123456789,.xyvabcpedi:+-*/^()=; #XY";
    const int edits = 1 + pick(4);
    for (int e = 0; e < edits && !text.empty(); ++e) {
      const size_t at = static_cast<size_t>(pick(static_cast<int>(text.size())));
      switch (pick(4)) {
        case 0:
          text.erase(at, 1);
          break;
        case 1:
          text.insert(at, 1, alphabet[pick(static_cast<int>(alphabet.size()))]);
          break;
        case 2:
          text.insert(at, text.substr(at, pick(20)));
          break;
        default:
          text[at] = alphabet[pick(static_cast<int>(alphabet.size()))];
          break;
      }
    }
  }

  std::mt19937_64 random_;
};

bool isTranslatorAnswer(const std::string& message, int slot) {
  const std::string head = std::to_string(slot) + " : ";
  if (message.compare(0, head.size(), head) != 0) return false;
  const std::string rest = message.substr(head.size());
  if (rest == "OK") return true;
  for (int i = 1; i <= 20; ++i) {
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
    ASSERT_EQ(testing::compareBatchWithPoints(engine, slot,
                                              testing::registersOfType(engine.formulaType), inputs),
              "")
        << text;
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
