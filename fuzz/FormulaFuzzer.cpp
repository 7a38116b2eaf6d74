// Fuzzes the translator and both evaluators. The first byte picks the slot and the angle
// unit; the rest is the formula text. Whatever the text, the translator answers; whatever it
// translates, the batch evaluator agrees with the point evaluator and no register ever
// holds a NaN or an infinity.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "common/Settings.h"
#include "evaluation/BatchAgreement.h"
#include "formula/FormulaEngine.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static Settings settings;
  static FormulaEngine engine(settings);
  const int slot = 1 + data[0] % kSlotCount;
  settings.degreesMode = (data[0] & 0x80) != 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  // Every input starts from the same registers, so that a finding can be replayed alone.
  engine.registers = RegisterFile{};
  engine.registers[kRegPi] = 3.141592653589793;
  engine.registers[kRegE] = 2.718281828459045;
  engine.registers[kRegA] = 1.5;
  engine.registers[kRegB] = -0.5;
  engine.registers[kRegC] = 2;
  engine.registers[kRegY] = 2.5;
  const TranslationOutcome outcome = engine.translateFormula(slot, text);
  if (outcome.message.rfind(std::to_string(slot) + " : ", 0) != 0) std::abort();
  if (outcome.next == AfterTranslation::Nothing) return 0;

  static const std::vector<double> inputs = {-1e300, -7, -1, -0.5, 0, 0.5, 1, 2, 3.5, 90, 1e19};
  const testing::TypeRegisters registers = testing::registersOfType(engine.formulaType);
  std::string disagreement = testing::compareBatchWithPoints(engine, slot, registers, inputs);
  if (disagreement.empty()) {
    // Rows that differ in y (implicit) or a (the rest) and share everything else.
    static const std::vector<double> rows = {-3, 0, 2.5};
    const uint8_t rowCode = engine.formulaType == kSlotImplicit ? kRegY : kRegA;
    disagreement = testing::compareRowsWithPoints(engine, slot, registers, rowCode, rows, inputs);
  }
  if (!disagreement.empty()) {
    std::fprintf(stderr, "%s\n", disagreement.c_str());
    std::abort();
  }
  return 0;
}
