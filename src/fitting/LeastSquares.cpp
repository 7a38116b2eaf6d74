#include "fitting/LeastSquares.h"

#include <algorithm>
#include <cassert>
#include <cfloat>
#include <cmath>
#include <limits>

namespace quorvel {
namespace {

constexpr int kMaxRefinements = 8;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Double-double numbers: an unevaluated sum hi + lo of two doubles, about 32 digits.
struct DoubleDouble {
  double hi = 0, lo = 0;
};

DoubleDouble twoSum(double a, double b) {
  const double s = a + b;
  const double v = s - a;
  return {s, (a - (s - v)) + (b - v)};
}

// a * x + b, with a in double-double and x, b in double.
DoubleDouble multiplyAdd(DoubleDouble a, double x, double b) {
  const double p = a.hi * x;
  const double error = std::fma(a.hi, x, -p);
  DoubleDouble s = twoSum(p, b);
  s.lo += error + a.lo * x;
  return twoSum(s.hi, s.lo);
}

// y - (c0 + c1 x + ... ) in double-double, rounded to double at the end.
double residual(const std::array<double, kCoefficients>& c, int m, double x, double y) {
  DoubleDouble p{c[static_cast<size_t>(m - 1)], 0};
  for (int k = m - 2; k >= 0; --k)
    p = multiplyAdd(p, x, c[static_cast<size_t>(k)]);
  const DoubleDouble r = twoSum(y, -p.hi);
  return r.hi + (r.lo - p.lo);
}

}  // namespace

// Householder QR of the design matrix of t = (x - centre) / halfWidth: column k holds t^k.
// False when a column is (numerically) a combination of the ones before it.
bool LeastSquares::factor() {
  const int n = lsqN;
  const int m = lsqM;
  const auto [low, high] = std::minmax_element(lsqX.begin(), lsqX.begin() + n);
  halfWidth_ = (*high - *low) / 2;
  centre_ = *low + halfWidth_;
  if (!std::isfinite(halfWidth_)) return false;
  if (halfWidth_ == 0) halfWidth_ = 1;  // one x: only the constant can be fitted
  for (int r = 0; r < n; ++r) {
    const double t = (lsqX[r] - centre_) / halfWidth_;
    qr_[r][0] = 1;
    for (int k = 1; k < m; ++k)
      qr_[r][k] = qr_[r][k - 1] * t;
  }
  double largest = 0;
  for (int k = 0; k < m; ++k) {
    double squares = 0;  // powers of t in [-1, 1]: no sum here can overflow
    for (int r = k; r < n; ++r)
      squares += qr_[r][k] * qr_[r][k];
    const double norm = std::sqrt(squares);
    // What is left of the column after the ones before it is rounding: no new direction.
    if (norm <= 64 * DBL_EPSILON * std::max(largest, 1.0)) return false;
    const double diagonal = qr_[k][k] > 0 ? -norm : norm;
    qr_[k][k] -= diagonal;  // the reflection's vector v in column k, rows k..n-1
    const double vv = -2 * diagonal * qr_[k][k];  // v.v = 2 norm (norm + |t_kk|)
    for (int j = k + 1; j < m; ++j) {
      double s = 0;
      for (int r = k; r < n; ++r)
        s += qr_[r][k] * qr_[r][j];
      s *= 2 / vv;
      for (int r = k; r < n; ++r)
        qr_[r][j] -= s * qr_[r][k];
    }
    rDiagonal_[k] = diagonal;
    largest = std::max(largest, norm);
  }
  return true;
}

void LeastSquares::solveScaled(const std::array<double, kMaxPoints>& values,
                               std::array<double, kCoefficients>& coefficients) const {
  const int n = lsqN;
  const int m = lsqM;
  std::array<double, kMaxPoints> b = values;
  // Q^T b, reflection by reflection.
  for (int k = 0; k < m; ++k) {
    const double vv = -2 * rDiagonal_[k] * qr_[k][k];
    double s = 0;
    for (int r = k; r < n; ++r)
      s += qr_[r][k] * b[r];
    s *= 2 / vv;
    for (int r = k; r < n; ++r)
      b[r] -= s * qr_[r][k];
  }
  // R d = (Q^T b)[0..m-1]: the coefficients d of powers of t.
  std::array<double, kCoefficients> d{};
  for (int k = m - 1; k >= 0; --k) {
    double s = b[k];
    for (int j = k + 1; j < m; ++j)
      s -= qr_[k][j] * d[j];
    d[k] = s / rDiagonal_[k];
  }
  // Powers of t into powers of x, by Horner's scheme on polynomials: p := p * t + d_k with
  // t = (x - centre) / halfWidth.
  coefficients.fill(0);
  coefficients[0] = d[m - 1];
  for (int k = m - 2; k >= 0; --k) {
    for (int j = m - 1; j >= 1; --j)
      coefficients[j] = (coefficients[j - 1] - centre_ * coefficients[j]) / halfWidth_;
    coefficients[0] = -centre_ * coefficients[0] / halfWidth_ + d[k];
  }
}

// Whether the polynomial can be evaluated in a double at the points: every power finite,
// its terms not cancelling beyond kMaxCancellation.
bool LeastSquares::usable() const {
  double terms = 0;
  double values = 0;
  for (int r = 0; r < lsqN; ++r) {
    double power = 1;
    double sum = 0;
    double value = 0;
    for (int k = 0; k < lsqM; ++k) {
      if (!std::isfinite(power) || !std::isfinite(lsqCoef[k])) return false;
      sum += std::fabs(lsqCoef[k] * power);
      value += lsqCoef[k] * power;
      power *= lsqX[r];
    }
    terms = std::max(terms, sum);
    values = std::max(values, std::fabs(value));
  }
  return std::isfinite(terms) && terms <= kMaxCancellation * values + DBL_MIN;
}

void LeastSquares::SolveLeastSquares() {
  assert(lsqN >= 1 && lsqN <= kMaxPoints && lsqM >= 1 && lsqM <= kCoefficients);
  steps_ = 0;
  if (lsqN < lsqM || !factor()) {
    lsqCoef.fill(kNaN);
    return;
  }
  solveScaled(lsqY, lsqCoef);
  // Refinement: the residual of the coefficients as they are, in double-double, fitted
  // again and added, until nothing changes. Its fixed point is the least-squares solution
  // for the coefficients in powers of x themselves, which turning them back from powers of t
  // only approaches.
  std::array<double, kMaxPoints> r{};
  std::array<double, kCoefficients> correction{};
  for (steps_ = 1; steps_ <= kMaxRefinements; ++steps_) {
    for (int i = 0; i < lsqN; ++i)
      r[i] = residual(lsqCoef, lsqM, lsqX[i], lsqY[i]);
    solveScaled(r, correction);
    // Done when no coefficient moves by more than a few units in its last place.
    bool settled = true;
    for (int k = 0; k < lsqM; ++k) {
      settled = settled && std::fabs(correction[k]) <= 4 * DBL_EPSILON * std::fabs(lsqCoef[k]);
      lsqCoef[k] += correction[k];
    }
    if (settled) break;
  }
  if (!usable()) lsqCoef.fill(kNaN);
}

bool LeastSquares::fit(std::span<const TPoint> data, int coefficients) {
  assert(!data.empty() && data.size() <= static_cast<size_t>(kMaxPoints));
  lsqN = static_cast<int>(data.size());
  lsqM = coefficients;
  for (int i = 0; i < lsqN; ++i) {
    lsqX[i] = data[i].x;
    lsqY[i] = data[i].y;
  }
  SolveLeastSquares();
  for (int k = 0; k < lsqM; ++k) {
    if (!std::isfinite(lsqCoef[k])) return false;
  }
  return true;
}

bool LeastSquares::FitLinear(std::span<const TPoint> data, std::array<double, 2>& coef) {
  if (!fit(data, 2)) return false;
  coef = {lsqCoef[0], lsqCoef[1]};
  return true;
}

bool LeastSquares::FitQuadratic(std::span<const TPoint> data, std::array<double, 3>& coef) {
  if (!fit(data, 3)) return false;
  coef = {lsqCoef[0], lsqCoef[1], lsqCoef[2]};
  return true;
}

}  // namespace quorvel
