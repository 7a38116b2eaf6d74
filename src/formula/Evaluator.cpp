// The point evaluator: one run of a slot's program on the register file.

#include <cassert>

#include "formula/EvalKernels.h"
#include "formula/FormulaEngine.h"

namespace quorvel {

void FormulaEngine::runProgram() {
  assert(evalSlot >= 1 && evalSlot <= kSlotCount);
  const StepList& steps = stepTable[evalSlot];
  const bool degrees = settings_.degreesMode;
  evalValid = true;
  for (evalStep = 1; evalStep <= kStepsPerSlot; ++evalStep) {
    const Step& step = steps[evalStep - 1];
    if (step.opcode == kOpEnd) return;
    double result = 0;
    if (!kernels::evaluate(step.opcode, registers[step.src1], registers[step.src2], degrees,
                           result)) {
      evalValid = false;
      return;
    }
    if (kernels::writesResult(step.opcode)) {
      assert(step.dest != kRegNone);
      registers[step.dest] = result;
    }
  }
}

}  // namespace quorvel
