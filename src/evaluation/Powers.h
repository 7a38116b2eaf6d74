#pragma once
// The power rule's whole exponents: base^n for n = 0..9 by repeated multiplication, as the
// program's extended chain gives it, at a point and over lanes. The power's row of the table
// of operations (evaluation/Operations.h) uses them.

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>

namespace quorvel::powers {

// base^N for N = 4..9 by repeated multiplication, carried in double-double: the result is
// the correctly rounded product within a hair, as the extended chain gives it. Straight-line
// code, so that a loop over lanes vectorises. Exact while no partial product leaves the range
// that chainUsable accepts.
template <int N>
inline double chain(double base) {
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
inline bool chainUsable(double r) {
  const auto exponent = static_cast<uint32_t>(std::bit_cast<uint64_t>(r) >> 52) & 0x7FFu;
  return exponent - 63u <= 2017u - 63u;
}

inline double extended(double base, int n) {
  long double product = 1.0L;
  for (int k = 0; k < n; ++k)
    product *= base;
  if (std::fabs(product) > DBL_MAX) return HUGE_VAL;  // overflow: the caller faults
  return static_cast<double>(product);
}

// base^n for n = 0..9 by repeated multiplication. Up to the cube, plain double is within
// two units in the last place of the extended chain (two roundings of at most half a unit,
// and the extended result's own half unit); from the fourth power on, double-double.
inline double whole(double base, int n) {
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
      r = chain<4>(base);
      break;
    case 5:
      r = chain<5>(base);
      break;
    case 6:
      r = chain<6>(base);
      break;
    case 7:
      r = chain<7>(base);
      break;
    case 8:
      r = chain<8>(base);
      break;
    default:
      r = chain<9>(base);
      break;
  }
  return chainUsable(r) ? r : extended(base, n);
}

// Is `exponent` a whole number from 0 to 9? Then the power is repeated multiplication.
inline bool smallWholeExponent(double exponent, int& n) {
  if (!(exponent >= 0.0 && exponent < 10.0)) return false;
  n = static_cast<int>(exponent);
  return static_cast<double>(n) == exponent;
}

// base^N over n lanes, the vectorised chain, then the rare lanes it cannot serve again the
// way the point kernel does them. Block by block, so that `out` may be `base`'s array.
template <int N>
void chainLanes(const double* base, double* out, int n) {
  constexpr int kBlock = 64;
  for (int start = 0; start < n; start += kBlock) {
    const int m = std::min(kBlock, n - start);
    const double* a = base + start;
    double r[kBlock];
    uint32_t unusable = 0;
    for (int i = 0; i < m; ++i) {
      r[i] = chain<N>(a[i]);
      unusable |= !chainUsable(r[i]);
    }
    if (unusable) {
      for (int i = 0; i < m; ++i) {
        if (!chainUsable(r[i])) r[i] = extended(a[i], N);
      }
    }
    std::copy_n(r, m, out + start);
  }
}

}  // namespace quorvel::powers
