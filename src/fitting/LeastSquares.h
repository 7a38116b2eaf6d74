#pragma once
// The least-squares polynomial through up to 40 points, as exact as double precision allows:
// x is shifted and scaled to [-1, 1], the design matrix of that variable is factored by
// Householder reflections (no normal equations, which would square its conditioning), and the
// coefficients, turned back into powers of x, are refined against residuals computed in
// double-double arithmetic until they no longer change. All storage is fixed; a fit
// allocates nothing.

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

  // Fills lsqCoef. A system without a usable answer gives coefficients that are not finite,
  // which the callers check: fewer points than coefficients, points too close together for
  // their powers to differ in a double, powers of x beyond a double, or a polynomial whose
  // powers of x cancel so much that it could not be evaluated in a double (its terms more
  // than kMaxCancellation times its values at the points).
  void SolveLeastSquares();
  static constexpr double kMaxCancellation = 1e10;

  // The best line c0 + c1 x and parabola c0 + c1 x + c2 x^2 through `data` (at most 40
  // points). False when there is none (see above).
  bool FitLinear(std::span<const TPoint> data, std::array<double, 2>& coef);
  bool FitQuadratic(std::span<const TPoint> data, std::array<double, 3>& coef);

  // How many refinement steps the last solve took (for the tests).
  int refinementSteps() const { return steps_; }

 private:
  bool fit(std::span<const TPoint> data, int coefficients);
  bool factor();
  // The coefficients, in powers of x, of the least-squares polynomial of `values` at the
  // points, from the factorisation.
  void solveScaled(const std::array<double, kMaxPoints>& values,
                   std::array<double, kCoefficients>& coefficients) const;
  bool usable() const;

  double centre_ = 0;  // x = centre_ + halfWidth_ * t, t in [-1, 1]
  double halfWidth_ = 1;
  // The Householder factorisation of the design matrix in t: R above the diagonal (its
  // diagonal in rDiagonal_), the reflections' vectors on and below it.
  std::array<std::array<double, kCoefficients>, kMaxPoints> qr_{};
  std::array<double, kCoefficients> rDiagonal_{};
  int steps_ = 0;
};

}  // namespace quorvel
