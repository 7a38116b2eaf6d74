#pragma once
// Slots filled as if the user had typed and plotted each formula, for the benchmarks that
// redraw or save whole sets of them.

#include <cstdint>
#include <span>

#include "shell/Workspace.h"

namespace quorvel::bench {

struct BenchSlot {
  const char* formula;
  double begin, end;  // the domain of a parametric curve or an integral
  int steps;          // the steps of a parametric curve
};

// Translates typed[i] into slot i + 1 with its domain.
inline void fillSlots(Workspace& ws, std::span<const BenchSlot> typed) {
  int slot = 1;
  for (const BenchSlot& s : typed) {
    ws.formulas.translateFormula(slot, s.formula);
    ws.formulas.slotKind[slot] = ws.formulas.formulaType;
    ws.formulas.formulas[slot].domainBegin = s.begin;
    ws.formulas.formulas[slot].domainEnd = s.end;
    ws.formulas.formulas[slot].domainSteps = static_cast<uint16_t>(s.steps);
    ++slot;
  }
}

}  // namespace quorvel::bench
