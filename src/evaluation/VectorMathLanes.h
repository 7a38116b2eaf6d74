#pragma once
// The body of an instruction set's lane kernels (VectorMathIsa.h): included by one source file
// per instruction set, compiled for it, after it defined Vector, kWidth, the vector
// operations below and the SLEEF names through QUORVEL_SLEEF(name):
//   load, store, broadcast, add, subtract, multiply, divide, squareRoot, absolute, negate,
//   and the comparisons below, greater, equal, each giving one bit per lane.
//
// Everything here has internal linkage and uses no template of the standard library: an
// inline function of external linkage compiled here for a wider instruction set could be the
// copy the linker keeps for the whole program, and run where the processor lacks the set.

#include <cmath>
#include <cstdint>

#include "evaluation/VectorMathIsa.h"

namespace quorvel::vectormath {
namespace {

// ---- Arithmetic. IEEE rounds +, -, *, / and the square root alike in any width (the build
// never contracts a product and a sum into one), so each lane gets the bits of the scalar
// operation.

template <class VectorOp, class ScalarOp>
void binaryLanes(VectorOp vectorOp, ScalarOp scalarOp, const double* a, double ua, const double* b,
                 double ub, double* out, int n) {
  int i = 0;
  if (a && b) {
    for (; i + kWidth <= n; i += kWidth)
      store(out + i, vectorOp(load(a + i), load(b + i)));
    for (; i < n; ++i)
      out[i] = scalarOp(a[i], b[i]);
  } else if (a) {
    const Vector w = broadcast(ub);
    for (; i + kWidth <= n; i += kWidth)
      store(out + i, vectorOp(load(a + i), w));
    for (; i < n; ++i)
      out[i] = scalarOp(a[i], ub);
  } else {
    const Vector v = broadcast(ua);
    for (; i + kWidth <= n; i += kWidth)
      store(out + i, vectorOp(v, load(b + i)));
    for (; i < n; ++i)
      out[i] = scalarOp(ua, b[i]);
  }
}

template <class VectorOp, class ScalarOp>
void unaryLanes(VectorOp vectorOp, ScalarOp scalarOp, const double* in, double* out, int n) {
  int i = 0;
  for (; i + kWidth <= n; i += kWidth)
    store(out + i, vectorOp(load(in + i)));
  for (; i < n; ++i)
    out[i] = scalarOp(in[i]);
}

void addLanes(const double* a, double ua, const double* b, double ub, double* out, int n) {
  binaryLanes([](Vector v, Vector w) { return add(v, w); },
              [](double x, double y) { return x + y; }, a, ua, b, ub, out, n);
}
void subtractLanes(const double* a, double ua, const double* b, double ub, double* out, int n) {
  binaryLanes([](Vector v, Vector w) { return subtract(v, w); },
              [](double x, double y) { return x - y; }, a, ua, b, ub, out, n);
}
void multiplyLanes(const double* a, double ua, const double* b, double ub, double* out, int n) {
  binaryLanes([](Vector v, Vector w) { return multiply(v, w); },
              [](double x, double y) { return x * y; }, a, ua, b, ub, out, n);
}
void divideLanes(const double* a, double ua, const double* b, double ub, double* out, int n) {
  binaryLanes([](Vector v, Vector w) { return divide(v, w); },
              [](double x, double y) { return x / y; }, a, ua, b, ub, out, n);
}
void squareLanes(const double* in, double* out, int n) {
  unaryLanes([](Vector v) { return multiply(v, v); }, [](double x) { return x * x; }, in, out, n);
}
void cubeLanes(const double* in, double* out, int n) {
  unaryLanes([](Vector v) { return multiply(multiply(v, v), v); },
             [](double x) { return x * x * x; }, in, out, n);
}
void negateLanes(const double* in, double* out, int n) {
  unaryLanes([](Vector v) { return negate(v); }, [](double x) { return -x; }, in, out, n);
}
void absoluteLanes(const double* in, double* out, int n) {
  unaryLanes([](Vector v) { return absolute(v); }, [](double x) { return std::fabs(x); }, in, out,
             n);
}
void squareRootLanes(const double* in, double* out, int n) {
  unaryLanes([](Vector v) { return squareRoot(v); }, [](double x) { return std::sqrt(x); }, in, out,
             n);
}

// poison += value * 0: 0 for a finite value, NaN for a NaN or an infinity.
void notePoisonLanes(const double* values, double* poison, int n) {
  const Vector zero = broadcast(0.0);
  int i = 0;
  for (; i + kWidth <= n; i += kWidth)
    store(poison + i, add(load(poison + i), multiply(load(values + i), zero)));
  for (; i < n; ++i)
    poison[i] += values[i] * 0.0;
}

// valid[i] = (values[i] * scale == 0).
void zeroBytesLanes(const double* values, double scale, uint8_t* valid, int n) {
  const Vector factor = broadcast(scale);
  const Vector zero = broadcast(0.0);
  int i = 0;
  for (; i + kWidth <= n; i += kWidth) {
    const unsigned bits = equal(multiply(load(values + i), factor), zero);
    for (int k = 0; k < kWidth; ++k)
      valid[i + k] = static_cast<uint8_t>((bits >> k) & 1);
  }
  for (; i < n; ++i)
    valid[i] = values[i] * scale == 0.0;
}

// The signs of n values as bit rows from word 0 on; the bits of the last word beyond n are
// cleared. Valid is finite, or what `validBytes` says when given.
void signWordsLanes(const double* values, const uint8_t* validBytes, int n, uint64_t* valid,
                    uint64_t* positive, uint64_t* negative) {
  const Vector zero = broadcast(0.0);
  for (int word = 0; word * 64 < n; ++word) {
    const int first = word * 64;
    const int count = n - first < 64 ? n - first : 64;
    uint64_t v = 0, p = 0, m = 0;
    int k = 0;
    for (; k + kWidth <= count; k += kWidth) {
      const Vector x = load(values + first + k);
      if (!validBytes) v |= static_cast<uint64_t>(equal(multiply(x, zero), zero)) << k;
      p |= static_cast<uint64_t>(greater(x, zero)) << k;
      m |= static_cast<uint64_t>(below(x, zero)) << k;
    }
    for (; k < count; ++k) {
      const double x = values[first + k];
      if (!validBytes) v |= static_cast<uint64_t>(x * 0.0 == 0.0) << k;
      p |= static_cast<uint64_t>(x > 0) << k;
      m |= static_cast<uint64_t>(x < 0) << k;
    }
    if (validBytes) {
      for (k = 0; k < count; ++k)
        v |= static_cast<uint64_t>(validBytes[first + k] != 0) << k;
    }
    valid[word] = v;
    positive[word] = p & v;
    negative[word] = m & v;
  }
}

// ---- Library functions: whole vectors straight from the arrays, the rest through a buffer
// padded with zeros.

#define QUORVEL_LANES1(function)                               \
  void function##Lanes(const double* in, double* out, int n) { \
    int i = 0;                                                 \
    for (; i + kWidth <= n; i += kWidth)                       \
      store(out + i, QUORVEL_SLEEF(function)(load(in + i)));   \
    if (i == n) return;                                        \
    alignas(64) double buffer[kWidth] = {};                    \
    for (int k = 0; i + k < n; ++k)                            \
      buffer[k] = in[i + k];                                   \
    store(buffer, QUORVEL_SLEEF(function)(load(buffer)));      \
    for (int k = 0; i + k < n; ++k)                            \
      out[i + k] = buffer[k];                                  \
  }

// The angle functions choose their argument reduction for the whole vector: one for angles
// below 15, another below 10^14, the slowest beyond (or not finite), and the last bits of a
// lane depend on the reduction. A single value runs alone among zeros, which takes the
// reduction of its own range; so a vector whose lanes are not all of one range runs once per
// range, the lanes of the others replaced by zeros, and each of the slowest range alone.
// Beyond the sine instruction's range the program has its own value instead.
constexpr double kSmallReduction = 15;
constexpr double kFastReduction = 1e14;

template <class Function>
Vector angleVector(Function f, Vector v, double beyondLimit) {
  constexpr unsigned kAll = (1u << kWidth) - 1;
  const Vector magnitude = absolute(v);
  const unsigned small = below(magnitude, broadcast(kSmallReduction));
  const unsigned fast = below(magnitude, broadcast(kFastReduction));
  if (small == kAll || (fast == kAll && small == 0)) return f(v);
  alignas(64) double in[kWidth], out[kWidth], part[kWidth];
  store(in, v);
  auto runLanes = [&](unsigned lanes) {
    for (int k = 0; k < kWidth; ++k)
      part[k] = (lanes >> k) & 1 ? in[k] : 0.0;
    store(part, f(load(part)));
    for (int k = 0; k < kWidth; ++k) {
      if ((lanes >> k) & 1) out[k] = part[k];
    }
  };
  if (small != 0) runLanes(small);
  if ((fast & ~small) != 0) runLanes(fast & ~small);
  for (int k = 0; k < kWidth; ++k) {
    if ((fast >> k) & 1) continue;
    if (std::fabs(in[k]) < kTrigLimit) {
      runLanes(1u << k);
    } else {
      out[k] = beyondLimit;
    }
  }
  return load(out);
}

#define QUORVEL_ANGLE_LANES(function, beyondLimit)                                     \
  void function##Lanes(const double* in, double* out, int n) {                         \
    int i = 0;                                                                         \
    for (; i + kWidth <= n; i += kWidth)                                               \
      store(out + i, angleVector(QUORVEL_SLEEF(function), load(in + i), beyondLimit)); \
    if (i == n) return;                                                                \
    alignas(64) double buffer[kWidth] = {};                                            \
    for (int k = 0; i + k < n; ++k)                                                    \
      buffer[k] = in[i + k];                                                           \
    store(buffer, angleVector(QUORVEL_SLEEF(function), load(buffer), beyondLimit));    \
    for (int k = 0; i + k < n; ++k)                                                    \
      out[i + k] = buffer[k];                                                          \
  }

