#pragma once
// The point evaluator: one run of a program on a register file, step by step.

#include "evaluation/Program.h"

namespace quorvel {

struct PointRun {
  bool valid = false;  // the run completed without fault
  int step = 0;        // where it ended (1-based): the end mark's step, or the step that faulted
};

// Runs `steps` once on `registers`. A step that faults ends the run; the registers it would
// have written keep their values.
PointRun runPoint(const StepList& steps, RegisterFile& registers, bool degrees);

}  // namespace quorvel
