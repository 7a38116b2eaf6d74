#pragma once
// The body of an instruction set's RawMath (VectorMathIsa.h): included by one source file per
// instruction set, compiled for it, after it defined Vector, kWidth, load, store and the
// SLEEF names through QUORVEL_SLEEF(name).

#include <algorithm>

#include "formula/VectorMathIsa.h"

// Whole vectors straight from the arrays, the rest through a buffer padded with zeros.
#define QUORVEL_LANES1(function)                               \
  void function##Lanes(const double* in, double* out, int n) { \
    int i = 0;                                                 \
    for (; i + kWidth <= n; i += kWidth)                       \
      store(out + i, QUORVEL_SLEEF(function)(load(in + i)));   \
    if (i == n) return;                                        \
    alignas(64) double buffer[kWidth] = {};                    \
    std::copy(in + i, in + n, buffer);                         \
    store(buffer, QUORVEL_SLEEF(function)(load(buffer)));      \
    std::copy(buffer, buffer + (n - i), out + i);              \
  }

namespace quorvel::vectormath {
namespace {

QUORVEL_LANES1(sin)
QUORVEL_LANES1(cos)
QUORVEL_LANES1(tan)
QUORVEL_LANES1(asin)
QUORVEL_LANES1(acos)
QUORVEL_LANES1(atan)
QUORVEL_LANES1(exp)
QUORVEL_LANES1(log)
QUORVEL_LANES1(log10)

void powLanes(const double* a, const double* b, double* out, int n) {
  int i = 0;
  for (; i + kWidth <= n; i += kWidth)
    store(out + i, QUORVEL_SLEEF(pow)(load(a + i), load(b + i)));
  if (i == n) return;
  alignas(64) double first[kWidth] = {};
  alignas(64) double second[kWidth] = {};
  std::copy(a + i, a + n, first);
  std::copy(b + i, b + n, second);
  store(first, QUORVEL_SLEEF(pow)(load(first), load(second)));
  std::copy(first, first + (n - i), out + i);
}

void sincosLanes(const double* in, double* sine, double* cosine, int n) {
  alignas(64) double buffer[kWidth] = {};
  alignas(64) double s[kWidth], c[kWidth];
  for (int i = 0; i < n; i += kWidth) {
    const int count = std::min(kWidth, n - i);
    const bool whole = count == kWidth;
    if (!whole) std::copy(in + i, in + n, buffer);
    const auto both = QUORVEL_SLEEF(sincos)(load(whole ? in + i : buffer));
    store(whole ? sine + i : s, both.x);
    store(whole ? cosine + i : c, both.y);
    if (!whole) {
      std::copy(s, s + count, sine + i);
      std::copy(c, c + count, cosine + i);
    }
  }
}

}  // namespace
}  // namespace quorvel::vectormath

#define QUORVEL_RAW_MATH(NAME, LABEL)                                                      \
  const RawMath NAME = {LABEL,     sinLanes, cosLanes, tanLanes,   asinLanes,   acosLanes, \
                        atanLanes, expLanes, logLanes, log10Lanes, sincosLanes, powLanes}
