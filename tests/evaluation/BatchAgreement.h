#pragma once
// Runs a translated slot over a row of inputs twice: once through the batch evaluator and
// once point by point. Used by the tests and by the fuzz target.

#include <bit>
#include <cmath>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "formula/FormulaEngine.h"

namespace quorvel::testing {

// The input and output registers of a formula type (an inequality's output is the register of
// its last comparison: see registersOfSlot).
struct TypeRegisters {
  uint8_t input = kRegX;
  uint8_t first = kRegY;
  uint8_t second = kRegNone;
};

inline TypeRegisters registersOfType(uint8_t formulaType) {
  switch (formulaType) {
    case kSlotInverse:
      return {kRegY, kRegX, kRegNone};
    case kSlotParametric:
    case kSlotPolar:
      return {kRegV, kRegX, kRegY};
    case kSlotImplicit:
      return {kRegX, kRegV, kRegNone};
    default:
      return {kRegX, kRegY, kRegNone};
  }
}

inline TypeRegisters registersOfSlot(const FormulaEngine& engine, int slot) {
  TypeRegisters r = registersOfType(engine.slotKind[slot]);
  if (engine.slotKind[slot] == kSlotInequality) {
    for (const Step& step : engine.stepTable[slot]) {
      if (step.opcode != kOpEnd) r.first = step.dest;
    }
  }
  return r;
}

// Empty when every lane agrees (validity, and the bits of valid results) and no register
// holds a NaN or an infinity afterwards; otherwise what disagreed first.
inline std::string compareBatchWithPoints(FormulaEngine& engine, int slot, TypeRegisters r,
                                          std::span<const double> inputs,
                                          int* validCount = nullptr) {
  const size_t n = inputs.size();
  std::vector<uint8_t> valid(n);
  std::vector<double> first(n), second(n);
  const RegisterFile before = engine.registers;
  engine.runBatch(slot, r.input, inputs, {valid, r.first, first, r.second, second});
  engine.registers = before;

  auto describe = [&](const char* what, size_t lane, double batch, double point) {
    char text[200];
    std::snprintf(text, sizeof text, "%s at lane %zu (input %.17g): batch %.17g, point %.17g", what,
                  lane, inputs[lane], batch, point);
    return std::string(text);
  };
  auto same = [](double a, double b) {
    return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
  };
  if (validCount) *validCount = 0;
  for (size_t i = 0; i < n; ++i) {
    engine.registers[r.input] = inputs[i];
    engine.evalSlot = slot;
    engine.runProgram();
    if (engine.evalValid != (valid[i] != 0))
      return describe("validity", i, valid[i], engine.evalValid);
    if (!engine.evalValid) continue;
    if (validCount) ++*validCount;
    if (!same(first[i], engine.registers[r.first])) {
      return describe("first output", i, first[i], engine.registers[r.first]);
    }
    if (r.second != kRegNone && !same(second[i], engine.registers[r.second])) {
      return describe("second output", i, second[i], engine.registers[r.second]);
    }
  }
  for (double value : engine.registers) {
    if (!std::isfinite(value)) return "a register holds " + std::to_string(value);
  }
  return "";
}

// Empty when rows run through a BatchWorker (startRows once, then runRow for each value of
// `rowCode`) agree with point-by-point runs as above; otherwise what disagreed first.
inline std::string compareRowsWithPoints(FormulaEngine& engine, int slot, TypeRegisters r,
                                         uint8_t rowCode, std::span<const double> rowValues,
                                         std::span<const double> inputs) {
  const size_t n = inputs.size();
  BatchWorker worker(engine);
  worker.start();
  worker.startRows(slot, r.input, rowCode, inputs);
  const RegisterFile before = engine.registers;
  for (double rowValue : rowValues) {
    std::vector<uint8_t> valid(n);
    std::vector<double> first(n), second(n);
    worker.registers[rowCode] = rowValue;
    worker.runRow({valid, r.first, first, r.second, second});
    engine.registers = before;
    engine.registers[rowCode] = rowValue;
    for (size_t i = 0; i < n; ++i) {
      engine.registers[r.input] = inputs[i];
      engine.evalSlot = slot;
      engine.runProgram();
      const bool same =
          engine.evalValid == (valid[i] != 0) &&
          (!engine.evalValid ||
           (std::bit_cast<uint64_t>(first[i]) ==
                std::bit_cast<uint64_t>(engine.registers[r.first]) &&
            (r.second == kRegNone || std::bit_cast<uint64_t>(second[i]) ==
                                         std::bit_cast<uint64_t>(engine.registers[r.second]))));
      if (!same) {
        char text[200];
        std::snprintf(text, sizeof text,
                      "row %.17g, lane %zu (input %.17g): batch %s %.17g, point %s %.17g", rowValue,
                      i, inputs[i], valid[i] ? "valid" : "invalid", first[i],
                      engine.evalValid ? "valid" : "invalid", engine.registers[r.first]);
        engine.registers = before;
        return text;
      }
    }
  }
  engine.registers = before;
  return "";
}

}  // namespace quorvel::testing
