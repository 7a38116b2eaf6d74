#pragma once
// The reference of the fit benchmark: least squares the way the program first did it, the
// normal equations A^T A c = A^T y on the plain powers of x, inverted by Gauss-Jordan with
// partial pivoting. Fast, and only as accurate as the square of the conditioning allows.

#include <array>
#include <cmath>
#include <utility>

namespace quorvel::bench {

template <int kPoints, int kCoefficients>
void solveNormalEquations(const std::array<double, kPoints>& xs,
                          const std::array<double, kPoints>& ys, int n, int m,
                          std::array<double, kCoefficients>& coef) {
  std::array<std::array<double, kCoefficients>, kPoints> a{};
  std::array<std::array<double, kCoefficients>, kCoefficients> norm{}, inv{};
  std::array<double, kCoefficients> rhs{};
  for (int r = 0; r < n; ++r) {
    a[r][0] = 1;
    for (int k = 1; k < m; ++k)
      a[r][k] = a[r][k - 1] * xs[r];
  }
  for (int f = 0; f < m; ++f) {
    for (int g = 0; g < m; ++g) {
      norm[f][g] = 0;
      for (int r = 0; r < n; ++r)
        norm[f][g] += a[r][f] * a[r][g];
    }
    rhs[f] = 0;
    for (int r = 0; r < n; ++r)
      rhs[f] += a[r][f] * ys[r];
  }
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
        norm[k][o] -= f * norm[j][o];
        inv[k][o] -= f * inv[j][o];
      }
    }
  }
  for (int d = 0; d < m; ++d) {
    const double h = 1 / norm[d][d];
    for (int o = 0; o < m; ++o)
      inv[d][o] *= h;
  }
  for (int k = 0; k < m; ++k) {
    coef[k] = 0;
    for (int e = 0; e < m; ++e)
      coef[k] += inv[k][e] * rhs[e];
  }
}

}  // namespace quorvel::bench
