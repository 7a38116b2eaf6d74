#pragma once
// Truncated Taylor series and their arithmetic, for the series rules of the table of
// operations (evaluation/Operations.h) and the Taylor evaluator (evaluation/Taylor.h): a
// series holds f(x0), f'(x0), f''(x0)/2!, ...; coefficient k is the k-th derivative divided
// by k!.

#include <array>
#include <cmath>

namespace quorvel {

constexpr int kTaylorOrder = 4;  // derivatives up to the fourth
using TaylorSeries = std::array<double, kTaylorOrder + 1>;

namespace taylor {

using Series = TaylorSeries;
constexpr int K = kTaylorOrder + 1;

inline bool finite(const Series& s) {
  for (double v : s) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

inline Series constant(double c) {
  Series s{};
  s[0] = c;
  return s;
}

inline bool isConstant(const Series& s) {
  for (int k = 1; k < K; ++k) {
    if (s[k] != 0) return false;
  }
  return true;
}

inline Series plus(const Series& u, const Series& w) {
  Series p{};
  for (int k = 0; k < K; ++k)
    p[k] = u[k] + w[k];
  return p;
}

inline Series minus(const Series& u, const Series& w) {
  Series p{};
  for (int k = 0; k < K; ++k)
    p[k] = u[k] - w[k];
  return p;
}

inline Series times(const Series& u, const Series& w) {
  Series p{};
  for (int k = 0; k < K; ++k) {
    for (int j = 0; j <= k; ++j)
      p[k] += u[j] * w[k - j];
  }
  return p;
}

inline Series scaled(const Series& u, double c) {
  Series p = u;
  for (double& v : p)
    v *= c;
  return p;
}

inline bool divided(const Series& u, const Series& w, Series& q) {
  if (w[0] == 0) return false;
  for (int k = 0; k < K; ++k) {
    double s = u[k];
    for (int j = 1; j <= k; ++j)
      s -= w[j] * q[k - j];
    q[k] = s / w[0];
  }
  return true;
}

inline Series exponential(const Series& u) {
  Series e{};
  e[0] = std::exp(u[0]);
  for (int k = 1; k < K; ++k) {
    double s = 0;
    for (int j = 1; j <= k; ++j)
      s += j * u[j] * e[k - j];
    e[k] = s / k;
  }
  return e;
}

inline bool logarithm(const Series& u, Series& l) {
  if (!(u[0] > 0)) return false;
  l[0] = std::log(u[0]);
  for (int k = 1; k < K; ++k) {
    double s = u[k];
    for (int j = 1; j < k; ++j)
      s -= j * l[j] * u[k - j] / k;
    l[k] = s / u[0];
  }
  return true;
}

inline bool squareRoot(const Series& u, Series& r) {
  if (!(u[0] > 0)) return false;  // at 0 the root has no derivative
  r[0] = std::sqrt(u[0]);
  for (int k = 1; k < K; ++k) {
    double s = u[k];
    for (int j = 1; j < k; ++j)
      s -= r[j] * r[k - j];
    r[k] = s / (2 * r[0]);
  }
  return true;
}

// Sine and cosine of an angle in radians, or in degrees.
inline void sineCosine(const Series& angle, bool degrees, Series& s, Series& c) {
  constexpr double kToRadians = 0.017453292519943295;
  const Series u = degrees ? scaled(angle, kToRadians) : angle;
  s = {};
  c = {};
  s[0] = std::sin(u[0]);
  c[0] = std::cos(u[0]);
  for (int k = 1; k < K; ++k) {
    double ss = 0, cc = 0;
    for (int j = 1; j <= k; ++j) {
      ss += j * u[j] * c[k - j];
      cc -= j * u[j] * s[k - j];
    }
    s[k] = ss / k;
    c[k] = cc / k;
  }
}

// f(u) whose derivative is h(u) u': f_0 given, f_k = (1/k) sum j u_j h_{k-j}; in degrees when
// asked (the angle the inverse angle functions give).
inline Series integrated(double value, const Series& u, const Series& h, bool degrees = false) {
  constexpr double kToDegrees = 57.29577951308232;
  Series f{};
  f[0] = value;
  for (int k = 1; k < K; ++k) {
    double s = 0;
    for (int j = 1; j <= k; ++j)
      s += j * u[j] * h[k - j];
    f[k] = s / k;
  }
  return degrees ? scaled(f, kToDegrees) : f;
}

// The derivative of atan: 1 / (1 + u^2).
inline bool arctangentSlope(const Series& u, Series& h) {
  Series one = times(u, u);
  one[0] += 1;
  return divided(constant(1), one, h);
}

// The derivative of asin (sign 1) and of acos (sign -1): sign / sqrt(1 - u^2).
inline bool arcsineSlope(const Series& u, double sign, Series& h) {
  Series rest = scaled(times(u, u), -1);
  rest[0] += 1;
  Series root{};
  return squareRoot(rest, root) && divided(constant(sign), root, h);
}

// u^w for a whole exponent 0..9 that does not vary: repeated multiplication, as the program
// does it (so that a base of 0 or below keeps its derivatives).
inline Series wholePower(const Series& u, int n) {
  Series p = constant(1);
  for (int i = 0; i < n; ++i)
    p = times(p, u);
  return p;
}

// u^w otherwise: exp(w ln u), which fails for a base that is not positive, as the program's
// power of such a base faults, except for whole exponents, which a varying exponent does not
// keep.
inline bool power(const Series& u, const Series& w, Series& p) {
  Series l{};
  if (!logarithm(u, l)) return false;
  p = exponential(times(w, l));
  return true;
}

}  // namespace taylor
}  // namespace quorvel
