#pragma once
// The batch evaluator: one program over a row of points, on a register file and lane buffers
// of the caller's. Per lane, validity and the output values of valid lanes are bit for bit
// what the point evaluator gives for that point. Allocates nothing.

#include <cstdint>
#include <span>

#include "evaluation/Program.h"

namespace quorvel {

struct BatchLanes;  // lane buffers (evaluation/BatchLanes.h)

// Where a batch run leaves its results. `valid` gets one flag per lane; each named output
// register gets its value per lane. The value of an invalid lane means nothing.
struct BatchOutputs {
  std::span<uint8_t> valid{};
  uint8_t firstCode = kRegNone;
  std::span<double> first{};
  uint8_t secondCode = kRegNone;
  std::span<double> second{};
  // Optionally, the signs of `first` as bit rows (bit i of word i / 64 for lane i; every word
  // of the lanes is written whole, the bits beyond the last lane cleared): valid, valid and
  // > 0, valid and < 0. The implicit plots need no more; given these, `valid` is left
  // unwritten.
  uint64_t* signValid = nullptr;
  uint64_t* signPositive = nullptr;
  uint64_t* signNegative = nullptr;
};

// Runs `steps` for a row of points: lane i sets the register `inputCode` to inputs[i]; all
// other registers as they stand. Steps whose operands are the same in every lane write their
// one value into `registers`.
void runBatchOn(const StepList& steps, bool degrees, RegisterFile& registers, BatchLanes& lanes,
                uint8_t inputCode, std::span<const double> inputs, const BatchOutputs& outputs);

// Rows over the same inputs that differ only in register `rowCode` (an implicit plot's rows
// over x, one per y): startRowsOn runs the steps that do not depend on `rowCode` once, into
// the lane buffers, and each runRowOn gives what runBatchOn gives for the registers as they
// stand, computing only the rest. `inputs` must outlive the rows; a change of the steps or of
// the other registers needs a new startRowsOn.
void startRowsOn(const StepList& steps, bool degrees, const RegisterFile& registers,
                 BatchLanes& lanes, uint8_t inputCode, uint8_t rowCode,
                 std::span<const double> inputs);
void runRowOn(const StepList& steps, bool degrees, RegisterFile& registers, BatchLanes& lanes,
              uint8_t inputCode, std::span<const double> inputs, const BatchOutputs& outputs);

}  // namespace quorvel
