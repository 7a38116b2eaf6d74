#include "evaluation/Rounding.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>

#include "evaluation/Operations.h"
#include "evaluation/Taylor.h"

namespace quorvel {
namespace {

// The library functions (and the power of a base and an exponent that is not a small whole
// number) are within one unit in the last place of their result.
constexpr double kLibraryError = DBL_EPSILON;

struct Rounded {
  double v;   // the value, as the point evaluator has it
  double lo;  // its correction
  double e;   // the bound on its error
};

// What an operand's error moves the result by: |slope| e, and no NaN from 0 times infinity.
double carried(double slope, double e) {
  return e == 0 ? 0 : std::fabs(slope) * e;
}

// a + b - s exactly, for s the rounded sum (Knuth's two-sum).
double sumError(double a, double b, double s) {
  const double bb = s - a;
  return (a - (s - bb)) + (b - bb);
}

// The exact a^n, as double-double multiplication gives it, less the kernel's result r.
double powerError(double a, int n, double r) {
  double hi = 1, lo = 0;
  for (int k = 0; k < n; ++k) {
    const double p = hi * a;
    const double l = lo * a + std::fma(hi, a, -p);
    hi = p + l;
    lo = l - (hi - p);
  }
  return (hi - r) + lo;
}

// How far the result of a step can move while one operand moves within its error and its
// correction, by evaluating the step at both ends: for a step without a slope there (the
// corner of abs, a jump of int). A fault within reach leaves nothing known.
double reachOf(PointKernel point, const Rounded& a, const Rounded& b, bool degrees, double r,
               int operand) {
  const Rounded& o = operand == 1 ? a : b;
  const double reach = o.e + std::fabs(o.lo);
  double most = 0;
  for (double sign : {-1.0, 1.0}) {
    double av = a.v, bv = b.v;
    (operand == 1 ? av : bv) += sign * reach;
    double other = 0;
    if (!point(av, bv, degrees, other)) return INFINITY;
    most = std::max(most, std::fabs(other - r));
  }
  return most;
}

// The correction and bound of a step whose operands are carried by its slopes: the powers and
// the library functions. `own` and `ownBound` are the step's own rounding.
void carryBySlopes(uint8_t opcode, const Rounded& a, const Rounded& b, bool degrees, double own,
                   double ownBound, Rounded& r) {
  const PointKernel point = operationInfo(opcode).point;
  r.lo = own;
  r.e = ownBound;
  for (int operand : {1, 2}) {
    const Rounded& o = operand == 1 ? a : b;
    if (o.e == 0 && o.lo == 0) continue;
    double slope = 0;
    if (stepSlope(opcode, a.v, b.v, degrees, operand, slope)) {
      r.lo += slope * o.lo;
      r.e += carried(slope, o.e);
    } else {
      r.e += reachOf(point, a, b, degrees, r.v, operand);
    }
  }
}

// The correction and bound of one step's result r.v from its operands', by its row's rule.
void roundStep(uint8_t opcode, const Rounded& a, const Rounded& b, bool degrees, Rounded& r) {
  const OperationInfo& operation = operationInfo(opcode);
  switch (operation.rounding) {
    case RoundingRule::Sum:
    case RoundingRule::Difference: {
      const double sign = operation.rounding == RoundingRule::Sum ? 1 : -1;
      const double own = sumError(a.v, sign * b.v, r.v);
      r.lo = own + a.lo + sign * b.lo;
      r.e = a.e + b.e + std::fabs(own);
      return;
    }
    case RoundingRule::Product: {
      const double own = std::fma(a.v, b.v, -r.v);
      r.lo = own + a.v * b.lo + a.lo * b.v;
      r.e = carried(b.v, a.e) + carried(a.v, b.e) + (a.e == 0 || b.e == 0 ? 0 : a.e * b.e) +
            std::fabs(own);
      return;
    }
    case RoundingRule::Quotient: {
      const double rest = std::fma(-r.v, b.v, a.v);  // a - r b, exactly
      r.lo = (rest + a.lo - r.v * b.lo) / b.v;
      const double divisor = std::fabs(b.v) - b.e;  // the smallest it may be
      r.e = divisor > 0 ? (a.e + carried(r.v, b.e)) / divisor + std::fabs(rest / b.v) : INFINITY;
      return;
    }
    case RoundingRule::Negation:
      r.lo = -b.lo;
      r.e = b.e;
      return;
    case RoundingRule::Copy:
      r.lo = b.lo;
      r.e = b.e;
      return;
    case RoundingRule::Absolute:
      r.lo = b.v < 0 ? -b.lo : b.v > 0 ? b.lo : std::fabs(b.lo);
      r.e = b.e;
      return;
    case RoundingRule::Root: {
      double own = 0;
      if (r.v > 0) {
        own = std::fma(-r.v, r.v, b.v) / (2 * r.v);  // b - r^2 over the slope's 2r
        r.lo = own + b.lo / (2 * r.v);
      }
      // sqrt(b) - sqrt(b - e) = e / (sqrt(b) + sqrt(b - e)), the wider side.
      const double below = std::sqrt(std::max(0.0, b.v - b.e));
      const double carriedError = b.e == 0          ? 0
                                  : r.v + below > 0 ? b.e / (r.v + below)
                                                    : std::sqrt(b.e);
      r.e = carriedError + 2 * std::fabs(own);
      return;
    }
    case RoundingRule::Jump:
      r.lo = 0;
      r.e = b.e == 0 && b.lo == 0 ? 0 : reachOf(operation.point, a, b, degrees, r.v, 2);  // a jump
      return;
    case RoundingRule::Power: {
      int n = 0;
      if (powers::smallWholeExponent(b.v, n)) {
        const double own = powerError(a.v, n, r.v);
        carryBySlopes(opcode, a, b, degrees, own, 2 * std::fabs(own), r);
      } else {
        carryBySlopes(opcode, a, b, degrees, 0, kLibraryError * std::fabs(r.v), r);
      }
      return;
    }
    case RoundingRule::Library:
      carryBySlopes(opcode, a, b, degrees, 0, kLibraryError * std::fabs(r.v), r);
      return;
  }
}

}  // namespace

bool roundingRun(const Program& program, double x0, uint8_t result, RoundedValue& out) {
  // Only the registers the program writes carry an error; the rest are exact as they stand.
  std::array<Rounded, 256> registers;  // read only where written
  std::array<bool, 256> written{};
  registers[kRegX] = {x0, 0, 0};
  written[kRegX] = true;
  auto read = [&](uint8_t code) {
    return written[code] ? registers[code] : Rounded{program.registers[code], 0, 0};
  };
  const bool degrees = program.degrees;
  for (const Step& s : program.steps) {
    if (s.opcode == kOpEnd) break;
    const OperationInfo& operation = operationInfo(s.opcode);
    if (!operation.writes) continue;
    const Rounded a = read(s.src1);
    const Rounded b = read(s.src2);
    Rounded r{0, 0, 0};
    if (!operation.point(a.v, b.v, degrees, r.v)) return false;
    roundStep(s.opcode, a, b, degrees, r);
    if (!std::isfinite(r.lo)) r.lo = 0;  // a correction that overflowed tells nothing
    if (std::isnan(r.e)) r.e = INFINITY;
    registers[s.dest] = r;
    written[s.dest] = true;
  }
  const Rounded y = read(result);
  out = {y.v, y.lo, y.e};
  return true;
}

}  // namespace quorvel
