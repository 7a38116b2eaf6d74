#include "tools/Analysis.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "common/NumberText.h"
#include "editor/FormulaEditor.h"
#include "fitting/PolyInput.h"
#include "formula/FormulaEngine.h"
#include "formula/Taylor.h"
#include "plot/Constants.h"
#include "plot/Graph.h"
#include "tools/Quadrature.h"

namespace quorvel {
namespace {

// A sign change whose ends stay this far from zero, relative to the samples around it, is a
// pole or a jump, not a root; a minimum of |f| this close to zero touches it.
constexpr double kNotZero = 1e-6;
constexpr double kTouches = 1e-12;
constexpr long kIntegralBudget = 3000;

struct Sample {
  double x = 0, y = 0;
  bool valid = false;
};

}  // namespace

std::string countText(int count, const char* one, const char* many) {
  if (count == 0) return std::string("geen ") + many + " in beeld";
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The function a slot plots, as a function of x: its value and its slope.
class Analysis::SlotFunction {
 public:
  SlotFunction(Analysis& analysis, int slot) : a_(analysis), slot_(slot) {
    const uint8_t kind = a_.formulas_.slotKind[slot];
    polynomial_ = kind == kSlotPolynomial;
    const TFormule& formula = a_.formulas_.formulas[slot];
    marker_ = polynomial_ ? 0 : formula.derivMarker;
    if (marker_ == kIntegralMarker) {
      left = formula.domainBegin;
      right = formula.domainEnd;
      anchors_.push_back({left, 0});
    }
    if (polynomial_) {
      const TPolynoom& p = a_.poly_.polySlots[slot];
      const double values[] = {0, a_.constants_.a, a_.constants_.b, a_.constants_.c};
      degree_ = p.degree;
      for (int i = 0; i <= degree_; ++i)
        coef_[i] = p.kind[i] == kNumber ? p.coef[i] : values[p.kind[i]];
    }
  }

  double left = -HUGE_VAL, right = HUGE_VAL;

  bool value(double x, double& y) {
    ++a_.evaluations;
    if (x < left || x > right) return false;
    if (polynomial_) {
      y = horner(coef_, degree_, x);
      return std::isfinite(y);
    }
    if (marker_ == kIntegralMarker) return integral(x, y);
    if (marker_ == 0) {
      FormulaEngine& engine = a_.formulas_;
      engine.evalSlot = slot_;
      engine.registers[kRegX] = x;
      engine.runProgram();
      y = engine.registers[kRegY];
      return engine.evalValid;
    }
    return taylor(x, marker_, y);
  }

  bool slope(double x, double& d) {
    ++a_.evaluations;
    if (x < left || x > right) return false;
    if (polynomial_) {
      PolyWork derived{};
      for (int i = 1; i <= degree_; ++i)
        derived[i - 1] = i * coef_[i];
      d = horner(derived, std::max(0, degree_ - 1), x);
      return std::isfinite(d);
    }
    if (marker_ == kIntegralMarker) return taylor(x, 0, d);  // the integrand
    return taylor(x, marker_ + 1, d);
  }

 private:
  bool taylor(double x, int order, double& d) {
    TaylorSeries series{};
    if (!taylorRun(a_.formulas_, slot_, x, kRegY, series)) return false;
    d = derivativeOf(series, order);
    return std::isfinite(d);
  }
  // From the nearest x below whose integral is known; the points asked for in increasing x
  // become such anchors, so the work grows with the distance between samples, not from the
  // domain's begin.
  bool integral(double x, double& y) {
    auto above = std::upper_bound(anchors_.begin(), anchors_.end(), x,
                                  [](double v, const auto& anchor) { return v < anchor.first; });
    if (above == anchors_.begin()) return false;
    const auto [from, known] = *(above - 1);
    long budget = kIntegralBudget;
    const Integral piece = integrate(
        [this](double t, double& v) {
          FormulaEngine& engine = a_.formulas_;
          engine.evalSlot = slot_;
          engine.registers[kRegX] = t;
          engine.runProgram();
          v = engine.registers[kRegY];
          return engine.evalValid;
        },
        from, x, budget);
    a_.evaluations += kIntegralBudget - budget;
    if (!piece.valid || !std::isfinite(known + piece.value)) return false;
    y = known + piece.value;
    if (above == anchors_.end()) anchors_.push_back({x, y});
    return true;
  }

  Analysis& a_;
  int slot_;
  bool polynomial_ = false;
  int marker_ = 0;
  int degree_ = 0;
  PolyWork coef_{};
  std::vector<std::pair<double, double>> anchors_;  // x and the integral up to it
};

namespace {

// Brent's method on a bracket [a, b] where f changes sign, to a few units in the last place.
// Gives the bracket it ends with; false when f has no value somewhere it must look.
template <class F>
bool brent(F&& f, double a, double fa, double b, double fb, double& lo, double& flo, double& hi,
           double& fhi) {
  double c = a, fc = fa, d = b - a, e = d;
  for (int iteration = 0; iteration < 300; ++iteration) {
    if ((fb > 0) == (fc > 0) && fb != 0) {
      c = a;
      fc = fa;
      d = e = b - a;
    }
    if (std::fabs(fc) < std::fabs(fb)) {
      a = b;
      b = c;
      c = a;
      fa = fb;
      fb = fc;
      fc = fa;
    }
    const double tolerance = 2 * DBL_EPSILON * std::fabs(b) + 1e-300;
    const double m = 0.5 * (c - b);
    if (fb == 0) {  // hit exactly
      lo = hi = b;
      flo = fhi = 0;
      return true;
    }
    if (std::fabs(m) <= tolerance) {
      lo = std::min(b, c);
      hi = std::max(b, c);
      flo = lo == b ? fb : fc;
      fhi = hi == b ? fb : fc;
      return true;
    }
    if (std::fabs(e) >= tolerance && std::fabs(fa) > std::fabs(fb)) {
      const double s = fb / fa;
      double p = 0, q = 0;
      if (a == c) {
        p = 2 * m * s;
        q = 1 - s;
      } else {
        const double r1 = fa / fc, r2 = fb / fc;
        p = s * (2 * m * r1 * (r1 - r2) - (b - a) * (r2 - 1));
        q = (r1 - 1) * (r2 - 1) * (s - 1);
      }
      if (p > 0) {
        q = -q;
      } else {
        p = -p;
      }
      if (2 * p < std::min(3 * m * q - std::fabs(tolerance * q), std::fabs(e * q))) {
        e = d;
        d = p / q;
      } else {
        d = e = m;
      }
    } else {
      d = e = m;
    }
    a = b;
    fa = fb;
    b += std::fabs(d) > tolerance ? d : (m > 0 ? tolerance : -tolerance);
    if (!f(b, fb)) {
      b = a + (c - a) / 2;  // no value there: halve instead
      if (!f(b, fb)) return false;
    }
  }
  return false;
}

// The sample points: the picture's columns within [left, right], and the ends.
std::vector<double> gridOf(const ScaleState& scale, double left, double right) {
  std::vector<double> xs;
  const double from = std::max(left, scale.columnWorldX[0]);
  const double to = std::min(right, scale.columnWorldX[kLastPixel]);
  if (!(from <= to)) return xs;
  xs.push_back(from);
  for (double x : scale.columnWorldX) {
    if (x > from && x < to) xs.push_back(x);
  }
  if (to > from) xs.push_back(to);
  return xs;
}

// Every x in the grid's range where f is zero: sign changes refined by Brent (poles and jumps
// left out), exact zeros, and zeros that f only touches, found at the minima of |f| through
// the zeros of the slope.
template <class F, class Slope>
std::vector<double> zerosOf(F&& f, Slope&& slope, const std::vector<double>& xs) {
  std::vector<Sample> samples(xs.size());
  for (size_t i = 0; i < xs.size(); ++i) {
    samples[i].x = xs[i];
    samples[i].valid = f(xs[i], samples[i].y);
  }
  std::vector<double> zeros;
  for (size_t i = 0; i < samples.size(); ++i) {
    const Sample& s = samples[i];
    if (!s.valid) continue;
    const bool zeroBefore = i > 0 && samples[i - 1].valid && samples[i - 1].y == 0;
    const bool zeroAfter = i + 1 < samples.size() && samples[i + 1].valid && samples[i + 1].y == 0;
    if (s.y == 0) {
      if (!zeroBefore && !zeroAfter) zeros.push_back(s.x);  // not a stretch of zeros
      continue;
    }
    if (i + 1 >= samples.size()) continue;
    const Sample& t = samples[i + 1];
    if (!t.valid || t.y == 0) continue;
    if ((s.y > 0) != (t.y > 0)) {
      double lo = 0, flo = 0, hi = 0, fhi = 0;
      if (!brent(f, s.x, s.y, t.x, t.y, lo, flo, hi, fhi)) continue;
      const double scale = std::max(std::fabs(s.y), std::fabs(t.y));
      if (std::min(std::fabs(flo), std::fabs(fhi)) > kNotZero * scale) continue;  // pole, jump
      zeros.push_back(std::fabs(flo) <= std::fabs(fhi) ? lo : hi);
      continue;
    }
    // A minimum of |f| at this sample, away from zero by the samples: does f touch zero?
    if (i == 0) continue;
    const Sample& r = samples[i - 1];
    if (!r.valid || r.y == 0 || (r.y > 0) != (s.y > 0)) continue;
    if (std::fabs(s.y) > std::fabs(r.y) || std::fabs(s.y) > std::fabs(t.y)) continue;
    double dr = 0, dt = 0;
    if (!slope(r.x, dr) || !slope(t.x, dt) || (dr > 0) == (dt > 0) || dr == 0 || dt == 0) continue;
    double lo = 0, flo = 0, hi = 0, fhi = 0;
    if (!brent(slope, r.x, dr, t.x, dt, lo, flo, hi, fhi)) continue;
    const double x = std::fabs(flo) <= std::fabs(fhi) ? lo : hi;
    double y = 0;
    if (f(x, y) && std::fabs(y) <= kTouches * std::max(std::fabs(r.y), std::fabs(t.y))) {
      zeros.push_back(x);
    }
  }
  std::sort(zeros.begin(), zeros.end());
  zeros.erase(std::unique(zeros.begin(), zeros.end(),
                          [](double p, double q) {
                            return std::fabs(p - q) <=
                                   8 * DBL_EPSILON * std::max(1.0, std::fabs(p));
                          }),
              zeros.end());
  return zeros;
}

}  // namespace

Analysis::Analysis(FormulaEngine& formulas, PolyInput& poly, const Constants& constants,
                   Graph& graph)
    : formulas_(formulas), poly_(poly), constants_(constants), graph_(graph) {}

std::optional<std::string> Analysis::whyNot(int s) const {
  const uint8_t kind = formulas_.slotKind[s];
  if (kind == kSlotEmpty) return "geen formule/polynoom";
  if (kind != kSlotFunction && kind != kSlotPolynomial) return kOnlyFunctionsOfX;
  return std::nullopt;
}

std::string Analysis::signature(int s) const {
  const uint8_t kind = formulas_.slotKind[s];
  std::string text = std::to_string(kind) + ";" + (formulas_.degrees() ? "g" : "r") + ";" +
                     formatGeneral(constants_.a) + ";" + formatGeneral(constants_.b) + ";" +
                     formatGeneral(constants_.c) + ";";
  if (kind == kSlotPolynomial) {
    const TPolynoom& p = poly_.polySlots[s];
    for (int i = 0; i <= p.degree; ++i)
      text += std::to_string(p.kind[i]) + formatGeneral(p.coef[i]) + ";";
  } else {
    const TFormule& f = formulas_.formulas[s];
    text += f.text + ";" + formatGeneral(f.domainBegin) + ";" + formatGeneral(f.domainEnd);
  }
  return text;
}

void Analysis::clear() {
  slot = 0;
  results.clear();
  signature_.clear();
}

// What was found now belongs to slot s: the list's title and the message line's count.
std::string Analysis::found(int s, const char* one, const char* many) {
  slot = s;
  signature_ = signature(s);
  const std::string of = formulas_.slotKind[s] == kSlotPolynomial ? "poly  " + std::to_string(s)
                                                                  : formulas_.formulas[s].text;
  title = std::string(many) + " van " + of;
  return countText(static_cast<int>(results.size()), one, many);
}

std::string Analysis::findRoots(int s) {
  clear();
  if (auto reason = whyNot(s)) return *reason;
  evaluations = 0;
  graph_.CopyConstantsToEvaluator();
  SlotFunction f(*this, s);
  auto value = [&f](double x, double& y) { return f.value(x, y); };
  auto slope = [&f](double x, double& d) { return f.slope(x, d); };
  for (double x : zerosOf(value, slope, gridOf(graph_.scale, f.left, f.right)))
    results.push_back({Kind::Root, x, 0, 0});
  return found(s, "nulpunt", "nulpunten");
}

std::string Analysis::findExtrema(int s) {
  clear();
  if (auto reason = whyNot(s)) return *reason;
  evaluations = 0;
  graph_.CopyConstantsToEvaluator();
  SlotFunction f(*this, s);
  std::vector<double> xs = gridOf(graph_.scale, f.left, f.right);
  std::vector<Sample> slopes(xs.size());
  for (size_t i = 0; i < xs.size(); ++i) {
    slopes[i].x = xs[i];
    slopes[i].valid = f.slope(xs[i], slopes[i].y);
  }
  auto slope = [&f](double x, double& d) { return f.slope(x, d); };
  for (size_t i = 0; i + 1 < slopes.size(); ++i) {
    const Sample& p = slopes[i];
    const Sample& q = slopes[i + 1];
    if (!p.valid || !q.valid || p.y == 0 || q.y == 0 || (p.y > 0) == (q.y > 0)) {
      // A slope of exactly 0 at a sample between opposite slopes is an extremum there.
      if (p.valid && p.y == 0 && i > 0 && slopes[i - 1].valid && q.valid && slopes[i - 1].y != 0 &&
          q.y != 0 && (slopes[i - 1].y > 0) != (q.y > 0)) {
        double y = 0;
        if (f.value(p.x, y))
          results.push_back({q.y > 0 ? Kind::Minimum : Kind::Maximum, p.x, y, 0});
      }
      continue;
    }
    double lo = 0, flo = 0, hi = 0, fhi = 0;
    if (!brent(slope, p.x, p.y, q.x, q.y, lo, flo, hi, fhi)) continue;
    // An extremum of a continuous graph (a corner too); a pole or a jump of f is none.
    double ylo = 0, yhi = 0, yp = 0, yq = 0;
    if (!f.value(lo, ylo) || !f.value(hi, yhi) || !f.value(p.x, yp) || !f.value(q.x, yq)) continue;
    const double scale = std::max({std::fabs(yp), std::fabs(yq), std::fabs(yp - yq)});
    if (std::fabs(ylo - yhi) > kNotZero * scale) continue;
    const double x = std::fabs(flo) <= std::fabs(fhi) ? lo : hi;
    double y = 0;
    if (!f.value(x, y)) y = ylo;
    results.push_back({q.y > 0 ? Kind::Minimum : Kind::Maximum, x, y, 0});
  }
  return found(s, "extreem", "extremen");
}

std::string Analysis::findIntersections(int s) {
  clear();
  if (auto reason = whyNot(s)) return *reason;
  evaluations = 0;
  graph_.CopyConstantsToEvaluator();
  for (int other = 1; other <= kSlotCount; ++other) {
    if (other == s || whyNot(other)) continue;
    SlotFunction f(*this, s);
    SlotFunction g(*this, other);
    auto difference = [&f, &g](double x, double& d) {
      double a = 0, b = 0;
      if (!f.value(x, a) || !g.value(x, b)) return false;
      d = a - b;
      return std::isfinite(d);
    };
    auto slopes = [&f, &g](double x, double& d) {
      double a = 0, b = 0;
      if (!f.slope(x, a) || !g.slope(x, b)) return false;
      d = a - b;
      return std::isfinite(d);
    };
    const std::vector<double> xs =
        gridOf(graph_.scale, std::max(f.left, g.left), std::min(f.right, g.right));
    for (double x : zerosOf(difference, slopes, xs)) {
      double y = 0;
      if (f.value(x, y)) results.push_back({Kind::Intersection, x, y, other});
    }
  }
  std::sort(results.begin(), results.end(),
            [](const Result& p, const Result& q) { return p.x < q.x; });
  return found(s, "snijpunt", "snijpunten");
}

FitOutcome Analysis::tangentAt(int s, double x0) {
  if (auto reason = whyNot(s)) return {std::nullopt, *reason, false};
  graph_.CopyConstantsToEvaluator();
  SlotFunction f(*this, s);
  double y = 0, m = 0;
  const std::string at = FormatFloat(kTableNumberFormat, x0);
  if (!f.value(x0, y)) return {std::nullopt, "geen waarde in x = " + at, false};
  if (!f.slope(x0, m)) return {std::nullopt, "niet differentieerbaar in x = " + at, false};
  // Every digit, so that the plotted line is the tangent; the intercept rounded once.
  FitOutcome line = exactLineFormula(m, std::fma(-m, x0, y));
  if (line.formula && line.formula->size() > FormulaEditor::kCapacity) {
    return {std::nullopt, kTangentTooLong, false};
  }
  return line;
}

namespace {

std::string whatText(const Analysis::Result& r) {
  switch (r.kind) {
    case Analysis::Kind::Root:
      return "nulpunt";
    case Analysis::Kind::Minimum:
      return "minimum";
    case Analysis::Kind::Maximum:
      return "maximum";
    case Analysis::Kind::Intersection:
      break;
  }
  return "snijpunt met " + std::to_string(r.otherSlot);
}

}  // namespace

std::vector<TableRow> Analysis::rows(size_t first) const {
  std::vector<TableRow> shown;
  for (size_t i = first; i < results.size() && shown.size() < kTableBoxRows; ++i) {
    const Result& r = results[i];
    shown.push_back(
        {whatText(r), FormatFloat(kTableNumberFormat, r.x), FormatFloat(kTableNumberFormat, r.y)});
  }
  return shown;
}

std::string Analysis::fullPrecisionText() const {
  std::string text = title + "\n";
  for (const Result& r : results)
    text += whatText(r) + "\tx = " + formatExact(r.x) + "\ty = " + formatExact(r.y) + "\n";
  return text;
}

size_t listStart(long wanted, size_t count) {
  const long last = std::max(0L, static_cast<long>(count) - kTableBoxRows);
  return static_cast<size_t>(std::clamp(wanted, 0L, last));
}

Picture renderAnalysisList(const Analysis& analysis, size_t first, TextPainter& text) {
  static constexpr const char* kHeaders[] = {"", "X", "Y"};
  return renderTableBox(text, kHeaders, analysis.rows(first));
}

void Analysis::DrawMarks() {
  if (slot == 0) return;
  if (signature(slot) != signature_) {
    clear();  // the slot changed: what was found no longer holds
    return;
  }
  Picture& picture = graph_.picture;
  const ScaleState& scale = graph_.scale;
  picture.setPen(graph_.slotColour(slot));
  for (const Result& r : results) {
    if (r.x < scale.columnWorldX[0] || r.x > scale.columnWorldX[kLastPixel] ||
        r.y > scale.rowWorldY[0] || r.y < scale.rowWorldY[kLastPixel]) {
      continue;
    }
    const int c = scale.WorldToColumn(r.x);
    const int w = scale.WorldToRow(r.y);
    if (r.kind == Kind::Minimum || r.kind == Kind::Maximum) {
      // A small square around an extremum.
      picture.moveTo(c - 3, w - 3);
      picture.lineTo(c + 3, w - 3);
      picture.lineTo(c + 3, w + 3);
      picture.lineTo(c - 3, w + 3);
      picture.lineTo(c - 3, w - 3);
    } else {
      // A small cross on a root or an intersection.
      picture.moveTo(c - 3, w - 3);
      picture.lineTo(c + 4, w + 4);
      picture.moveTo(c + 3, w - 3);
      picture.lineTo(c - 4, w + 4);
    }
  }
}

}  // namespace quorvel
