#pragma once
// The derivatives of a slot's program, exact but for rounding: the program run on truncated
// Taylor series instead of numbers (forward automatic differentiation), so that f(x0),
// f'(x0), ..., f''''(x0) come from one run without any difference quotient. Each operation
// has its series rule in the table of operations (evaluation/Operations.h); a step that has no
// derivative at the point (a root at 0, the corner of abs, a jump of int, a power of a base
// that is not positive with a varying exponent) makes the run fail, as a fault fails the
// point evaluator.

#include <cstdint>

#include "evaluation/Program.h"
#include "evaluation/Series.h"

namespace quorvel {

// Runs `program` with x = x0 + t, every other register a constant as it stands, and gives the
// series of the register `result` (y for y = f(x)). False when a step faults or has no
// derivative there.
bool taylorRun(const Program& program, double x0, uint8_t result, TaylorSeries& series);

// One step on series by its series rule; false where it has no derivative, or a coefficient
// is not finite.
bool seriesStep(uint8_t opcode, const TaylorSeries& a, const TaylorSeries& b, bool degrees,
                TaylorSeries& r);

// The k-th derivative from a series.
double derivativeOf(const TaylorSeries& series, int k);

// The slope of one step with respect to one of its operands (1: src1, 2: src2) at the operand
// values a and b, by the same series rule: how much the result moves per unit of that
// operand. False where the step has no slope there (the corner of abs, a jump of int, a root
// at 0, a power of a base that is not positive with a varying exponent).
bool stepSlope(uint8_t opcode, double a, double b, bool degrees, int operand, double& slope);

}  // namespace quorvel
