#pragma once
// The formula language's library functions over arrays of values, for the point evaluator
// (arrays of one) and the batch evaluator (whole rows) alike, so that both get the same
// bits for every value, and the lane kernels of the batch evaluator's arithmetic. They run in the
// widest instruction set the processor has (AVX-512, AVX2 with FMA, or SSE2), chosen once at
// the first use, the library functions on SLEEF's vector functions of at most 1.0 ulp; the
// build itself stays baseline x86-64.
//
// Each function keeps the program's rules: the angle functions give 0 beyond the sine
// instruction's range (2^63 radians) and work in degrees when asked; a NaN result marks a
// fault where the function has faults of its own (tan, asin, acos), as the program's checks
// find them. In degrees the angle is first reduced exactly (whole turns and quarter turns),
// then the function runs in extended precision, lane by lane.

#include <cstdint>

#include "evaluation/VectorMathIsa.h"

namespace quorvel::vectormath {

enum class InstructionSet : uint8_t { Sse2, Avx2, Avx512 };
// The widest the processor and the system run, and the one in use.
InstructionSet widest();
InstructionSet inUse();
const char* nameOf(InstructionSet set);
// For the tests and benchmarks: another one the processor runs (false otherwise).
bool use(InstructionSet set);

// The program's functions; `in` and `out` may be the same array.
void sine(const double* in, double* out, int n, bool degrees);
void cosine(const double* in, double* out, int n, bool degrees);
void tangent(const double* in, double* out, int n, bool degrees);    // NaN: fault
void arcsine(const double* in, double* out, int n, bool degrees);    // NaN: fault
void arccosine(const double* in, double* out, int n, bool degrees);  // NaN: fault
void arctangent(const double* in, double* out, int n, bool degrees);
// The plain library functions: NaN or an infinity where they have no finite value.
void exponential(const double* in, double* out, int n);
void logarithm(const double* in, double* out, int n);
void logarithm10(const double* in, double* out, int n);
void power(const double* base, const double* exponent, double* out, int n);

// ---- The lane kernels of the instruction set in use (evaluation/VectorMathIsa.h): the
// batch evaluator's arithmetic over its lanes, its fault and sign rows, with the bits of the
// scalar operations.
const LaneKernels& lanes();

}  // namespace quorvel::vectormath
