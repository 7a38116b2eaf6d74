#pragma once
// The programs the evaluators run: three-address steps on a register file of doubles,
// addressed by one-byte operand codes. The translator (formula/) makes them from formula
// texts; the evaluators here run them. The operand codes here are the ones that postfix
// tables and step lists carry.

#include <array>
#include <cstdint>

namespace quorvel {

// The end mark: a step with opcode 0 ends the program. The operations' opcodes are in the
// table of operations (evaluation/Operations.h).
constexpr uint8_t kOpEnd = 0;

// Operand codes of the register file.
constexpr uint8_t kRegNone = 0;         // never written, reads as 0
constexpr uint8_t kFirstTemporary = 1;  // 1..19: temporaries of a run
constexpr uint8_t kLastTemporary = 19;
constexpr uint8_t kFirstConstant = 20;  // slot s owns 20*s .. 20*s+19
constexpr uint8_t kRegX = 200;
constexpr uint8_t kRegY = 201;
constexpr uint8_t kRegV = 202;
constexpr uint8_t kRegA = 203;
constexpr uint8_t kRegB = 204;
constexpr uint8_t kRegC = 205;
constexpr uint8_t kRegPi = 206;
constexpr uint8_t kRegE = 207;
// Frozen a, b, c of slot s (after "subst. abc") at 207+3s, 208+3s, 209+3s.
constexpr uint8_t frozenConstantCode(int slot, uint8_t constantCode) {
  return static_cast<uint8_t>(constantCode + 3 * slot + 4);
}
constexpr int kRegisterCount = 238;

constexpr bool isTemporary(int code) {
  return code >= kFirstTemporary && code <= kLastTemporary;
}

// One three-address step: dest := src1 <opcode> src2 (unary operations use src2 only).
struct Step {
  uint8_t opcode = kOpEnd;
  uint8_t dest = kRegNone;
  uint8_t src1 = kRegNone;
  uint8_t src2 = kRegNone;
  friend bool operator==(const Step&, const Step&) = default;
};

// The steps of one program.
constexpr int kStepsPerSlot = 30;  // the 30th always holds the end mark
constexpr int kMaxSteps = kStepsPerSlot - 1;
using StepList = std::array<Step, kStepsPerSlot>;

// The register file, addressed by one-byte operand codes. The program uses codes 0..237; the
// file is as large as a byte can address, so no operand code can ever reach outside it.
using RegisterFile = std::array<double, 256>;

// What an evaluator needs to run a program at a point: its steps, the registers it reads
// (numbers, a, b, c, ... as they stand) and the angle unit.
struct Program {
  const StepList& steps;
  const RegisterFile& registers;
  bool degrees = false;
};

}  // namespace quorvel
