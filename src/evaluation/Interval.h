#pragma once
// Interval evaluation: a program run over a block of the picture, every register an interval
// that holds every value the point evaluator gives the register at a point of the block, with
// what is known of the run's faults there (Defined) and whether the value may jump. It is the
// ground of the implicit plotter's proofs that the curve left - right = 0 passes through a
// block, or cannot.
//
// Each operation has its interval rule in the table of operations (evaluation/Operations.h),
// built from the rules here. The rules enclose the point kernels' own values, not the exact
// ones: the arithmetic (+, -, *, /, abs, int, sqrt) is rounded to nearest and monotone, so its
// values at the corners of the operands' box bound it exactly; the library functions are
// computed at the ends and critical points and widened by a few units in the last place, more
// than the kernels' error of one unit.

#include <array>
#include <cstdint>

#include "evaluation/Program.h"

namespace quorvel {

struct Interval {
  double lo = 0;
  double hi = 0;
  bool contains(double v) const { return lo <= v && v <= hi; }
};

// Where the points of a block run without fault: at every point, at some (or it is not
// known), at none.
enum class Defined : uint8_t { Everywhere, Partly, Nowhere };

// One step's interval rule on its operands' intervals: the result's interval over the points
// where the step does not fault (finite; any interval when Nowhere), where it faults, and
// whether the step itself may jump over the box (a pole, a step of int, the edge of a domain,
// the angle functions' limit). `same` says both operands are one register (x*x, x-x).
struct IntervalStep {
  Interval range;
  Defined defined = Defined::Everywhere;
  bool continuous = true;
};
struct IntervalOperands {
  Interval a;
  Interval b;
  bool same = false;
  bool degrees = false;
};

// A register during a run: its interval, and whether its value is continuous over the block
// (every step that made it continuous on continuous operands).
struct IntervalValue {
  Interval range;
  bool continuous = true;
};
using IntervalRegisters = std::array<IntervalValue, 256>;

// Every register a point interval of the value it holds, for the inputs to be widened then.
IntervalRegisters pointIntervals(const RegisterFile& registers);

struct IntervalResult {
  Interval range;  // the result register's values at the points that run without fault
  Defined defined = Defined::Everywhere;
  bool continuous = true;  // no jump and no fault anywhere in the block
};

// Runs `steps` on interval registers (x, y and whatever else is widened; the rest point
// intervals) and gives the register `resultCode`. False when the run faults at every point of
// the block (out.defined is Nowhere then).
bool intervalRun(const StepList& steps, bool degrees, IntervalRegisters& registers,
                 uint8_t resultCode, IntervalResult& out);

// The rules the table's rows are made of.
namespace intervals {

// Building blocks for a new row's rule. The answer that always holds: any finite value, faults
// possible, jumps possible.
IntervalStep wholeLine();
// A unary point kernel (as the table's rows have them) that is increasing on a domain that is
// one interval: its values at the ends, widened past its last unit; the whole line where an
// end faults.
using IntervalKernel = bool (*)(double a, double b, bool degrees, double& r);
IntervalStep increasing(IntervalKernel point, const IntervalOperands& o);

IntervalStep sum(const IntervalOperands& o);
IntervalStep difference(const IntervalOperands& o);
IntervalStep product(const IntervalOperands& o);
IntervalStep quotient(const IntervalOperands& o);
IntervalStep power(const IntervalOperands& o);
IntervalStep negation(const IntervalOperands& o);
IntervalStep copy(const IntervalOperands& o);
IntervalStep arcsine(const IntervalOperands& o);
IntervalStep arccosine(const IntervalOperands& o);
IntervalStep squareRoot(const IntervalOperands& o);
IntervalStep sine(const IntervalOperands& o);
IntervalStep cosine(const IntervalOperands& o);
IntervalStep tangent(const IntervalOperands& o);
IntervalStep logarithm10(const IntervalOperands& o);
IntervalStep absolute(const IntervalOperands& o);
IntervalStep exponential(const IntervalOperands& o);
IntervalStep logarithm(const IntervalOperands& o);
IntervalStep nearestWhole(const IntervalOperands& o);

}  // namespace intervals

}  // namespace quorvel
