#include "fitting/CurveFits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "common/Language.h"
#include "common/NumberText.h"
#include "fitting/Points.h"
#include "plot/ScaleState.h"

namespace quorvel {
namespace {

constexpr const char* kFitFormat = "####0.0#####";

// The text of a number for a formula, when the translator reads it back as the same number:
// a number too large for the pattern comes out in E notation, which a formula cannot hold.
std::optional<std::string> numberText(double value, const char* pattern = kFitFormat,
                                      size_t longest = 0) {
  if (!std::isfinite(value)) return std::nullopt;
  std::string text = FormatFloat(pattern, value);
  if (text.find_first_of("EIN") != std::string::npos) return std::nullopt;
  if (longest > 0 && text.size() > longest) return std::nullopt;  // a cut would change it
  return text;
}

FitOutcome message(const char* text, bool clearEditBox = false) {
  return {std::nullopt, translated(text), clearEditBox};
}

FitOutcome formulaOf(std::initializer_list<std::optional<std::string>> parts) {
  std::string formula;
  for (const auto& part : parts) {
    if (!part) return message(kFitOutOfRange);
    formula += *part;
  }
  return {formula, "", false};
}

// A copy of the points sorted by x.
std::vector<TPoint> sortedPoints(const Points& points) {
  std::vector<TPoint> data(points.points.begin() + 1,
                           points.points.begin() + 1 + points.pointCount);
  for (size_t i = 0; i + 1 < data.size(); ++i) {
    for (size_t j = i + 1; j < data.size(); ++j) {
      if (data[j].x < data[i].x) std::swap(data[i], data[j]);
    }
  }
  return data;
}

std::optional<std::string> text(double value) {
  return numberText(value);
}
std::optional<std::string> lit(const char* s) {
  return std::string(s);
}

// A number as the formula text holds it, read back.
double asWritten(double value) {
  const std::optional<std::string> text = numberText(value);
  return text ? parseFloat(*text).value_or(value) : value;
}

// The sign before a term: a value that is written as 0,0 has none to show, whatever the sign
// of its last bits.
const char* joinSign(double value) {
  return asWritten(value) < 0 ? " - " : " + ";
}

// The numbers of a text must draw the curve that was fitted: rounded to six decimals, a base
// very near 1 or a tiny exponent can turn it into another curve. Compared at the points, to
// a thousandth of the size of their values.
bool writtenAsFitted(std::span<const TPoint> data, double (*curve)(double x, const double* p),
                     const double* fitted, const double* written) {
  double size = 1;
  for (const TPoint& point : data)
    size = std::max(size, std::abs(point.y));
  for (const TPoint& point : data) {
    const double want = curve(point.x, fitted);
    const double got = curve(point.x, written);
    if (!std::isfinite(got) || std::abs(got - want) > 1e-3 * size) return false;
  }
  return true;
}

// y = a e^(kx) + c, its parameters as {a, k, c}.
double exponentialCurve(double x, const double* p) {
  return p[0] * std::exp(p[1] * x) + p[2];
}

// y = e^(c2 x^2 + c1 x + c0), its parameters as {c0, c1, c2}.
double quadraticExponentCurve(double x, const double* p) {
  return std::exp(p[2] * x * x + p[1] * x + p[0]);
}

// "a * e^(Kx)" or "a * b^(x)" (the two-point case writes "b^x"), and " + c" when there is a c.
// `data` are the points in their own coordinates, for the check of the written numbers.
FitOutcome exponentialText(std::span<const TPoint> data, double a, double k, bool baseE,
                           const char* power, std::optional<double> c = std::nullopt) {
  const double fitted[] = {a, k, c.value_or(0)};
  const double b = std::exp(k);
  const double written[] = {asWritten(a), baseE ? asWritten(k) : std::log(asWritten(b)),
                            asWritten(c.value_or(0))};
  if (!writtenAsFitted(data, exponentialCurve, fitted, written)) return message(kFitOutOfRange);
  std::optional<std::string> tail = std::string();
  if (c) tail = numberText(std::abs(*c));
  if (tail && c) *tail = joinSign(*c) + *tail;
  if (baseE) return formulaOf({lit("y = "), text(a), lit(" * e^("), text(k), lit("x)"), tail});
  return formulaOf({lit("y = "), text(a), lit(" * "), text(b), lit(power), tail});
}

// The spread of the bases that the intervals imply for a given c; nothing when c is not
// admissible (a ratio that is not positive, or numbers beyond a double).
std::optional<double> spread(std::span<const TPoint> data, double c) {
  const size_t n = data.size();
  double sumL = 0;
  std::array<double, kMaxPoints> bases{};
  for (size_t i = 0; i + 1 < n; ++i) {
    const double below = data[i].y - c;
    if (below == 0) return std::nullopt;
    const double q = (data[i + 1].y - c) / below;
    if (!(q > 0) || !std::isfinite(q)) return std::nullopt;
    const double l = std::log(q);
    sumL += l;
    bases[i] = std::exp(l / (data[i + 1].x - data[i].x));
    if (!std::isfinite(bases[i])) return std::nullopt;
  }
  const double base = std::exp(sumL / (data[n - 1].x - data[0].x));
  double s = 0;
  for (size_t i = 0; i + 1 < n; ++i)
    s += std::abs(base - bases[i]);
  if (!std::isfinite(s)) return std::nullopt;
  return s;
}

// The estimates a, k, c of y = a e^(kx) + c from the slopes of the intervals; each step
// checked, so no NaN or infinity goes on.
bool estimate(std::span<const TPoint> data, double& a, double& k, double& c) {
  const size_t n = data.size();
  std::vector<double> slope(n - 1), middle(n - 1);
  for (size_t i = 0; i + 1 < n; ++i) {
    slope[i] = (data[i + 1].y - data[i].y) / (data[i + 1].x - data[i].x);
    middle[i] = (data[i].x + data[i + 1].x) / 2;
  }
  k = 0;
  for (size_t i = 0; i + 2 < n; ++i) {
    if (slope[i] == 0) return false;
    double ratio = slope[i + 1] / slope[i];
    if (!(ratio > 0)) return false;
    // Equal slopes, up to the rounding that points placed with the mouse carry: a straight
    // piece, which no exponential has.
    if (std::abs(ratio - 1) <= 1e-9) ratio = 1;
    k += std::log(ratio) / (middle[i + 1] - middle[i]);
  }
  k /= static_cast<double>(n - 2);
  a = 0;
  for (size_t i = 0; i + 1 < n; ++i) {
    const double rise = std::exp(k * data[i + 1].x) - std::exp(k * data[i].x);
    if (rise == 0 || !std::isfinite(rise)) return false;
    a += (data[i + 1].y - data[i].y) / rise;
  }
  a /= static_cast<double>(n - 1);
  c = 0;
  for (size_t i = 0; i < n; ++i)
    c += data[i].y - a * std::exp(k * data[i].x);
  c /= static_cast<double>(n);
  return std::isfinite(k) && std::isfinite(a) && std::isfinite(c);
}

FitOutcome exponentialWithConstant(std::vector<TPoint> data, bool baseE, const ScaleState& scale,
                                   LeastSquares& lsq) {
  if (data.size() == 2) {
    // Exact through both, with c = 0.
    double y1 = data[0].y, y2 = data[1].y;
    if ((y1 < 0) != (y2 < 0)) return message(kUnequalSigns);
    if (y1 == 0 || y2 == 0) return message(kNoExponential);  // no logarithm of 0
    const bool negative = y1 < 0;
    if (negative) {
      y1 = -y1;
      y2 = -y2;
    }
    const double k = (std::log(y2) - std::log(y1)) / (data[1].x - data[0].x);
    const double a = std::exp(std::log(y1) - data[0].x * k);
    return exponentialText(data, negative ? -a : a, k, baseE, "^x");
  }

  double a = 0, k = 0, c = 0;
  if (!estimate(data, a, k, c)) return message(kNoExponential, true);

  // From the estimate, step by one pixel row away from the points until c is admissible: c
  // must lie below all y (a > 0) or above all of them. Far away, jump there at once.
  double h = a > 0 ? -scale.unitsPerPixelY : scale.unitsPerPixelY;
  std::optional<double> best = spread(data, c);
  for (int steps = 0; !best && steps < 1000000; ++steps) {
    c += h;
    best = spread(data, c);
  }
  if (!best) {
    const auto [low, high] =
        std::minmax_element(data.begin(), data.end(), [](auto& p, auto& q) { return p.y < q.y; });
    c = (a > 0 ? low->y : high->y) + h;
    best = spread(data, c);
    if (!best) return message(kNoExponential, true);
  }

  // Halve the step until the spread no longer falls, at most 101 evaluations.
  h = -h;
  int count = 0;
  bool lastAdmissible = true;
  do {
    ++count;
    const std::optional<double> s = spread(data, c + h);
    lastAdmissible = s.has_value();
    if (!s) {
      h /= 2;
    } else if (*s >= *best) {
      h = -h / 2;
    } else {
      best = s;
      c += h;
    }
  } while (std::abs(h) > 1e-8 && count <= 100);
  if (!lastAdmissible) return message(kNoExponential, true);
  if (count > 100) return message(kFitOutOfRange, true);

  const std::vector<TPoint> original = data;
  for (TPoint& p : data)
    p.y = std::log(std::abs(p.y - c));
  std::array<double, 2> line{};
  if (!lsq.FitLinear(data, line)) return message(kNoExponential, true);
  const double amplitude = a >= 0 ? std::exp(line[0]) : -std::exp(line[0]);
  return exponentialText(original, amplitude, line[1], baseE, "^(x)", c);
}

}  // namespace

FitOutcome MakeLine(const Points& points) {
  double m = 1, n = 0;
  const TPoint& p1 = points.points[1];
  const TPoint& p2 = points.points[2];
  if (points.pointCount == 1) {
    if (p1.x != 0 && p1.y != 0) {
      m = p1.y / p1.x;  // through the origin
    } else {
      n = p1.y - p1.x;  // slope 1
    }
  } else if (points.pointCount >= 2) {
    m = (p2.y - p1.y) / (p2.x - p1.x);
    n = p1.y - m * p1.x;
  }
  return lineFormula(m, n);
}

FitOutcome lineFormula(double m, double n) {
  std::optional<std::string> slope = std::string();
  if (m != 0) {
    slope = numberText(m, "####0.#####");
    if (slope) *slope += " x ";
  }
  if (std::abs(m - 1) < 1e-6) slope = "x ";
  if (std::abs(m + 1) < 1e-6) slope = "- x ";
  std::optional<std::string> intercept = std::string();
  if (n != 0) {
    intercept = numberText(std::abs(n), "####0.#####");
    if (intercept) *intercept = std::string(n < 0 ? "-" : "+") + " " + *intercept;
  }
  if (m == 0 && n == 0) intercept = "0";  // the x axis itself
  return formulaOf({lit("y = "), slope, intercept});
}

FitOutcome exactLineFormula(double m, double n) {
  if (!std::isfinite(m) || !std::isfinite(n)) return message(kFitOutOfRange);
  std::string formula = "y =";
  if (m == 1) {
    formula += " x";
  } else if (m == -1) {
    formula += " - x";
  } else if (m != 0) {
    formula += " " + formatExactPlain(m) + " x";
  }
  if (n != 0) {
    formula += std::string(n < 0 ? " - " : " + ") + formatExactPlain(std::abs(n));
  } else if (m == 0) {
    formula += " 0";  // the x axis itself
  }
  return {formula, "", false};
}

FitOutcome MakeCircle(const Points& points, const ScaleState& scale) {
  double cx = scale.columnWorldX[scale.originColumn];
  double cy = scale.rowWorldY[scale.originRow];
  double q = (100 * scale.unitsPerPixelX) * (100 * scale.unitsPerPixelX);
  const auto& p = points.points;
  if (points.pointCount == 1) {
    cx = p[1].x;
    cy = p[1].y;
  } else if (points.pointCount == 2) {
    cx = p[1].x;
    cy = p[1].y;
    q = (p[1].x - p[2].x) * (p[1].x - p[2].x) + (p[1].y - p[2].y) * (p[1].y - p[2].y);
  } else if (points.pointCount >= 3) {
    // The centre is where the perpendicular bisectors of the chords from point 1 meet.
    const double s1 = (p[2].y - p[1].y) / (p[2].x - p[1].x);
    const double s2 = (p[3].y - p[1].y) / (p[3].x - p[1].x);
    // Equal slopes, up to the rounding that points placed with the mouse carry.
    if (std::abs(s1 - s2) <= 1e-9 * std::max({1.0, std::abs(s1), std::abs(s2)})) {
      return message(kNoCircle);
    }
    const double mx1 = (p[1].x + p[2].x) / 2, my1 = (p[1].y + p[2].y) / 2;
    const double mx2 = (p[1].x + p[3].x) / 2, my2 = (p[1].y + p[3].y) / 2;
    if (s1 != 0) {
      cx = s2 != 0 ? (s2 * mx1 - s1 * mx2 + s1 * s2 * (my1 - my2)) / (s2 - s1) : mx2;
      cy = (mx1 - cx) / s1 + my1;
    } else {
      cx = mx1;
      cy = my2 + (mx2 - mx1) / s2;
    }
    q = (cx - p[1].x) * (cx - p[1].x) + (cy - p[1].y) * (cy - p[1].y);
  }
  constexpr size_t kLongest = 20;
  return formulaOf({lit("(x - ("), numberText(cx, kFitFormat, kLongest), lit("))^2 + (y - ("),
                    numberText(cy, kFitFormat, kLongest), lit("))^2 = "),
                    numberText(q, kFitFormat, kLongest)});
}

FitOutcome FitExponential(int model, const Points& points, const ScaleState& scale,
                          LeastSquares& lsq) {
  const int needed = model == kExpQuadratic ? 3 : 2;
  if (points.pointCount < needed) {
    return {std::nullopt, "minimaal " + std::to_string(needed) + " punten nodig", false};
  }
  std::vector<TPoint> data = sortedPoints(points);
  const bool baseE = model == kExpEPlusC || model == kExpE;
  if (model == kExpPlusC || model == kExpEPlusC) {
    return exponentialWithConstant(std::move(data), baseE, scale, lsq);
  }
  const std::vector<TPoint> original = data;
  for (TPoint& p : data) {
    if (p.y <= 0) return message(kYNotPositive);
    p.y = std::log(p.y);
  }
  if (model == kExpQuadratic) {
    std::array<double, 3> c{};
    if (!lsq.FitQuadratic(data, c)) return message(kFitOutOfRange);
    const double written[] = {asWritten(c[0]), asWritten(c[1]), asWritten(c[2])};
    if (!writtenAsFitted(original, quadraticExponentCurve, c.data(), written)) {
      return message(kFitOutOfRange);
    }
    return formulaOf({lit("y = e^("), text(c[2]), lit("x^2"), lit(joinSign(c[1])),
                      text(std::abs(c[1])), lit("x"), lit(joinSign(c[0])), text(std::abs(c[0])),
                      lit(")")});
  }
  std::array<double, 2> line{};
  if (!lsq.FitLinear(data, line)) return message(kFitOutOfRange);
  return exponentialText(original, std::exp(line[0]), line[1], baseE, "^(x)");
}

}  // namespace quorvel
