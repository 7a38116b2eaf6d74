// The library functions two lanes at a time: SSE2, which every x86-64 processor has.

#include <emmintrin.h>
#include <sleef.h>

namespace {

using Vector = __m128d;
constexpr int kWidth = 2;
inline Vector load(const double* p) {
  return _mm_loadu_pd(p);
}
inline void store(double* p, Vector v) {
  _mm_storeu_pd(p, v);
}

}  // namespace

#define QUORVEL_SLEEF(name) Sleef_##name##d2_u10sse2
#include "formula/VectorMathLanes.h"

namespace quorvel::vectormath {
QUORVEL_RAW_MATH(kRawSse2, "sse2");
}
