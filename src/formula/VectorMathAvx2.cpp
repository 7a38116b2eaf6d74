// The library functions four lanes at a time: AVX2 with FMA (compiled for it; called only
// where the processor has both).

#include <immintrin.h>
#include <sleef.h>

namespace {

using Vector = __m256d;
constexpr int kWidth = 4;
inline Vector load(const double* p) {
  return _mm256_loadu_pd(p);
}
inline void store(double* p, Vector v) {
  _mm256_storeu_pd(p, v);
}

}  // namespace

#define QUORVEL_SLEEF(name) Sleef_##name##d4_u10avx2
#include "formula/VectorMathLanes.h"

namespace quorvel::vectormath {
QUORVEL_RAW_MATH(kRawAvx2, "avx2");
}
