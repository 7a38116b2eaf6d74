#include "evaluation/Interval.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <initializer_list>

#include "evaluation/Operations.h"
#include "evaluation/Powers.h"
#include "evaluation/VectorMath.h"
#include "evaluation/VectorMathIsa.h"

namespace quorvel {
namespace intervals {
namespace {

// The library functions are within one unit in the last place of the exact value, so a
// kernel's value inside a monotone piece lies within two units of its values at the ends;
// the ends are widened by twice that.
constexpr int kLibraryUlps = 4;
// The power is computed here in long double, the program's in its own way: more room.
constexpr int kPowerUlps = 8;
constexpr double kPi = 3.14159265358979323846;
// The angles in degrees are beyond the sine instruction's range from about 5.2846e20 on (their
// product with the degree factor reaching 2^63); these bound that limit on both sides.
constexpr double kDegreesWithin = 5.28e20;
constexpr double kDegreesBeyond = 5.29e20;
// Above this magnitude the critical points of the angle functions are not placed; their whole
// range is taken.
constexpr double kPlacedAngles = 1e9;

const Interval kWholeLine{-DBL_MAX, DBL_MAX};

// v moved outward by at least `ulps` units in its last place: by a relative 2^-52 for each
// and one more (a unit of a normal double is at most that, and the subtraction's rounding
// takes less than a unit back), and by the smallest subnormal for each, the unit near 0.
// Quicker than stepping with nextafter.
double outward(double v, int ulps) {
  return (std::fabs(v) * 0x1p-52 + DBL_TRUE_MIN) * (ulps + 1);
}

double down(double v, int ulps) {
  return std::isfinite(v) ? v - outward(v, ulps) : v;
}

double up(double v, int ulps) {
  return std::isfinite(v) ? v + outward(v, ulps) : v;
}

Interval widened(double lo, double hi, int ulps) {
  return {down(lo, ulps), up(hi, ulps)};
}

Interval hull(Interval u, Interval w) {
  return {std::min(u.lo, w.lo), std::max(u.hi, w.hi)};
}

Defined combined(Defined u, Defined w) {
  return u == w ? u : Defined::Partly;
}

IntervalStep nowhere() {
  return {{0, 0}, Defined::Nowhere, false};
}

// The hull of values the point kernel gave at corners of the operands' box, where the step
// rounds to nearest and is monotone in each operand between them: an infinite value is an
// overflow the kernel faults on.
IntervalStep fromCorners(std::initializer_list<double> corners) {
  const double lo = std::min(corners);
  const double hi = std::max(corners);
  if (lo > DBL_MAX || hi < -DBL_MAX) return nowhere();
  if (lo >= -DBL_MAX && hi <= DBL_MAX) return {{lo, hi}, Defined::Everywhere, true};
  return {{std::max(lo, -DBL_MAX), std::min(hi, DBL_MAX)}, Defined::Partly, false};
}

// A point kernel of the table at one value.
template <uint8_t Code>
double at(double b, bool degrees) {
  double r = 0;
  Operation<Code>::point(0, b, degrees, r);
  return r;
}

// An increasing library function on [lo, hi], where it is defined throughout.
template <uint8_t Code>
Interval increasingOn(double lo, double hi, bool degrees) {
  return widened(at<Code>(lo, degrees), at<Code>(hi, degrees), kLibraryUlps);
}

}  // namespace

IntervalStep wholeLine() {
  return {kWholeLine, Defined::Partly, false};
}

IntervalStep increasing(IntervalKernel point, const IntervalOperands& o) {
  double lo = 0, hi = 0;
  if (!point(0, o.b.lo, o.degrees, lo) || !point(0, o.b.hi, o.degrees, hi)) return wholeLine();
  const Interval r = widened(lo, hi, kLibraryUlps);
  if (!(r.lo >= -DBL_MAX && r.hi <= DBL_MAX)) return wholeLine();
  return {r, Defined::Everywhere, true};
}

IntervalStep sum(const IntervalOperands& o) {
  return fromCorners({o.a.lo + o.b.lo, o.a.hi + o.b.hi});
}

IntervalStep difference(const IntervalOperands& o) {
  if (o.same) return {{0, 0}, Defined::Everywhere, true};
  return fromCorners({o.a.lo - o.b.hi, o.a.hi - o.b.lo});
}

IntervalStep product(const IntervalOperands& o) {
  if (o.same) {
    const double lo = o.a.lo * o.a.lo, hi = o.a.hi * o.a.hi;
    return fromCorners({o.a.contains(0) ? 0.0 : std::min(lo, hi), std::max(lo, hi)});
  }
  const Interval& a = o.a;
  const Interval& b = o.b;
  return fromCorners({a.lo * b.lo, a.lo * b.hi, a.hi * b.lo, a.hi * b.hi});
}

// A divisor that holds 0 is split there: the divisors nearest 0 a double can be are the
// smallest subnormals.
IntervalStep quotient(const IntervalOperands& o) {
  const Interval& a = o.a;
  const Interval& b = o.b;
  if (o.same && !b.contains(0)) return {{1, 1}, Defined::Everywhere, true};
  auto over = [&](double lo, double hi) {
    return fromCorners({a.lo / lo, a.lo / hi, a.hi / lo, a.hi / hi});
  };
  if (!b.contains(0)) return over(b.lo, b.hi);
  if (b.lo == 0 && b.hi == 0) return nowhere();
  IntervalStep r{};
  bool any = false;
  for (const Interval& piece : {Interval{b.lo, -DBL_TRUE_MIN}, Interval{DBL_TRUE_MIN, b.hi}}) {
    if (piece.lo > piece.hi) continue;
    const IntervalStep q = over(piece.lo, piece.hi);
    if (q.defined == Defined::Nowhere) continue;
    r.range = any ? hull(r.range, q.range) : q.range;
    any = true;
  }
  if (!any) return nowhere();
  r.defined = Defined::Partly;
  r.continuous = false;
  return r;
}

IntervalStep negation(const IntervalOperands& o) {
  return {{-o.b.hi, -o.b.lo}, Defined::Everywhere, true};
}

IntervalStep copy(const IntervalOperands& o) {
  return {o.b, Defined::Everywhere, true};
}

IntervalStep absolute(const IntervalOperands& o) {
  const Interval& b = o.b;
  if (b.lo >= 0) return {b, Defined::Everywhere, true};
  if (b.hi <= 0) return {{-b.hi, -b.lo}, Defined::Everywhere, true};
  return {{0, std::max(-b.lo, b.hi)}, Defined::Everywhere, true};
}

IntervalStep squareRoot(const IntervalOperands& o) {
  const Interval& b = o.b;
  if (b.hi < 0) return nowhere();
  if (b.lo >= 0) return {{std::sqrt(b.lo), std::sqrt(b.hi)}, Defined::Everywhere, true};
  return {{0, std::sqrt(b.hi)}, Defined::Partly, false};
}

// int rounds halves to even: monotone, with its steps where the ends differ.
IntervalStep nearestWhole(const IntervalOperands& o) {
  constexpr double kLowest = -2147483648.0;
  constexpr double kHighest = 2147483647.0;
  const double lo = std::nearbyint(o.b.lo);
  const double hi = std::nearbyint(o.b.hi);
  if (lo > kHighest || hi < kLowest) return nowhere();
  const bool inside = lo >= kLowest && hi <= kHighest;
  return {{std::max(lo, kLowest), std::min(hi, kHighest)},
          inside ? Defined::Everywhere : Defined::Partly,
          inside && lo == hi};
}

// asin: defined for |b| < 1, increasing.
IntervalStep arcsine(const IntervalOperands& o) {
  const double below = std::nextafter(1.0, 0.0);
  const double lo = std::max(o.b.lo, -below);
  const double hi = std::min(o.b.hi, below);
  if (lo > hi) return nowhere();
  const bool inside = lo == o.b.lo && hi == o.b.hi;
  return {increasingOn<kOpAsin>(lo, hi, o.degrees), inside ? Defined::Everywhere : Defined::Partly,
          inside};
}

// The program's acos: defined for 0 < |b| <= 1, decreasing on either side of 0, -acos(-b)
// below it, so that it jumps from -90 to 90 degrees at 0.
IntervalStep arccosine(const IntervalOperands& o) {
  const Interval& b = o.b;
  const Interval sides[] = {{std::max(b.lo, -1.0), std::min(b.hi, -DBL_TRUE_MIN)},
                            {std::max(b.lo, DBL_TRUE_MIN), std::min(b.hi, 1.0)}};
  IntervalStep r{};
  bool any = false;
  for (const Interval& side : sides) {
    if (side.lo > side.hi) continue;
    const Interval values =
        widened(at<kOpAcos>(side.hi, o.degrees), at<kOpAcos>(side.lo, o.degrees), kLibraryUlps);
    r.range = any ? hull(r.range, values) : values;
    any = true;
  }
  if (!any) return nowhere();
  const bool inside = b.lo >= -1.0 && b.hi <= 1.0 && !b.contains(0);
  r.defined = inside ? Defined::Everywhere : Defined::Partly;
  r.continuous = inside;
  return r;
}

namespace {

// ln and log: defined for b > 0, increasing.
template <uint8_t Code>
IntervalStep logarithmic(const Interval& b) {
  if (b.hi <= 0) return nowhere();
  const bool inside = b.lo > 0;
  const double lo = inside ? b.lo : DBL_TRUE_MIN;
  return {increasingOn<Code>(lo, b.hi, false), inside ? Defined::Everywhere : Defined::Partly,
          inside};
}

}  // namespace

IntervalStep logarithm(const IntervalOperands& o) {
  return logarithmic<kOpLn>(o.b);
}

IntervalStep logarithm10(const IntervalOperands& o) {
  return logarithmic<kOpLog>(o.b);
}

// exp overflows from ln(DBL_MAX) = 709.7827128933840 on; these bound that on both sides with
// room for the kernel's last unit.
IntervalStep exponential(const IntervalOperands& o) {
  constexpr double kFinite = 709.7826;
  constexpr double kOverflows = 709.7828;
  const Interval& b = o.b;
  if (b.lo >= kOverflows) return nowhere();
  const bool inside = b.hi <= kFinite;
  const double hi = inside ? b.hi : std::min(b.hi, kFinite);
  Interval r = increasingOn<kOpExp>(b.lo, hi, false);
  r.lo = std::max(r.lo, 0.0);
  if (!inside) r.hi = DBL_MAX;
  return {r, inside ? Defined::Everywhere : Defined::Partly, inside};
}

namespace {

// The angle functions' unit: a quarter turn, and the limit of the sine instruction's range
// (within below the first, beyond from the second on).
struct AngleUnit {
  double quarter;
  double within;
  double beyond;
};

AngleUnit unitOf(bool degrees) {
  if (degrees) return {90.0, kDegreesWithin, kDegreesBeyond};
  return {kPi / 2, vectormath::kTrigLimit, vectormath::kTrigLimit};
}

double largestMagnitude(const Interval& b) {
  return std::max(std::fabs(b.lo), std::fabs(b.hi));
}

double smallestMagnitude(const Interval& b) {
  return b.contains(0) ? 0.0 : std::min(std::fabs(b.lo), std::fabs(b.hi));
}

// Calls f(k) for every whole k whose multiple of a quarter turn may lie in b; the room makes
// up for the rounding of k * quarter, so a few more may be called, none missed.
template <class F>
void forQuarterTurns(const Interval& b, double quarter, F f) {
  const double room = 1e-9 + 4e-15 * largestMagnitude(b);
  const auto first = static_cast<long long>(std::floor((b.lo - room) / quarter));
  const auto last = static_cast<long long>(std::ceil((b.hi + room) / quarter));
  for (long long k = first; k <= last; ++k) {
    const double at = static_cast<double>(k) * quarter;
    if (at >= b.lo - room && at <= b.hi + room) f(k);
  }
}

// sin, and cos as sin a quarter turn on: between the quarter turns monotone, +-1 at the odd
// ones; 0 beyond the range, which is a jump.
IntervalStep sineOrCosine(const IntervalOperands& o, bool cosine) {
  const AngleUnit unit = unitOf(o.degrees);
  const Interval& b = o.b;
  const bool continuous = largestMagnitude(b) < unit.within;
  const Interval full = widened(-1.0, 1.0, kLibraryUlps);
  if (largestMagnitude(b) > kPlacedAngles || b.hi - b.lo >= 4 * unit.quarter)
    return {full, Defined::Everywhere, continuous};
  // In radians the C library's sine at the ends, a quarter of the time of the program's own
  // kernel for one value: both are within a unit of the exact value, so the widening covers
  // the kernel too.
  auto value = [&](double angle) {
    if (!o.degrees) return cosine ? std::cos(angle) : std::sin(angle);
    return cosine ? at<kOpCos>(angle, o.degrees) : at<kOpSin>(angle, o.degrees);
  };
  const double atLo = value(b.lo), atHi = value(b.hi);
  Interval r = widened(std::min(atLo, atHi), std::max(atLo, atHi), kLibraryUlps);
  forQuarterTurns(b, unit.quarter, [&](long long k) {
    const long long phase = ((k % 4) + 4 + (cosine ? 1 : 0)) % 4;
    if (phase == 1) r.hi = std::max(r.hi, full.hi);
    if (phase == 3) r.lo = std::min(r.lo, full.lo);
  });
  return {r, Defined::Everywhere, continuous};
}

}  // namespace

IntervalStep sine(const IntervalOperands& o) {
  return sineOrCosine(o, false);
}

IntervalStep cosine(const IntervalOperands& o) {
  return sineOrCosine(o, true);
}

// tan: increasing between its poles at the odd quarter turns, where it takes every value; a
// fault beyond the range, and in degrees at the poles themselves.
IntervalStep tangent(const IntervalOperands& o) {
  const AngleUnit unit = unitOf(o.degrees);
  const Interval& b = o.b;
  if (smallestMagnitude(b) >= unit.beyond) return nowhere();
  const Defined inRange = largestMagnitude(b) < unit.within ? Defined::Everywhere : Defined::Partly;
  IntervalStep acrossPoles = wholeLine();
  if (!o.degrees) acrossPoles.defined = inRange;
  if (largestMagnitude(b) > kPlacedAngles || b.hi - b.lo >= 2 * unit.quarter) return acrossPoles;
  bool pole = false;
  forQuarterTurns(b, unit.quarter, [&](long long k) { pole = pole || k % 2 != 0; });
  if (pole) return acrossPoles;
  return {increasingOn<kOpTan>(b.lo, b.hi, o.degrees), inRange, true};
}

namespace {

constexpr long double kFiniteBelow = DBL_MAX * (1 - 1e-12L);
constexpr long double kOverflowFrom = DBL_MAX * (1 + 1e-12L);

Defined definedBetween(long double smallestMagnitude, long double largestMagnitude) {
  if (smallestMagnitude >= kOverflowFrom) return Defined::Nowhere;
  return largestMagnitude <= kFiniteBelow ? Defined::Everywhere : Defined::Partly;
}

// Exact values in long double, widened in double past the program's own rounding.
Interval powerRange(long double lo, long double hi) {
  const auto clamp = [](long double v) {
    return static_cast<double>(
        std::clamp(v, -static_cast<long double>(DBL_MAX), static_cast<long double>(DBL_MAX)));
  };
  return {std::max(down(clamp(lo), kPowerUlps), -DBL_MAX),
          std::min(up(clamp(hi), kPowerUlps), DBL_MAX)};
}

// base^n in long double, by multiplication: a few units of its last place, far below a
// double's.
long double nthPower(long double base, int n) {
  long double r = base;
  for (int k = 1; k < n; ++k)
    r *= base;
  return r;
}

// base^n for a whole n = 0..9, repeated multiplication: monotone for odd n, even n falling
// to 0 at 0.
IntervalStep wholePower(const Interval& b, int n) {
  if (n == 0) return {{1, 1}, Defined::Everywhere, true};
  const long double lo = nthPower(b.lo, n);
  const long double hi = nthPower(b.hi, n);
  const long double smallest = nthPower(smallestMagnitude(b), n);
  const long double largest = std::max(std::fabs(lo), std::fabs(hi));
  const Defined defined = definedBetween(smallest, largest);
  if (defined == Defined::Nowhere) return nowhere();
  const Interval r = n % 2 == 1      ? powerRange(lo, hi)
                     : b.contains(0) ? powerRange(0, largest)
                                     : powerRange(std::min(lo, hi), largest);
  return {r, defined, defined == Defined::Everywhere};
}

// exp(exponent * ln(base)): a fault for a base of 0 or below; for a positive base monotone in
// each operand, so its extremes are at the corners.
IntervalStep realPower(const Interval& b, const Interval& e) {
  if (b.hi <= 0) return nowhere();
  const long double base[] = {std::max(b.lo, DBL_TRUE_MIN), b.hi};
  long double lo = HUGE_VALL, hi = 0;
  for (long double u : base) {
    for (long double w : {static_cast<long double>(e.lo), static_cast<long double>(e.hi)}) {
      const long double v = std::pow(u, w);
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
  }
  Defined defined = definedBetween(lo, hi);
  if (defined == Defined::Nowhere) return nowhere();
  if (b.lo <= 0) defined = Defined::Partly;
  Interval r = powerRange(lo, hi);
  r.lo = std::max(r.lo, 0.0);
  return {r, defined, defined == Defined::Everywhere};
}

}  // namespace

// The program's power: repeated multiplication for a whole exponent 0..9, otherwise the real
// power. An exponent that is not one number is both: the real power between the whole ones.
IntervalStep power(const IntervalOperands& o) {
  int n = 0;
  if (o.b.lo == o.b.hi && powers::smallWholeExponent(o.b.lo, n)) return wholePower(o.a, n);
  IntervalStep r = realPower(o.a, o.b);
  bool any = r.defined != Defined::Nowhere;
  for (int k = 0; k <= 9; ++k) {
    if (!o.b.contains(k)) continue;
    const IntervalStep whole = wholePower(o.a, k);
    r.defined = combined(r.defined, whole.defined);
    if (whole.defined == Defined::Nowhere) continue;
    r.range = any ? hull(r.range, whole.range) : whole.range;
    any = true;
  }
  r.continuous = r.defined == Defined::Everywhere;
  return r;
}

}  // namespace intervals
}  // namespace quorvel

namespace quorvel {

IntervalRegisters pointIntervals(const RegisterFile& registers) {
  IntervalRegisters intervals{};
  for (size_t code = 0; code < registers.size(); ++code)
    intervals[code] = {{registers[code], registers[code]}, true};
  return intervals;
}

namespace {

// One step by its row's interval rule; on one value of each operand, by its point kernel,
// which is exactly the point evaluator's value.
IntervalStep stepOn(const OperationInfo& operation, const Interval& a, const Interval& b, bool same,
                    bool degrees) {
  const bool points = b.lo == b.hi && (operation.unary || a.lo == a.hi);
  if (!points) return operation.interval({a, b, same, degrees});
  double r = 0;
  if (!operation.point(a.lo, b.lo, degrees, r)) return {{0, 0}, Defined::Nowhere, false};
  return {{r, r}, Defined::Everywhere, true};
}

}  // namespace

bool intervalRun(const StepList& steps, bool degrees, IntervalRegisters& registers,
                 uint8_t resultCode, IntervalResult& out) {
  out = {};
  for (const Step& s : steps) {
    if (s.opcode == kOpEnd) break;
    const OperationInfo& operation = operationInfo(s.opcode);
    if (!operation.writes) continue;
    const IntervalValue& a = registers[s.src1];
    const IntervalValue& b = registers[s.src2];
    const IntervalStep r = stepOn(operation, a.range, b.range, s.src1 == s.src2, degrees);
    if (r.defined == Defined::Nowhere) {
      out = {{0, 0}, Defined::Nowhere, false};
      return false;
    }
    if (r.defined == Defined::Partly) out.defined = Defined::Partly;
    const bool continuous = r.continuous && b.continuous && (operation.unary || a.continuous);
    registers[s.dest] = {r.range, continuous};
  }
  const IntervalValue& result = registers[resultCode];
  out.range = result.range;
  out.continuous = result.continuous && out.defined == Defined::Everywhere;
  return true;
}

}  // namespace quorvel
