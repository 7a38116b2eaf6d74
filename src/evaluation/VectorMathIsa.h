#pragma once
// The lane kernels of one instruction set, each over arrays: the arithmetic of the batch
// evaluator, its fault and sign rows, and SLEEF's vector functions of at most 1.0 ulp, called
// on whole vectors of lanes, the last incomplete vector padded with zeros. Each lane's result
// depends on that lane alone, so one value run alone gives the very bits it gets among others.
// vectormath::lanes() (evaluation/VectorMath.h) gives those of the instruction set in use; a
// new kernel is a member here and its body in VectorMathLanes.h.

#include <cstdint>

namespace quorvel::vectormath {

// The sine instruction gives up at this magnitude: the program shows 0 for sin and cos beyond
// it, and tan faults.
constexpr double kTrigLimit = 0x1p63;

using Lanes1 = void (*)(const double* in, double* out, int n);
using Lanes2 = void (*)(const double* a, const double* b, double* out, int n);
// An operand array of nullptr stands for its single value in every lane.
using Binary = void (*)(const double* a, double ua, const double* b, double ub, double* out, int n);

struct LaneKernels {
  const char* name;
  Lanes1 sin, cos, tan, asin, acos, atan, exp, log, log10;
  Lanes2 pow;
  Binary add, subtract, multiply, divide;
  Lanes1 square, cube, negate, absolute, squareRoot;
  void (*notePoison)(const double* values, double* poison, int n);
  void (*zeroBytes)(const double* values, double scale, uint8_t* valid, int n);
  void (*signWords)(const double* values, const uint8_t* validBytes, int n, uint64_t* valid,
                    uint64_t* positive, uint64_t* negative);
};

extern const LaneKernels kLanesSse2;
extern const LaneKernels kLanesAvx2;
extern const LaneKernels kLanesAvx512;

}  // namespace quorvel::vectormath
