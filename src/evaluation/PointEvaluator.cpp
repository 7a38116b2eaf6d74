// The point evaluator: one run of a program on the register file.

#include "evaluation/PointEvaluator.h"

#include <cassert>

#include "evaluation/EvalKernels.h"

namespace quorvel {

PointRun runPoint(const StepList& steps, RegisterFile& registers, bool degrees) {
  int s = 1;
  for (; s <= kStepsPerSlot; ++s) {
    const Step& step = steps[s - 1];
    if (step.opcode == kOpEnd) return {true, s};
    double result = 0;
    if (!kernels::evaluate(step.opcode, registers[step.src1], registers[step.src2], degrees,
                           result)) {
      return {false, s};
    }
    if (kernels::writesResult(step.opcode)) {
      assert(step.dest != kRegNone);
      registers[step.dest] = result;
    }
  }
  return {true, s};
}

}  // namespace quorvel
