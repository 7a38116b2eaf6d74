// The point evaluator: one run of a program on the register file, each step by its row's
// point kernel (evaluation/Operations.h).

#include "evaluation/PointEvaluator.h"

#include <cassert>

#include "evaluation/Operations.h"

namespace quorvel {

PointRun runPoint(const StepList& steps, RegisterFile& registers, bool degrees) {
  int s = 1;
  for (; s <= kStepsPerSlot; ++s) {
    const Step& step = steps[s - 1];
    if (step.opcode == kOpEnd) return {true, s};
    const bool ok = withOperation(step.opcode, [&](auto row) {
      using Op = decltype(row);
      if constexpr (Op::kWrites) {
        double result = 0;
        if (!Op::point(registers[step.src1], registers[step.src2], degrees, result)) return false;
        assert(step.dest != kRegNone);
        registers[step.dest] = result;
      }
      return true;
    });
    if (!ok) return {false, s};
  }
  return {true, s};
}

}  // namespace quorvel
