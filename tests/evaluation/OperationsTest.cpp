// The table of operations, row by row: every row's lanes, under its fault rule, give each lane
// exactly what its point kernel gives that point (validity, and the bits of a valid result),
// whichever operands vary from lane to lane and whatever faults they hold, in radians and in
// degrees. A new row is tested here as soon as it exists.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "evaluation/BatchEvaluator.h"
#include "evaluation/BatchLanes.h"
#include "evaluation/Operations.h"
#include "evaluation/PointEvaluator.h"

namespace quorvel {
namespace {

// Operands of every kind: the ends of domains, halves, whole numbers, poles of tan in
// degrees, huge and tiny magnitudes, and ordinary values between them.
std::vector<double> operands() {
  std::vector<double> values = {0.0,    -0.0,  1.0,    -1.0,         0.5,          -0.5, 2.0,
                                3.0,    -3.0,  9.0,    10.0,         2.5,          90.0, -90.0,
                                180.0,  270.0, 1e-310, 1e300,        -1e300,       1e-5, 710.0,
                                -745.5, 1e19,  -1e19,  2147483647.5, 2147483648.0, 15.0, 1e14};
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> near(-6, 6);
  while (values.size() < 150) {
    const double v = near(random);
    values.push_back(random() % 4 == 0 ? std::round(v) : v);
  }
  return values;
}

// Where a step reads its operands: `t` is the value before it, x in the first step.
struct Shape {
  const char* name;
  uint8_t src1;
  uint8_t src2;
};
constexpr uint8_t kBefore = kFirstTemporary;
constexpr Shape kShapes[] = {
    {"t op a", kBefore, kRegA},
    {"a op t", kRegA, kBefore},
    {"t op t", kBefore, kBefore},
};

bool fits(const OperationInfo& operation, const Shape& shape) {
  return !operation.unary || shape.src2 == kBefore;  // a unary step reads src2 alone
}

// y := (x first a) second a, in the given shapes: the first step makes values of every kind,
// faults that show in the result among them, for the second to read.
StepList programOf(uint8_t first, const Shape& firstShape, uint8_t second, const Shape& shape) {
  auto step = [](uint8_t opcode, uint8_t dest, const Shape& where, uint8_t before) {
    auto operand = [&](uint8_t code) { return code == kBefore ? before : code; };
    return Step{opcode, dest, operand(where.src1), operand(where.src2)};
  };
  StepList steps{};
  steps[0] = step(first, kFirstTemporary, firstShape, kRegX);
  steps[1] = step(second, kFirstTemporary + 1, shape, kFirstTemporary);
  steps[2] = {kOpAssign, kRegY, kRegNone, kFirstTemporary + 1};
  return steps;
}

// Empty when every lane agrees with the point evaluator; otherwise the first disagreement.
std::string compare(const StepList& steps, bool degrees, const RegisterFile& start,
                    const std::vector<double>& inputs, BatchLanes& lanes) {
  const size_t n = inputs.size();
  std::vector<uint8_t> valid(n);
  std::vector<double> y(n);
  RegisterFile batchRegisters = start;
  runBatchOn(steps, degrees, batchRegisters, lanes, kRegX, inputs,
             {.valid = valid, .firstCode = kRegY, .first = y});
  for (size_t i = 0; i < n; ++i) {
    RegisterFile registers = start;
    registers[kRegX] = inputs[i];
    const PointRun run = runPoint(steps, registers, degrees);
    const bool same =
        run.valid == (valid[i] != 0) &&
        (!run.valid || std::bit_cast<uint64_t>(registers[kRegY]) == std::bit_cast<uint64_t>(y[i]));
    if (!same) {
      return "x = " + std::to_string(inputs[i]) + ": point " +
             (run.valid ? std::to_string(registers[kRegY]) : "fault") + ", lanes " +
             (valid[i] ? std::to_string(y[i]) : "fault");
    }
  }
  return "";
}

// Every row after every row, so that each fault rule meets operands that hold faults.
TEST(Operations, EveryRowsLanesGiveItsPointKernelsResults) {
  auto lanes = std::make_unique<BatchLanes>();
  const std::vector<double> inputs = operands();
  // The uniform operand: whole exponents (the power's lane form), a base below zero, zero.
  const double uniforms[] = {2.0, 4.0, 1.0, 0.0, -2.0, 0.5, 1e300};
  int rows = 0;
  for (int first = 1; first <= kMaxOpcode; ++first) {
    const OperationInfo& firstOperation = operationInfo(static_cast<uint8_t>(first));
    if (!firstOperation.writes) continue;
    ++rows;
    const Shape& firstShape = firstOperation.unary ? kShapes[2] : kShapes[0];
    for (int second = 1; second <= kMaxOpcode; ++second) {
      const OperationInfo& operation = operationInfo(static_cast<uint8_t>(second));
      if (!operation.writes) continue;
      for (const Shape& shape : kShapes) {
        if (!fits(operation, shape)) continue;
        const StepList steps =
            programOf(static_cast<uint8_t>(first), firstShape, static_cast<uint8_t>(second), shape);
        for (bool degrees : {false, true}) {
          for (double uniform : uniforms) {
            RegisterFile registers{};
            registers[kRegA] = uniform;
            EXPECT_EQ(compare(steps, degrees, registers, inputs, *lanes), "")
                << firstOperation.name << " then " << operation.name << " (" << shape.name
                << ", a = " << uniform << (degrees ? ", degrees)" : ")");
          }
        }
      }
    }
  }
  EXPECT_EQ(rows, 21);  // + - * / ^ (-) = < <= and the twelve functions
}

TEST(Operations, NamesAndShapesOfTheRows) {
  EXPECT_EQ(kLastOpcode, kOpLessEq);
  EXPECT_EQ(operationInfo(kOpLess).name, "<");
  EXPECT_FALSE(operationInfo(kOpLessEq).unary);
  EXPECT_FALSE(operationInfo(kOpLessEq).function);
  EXPECT_EQ(operationInfo(kOpSin).name, "sin");
  EXPECT_TRUE(operationInfo(kOpSin).function);
  EXPECT_TRUE(operationInfo(kOpNeg).unary);
  EXPECT_FALSE(operationInfo(kOpNeg).function);
  EXPECT_FALSE(operationInfo(kOpPow).unary);
  EXPECT_FALSE(operationInfo(kOpEnd).writes);
  EXPECT_FALSE(operationInfo(kOpSeparator).writes);
  EXPECT_FALSE(operationInfo(9).writes);
  EXPECT_FALSE(operationInfo(200).writes);
}

}  // namespace
}  // namespace quorvel
