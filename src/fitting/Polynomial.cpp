#include "fitting/Polynomial.h"

#include <cassert>

namespace quorvel {

void hornerRow(const PolyWork& work, int degree, std::span<const double> xs, std::span<double> ys) {
  assert(ys.size() >= xs.size());
  const size_t n = xs.size();
  for (size_t k = 0; k < n; ++k)
    ys[k] = 0;
  for (int i = degree; i >= 0; --i) {
    const double c = work[i];
    for (size_t k = 0; k < n; ++k)
      ys[k] = ys[k] * xs[k] + c;
  }
}

int highestNonZero(const PolyWork& work) {
  for (int i = kMaxDegree; i > 0; --i) {
    if (work[i] != 0) return i;
  }
  return 0;
}

}  // namespace quorvel
