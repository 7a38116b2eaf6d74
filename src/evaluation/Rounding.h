#pragma once
// A slot's program run at one point with two more numbers beside its value: how far rounding
// may have carried the value from the exact value of the formula (a bound), and the part of
// that error that can be recovered (a correction). The bound adds each step's own rounding to
// its operands' bounds carried by the step's slopes (the series rules of evaluation/Taylor), so
// a value that is nothing but rounding, as sin(x)^2 + cos(x)^2 - 1, shows as a value within
// its bound, while 0,00000000001 (x - 1) keeps a bound as small as itself. The correction is
// what double-double arithmetic recovers of +, -, *, /, the root and the whole powers, carried
// through the other steps to first order: 3x - 2,25 at x = 10^20 is 3E20 as a double, and
// the value with its correction 3E20 - 2,25.
//
// The bound is a first-order one and trusts the library functions to one unit in the last
// place: a guide for telling zero from noise, not a proof.

#include <cstdint>

#include "evaluation/Program.h"

namespace quorvel {

struct RoundedValue {
  double value = 0;       // what the point evaluator gives, bit for bit
  double correction = 0;  // value + correction lies nearer the exact value
  double bound = 0;       // |exact - value| <= bound (may be infinite: nothing known)
};

// Runs `program` with x = x0, every other register as it stands, and gives the register
// `result` (y for y = f(x)). False where the point evaluator faults.
bool roundingRun(const Program& program, double x0, uint8_t result, RoundedValue& out);

}  // namespace quorvel
