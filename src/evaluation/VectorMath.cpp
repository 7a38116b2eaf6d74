#include "evaluation/VectorMath.h"

#include <algorithm>
#include <atomic>
#include <cfloat>
#include <cmath>
#include <limits>

namespace quorvel::vectormath {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Work goes through buffers of this many lanes.
constexpr int kChunk = 256;

const LaneKernels* kernelsOf(InstructionSet set) {
  switch (set) {
    case InstructionSet::Avx512:
      return &kLanesAvx512;
    case InstructionSet::Avx2:
      return &kLanesAvx2;
    case InstructionSet::Sse2:
      break;
  }
  return &kLanesSse2;
}

bool runs(InstructionSet set) {
  __builtin_cpu_init();
  switch (set) {
    case InstructionSet::Avx512:
      return __builtin_cpu_supports("avx512f");
    case InstructionSet::Avx2:
      return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    case InstructionSet::Sse2:
      break;
  }
  return true;
}

InstructionSet widestOnThisMachine() {
  for (InstructionSet set : {InstructionSet::Avx512, InstructionSet::Avx2}) {
    if (runs(set)) return set;
  }
  return InstructionSet::Sse2;
}

std::atomic<InstructionSet>& current() {
  static std::atomic<InstructionSet> set{widestOnThisMachine()};
  return set;
}

// ---- Degrees. The angle is reduced exactly to within 45 degrees of a quarter turn (fmod is
// exact, and so is taking off whole quarter turns from what is left), then the function runs
// in extended precision and is rounded once: within half an ulp and a hair. Lane by lane and
// not in vectors: extended precision has no vector form, and the speed of the vector
// functions is for radians.

constexpr long double kPi = 3.14159265358979323846264338327950288L;
constexpr long double kToRadians = kPi / 180;
constexpr long double kToDegrees = 180 / kPi;

// The degree limit of the angle functions: the angle in degrees counts as beyond the sine
// instruction's range when its extended product a * 0.017453292519943295 (radians as the
// point evaluator has always formed them, and graph files rely on) reaches 2^63; this is the
// smallest double whose product does.
double degreeLimit() {
  static const double limit = [] {
    constexpr long double kPointToRadians = 0.017453292519943295L;
    double a = static_cast<double>(kTrigLimit / kPointToRadians);
    while (std::fabs(std::nextafter(a, 0.0) * kPointToRadians) >= kTrigLimit)
      a = std::nextafter(a, 0.0);
    while (std::fabs(a * kPointToRadians) < kTrigLimit)
      a = std::nextafter(a, HUGE_VAL);
    return a;
  }();
  return limit;
}

// `a` degrees (finite) as s + 90 * quarter (quarter 0..3 modulo a full turn), |s| <= 45,
// exactly; s in radians in extended precision.
long double quarterOffset(double a, double period, int& quarter) {
  const double turn = std::fmod(a, period);
  const double q = std::nearbyint(turn / 90.0);
  quarter = static_cast<int>(q) & 3;
  return static_cast<long double>(turn - 90.0 * q) * kToRadians;
}

void degreeSineCosine(const double* in, double* out, int n, bool cosine) {
  const double limit = degreeLimit();
  for (int i = 0; i < n; ++i) {
    if (!(std::fabs(in[i]) < limit)) {
      out[i] = 0.0;
      continue;
    }
    int quarter = 0;
    const long double s = quarterOffset(in[i], 360.0, quarter);
    switch ((quarter + (cosine ? 1 : 0)) & 3) {
      case 0:
        out[i] = static_cast<double>(std::sin(s));
        break;
      case 1:
        out[i] = static_cast<double>(std::cos(s));
        break;
      case 2:
        out[i] = static_cast<double>(-std::sin(s));
        break;
      default:
        out[i] = static_cast<double>(-std::cos(s));
        break;
    }
  }
}

void degreeTangent(const double* in, double* out, int n) {
  const double limit = degreeLimit();
  for (int i = 0; i < n; ++i) {
    if (!(std::fabs(in[i]) < limit)) {  // beyond the range, infinite or NaN: a fault
      out[i] = kNaN;
      continue;
    }
    int quarter = 0;
    const long double s = quarterOffset(in[i], 180.0, quarter);
    // An odd quarter turn: tan(s + 90) = -1 / tan(s), a fault at s = 0.
    const long double t = (quarter & 1) ? -1.0L / std::tan(s) : std::tan(s);
    out[i] = std::fabs(t) <= DBL_MAX ? static_cast<double>(t) : kNaN;
  }
}

// asin, acos (the program's: negative for a < 0) and atan in degrees; faults as NaN.
void degreeArcsine(const double* in, double* out, int n) {
  for (int i = 0; i < n; ++i) {
    const double a = in[i];
    out[i] = std::fabs(a) < 1.0
                 ? static_cast<double>(std::asin(static_cast<long double>(a)) * kToDegrees)
                 : kNaN;
  }
}

void degreeArccosine(const double* in, double* out, int n) {
  for (int i = 0; i < n; ++i) {
    const double a = in[i];
    const long double angle = std::acos(static_cast<long double>(std::fabs(a))) * kToDegrees;
    const bool valid = std::fabs(a) <= 1.0 && a != 0.0;
    out[i] = !valid ? kNaN : static_cast<double>(a < 0 ? -angle : angle);
  }
}

void degreeArctangent(const double* in, double* out, int n) {
  for (int i = 0; i < n; ++i)
    out[i] = static_cast<double>(std::atan(static_cast<long double>(in[i])) * kToDegrees);
}

template <class F>
void inChunks(const double* in, double* out, int n, F f) {
  for (int i = 0; i < n; i += kChunk)
    f(in + i, out + i, std::min(kChunk, n - i));
}

}  // namespace

