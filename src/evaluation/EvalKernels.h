#pragma once
// The arithmetic of one step, shared by the point evaluator and the batch evaluator so that
// both compute the very same doubles. Each kernel stores its result in `r` and returns false
// when the step faults: the caller then discards `r`.
//
// The program's arithmetic is defined in extended precision, rounded to double on every
// store. Computing in double gives the same result within two units in the last place for
// +, -, *, /, sqrt and the library functions. Where double would lose more than that (the
// arcsine and arccosine formulas near their ends, the degree conversions, the repeated
// multiplication of the power rule) the kernels work in long double or in double-double; the
// library functions (evaluation/VectorMath) are SLEEF's, within one unit in the last place.
//
// Faults are found by explicit checks, never by floating-point traps: a result that is not
// a finite double is a fault (overflow, division by zero, root or logarithm out of domain),
// so no NaN or infinity ever reaches a register.

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>

#include "evaluation/Program.h"
#include "evaluation/VectorMath.h"

namespace quorvel::kernels {

// A result a register may hold: finite (the comparison is false for NaN too).
inline bool inRange(double r) {
  return std::fabs(r) <= DBL_MAX;
}

inline bool add(double a, double b, double& r) {
  r = a + b;
  return inRange(r);
}
inline bool sub(double a, double b, double& r) {
  r = a - b;
  return inRange(r);
}
inline bool mul(double a, double b, double& r) {
  r = a * b;
  return inRange(r);
}
inline bool div(double a, double b, double& r) {
  r = a / b;
  return inRange(r);
}  // b = 0 gives inf or NaN

// base^N for N = 4..9 by repeated multiplication, carried in double-double: the result is
// the correctly rounded product within a hair, as the extended chain gives it. Straight-line
// code, so that a loop over lanes vectorises. Exact while no partial product leaves the range
// that wholePowerChainUsable accepts.
template <int N>
inline double wholePowerChain(double base) {
  constexpr double kSplit = 134217729.0;  // 2^27 + 1, for Dekker's exact product
  const double tb = kSplit * base;
  const double bh = tb - (tb - base);
  const double bl = base - bh;
  double hi = base;
  double lo = 0.0;
  for (int k = 1; k < N; ++k) {
    const double p = hi * base;
    const double ta = kSplit * hi;
    const double ah = ta - (ta - hi);
    const double al = hi - ah;
    const double error = ((ah * bh - p) + ah * bl + al * bh) + al * bl;  // hi * base - p
    const double l = lo * base + error;
    hi = p + l;
    lo = l - (hi - p);
  }
  return hi;
}

// Is a chain result between 2^-960 and 2^995? Judged on the exponent bits alone, so that a
// loop over lanes can test it without branches. Outside (zero, tiny, huge, overflowed) the
// chain is redone in long double.
inline bool wholePowerChainUsable(double r) {
  const auto exponent = static_cast<uint32_t>(std::bit_cast<uint64_t>(r) >> 52) & 0x7FFu;
  return exponent - 63u <= 2017u - 63u;
}

inline double wholePowerExtended(double base, int n) {
  long double chain = 1.0L;
  for (int k = 0; k < n; ++k)
    chain *= base;
  if (std::fabs(chain) > DBL_MAX) return HUGE_VAL;  // overflow: the caller faults
  return static_cast<double>(chain);
}

// base^n for n = 0..9 by repeated multiplication. Up to the cube, plain double is within
// two units in the last place of the extended chain (two roundings of at most half a unit,
// and the extended result's own half unit); from the fourth power on, double-double.
inline double wholePower(double base, int n) {
  double r = 0;
  switch (n) {
    case 0:
      return 1.0;
    case 1:
      return base;
    case 2:
      return base * base;
    case 3:
      return base * base * base;
    case 4:
      r = wholePowerChain<4>(base);
      break;
    case 5:
      r = wholePowerChain<5>(base);
      break;
    case 6:
      r = wholePowerChain<6>(base);
      break;
    case 7:
      r = wholePowerChain<7>(base);
      break;
    case 8:
      r = wholePowerChain<8>(base);
      break;
    default:
      r = wholePowerChain<9>(base);
      break;
  }
  return wholePowerChainUsable(r) ? r : wholePowerExtended(base, n);
}

// Is `exponent` a whole number from 0 to 9? Then the power is repeated multiplication.
inline bool smallWholeExponent(double exponent, int& n) {
  if (!(exponent >= 0.0 && exponent < 10.0)) return false;
  n = static_cast<int>(exponent);
  return static_cast<double>(n) == exponent;
}

// The power rule: repeated multiplication for whole exponents 0..9 (so (-2)^3 = -8 and
// 0^0 = 1), otherwise exp(exponent * ln(base)), which faults for a base of 0 or below.
inline bool power(double base, double exponent, double& r) {
  int n = 0;
  if (smallWholeExponent(exponent, n)) {
    r = wholePower(base, n);
    return inRange(r);
  }
  if (!(base > 0.0)) return false;
  vectormath::power(&base, &exponent, &r, 1);
  return inRange(r);
}

inline bool negate(double a, double& r) {
  r = -a;
  return true;
}
inline bool copy(double a, double& r) {
  r = a;
  return true;
}

// The library functions come from vectormath, on arrays of one value, so that the batch
// evaluator's rows get the same bits; their fault rules are the program's (see there).
inline bool arcsine(double a, bool degrees, double& r) {
  vectormath::arcsine(&a, &r, 1, degrees);
  return !std::isnan(r);
}

inline bool arccosine(double a, bool degrees, double& r) {
  vectormath::arccosine(&a, &r, 1, degrees);
  return !std::isnan(r);
}

inline bool arctangent(double a, bool degrees, double& r) {
  vectormath::arctangent(&a, &r, 1, degrees);
  return true;
}

inline bool squareRoot(double a, double& r) {
  if (!(a >= 0.0)) return false;
  r = std::sqrt(a);
  return true;
}

inline bool sine(double a, bool degrees, double& r) {
  vectormath::sine(&a, &r, 1, degrees);
  return true;
}

inline bool cosine(double a, bool degrees, double& r) {
  vectormath::cosine(&a, &r, 1, degrees);
  return true;
}

// Beyond the sine instruction's range, and at an odd multiple of 90 degrees, a fault.
inline bool tangent(double a, bool degrees, double& r) {
  vectormath::tangent(&a, &r, 1, degrees);
  return !std::isnan(r);
}

inline bool logarithm10(double a, double& r) {
  if (!(a > 0.0)) return false;
  vectormath::logarithm10(&a, &r, 1);
  return true;
}

inline bool logarithm(double a, double& r) {
  if (!(a > 0.0)) return false;
  vectormath::logarithm(&a, &r, 1);
  return true;
}

inline bool exponential(double a, double& r) {
  vectormath::exponential(&a, &r, 1);
  return inRange(r);
}
inline bool absolute(double a, double& r) {
  r = std::fabs(a);
  return true;
}

// Rounds to the nearest whole number, halves to even, through a 32-bit integer.
inline bool wholeNumber(double a, double& r) {
  r = std::nearbyint(a);
  return r >= -2147483648.0 && r <= 2147483647.0;
}

// Does the step with this opcode write its destination? (8 and 9 are never generated.)
inline bool writesResult(uint8_t opcode) {
  return opcode != kOpSeparator && opcode != 9 && opcode >= kOpAdd && opcode <= kLastOpcode;
}

// One step on two operand values.
inline bool evaluate(uint8_t opcode, double r1, double r2, bool degrees, double& r) {
  switch (opcode) {
    case kOpAdd:
      return add(r1, r2, r);
    case kOpSub:
      return sub(r1, r2, r);
    case kOpMul:
      return mul(r1, r2, r);
    case kOpDiv:
      return div(r1, r2, r);
    case kOpPow:
      return power(r1, r2, r);
    case kOpNeg:
      return negate(r2, r);
    case kOpAssign:
      return copy(r2, r);
    case kOpAsin:
      return arcsine(r2, degrees, r);
    case kOpAcos:
      return arccosine(r2, degrees, r);
    case kOpAtan:
      return arctangent(r2, degrees, r);
    case kOpSqrt:
      return squareRoot(r2, r);
    case kOpSin:
      return sine(r2, degrees, r);
    case kOpCos:
      return cosine(r2, degrees, r);
    case kOpTan:
      return tangent(r2, degrees, r);
    case kOpLog:
      return logarithm10(r2, r);
    case kOpAbs:
      return absolute(r2, r);
    case kOpExp:
      return exponential(r2, r);
    case kOpLn:
      return logarithm(r2, r);
    case kOpInt:
      return wholeNumber(r2, r);
    default:
      return true;  // no operation
  }
}

}  // namespace quorvel::kernels
