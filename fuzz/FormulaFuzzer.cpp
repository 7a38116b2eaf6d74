// Fuzzes the translator and both evaluators. The first byte picks the slot and the angle
// unit; the rest is the formula text. Whatever the text, the translator answers; whatever it
// translates, the batch evaluator agrees with the point evaluator and no register ever
// holds a NaN or an infinity.

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "common/Settings.h"
#include "formula/FormulaEngine.h"

using namespace quorvel;

namespace {

[[noreturn]] void fail(const char* what, size_t lane, double input, double batch, double point) {
  std::fprintf(stderr, "%s at lane %zu, input %.17g: batch %.17g, point %.17g\n", what, lane,
               input, batch, point);
  std::abort();
}

}  // namespace

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

  uint8_t input = kRegX, first = kRegY, second = kRegNone;
  switch (engine.formulaType) {
    case kSlotInverse: input = kRegY; first = kRegX; break;
    case kSlotParametric: input = kRegV; first = kRegX; second = kRegY; break;
    case kSlotImplicit: first = kRegV; break;
    default: break;
  }
  static const std::vector<double> inputs = {-1e300, -7, -1, -0.5, 0, 0.5, 1, 2, 3.5, 90, 1e19};
  std::vector<uint8_t> valid(inputs.size());
  std::vector<double> out1(inputs.size()), out2(inputs.size());
  const RegisterFile before = engine.registers;
  engine.runBatch(slot, input, inputs, {valid, first, out1, second, out2});
  engine.registers = before;
  for (size_t i = 0; i < inputs.size(); ++i) {
    engine.registers[input] = inputs[i];
    engine.evalSlot = slot;
    engine.runProgram();
    if (engine.evalValid != (valid[i] != 0)) fail("validity", i, inputs[i], valid[i], engine.evalValid);
    if (!engine.evalValid) continue;
    if (std::bit_cast<uint64_t>(engine.registers[first]) != std::bit_cast<uint64_t>(out1[i])) {
      fail("first output", i, inputs[i], out1[i], engine.registers[first]);
    }
    if (second != kRegNone &&
        std::bit_cast<uint64_t>(engine.registers[second]) != std::bit_cast<uint64_t>(out2[i])) {
      fail("second output", i, inputs[i], out2[i], engine.registers[second]);
    }
  }
  for (size_t code = 0; code < engine.registers.size(); ++code) {
    if (!std::isfinite(engine.registers[code])) fail("register not finite", code, 0, 0, engine.registers[code]);
  }
  return 0;
}
