#include "tools/SlotValues.h"

#include <cmath>

#include "fitting/PolyInput.h"
#include "formula/FormulaEngine.h"

namespace quorvel {

void startSlotValues(FormulaEngine& formulas, PolyInput& poly, int slot, uint8_t kind) {
  if (kind == kSlotPolynomial) poly.PreparePolyEval(slot);
  formulas.evalSlot = slot;
}

bool slotValueAt(FormulaEngine& formulas, const PolyInput& poly, int slot, uint8_t kind, double x,
                 double& y) {
  if (kind == kSlotPolynomial) {
    y = poly.EvalPoly(slot, x);
    return std::isfinite(y);
  }
  formulas.registers[kRegX] = x;
  formulas.runProgram();
  y = formulas.registers[kRegY];
  return formulas.evalValid;
}

}  // namespace quorvel
