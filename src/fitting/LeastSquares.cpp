#include "fitting/LeastSquares.h"

#include <cassert>
#include <cmath>
#include <utility>

namespace quorvel {

void LeastSquares::SolveLeastSquares() {
  const int n = lsqN;
  const int m = lsqM;
  assert(n >= 1 && n <= kMaxPoints && m >= 1 && m <= kCoefficients);
  auto& A = lsqA;
  auto& AT = lsqAT;
  auto& norm = lsqNorm;
  auto& inv = lsqInv;

  // The design matrix: row r holds 1, x, x^2, ...
  for (int r = 0; r < n; ++r) {
    A[r][0] = 1;
    for (int k = 1; k < m; ++k)
      A[r][k] = A[r][k - 1] * lsqX[r];
  }
  for (int r = 0; r < n; ++r) {
    for (int k = 0; k < m; ++k)
      AT[k][r] = A[r][k];
  }
  for (int f = 0; f < m; ++f) {
    for (int g = 0; g < m; ++g) {
      norm[f][g] = 0;
      for (int r = 0; r < n; ++r)
        norm[f][g] += AT[f][r] * A[r][g];
    }
  }
  for (int k = 0; k < m; ++k) {
    lsqRhs[k] = 0;
    for (int r = 0; r < n; ++r)
      lsqRhs[k] += AT[k][r] * lsqY[r];
  }

  // Gauss-Jordan on norm, the same row operations on inv (starting as the identity).
  for (int i = 0; i < m; ++i) {
    for (int o = 0; o < m; ++o)
      inv[i][o] = i == o ? 1 : 0;
  }
  for (int i = 0; i < m - 1; ++i) {
    int p = i;
    for (int j = i + 1; j < m; ++j) {
      if (std::abs(norm[j][i]) > std::abs(norm[p][i])) p = j;
    }
    std::swap(norm[i], norm[p]);
    std::swap(inv[i], inv[p]);
    for (int k = i + 1; k < m; ++k) {
      if (norm[k][i] == 0) continue;
      // The row below is scaled to the pivot row's size before the pivot row is subtracted.
      const double f = norm[i][i] / norm[k][i];
      for (int o = 0; o < m; ++o) {
        norm[k][o] = f * norm[k][o] - norm[i][o];
        inv[k][o] = f * inv[k][o] - inv[i][o];
      }
    }
  }
  for (int j = m - 1; j >= 1; --j) {
    for (int k = j - 1; k >= 0; --k) {
      if (norm[k][j] == 0) continue;
      const double f = norm[k][j] / norm[j][j];
      for (int o = 0; o < m; ++o) {
        norm[k][o] = norm[k][o] - f * norm[j][o];
        inv[k][o] = inv[k][o] - f * inv[j][o];
      }
    }
  }
  for (int d = 0; d < m; ++d) {
    const double h = 1 / norm[d][d];
    for (int o = 0; o < m; ++o)
      inv[d][o] = inv[d][o] * h;
  }

  for (int k = 0; k < m; ++k) {
    lsqCoef[k] = 0;
    for (int e = 0; e < m; ++e)
      lsqCoef[k] += inv[k][e] * lsqRhs[e];
  }
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
