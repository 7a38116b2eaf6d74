// The lane kernels four lanes at a time: AVX2 with FMA (compiled for it; called only where
// the processor has both).

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
inline Vector broadcast(double v) {
  return _mm256_set1_pd(v);
}
inline Vector add(Vector a, Vector b) {
  return _mm256_add_pd(a, b);
}
inline Vector subtract(Vector a, Vector b) {
  return _mm256_sub_pd(a, b);
}
inline Vector multiply(Vector a, Vector b) {
  return _mm256_mul_pd(a, b);
}
inline Vector divide(Vector a, Vector b) {
  return _mm256_div_pd(a, b);
}
inline Vector squareRoot(Vector a) {
  return _mm256_sqrt_pd(a);
}
inline Vector absolute(Vector a) {
  return _mm256_andnot_pd(_mm256_set1_pd(-0.0), a);
}
inline Vector negate(Vector a) {
  return _mm256_xor_pd(a, _mm256_set1_pd(-0.0));
}
inline unsigned below(Vector a, Vector b) {
  return static_cast<unsigned>(_mm256_movemask_pd(_mm256_cmp_pd(a, b, _CMP_LT_OQ)));
}
inline unsigned greater(Vector a, Vector b) {
  return static_cast<unsigned>(_mm256_movemask_pd(_mm256_cmp_pd(a, b, _CMP_GT_OQ)));
}
inline unsigned equal(Vector a, Vector b) {
  return static_cast<unsigned>(_mm256_movemask_pd(_mm256_cmp_pd(a, b, _CMP_EQ_OQ)));
}

}  // namespace

#define QUORVEL_SLEEF(name) Sleef_##name##d4_u10avx2
#include "evaluation/VectorMathLanes.h"

namespace quorvel::vectormath {
QUORVEL_LANE_KERNELS(kLanesAvx2, "avx2");
}
