#include "fitting/Polynomial.h"

namespace quorvel {

int highestNonZero(const PolyWork& work) {
  for (int i = kMaxDegree; i > 0; --i) {
    if (work[i] != 0) return i;
  }
  return 0;
}

}  // namespace quorvel
