#include "evaluation/Taylor.h"

#include <cmath>

#include "evaluation/EvalKernels.h"

namespace quorvel {
namespace {

constexpr int K = kTaylorOrder + 1;
using Series = TaylorSeries;

bool finiteSeries(const Series& s) {
  for (double v : s) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

Series constant(double c) {
  Series s{};
  s[0] = c;
  return s;
}

bool isConstant(const Series& s) {
  for (int k = 1; k < K; ++k) {
    if (s[k] != 0) return false;
  }
  return true;
}

Series times(const Series& u, const Series& w) {
  Series p{};
  for (int k = 0; k < K; ++k) {
    for (int j = 0; j <= k; ++j)
      p[k] += u[j] * w[k - j];
  }
  return p;
}

Series scaled(const Series& u, double c) {
  Series p = u;
  for (double& v : p)
    v *= c;
  return p;
}

bool divided(const Series& u, const Series& w, Series& q) {
  if (w[0] == 0) return false;
  for (int k = 0; k < K; ++k) {
    double s = u[k];
    for (int j = 1; j <= k; ++j)
      s -= w[j] * q[k - j];
    q[k] = s / w[0];
  }
  return true;
}

Series exponential(const Series& u) {
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

bool logarithm(const Series& u, Series& l) {
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

bool squareRoot(const Series& u, Series& r) {
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

void sineCosine(const Series& u, Series& s, Series& c) {
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

// f(u) whose derivative is h(u) u': f_0 given, f_k = (1/k) sum j u_j h_{k-j}.
Series integrated(double value, const Series& u, const Series& h) {
  Series f{};
  f[0] = value;
  for (int k = 1; k < K; ++k) {
    double s = 0;
    for (int j = 1; j <= k; ++j)
      s += j * u[j] * h[k - j];
    f[k] = s / k;
  }
  return f;
}

bool power(const Series& u, const Series& w, Series& p) {
  int n = 0;
  if (isConstant(w) && kernels::smallWholeExponent(w[0], n)) {
    p = constant(1);
    for (int i = 0; i < n; ++i)
      p = times(p, u);
    return true;
  }
  // exp(w ln u): the program's power of a base that is not positive faults anyway, except
  // for whole exponents, which a varying exponent does not keep.
  Series l{};
  if (!logarithm(u, l)) return false;
  p = exponential(times(w, l));
  return true;
}

bool step(uint8_t opcode, const Series& a, const Series& b, bool degrees, Series& r) {
  constexpr double kToRadians = 0.017453292519943295;
  constexpr double kToDegrees = 57.29577951308232;
  switch (opcode) {
    case kOpAdd:
      for (int k = 0; k < K; ++k)
        r[k] = a[k] + b[k];
      return true;
    case kOpSub:
      for (int k = 0; k < K; ++k)
        r[k] = a[k] - b[k];
      return true;
    case kOpMul:
      r = times(a, b);
      return true;
    case kOpDiv:
      return divided(a, b, r);
    case kOpPow:
      return power(a, b, r);
    case kOpNeg:
      r = scaled(b, -1);
      return true;
    case kOpAssign:
      r = b;
      return true;
    case kOpSqrt:
      return squareRoot(b, r);
    case kOpExp:
      r = exponential(b);
      return true;
    case kOpLn:
      return logarithm(b, r);
    case kOpLog:
      if (!logarithm(b, r)) return false;
      r = scaled(r, 1 / std::log(10.0));
      return true;
    case kOpSin:
    case kOpCos:
    case kOpTan: {
      const Series angle = degrees ? scaled(b, kToRadians) : b;
      Series s{}, c{};
      sineCosine(angle, s, c);
      if (opcode == kOpSin) r = s;
      if (opcode == kOpCos) r = c;
      return opcode != kOpTan || divided(s, c, r);
    }
    case kOpAtan:
    case kOpAsin:
    case kOpAcos: {
      Series h{};
      const Series square = times(b, b);
      if (opcode == kOpAtan) {
        Series one = square;
        one[0] += 1;
        if (!divided(constant(1), one, h)) return false;
      } else {
        Series rest = scaled(square, -1);
        rest[0] += 1;
        Series root{};
        if (!squareRoot(rest, root) || !divided(constant(opcode == kOpAsin ? 1 : -1), root, h)) {
          return false;
        }
      }
      double value = 0;
      if (!kernels::evaluate(opcode, b[0], b[0], false, value)) return false;
      r = integrated(value, b, h);
      if (degrees) r = scaled(r, kToDegrees);
      return true;
    }
    case kOpAbs:
      if (b[0] == 0) return false;  // the corner
      r = scaled(b, b[0] > 0 ? 1 : -1);
      return true;
    case kOpInt: {
      const double whole = std::nearbyint(b[0]);
      if (std::fabs(b[0] - whole) == 0.5) return false;  // a jump
      r = constant(whole);
      return true;
    }
    default:
      return true;
  }
}

}  // namespace

bool taylorRun(const Program& program, double x0, uint8_t result, TaylorSeries& series) {
  // Only the registers the program writes carry derivatives; the rest are constants.
  std::array<Series, 256> registers;  // read only where varying
  std::array<bool, 256> varying{};
  registers[kRegX] = constant(x0);
  registers[kRegX][1] = 1;
  varying[kRegX] = true;
  auto read = [&](uint8_t code) {
    return varying[code] ? registers[code] : constant(program.registers[code]);
  };
  for (const Step& s : program.steps) {
    if (s.opcode == kOpEnd) break;
    if (!kernels::writesResult(s.opcode)) continue;
    Series r{};
    if (!step(s.opcode, read(s.src1), read(s.src2), program.degrees, r) || !finiteSeries(r)) {
      return false;
    }
    registers[s.dest] = r;
    varying[s.dest] = true;
  }
  series = read(result);
  return true;
}

double derivativeOf(const TaylorSeries& series, int k) {
  double factorial = 1;
  for (int i = 2; i <= k; ++i)
    factorial *= i;
  return series[static_cast<size_t>(k)] * factorial;
}

bool stepSlope(uint8_t opcode, double a, double b, bool degrees, int operand, double& slope) {
  Series u = constant(a), w = constant(b), r{};
  (operand == 1 ? u : w)[1] = 1;
  if (!step(opcode, u, w, degrees, r) || !finiteSeries(r)) return false;
  slope = r[1];
  return true;
}

}  // namespace quorvel