InstructionSet widest() {
  static const InstructionSet set = widestOnThisMachine();
  return set;
}

InstructionSet inUse() {
  return current().load(std::memory_order_relaxed);
}

const LaneKernels& lanes() {
  return *kernelsOf(current().load(std::memory_order_relaxed));
}

const char* nameOf(InstructionSet set) {
  return kernelsOf(set)->name;
}

bool use(InstructionSet set) {
  if (!runs(set)) return false;
  current().store(set, std::memory_order_relaxed);
  return true;
}

// The lane kernels keep the rule of the sine instruction's range themselves.
void sine(const double* in, double* out, int n, bool degrees) {
  if (degrees) return degreeSineCosine(in, out, n, false);
  lanes().sin(in, out, n);
}

void cosine(const double* in, double* out, int n, bool degrees) {
  if (degrees) return degreeSineCosine(in, out, n, true);
  lanes().cos(in, out, n);
}

void tangent(const double* in, double* out, int n, bool degrees) {
  if (degrees) return degreeTangent(in, out, n);
  lanes().tan(in, out, n);
}

// asin: a fault at +-1 and beyond (the program's atan(a / sqrt(1 - a^2)) divides by 0 there).
void arcsine(const double* in, double* out, int n, bool degrees) {
  if (degrees) return degreeArcsine(in, out, n);
  inChunks(in, out, n, [](const double* a, double* r, int m) {
    double v[kChunk];
    lanes().asin(a, v, m);
    for (int i = 0; i < m; ++i)
      r[i] = std::fabs(a[i]) < 1.0 ? v[i] : kNaN;
  });
}

// acos as the program defines it, atan(sqrt(1 - a^2) / a): a fault at 0 and beyond +-1,
// negative for a < 0 (that is -acos(-a)).
void arccosine(const double* in, double* out, int n, bool degrees) {
  if (degrees) return degreeArccosine(in, out, n);
  inChunks(in, out, n, [](const double* a, double* r, int m) {
    double magnitude[kChunk], v[kChunk];
    for (int i = 0; i < m; ++i)
      magnitude[i] = std::fabs(a[i]);
    lanes().acos(magnitude, v, m);
    for (int i = 0; i < m; ++i) {
      const bool valid = magnitude[i] <= 1.0 && a[i] != 0.0;
      r[i] = !valid ? kNaN : a[i] < 0 ? -v[i] : v[i];
    }
  });
}

void arctangent(const double* in, double* out, int n, bool degrees) {
  if (degrees) return degreeArctangent(in, out, n);
  lanes().atan(in, out, n);
}

void exponential(const double* in, double* out, int n) {
  lanes().exp(in, out, n);
}

void logarithm(const double* in, double* out, int n) {
  lanes().log(in, out, n);
}

void logarithm10(const double* in, double* out, int n) {
  lanes().log10(in, out, n);
}

void power(const double* base, const double* exponent, double* out, int n) {
  lanes().pow(base, exponent, out, n);
}

}  // namespace quorvel::vectormath
