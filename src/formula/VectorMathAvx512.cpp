// The library functions eight lanes at a time: AVX-512F (compiled for it; called only where
// the processor and the system support it).

#include <immintrin.h>
#include <sleef.h>

namespace {

using Vector = __m512d;
constexpr int kWidth = 8;
inline Vector load(const double* p) {
  return _mm512_loadu_pd(p);
}
inline void store(double* p, Vector v) {
  _mm512_storeu_pd(p, v);
}

}  // namespace

#define QUORVEL_SLEEF(name) Sleef_##name##d8_u10avx512f
#include "formula/VectorMathLanes.h"

namespace quorvel::vectormath {
QUORVEL_RAW_MATH(kRawAvx512, "avx512");
}