QUORVEL_ANGLE_LANES(sin, 0.0)
QUORVEL_ANGLE_LANES(cos, 0.0)
QUORVEL_ANGLE_LANES(tan, __builtin_nan(""))
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
  for (int k = 0; i + k < n; ++k) {
    first[k] = a[i + k];
    second[k] = b[i + k];
  }
  store(first, QUORVEL_SLEEF(pow)(load(first), load(second)));
  for (int k = 0; i + k < n; ++k)
    out[i + k] = first[k];
}

}  // namespace
}  // namespace quorvel::vectormath

#define QUORVEL_LANE_KERNELS(NAME, LABEL) \
  const LaneKernels NAME = {              \
      .name = (LABEL),                    \
      .sin = sinLanes,                    \
      .cos = cosLanes,                    \
      .tan = tanLanes,                    \
      .asin = asinLanes,                  \
      .acos = acosLanes,                  \
      .atan = atanLanes,                  \
      .exp = expLanes,                    \
      .log = logLanes,                    \
      .log10 = log10Lanes,                \
      .pow = powLanes,                    \
      .add = addLanes,                    \
      .subtract = subtractLanes,          \
      .multiply = multiplyLanes,          \
      .divide = divideLanes,              \
      .square = squareLanes,              \
      .cube = cubeLanes,                  \
      .negate = negateLanes,              \
      .absolute = absoluteLanes,          \
      .squareRoot = squareRootLanes,      \
      .notePoison = notePoisonLanes,      \
      .zeroBytes = zeroBytesLanes,        \
      .signWords = signWordsLanes,        \
  }
