#pragma once
// A formula engine of its own for each test, with short ways to translate and evaluate.

#include <optional>
#include <string>
#include <string_view>

#include "common/Settings.h"
#include "formula/FormulaEngine.h"

namespace quorvel::testing {

class EngineTest {
 public:
  Settings settings;
  FormulaEngine engine{settings};

  // The message line after translating `text` into `slot`.
  std::string translate(std::string_view text, int slot = 1) {
    return engine.translateFormula(slot, text).message;
  }

  // Translates and marks the slot as plotted, as the plot entry would.
  void load(std::string_view text, int slot = 1) {
    const TranslationOutcome outcome = engine.translateFormula(slot, text);
    if (outcome.next == AfterTranslation::Nothing) throw std::runtime_error(outcome.message);
    engine.slotKind[slot] = engine.formulaType;
  }

  // Runs the slot with one input register set; the output register's value, or nothing
  // when the point is invalid.
  std::optional<double> run(uint8_t inputCode, double input, uint8_t outputCode, int slot = 1) {
    engine.registers[inputCode] = input;
    engine.evalSlot = slot;
    engine.runProgram();
    if (!engine.evalValid) return std::nullopt;
    return engine.registers[outputCode];
  }

  // y of a y = f(x) formula at x.
  std::optional<double> y(double x, int slot = 1) { return run(kRegX, x, kRegY, slot); }

  // Value of a formula "y = <expression>" that does not use x.
  std::optional<double> value(std::string_view expression) {
    load("y=" + std::string(expression));
    return y(0);
  }
};

}  // namespace quorvel::testing
