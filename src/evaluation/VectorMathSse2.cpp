// The lane kernels two lanes at a time: SSE2, which every x86-64 processor has.

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
inline Vector broadcast(double v) {
  return _mm_set1_pd(v);
}
inline Vector add(Vector a, Vector b) {
  return _mm_add_pd(a, b);
}
inline Vector subtract(Vector a, Vector b) {
  return _mm_sub_pd(a, b);
}
inline Vector multiply(Vector a, Vector b) {
  return _mm_mul_pd(a, b);
}
inline Vector divide(Vector a, Vector b) {
  return _mm_div_pd(a, b);
}
inline Vector squareRoot(Vector a) {
  return _mm_sqrt_pd(a);
}
inline Vector absolute(Vector a) {
  return _mm_andnot_pd(_mm_set1_pd(-0.0), a);
}
inline Vector negate(Vector a) {
  return _mm_xor_pd(a, _mm_set1_pd(-0.0));
}
inline unsigned below(Vector a, Vector b) {
  return static_cast<unsigned>(_mm_movemask_pd(_mm_cmplt_pd(a, b)));
}
inline unsigned greater(Vector a, Vector b) {
  return static_cast<unsigned>(_mm_movemask_pd(_mm_cmpgt_pd(a, b)));
}
inline unsigned equal(Vector a, Vector b) {
  return static_cast<unsigned>(_mm_movemask_pd(_mm_cmpeq_pd(a, b)));
}

}  // namespace

#define QUORVEL_SLEEF(name) Sleef_##name##d2_u10sse2
#include "evaluation/VectorMathLanes.h"

namespace quorvel::vectormath {
QUORVEL_LANE_KERNELS(kLanesSse2, "sse2");
}
