#pragma once
// The library functions of one instruction set, each over an array: SLEEF's vector functions
// of at most 1.0 ulp (0.5 for sinpi), called on whole vectors of lanes, the last incomplete
// vector padded with zeros. Each lane's result depends on that lane alone, so one value run
// alone gives the very bits it gets among others. Only VectorMath.cpp uses this.

namespace quorvel::vectormath {

using Lanes1 = void (*)(const double* in, double* out, int n);
using Lanes2 = void (*)(const double* a, const double* b, double* out, int n);
using LanesSinCos = void (*)(const double* in, double* sine, double* cosine, int n);

struct RawMath {
  const char* name;
  Lanes1 sin, cos, tan, asin, acos, atan, exp, log, log10;
  LanesSinCos sincos;
  Lanes2 pow;
};

extern const RawMath kRawSse2;
extern const RawMath kRawAvx2;
extern const RawMath kRawAvx512;

}  // namespace quorvel::vectormath
