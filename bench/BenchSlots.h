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

// The nine slots of the redraw benchmark.
inline void fillNineSlots(Workspace& ws) {
  const BenchSlot kNine[] = {
      {"y=sin(x)", 0, 0, 0},
      {"y=x^2-3", 0, 0, 0},
      {"y=1/x", 0, 0, 0},
      {"x=y^2-5", 0, 0, 0},
      {"y=sin(3v);x=cos(2v)", 0, 6.28, 1000},
      {"y=d:x^3", 0, 0, 0},
      {"y=i:cos(x)", -5, 5, 0},
      {"x^2+y^2=25", 0, 0, 0},
      {"y=tan(x)", 0, 0, 0},
  };
  fillSlots(ws, kNine);
}

}  // namespace quorvel::bench
