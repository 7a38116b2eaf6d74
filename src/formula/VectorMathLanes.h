#pragma once
// The body of an instruction set's RawMath (VectorMathIsa.h): included by one source file per
// instruction set, compiled for it, after it defined Vector, kWidth, load, store and the
// SLEEF names through QUORVEL_SLEEF(name).

#include <algorithm>
#include <cmath>

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

// The angle functions choose their argument reduction for the whole vector: where a lane is
// huge (or not finite), every lane takes the slow reduction, whose last bit may differ. So a
// vector with such a lane is done again lane by lane, each alone among zeros as a single
// value is, and every lane gets the bits it gets alone.
constexpr double kFastReduction = 1e14;

#define QUORVEL_LANES1_ALONE_BEYOND(function, range)           \
  void function##Lanes(const double* in, double* out, int n) { \
    alignas(64) double buffer[kWidth];                         \
    for (int i = 0; i < n; i += kWidth) {                      \
      const int count = std::min(kWidth, n - i);               \
      bool alone = false;                                      \
      for (int k = 0; k < count; ++k)                          \
        alone |= !(std::fabs(in[i + k]) < (range));            \
      if (!alone) {                                            \
        std::fill(buffer, buffer + kWidth, 0.0);               \
        std::copy(in + i, in + i + count, buffer);             \
        store(buffer, QUORVEL_SLEEF(function)(load(buffer)));  \
        std::copy(buffer, buffer + count, out + i);            \
        continue;                                              \
      }                                                        \
      for (int k = 0; k < count; ++k) {                        \
        std::fill(buffer, buffer + kWidth, 0.0);               \
        buffer[0] = in[i + k];                                 \
        store(buffer, QUORVEL_SLEEF(function)(load(buffer)));  \
        out[i + k] = buffer[0];                                \
      }                                                        \
    }                                                          \
  }

namespace quorvel::vectormath {
namespace {

QUORVEL_LANES1_ALONE_BEYOND(sin, kFastReduction)
QUORVEL_LANES1_ALONE_BEYOND(cos, kFastReduction)
QUORVEL_LANES1_ALONE_BEYOND(tan, kFastReduction)
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
  alignas(64) double buffer[kWidth];
  alignas(64) double s[kWidth], c[kWidth];
  for (int i = 0; i < n; i += kWidth) {
    const int count = std::min(kWidth, n - i);
    bool alone = false;
    for (int k = 0; k < count; ++k)
      alone |= !(std::fabs(in[i + k]) < kFastReduction);
    for (int k = 0; k < count; k += alone ? 1 : count) {
      std::fill(buffer, buffer + kWidth, 0.0);
      std::copy(in + i + k, in + i + (alone ? k + 1 : count), buffer);
      const auto both = QUORVEL_SLEEF(sincos)(load(buffer));
      store(s, both.x);
      store(c, both.y);
      std::copy(s, s + (alone ? 1 : count), sine + i + k);
      std::copy(c, c + (alone ? 1 : count), cosine + i + k);
    }
  }
}

}  // namespace
}  // namespace quorvel::vectormath

#define QUORVEL_RAW_MATH(NAME, LABEL)                                                      \
  const RawMath NAME = {LABEL,     sinLanes, cosLanes, tanLanes,   asinLanes,   acosLanes, \
                        atanLanes, expLanes, logLanes, log10Lanes, sincosLanes, powLanes}
