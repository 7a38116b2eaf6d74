// The lane kernels eight lanes at a time: AVX-512F (compiled for it; called only where the
// processor and the system support it).

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
inline Vector broadcast(double v) {
  return _mm512_set1_pd(v);
}
inline Vector add(Vector a, Vector b) {
  return _mm512_add_pd(a, b);
}
inline Vector subtract(Vector a, Vector b) {
  return _mm512_sub_pd(a, b);
}
inline Vector multiply(Vector a, Vector b) {
  return _mm512_mul_pd(a, b);
}
inline Vector divide(Vector a, Vector b) {
  return _mm512_div_pd(a, b);
}
inline Vector squareRoot(Vector a) {
  return _mm512_mask_sqrt_pd(a, 0xFF, a);  // the plain form trips GCC 12's warning in its header
}
// The sign bit by integer operations: the floating-point ones of these need AVX-512DQ.
inline Vector absolute(Vector a) {
  return _mm512_castsi512_pd(
      _mm512_and_si512(_mm512_castpd_si512(a), _mm512_set1_epi64(0x7FFFFFFFFFFFFFFF)));
}
inline Vector negate(Vector a) {
  return _mm512_castsi512_pd(_mm512_xor_si512(
      _mm512_castpd_si512(a), _mm512_set1_epi64(static_cast<long long>(0x8000000000000000u))));
}
inline unsigned below(Vector a, Vector b) {
  return _mm512_cmp_pd_mask(a, b, _CMP_LT_OQ);
}
inline unsigned greater(Vector a, Vector b) {
  return _mm512_cmp_pd_mask(a, b, _CMP_GT_OQ);
}
inline unsigned equal(Vector a, Vector b) {
  return _mm512_cmp_pd_mask(a, b, _CMP_EQ_OQ);
}

}  // namespace

#define QUORVEL_SLEEF(name) Sleef_##name##d8_u10avx512f
#include "evaluation/VectorMathLanes.h"

namespace quorvel::vectormath {
QUORVEL_LANE_KERNELS(kLanesAvx512, "avx512");
}
