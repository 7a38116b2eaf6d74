#pragma once
// The value y = f(x) of a function or polynomial slot at one x, point by point: what the
// value table and the area read. Start once before a series of values (the polynomial takes
// a, b, c as they stand, the engine is pointed at the slot), then ask for any number of x.

#include <cstdint>

namespace quorvel {

class FormulaEngine;
class PolyInput;

void startSlotValues(FormulaEngine& formulas, PolyInput& poly, int slot, uint8_t kind);
// False where the slot has no finite value.
bool slotValueAt(FormulaEngine& formulas, const PolyInput& poly, int slot, uint8_t kind, double x,
                 double& y);

}  // namespace quorvel
