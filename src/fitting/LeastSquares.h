#pragma once
// The least-squares polynomial through up to 40 points: the normal equations A^T A c = A^T y,
// with A^T A inverted by Gauss-Jordan elimination with partial pivoting. All storage is fixed;
// a fit allocates nothing.

#include <array>
#include <span>

#include "fitting/Polynomial.h"

namespace quorvel {

constexpr int kMaxPoints = 40;

// A point in world coordinates.
struct TPoint {
  double x = 0;
  double y = 0;
};

class LeastSquares {
 public:
  // Input: the points lsqX/lsqY[0..lsqN-1] and the number of coefficients lsqM (1..8).
  std::array<double, kMaxPoints> lsqX{};
  std::array<double, kMaxPoints> lsqY{};
  int lsqN = 0;
  int lsqM = 0;
  // Output: lsqCoef[k] is the coefficient of x^k, k < lsqM.
  std::array<double, kCoefficients> lsqCoef{};

  // Fills lsqCoef. It has no failure of its own: a (numerically) singular system gives
  // coefficients that are not finite, which the callers check.
  void SolveLeastSquares();

  // The best line c0 + c1 x and parabola c0 + c1 x + c2 x^2 through `data` (at most 40
  // points). False when the result is not finite.
  bool FitLinear(std::span<const TPoint> data, std::array<double, 2>& coef);
  bool FitQuadratic(std::span<const TPoint> data, std::array<double, 3>& coef);

 private:
  bool fit(std::span<const TPoint> data, int coefficients);

  std::array<std::array<double, kCoefficients>, kMaxPoints> lsqA{};
  std::array<std::array<double, kMaxPoints>, kCoefficients> lsqAT{};
  std::array<std::array<double, kCoefficients>, kCoefficients> lsqNorm{};
  std::array<double, kCoefficients> lsqRhs{};
  std::array<std::array<double, kCoefficients>, kCoefficients> lsqInv{};
};

}  // namespace quorvel
