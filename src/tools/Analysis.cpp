#include "tools/Analysis.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <functional>

#include "common/Language.h"
#include "common/NumberText.h"
#include "editor/FormulaEditor.h"
#include "evaluation/Rounding.h"
#include "evaluation/Taylor.h"
#include "fitting/PolyInput.h"
#include "formula/FormulaEngine.h"
#include "plot/Constants.h"
#include "plot/Graph.h"
#include "tools/Quadrature.h"

namespace quorvel {
namespace {

// A sign change whose ends stay this far from zero, relative to the values around it, is a
// pole or a jump, not a root; a minimum of |f| this close to zero touches it.
constexpr double kNotZero = 1e-6;
constexpr double kTouches = 1e-12;
// What the integral between two points may spend.
constexpr long kIntegralBudget = 3000;
// The work of a run is the steps it runs (a polynomial: its terms): a step on Taylor series
// counts once, one with its rounding bound twice, about what their dearest steps (powers,
// angle functions) cost against the dearest step at a point. bench/AnalysisBench.cpp measures
// the dearest unit.
constexpr long kSeriesWork = 1;
constexpr long kRoundingWork = 2;
// The derivatives the searches look at: the first for the extrema; the second and third
// because two zeros of the one below can hide between neighbouring columns, and a zero of
// the one above them lies between those two.
constexpr int kLevels = 3;
// The last bits a value always carries, whatever its bound says.
constexpr double kLastBits = 4 * DBL_EPSILON;
// A value whose rounding bound is more than a pixel high and more than this share of it is
// lost in rounding: not even its place in the picture is known.
constexpr double kUncertain = 1e-6;

struct Derivatives {
  int count = 0;  // of the first, second and third derivative, how many are known
  std::array<double, kLevels> d{};
};

}  // namespace

std::string countText(int count, const char* one, const char* many) {
  if (count == 0)
    return translated(QT_TRANSLATE_NOOP("quorvel", "geen %1 in beeld"), translated(many));
  return std::to_string(count) + " " + translated(count == 1 ? one : many);
}

// The function a slot plots, as a function of x: its value as the plot has it, its value with
// the rounding it carries, and its derivatives. What the values at a column cost is spent
// once: the intersections look at the selected slot against every other one.
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
      anchors_.push_back({left, 0, 0});
    } else if (marker_ > 0) {
      depth = std::min(kLevels, kTaylorOrder - marker_);
    }
    const StepList& program = a_.formulas_.stepTable[slot];
    while (steps_ < kStepsPerSlot && program[static_cast<size_t>(steps_)].opcode != kOpEnd)
      ++steps_;
    steps_ = std::max(1L, steps_);
    if (polynomial_) {
      const TPolynoom& p = a_.poly_.polySlots[slot];
      const double values[] = {0, a_.constants_.a, a_.constants_.b, a_.constants_.c};
      degree_ = p.degree;
      steps_ = degree_ + 1;
      for (int i = 0; i <= degree_; ++i)
        coef_[0][i] = p.kind[i] == kNumber ? p.coef[i] : values[p.kind[i]];
      for (int k = 1; k <= kLevels; ++k) {
        for (int i = 1; i <= degree_; ++i)
          coef_[k][i - 1] = i * coef_[k - 1][i];
      }
    }
  }

  double left = -HUGE_VAL, right = HUGE_VAL;
  int depth = kLevels;  // the derivatives it has, up to kLevels

  // As the plot evaluates it.
  bool value(double x, double& y) {
    if (x < left || x > right) return false;
    if (marker_ == kIntegralMarker) {
      RoundedValue r;
      if (!integral(x, r)) return false;
      y = r.value;
      return true;
    }
    if (polynomial_ || marker_ == 0) {
      if (!a_.spend(steps_)) return false;
      if (polynomial_) {
        y = horner(coef_[0], degree_, x);
        return std::isfinite(y);
      }
      FormulaEngine& engine = a_.formulas_;
      engine.evalSlot = slot_;
      engine.registers[kRegX] = x;
      engine.runProgram();
      y = engine.registers[kRegY];
      return engine.evalValid;
    }
    TaylorSeries series{};
    if (!taylor(x, series)) return false;
    y = derivativeOf(series, marker_);
    return std::isfinite(y);
  }

  // The same value with the bound on its rounding and its correction.
  bool rounded(double x, RoundedValue& r) {
    if (x < left || x > right) return false;
    Known* known = knownAt(x);
    if (known == nullptr) return roundedAt(x, r);
    if (!known->hasRounded) {
      known->roundedValid = roundedAt(x, known->rounded);
      known->hasRounded = true;
    }
    r = known->rounded;
    return known->roundedValid;
  }

  // The first derivatives at x; false where it has not even the first.
  bool derivatives(double x, Derivatives& d) {
    if (x < left || x > right) return false;
    Known* known = knownAt(x);
    if (known == nullptr) {
      derivativesAt(x, d);
    } else {
      if (!known->hasDerivatives) {
        derivativesAt(x, known->derivatives);
        known->hasDerivatives = true;
      }
      d = known->derivatives;
    }
    return d.count > 0;
  }

  bool slope(double x, double& d) {
    Derivatives all;
    if (!derivatives(x, all)) return false;
    d = all.d[0];
    return true;
  }

 private:
  struct Anchor {
    double x, value, error;  // the integral up to x and the estimate of its error
  };
  // What is known at a column of the picture, where every search looks.
  struct Known {
    bool hasRounded = false, roundedValid = false, hasDerivatives = false;
    RoundedValue rounded;
    Derivatives derivatives;
  };

  Known* knownAt(double x) {
    const ScaleState& scale = a_.graph_.scale;
    const int column = scale.WorldToColumn(x);
    if (column < 0 || column > kLastPixel || scale.columnWorldX[column] != x) return nullptr;
    if (known_.empty()) known_.resize(kPictureSize);
    return &known_[static_cast<size_t>(column)];
  }

  // The integrand from a to b, with what the search has left (the piece no more than
  // kIntegralBudget); a piece that ran out of the search's budget stops the search.
  Integral integrate(double a, double b) {
    const long allowed = std::min(kIntegralBudget, a_.workLeft() / steps_);
    long budget = allowed;
    const Integral piece = quorvel::integrate(
        [this](double t, double& v) {
          FormulaEngine& engine = a_.formulas_;
          engine.evalSlot = slot_;
          engine.registers[kRegX] = t;
          engine.runProgram();
          v = engine.registers[kRegY];
          return engine.evalValid;
        },
        a, b, budget);
    a_.spend((allowed - budget) * steps_);
    if (!piece.valid && allowed < kIntegralBudget) a_.stopped_ = true;
    return piece;
  }

  bool taylor(double x, TaylorSeries& series) {
    return a_.spend(kSeriesWork * steps_) &&
           taylorRun(a_.formulas_.program(slot_), x, kRegY, series);
  }

  bool roundedAt(double x, RoundedValue& r) {
    if (marker_ == kIntegralMarker) return integral(x, r);
    if (polynomial_) {
      if (!a_.spend(kRoundingWork * steps_)) return false;
      // Horner's rule compensated: the error of each step carried beside it; the bound of
      // the rule with the coefficients' sizes.
      double hi = coef_[0][degree_], lo = 0, size = std::fabs(hi);
      for (int i = degree_ - 1; i >= 0; --i) {
        const double product = hi * x;
        const double productError = std::fma(hi, x, -product);
        const double sum = product + coef_[0][i];
        const double t = sum - product;
        const double sumError = (product - (sum - t)) + (coef_[0][i] - t);
        lo = lo * x + (productError + sumError);
        hi = sum;
        size = size * std::fabs(x) + std::fabs(coef_[0][i]);
      }
      r.value = horner(coef_[0], degree_, x);
      r.correction = (hi - r.value) + lo;
      r.bound = 2 * (degree_ + 1) * DBL_EPSILON * size;
      return std::isfinite(r.value) && std::isfinite(r.bound);
    }
    if (marker_ == 0) {
      return a_.spend(kRoundingWork * steps_) &&
             roundingRun(a_.formulas_.program(slot_), x, kRegY, r);
    }
    r = {};
    return value(x, r.value);  // a derivative: its last bits are all that is known
  }

  void derivativesAt(double x, Derivatives& d) {
    d.count = 0;
    if (polynomial_) {
      if (!a_.spend(depth * steps_)) return;
      for (int k = 1; k <= depth; ++k, ++d.count) {
        d.d[k - 1] = horner(coef_[k], std::max(0, degree_ - k), x);
        if (!std::isfinite(d.d[k - 1])) return;
      }
      return;
    }
    TaylorSeries series{};
    if (!taylor(x, series)) return;
    // An integral's derivatives are its integrand's, from the value on.
    const int first = marker_ == kIntegralMarker ? 0 : marker_ + 1;
    for (int k = 0; k < depth; ++k, ++d.count) {
      d.d[k] = derivativeOf(series, first + k);
      if (!std::isfinite(d.d[k])) return;
    }
  }

  // From the nearest x below whose integral is known; the points asked for in increasing x
  // become such anchors, so the work grows with the distance between samples, not from the
  // domain's begin. Once a piece beyond the last anchor had no value, nothing beyond it has:
  // the search does not try again and again what cannot be done.
  bool integral(double x, RoundedValue& r) {
    auto above = std::upper_bound(anchors_.begin(), anchors_.end(), x,
                                  [](double v, const Anchor& anchor) { return v < anchor.x; });
    if (above == anchors_.begin()) return false;
    const bool beyond = above == anchors_.end();
    if (beyond && x >= noValueFrom_) return false;
    const Anchor from = *(above - 1);
    Integral piece = integrate(from.x, x);
    const double viewWidth = kLastPixel * a_.graph_.scale.unitsPerPixelX;
    if (piece.valid && beyond && anchors_.size() == 1 && x - from.x > viewWidth) {
      // From a begin far outside the picture, one estimate may have missed what the
      // integrand does near it (between nodes far apart). Again in two pieces, the last one
      // as wide as the picture: what the two ways disagree by is what the value is known to.
      const Integral far = integrate(from.x, x - viewWidth);
      const Integral near = integrate(x - viewWidth, x);
      piece.error = far.valid && near.valid
                        ? std::max(piece.error, far.error + near.error +
                                                    std::fabs(piece.value - far.value - near.value))
                        : INFINITY;
    }
    if (!piece.valid || !std::isfinite(from.value + piece.value)) {
      if (beyond) noValueFrom_ = std::min(noValueFrom_, x);
      return false;
    }
    r.value = from.value + piece.value;
    r.correction = 0;
    r.bound = from.error + piece.error + DBL_EPSILON * std::fabs(r.value);
    if (beyond) anchors_.push_back({x, r.value, r.bound});
    return true;
  }

  Analysis& a_;
  int slot_;
  bool polynomial_ = false;
  int marker_ = 0;
  int degree_ = 0;
  long steps_ = 0;                            // what a run at a point costs
  std::array<PolyWork, kLevels + 1> coef_{};  // the polynomial and its derivatives
  std::vector<Anchor> anchors_;
  double noValueFrom_ = HUGE_VAL;
  std::vector<Known> known_;  // by column, once asked for
};

namespace {

// What Brent's method ends with: two neighbouring points where f has opposite signs (or one
// where it is 0, lo = hi); `gap` when f has no value at the one double between them.
struct Bracket {
  double lo = 0, flo = 0, hi = 0, fhi = 0;
  bool gap = false;
};

// Whether a and b lie many binades apart on one side of zero, as 1E-50 and 0,025 do: then
// halving the distance between them gains little, halving the binades between them much.
bool binadesApart(double a, double b) {
  const double small = std::min(std::fabs(a), std::fabs(b));
  const double large = std::max(std::fabs(a), std::fabs(b));
  return a * b >= 0 && large > 0x1p20 * std::max(small, DBL_MIN);
}

// Between a and b: halfway, in binades where they lie many apart.
double between(double a, double b) {
  if (!binadesApart(a, b)) return a + (b - a) / 2;
  const double small = std::max(std::min(std::fabs(a), std::fabs(b)), DBL_MIN);
  return std::copysign(std::sqrt(small) * std::sqrt(std::max(std::fabs(a), std::fabs(b))), a + b);
}

// Brent's method on a bracket [a, b] where f changes sign, to a few units in the last place.
// While the bracket spans many binades on one side of zero, it halves their number instead,
// so that a root at 1E-50 is as near as one at 1. False when f has no value somewhere it
// must look.
template <class F>
bool brent(F&& f, double a, double fa, double b, double fb, Bracket& out) {
  double c = a, fc = fa, d = b - a, e = d;
  for (int iteration = 0; iteration < 400; ++iteration) {
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
      out = {b, 0, b, 0, false};
      return true;
    }
    if (std::fabs(m) <= tolerance) {
      out.lo = std::min(b, c);
      out.hi = std::max(b, c);
      out.flo = out.lo == b ? fb : fc;
      out.fhi = out.hi == b ? fb : fc;
      out.gap = false;
      return true;
    }
    if (binadesApart(b, c)) {
      d = e = between(b, c) - b;
    } else if (std::fabs(e) >= tolerance && std::fabs(fa) > std::fabs(fb)) {
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
      // No value at b: the sign may change right there (the corner of abs in a slope).
      const double below = std::nextafter(b, -HUGE_VAL), above = std::nextafter(b, HUGE_VAL);
      double fBelow = 0, fAbove = 0;
      if (f(below, fBelow) && f(above, fAbove) && fBelow != 0 && fAbove != 0 &&
          (fBelow > 0) != (fAbove > 0)) {
        out = {below, fBelow, above, fAbove, true};
        return true;
      }
      b = a + (c - a) / 2;  // halve instead
      if (!f(b, fb)) return false;
    }
  }
  return false;
}

// The x of a bracket: the double where f has no value between its ends, or the end nearer 0.
double pointOf(const Bracket& b) {
  if (b.gap) return std::nextafter(b.lo, b.hi);
  return std::fabs(b.flo) <= std::fabs(b.fhi) ? b.lo : b.hi;
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

// What the searches look at: a slot's function, or the difference of two.
struct Curve {
  std::function<bool(double, double&)> value;          // as the plot has it
  std::function<bool(double, RoundedValue&)> rounded;  // with its rounding
  std::function<bool(double, Derivatives&)> derivatives;
  int depth = kLevels;
};

struct Node {
  double x = 0;
  bool valid = false;  // a value, and one not lost in rounding
  bool lost = false;   // a value, but lost in rounding
  double y = 0, bound = 0;
  Derivatives d;
  // Where the slope has no value at x itself but has one on either side (a corner): those,
  // and the values there.
  bool sided = false;
  double slopeBelow = 0, slopeAbove = 0, yBelow = 0, yAbove = 0;
  int level = 0;  // found as a zero of this derivative between two points, or 0
  int turn = 0;   // a zero of the slope: +1 a minimum, -1 a maximum, 0 neither (a pole, a jump)

  bool zero() const { return valid && std::fabs(y) <= bound; }
  // The rounding a value carries, at least its last bits.
  double noise() const { return std::max(bound, kLastBits * std::fabs(y)); }
  bool hasSlope() const { return d.count > 0 || sided; }
  double slopeTowardsBelow() const { return sided ? slopeBelow : d.d[0]; }
  double slopeTowardsAbove() const { return sided ? slopeAbove : d.d[0]; }
};

struct Stretch {
  double from = 0, to = 0;
};

// A search over the picture's columns. A value within its rounding bound is zero; where that
// bound is more than a pixel high (and not small against the value), the value is lost in
// rounding and counts as none. The critical points come from the derivatives level by level:
// the zeros of the third between neighbouring points, then those of the second between those
// points, then those of the first, so that between two neighbouring points each derivative
// changes sign at most once, and so does f itself: the roots between two columns are all
// found whenever the extrema between them are.
class Search {
 public:
  Search(Curve curve, const std::vector<double>& xs, const ScaleState& scale)
      : c_(std::move(curve)), pixelX_(scale.unitsPerPixelX), pixelY_(scale.unitsPerPixelY) {
    nodes_.reserve(xs.size());
    for (double x : xs) {
      nodes_.push_back(valueAt(x));
      const Node& n = nodes_.back();
      valid += n.valid;
      zeros += n.zero();
      lost += n.lost;
    }
  }

  int valid = 0, zeros = 0, lost = 0;  // among the columns
  bool allZero() const { return valid >= 2 && zeros == valid; }

  void findCriticalPoints() {
    for (Node& n : nodes_)
      addDerivatives(n);
    for (int level = c_.depth; level >= 1; --level) {
      std::vector<Node> found;
      for (size_t i = 0; i + 1 < nodes_.size(); ++i)
        zeroOfDerivative(i, level, found);
      std::vector<Node> merged;
      merged.reserve(nodes_.size() + found.size());
      std::merge(nodes_.begin(), nodes_.end(), found.begin(), found.end(),
                 std::back_inserter(merged),
                 [](const Node& p, const Node& q) { return p.x < q.x; });
      nodes_ = std::move(merged);
    }
  }

  // The zeros: points, and stretches of zeros over more than one point.
  void findZeros(std::vector<double>& points, std::vector<Stretch>& stretches) {
    const size_t n = nodes_.size();
    for (size_t i = 0; i < n; ++i) {
      if (!nodes_[i].zero()) continue;
      size_t j = i;
      while (j + 1 < n && nodes_[j + 1].zero())
        ++j;
      if (j == i) {
        points.push_back(nodes_[i].x);
        continue;
      }
      const double from = i > 0 ? edgeOfZeros(nodes_[i - 1].x, nodes_[i].x) : nodes_[i].x;
      const double to = j + 1 < n ? edgeOfZeros(nodes_[j + 1].x, nodes_[j].x) : nodes_[j].x;
      if (to - from <= 8 * DBL_EPSILON * std::max(std::fabs(from), std::fabs(to))) {
        points.push_back(from);  // a zero the refinement met twice
      } else {
        stretches.push_back({from, to});
      }
      i = j;
    }
    for (size_t i = 0; i + 1 < n; ++i) {
      const Node& s = nodes_[i];
      const Node& t = nodes_[i + 1];
      if (!s.valid || !t.valid || s.zero() || t.zero() || (s.y > 0) == (t.y > 0)) continue;
      Bracket b;
      if (!brent(c_.value, s.x, s.y, t.x, t.y, b)) continue;
      const double scale = std::max(std::fabs(s.y), std::fabs(t.y));
      if (std::min(std::fabs(b.flo), std::fabs(b.fhi)) > kNotZero * scale) continue;  // a pole
      points.push_back(pointOf(b));
    }
    // A critical point where f comes within a hair of zero and turns back touches it.
    for (size_t i = 1; i + 1 < n; ++i) {
      const Node& m = nodes_[i];
      const Node& r = nodes_[i - 1];
      const Node& t = nodes_[i + 1];
      const bool critical = m.level == 1 || (m.d.count > 0 && m.d.d[0] == 0);
      if (!critical || !m.valid || !r.valid || !t.valid || m.zero() || r.zero() || t.zero() ||
          (r.y > 0) != (m.y > 0) || (t.y > 0) != (m.y > 0)) {
        continue;
      }
      if (std::fabs(m.y) <= kTouches * std::max(std::fabs(r.y), std::fabs(t.y))) {
        points.push_back(m.x);
      }
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end(),
                             [](double p, double q) {
                               return std::fabs(p - q) <=
                                      8 * DBL_EPSILON * std::max(std::fabs(p), std::fabs(q));
                             }),
                 points.end());
  }

  struct Extremum {
    double x, y;
    bool minimum;
  };
  // Where the slope changes sign and the graph is continuous: turns and corners.
  std::vector<Extremum> extrema() const {
    std::vector<Extremum> found;
    for (size_t i = 0; i < nodes_.size(); ++i) {
      const Node& m = nodes_[i];
      if (!m.valid) continue;
      if (m.level == 1) {
        if (m.turn != 0) found.push_back({m.x, m.y, m.turn > 0});
        continue;
      }
      if (i == 0 || i + 1 == nodes_.size()) continue;
      const Node& r = nodes_[i - 1];
      const Node& t = nodes_[i + 1];
      if (m.d.count > 0 && m.d.d[0] == 0) {
        // A slope of exactly 0 at a point between opposite slopes.
        if (!r.hasSlope() || !t.hasSlope()) continue;
        const double before = r.slopeTowardsAbove(), after = t.slopeTowardsBelow();
        if (before != 0 && after != 0 && (before > 0) != (after > 0)) {
          found.push_back({m.x, m.y, after > 0});
        }
      } else if (m.sided && m.slopeBelow != 0 && m.slopeAbove != 0 &&
                 (m.slopeBelow > 0) != (m.slopeAbove > 0)) {
        // A corner right at the point, where the graph is continuous.
        double scale = std::fabs(m.y);
        if (r.valid && t.valid) scale = std::max({scale, std::fabs(r.y), std::fabs(t.y)});
        if (std::fabs(m.yBelow - m.y) <= kNotZero * scale &&
            std::fabs(m.yAbove - m.y) <= kNotZero * scale) {
          found.push_back({m.x, m.y, m.slopeAbove > 0});
        }
      }
    }
    return found;
  }

 private:
  Node valueAt(double x) const {
    Node n;
    n.x = x;
    RoundedValue r;
    if (c_.rounded(x, r)) {
      n.y = r.value;
      n.bound = r.bound;
      n.lost = r.bound > pixelY_ && r.bound >= kUncertain * std::fabs(r.value);
      n.valid = !n.lost;
    }
    return n;
  }

  void addDerivatives(Node& n) const {
    if (!n.valid || c_.derivatives(n.x, n.d)) return;
    // No slope at x itself: a corner has one on either side.
    const double below = std::nextafter(n.x, -HUGE_VAL), above = std::nextafter(n.x, HUGE_VAL);
    Derivatives dBelow, dAbove;
    n.sided = c_.derivatives(below, dBelow) && c_.derivatives(above, dAbove) &&
              c_.value(below, n.yBelow) && c_.value(above, n.yAbove);
    n.slopeBelow = dBelow.d[0];
    n.slopeAbove = dAbove.d[0];
  }

  // The zero of derivative `level` where it changes sign between the points i and i + 1: a
  // new point, or one of those two when it lies right there.
  void zeroOfDerivative(size_t i, int level, std::vector<Node>& found) {
    const Node& p = nodes_[i];
    const Node& q = nodes_[i + 1];
    double a = 0, b = 0;
    if (level == 1) {
      if (!p.hasSlope() || !q.hasSlope()) return;
      a = p.slopeTowardsAbove();
      b = q.slopeTowardsBelow();
    } else {
      if (p.d.count < level || q.d.count < level) return;
      a = p.d.d[level - 1];
      b = q.d.d[level - 1];
    }
    if (a == 0 || b == 0 || (a > 0) == (b > 0)) return;
    // A derivative so small that over a pixel it moves f by less than f's rounding changes
    // sign by rounding alone.
    const double noise = std::max(p.noise(), q.noise()) / std::pow(pixelX_, level);
    if (std::max(std::fabs(a), std::fabs(b)) <= noise) return;
    auto derivative = [this, level](double x, double& v) {
      Derivatives d;
      if (!c_.derivatives(x, d) || d.count < level) return false;
      v = d.d[level - 1];
      return true;
    };
    Bracket bracket;
    if (!brent(derivative, p.x, a, q.x, b, bracket)) return;
    const double x = pointOf(bracket);
    Node fresh;
    Node* n = &fresh;
    if (x == p.x || x == q.x) {
      n = &nodes_[x == p.x ? i : i + 1];
    } else if (x > p.x && x < q.x) {
      fresh = valueAt(x);
      addDerivatives(fresh);
    } else {
      return;
    }
    n->level = level;
    if (level == 1 && p.valid && q.valid) {
      // An extremum of a continuous graph (a corner too); a pole or a jump of f is none.
      double ylo = 0, yhi = 0;
      const double scale = std::max({std::fabs(p.y), std::fabs(q.y), std::fabs(p.y - q.y)});
      if (c_.value(bracket.lo, ylo) && c_.value(bracket.hi, yhi) &&
          std::fabs(ylo - yhi) <= kNotZero * scale) {
        n->turn = b > 0 ? 1 : -1;
      }
    }
    if (n == &fresh) found.push_back(fresh);
  }

  // Where the zeros next to `inside` end, towards `outside`, where f is not zero.
  double edgeOfZeros(double outside, double inside) const {
    for (int i = 0; i < 300; ++i) {
      const double middle = between(outside, inside);
      if (middle == outside || middle == inside) break;
      (valueAt(middle).zero() ? inside : outside) = middle;
    }
    return inside;
  }

  Curve c_;
  double pixelX_, pixelY_;
  std::vector<Node> nodes_;
};

// The zeros of a curve over the grid, and what the values show as a whole.
struct Zeros {
  std::vector<double> points;
  std::vector<Stretch> stretches;
  bool whole = false;       // zero wherever it has a value in view
  bool allLost = false;     // no value that rounding left, but zeros within their rounding
  bool partlyLost = false;  // some values lost in rounding
};

Zeros zerosOf(Curve curve, const std::vector<double>& xs, const ScaleState& scale) {
  Zeros z;
  Search search(std::move(curve), xs, scale);
  z.partlyLost = search.lost > 0;
  // Nothing but values lost in rounding and zeros within their rounding: nothing is known.
  z.allLost = search.lost > 0 && search.zeros == search.valid;
  if (search.valid == 0 || z.allLost) return z;
  z.whole = search.allZero();
  if (!z.whole) search.findCriticalPoints();
  search.findZeros(z.points, z.stretches);
  return z;
}

// "2 intervallen met y = 0", "1 interval gelijk".
std::string stretchText(size_t count, const char* what) {
  return translated(count == 1 ? QT_TRANSLATE_NOOP("quorvel", "%1 interval %2")
                               : QT_TRANSLATE_NOOP("quorvel", "%1 intervallen %2"),
                    std::to_string(count), translated(what));
}

}  // namespace

Analysis::Analysis(FormulaEngine& formulas, PolyInput& poly, const Constants& constants,
                   Graph& graph)
    : formulas_(formulas), poly_(poly), constants_(constants), graph_(graph) {}

std::optional<std::string> Analysis::whyNot(int s) const {
  const uint8_t kind = formulas_.slotKind[s];
  if (kind == kSlotEmpty) return translated(QT_TRANSLATE_NOOP("quorvel", "geen formule/polynoom"));
  if (kind != kSlotFunction && kind != kSlotPolynomial) return translated(kOnlyFunctionsOfX);
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
  search_ = nullptr;
}

std::optional<std::string> Analysis::searchAgain() {
  if (slot == 0 || !search_) return std::nullopt;
  const int s = slot;
  return (this->*search_)(s);
}

void Analysis::start() {
  evaluations = 0;
  stopped_ = false;
  graph_.CopyConstantsToEvaluator();
}

bool Analysis::spend(long work) {
  if (work > workLeft()) {
    stopped_ = true;
    return false;
  }
  evaluations += work;
  return true;
}

// What was found now belongs to slot s: the list's title; the message line's text, with a
// word when the search ran out of its budget.
std::string Analysis::found(int s, const char* many, std::string message) {
  slot = s;
  signature_ = signature(s);
  titleWhat_ = many;
  titleOf_ = formulas_.slotKind[s] == kSlotPolynomial ? "poly  " + std::to_string(s)
                                                      : formulas_.formulas[s].text;
  if (stopped_) {
    if (message == countText(0, many, many)) {
      message = translated(QT_TRANSLATE_NOOP("quorvel", "geen %1 gevonden"), translated(many));
    }
    message += translated(kSearchStopped);
  }
  return message;
}

std::string Analysis::findRoots(int s) {
  clear();
  if (auto reason = whyNot(s)) return *reason;
  start();
  search_ = &Analysis::findRoots;
  SlotFunction f(*this, s);
  const Curve curve{[&f](double x, double& y) { return f.value(x, y); },
                    [&f](double x, RoundedValue& r) { return f.rounded(x, r); },
                    [&f](double x, Derivatives& d) { return f.derivatives(x, d); }, f.depth};
  const Zeros z = zerosOf(curve, gridOf(graph_.scale, f.left, f.right), graph_.scale);
  for (double x : z.points)
    results.push_back({Kind::Root, x, 0, 0});
  for (const Stretch& stretch : z.stretches) {
    results.push_back({Kind::RootsFrom, stretch.from, 0, 0});
    results.push_back({Kind::RootsTo, stretch.to, 0, 0});
  }
  std::stable_sort(results.begin(), results.end(),
                   [](const Result& p, const Result& q) { return p.x < q.x; });
  std::string message;
  if (z.allLost) {
    message = translated(kLostInRounding);
  } else if (z.whole) {
    message = translated(kAllZero);
  } else if (z.stretches.empty()) {
    message = countText(static_cast<int>(z.points.size()), QT_TRANSLATE_NOOP("quorvel", "nulpunt"),
                        QT_TRANSLATE_NOOP("quorvel", "nulpunten"));
  } else {
    message = stretchText(z.stretches.size(), QT_TRANSLATE_NOOP("quorvel", "met y = 0"));
    if (!z.points.empty()) {
      message =
          countText(static_cast<int>(z.points.size()), QT_TRANSLATE_NOOP("quorvel", "nulpunt"),
                    QT_TRANSLATE_NOOP("quorvel", "nulpunten")) +
          ", " + message;
    }
  }
  if (z.partlyLost && !z.allLost) message += translated(kPartlyLost);
  return found(s, QT_TRANSLATE_NOOP("quorvel", "nulpunten"), message);
}

std::string Analysis::findExtrema(int s) {
  clear();
  if (auto reason = whyNot(s)) return *reason;
  start();
  search_ = &Analysis::findExtrema;
  SlotFunction f(*this, s);
  Search search({[&f](double x, double& y) { return f.value(x, y); },
                 [&f](double x, RoundedValue& r) { return f.rounded(x, r); },
                 [&f](double x, Derivatives& d) { return f.derivatives(x, d); }, f.depth},
                gridOf(graph_.scale, f.left, f.right), graph_.scale);
  if (search.lost > 0 && search.zeros == search.valid) {
    return found(s, QT_TRANSLATE_NOOP("quorvel", "extremen"),
                 translated(kLostInRounding));  // as for the roots: nothing is known
  }
  search.findCriticalPoints();
  for (const Search::Extremum& e : search.extrema())
    results.push_back({e.minimum ? Kind::Minimum : Kind::Maximum, e.x, e.y, 0});
  std::string message =
      countText(static_cast<int>(results.size()), QT_TRANSLATE_NOOP("quorvel", "extreem"),
                QT_TRANSLATE_NOOP("quorvel", "extremen"));
  if (search.lost > 0) message += translated(kPartlyLost);
  return found(s, QT_TRANSLATE_NOOP("quorvel", "extremen"), message);
}

std::string Analysis::findIntersections(int s) {
  clear();
  if (auto reason = whyNot(s)) return *reason;
  start();
  search_ = &Analysis::findIntersections;
  SlotFunction f(*this, s);
  int compared = 0, lost = 0, partlyLost = 0;
  std::vector<int> equalInView;
  size_t points = 0, stretches = 0;
  for (int other = 1; other <= kSlotCount; ++other) {
    if (other == s || whyNot(other)) continue;
    SlotFunction g(*this, other);
    const Curve difference{[&f, &g](double x, double& d) {
                             double a = 0, b = 0;
                             if (!f.value(x, a) || !g.value(x, b)) return false;
                             d = a - b;
                             return std::isfinite(d);
                           },
                           [&f, &g](double x, RoundedValue& d) {
                             RoundedValue a, b;
                             if (!f.rounded(x, a) || !g.rounded(x, b)) return false;
                             d.value = a.value - b.value;
                             const double t = d.value - a.value;
                             const double own = (a.value - (d.value - t)) + (-b.value - t);
                             d.correction = a.correction - b.correction + own;
                             d.bound = a.bound + b.bound + std::fabs(own);
                             return std::isfinite(d.value);
                           },
                           [&f, &g](double x, Derivatives& d) {
                             Derivatives a, b;
                             if (!f.derivatives(x, a) || !g.derivatives(x, b)) return false;
                             d.count = std::min(a.count, b.count);
                             for (int k = 0; k < d.count; ++k)
                               d.d[k] = a.d[k] - b.d[k];
                             return true;
                           },
                           std::min(f.depth, g.depth)};
    const std::vector<double> xs =
        gridOf(graph_.scale, std::max(f.left, g.left), std::min(f.right, g.right));
    if (xs.empty()) continue;
    ++compared;
    const Zeros z = zerosOf(difference, xs, graph_.scale);
    lost += z.allLost;
    partlyLost += z.partlyLost;
    if (z.whole) equalInView.push_back(other);
    for (double x : z.points) {
      double y = 0;
      if (f.value(x, y)) {
        results.push_back({Kind::Intersection, x, y, other});
        ++points;
      }
    }
    for (const Stretch& stretch : z.stretches) {
      double from = 0, to = 0;
      if (!f.value(stretch.from, from) || !f.value(stretch.to, to)) continue;
      results.push_back({Kind::EqualFrom, stretch.from, from, other});
      results.push_back({Kind::EqualTo, stretch.to, to, other});
      ++stretches;
    }
  }
  std::stable_sort(results.begin(), results.end(),
                   [](const Result& p, const Result& q) { return p.x < q.x; });
  const std::string crossings =
      countText(static_cast<int>(points), QT_TRANSLATE_NOOP("quorvel", "snijpunt"),
                QT_TRANSLATE_NOOP("quorvel", "snijpunten"));
  std::string message;
  if (compared > 0 && lost == compared) {
    message = translated(kLostInRounding);
  } else if (points == 0 && stretches == 1 && equalInView.size() == 1) {
    message = translated(QT_TRANSLATE_NOOP("quorvel", "gelijk aan %1 in beeld"),
                         std::to_string(equalInView[0]));
  } else if (stretches == 0) {
    message = crossings;
  } else {
    message = stretchText(stretches, QT_TRANSLATE_NOOP("quorvel", "gelijk"));
    if (points > 0) message = crossings + ", " + message;
  }
  if (partlyLost > 0 && lost < compared) message += translated(kPartlyLost);
  return found(s, QT_TRANSLATE_NOOP("quorvel", "snijpunten"), message);
}

FitOutcome Analysis::tangentAt(int s, double x0) {
  if (auto reason = whyNot(s)) return {std::nullopt, *reason, false};
  start();
  SlotFunction f(*this, s);
  RoundedValue y;
  double m = 0;
  const std::string at = shownNumber(FormatFloat(kTableNumberFormat, x0));
  if (!f.rounded(x0, y))
    return {std::nullopt, translated(QT_TRANSLATE_NOOP("quorvel", "geen waarde in x = %1"), at),
            false};
  if (!f.slope(x0, m))
    return {std::nullopt,
            translated(QT_TRANSLATE_NOOP("quorvel", "niet differentieerbaar in x = %1"), at),
            false};
  // Every digit, so that the plotted line is the tangent. The intercept y0 - m x0 from the
  // product's two parts and the value with its correction: what cancels there is exact.
  const double product = m * x0;
  const double productError = std::fma(m, x0, -product);
  const double intercept = ((y.value - product) - productError) + y.correction;
  FitOutcome line = exactLineFormula(m, intercept);
  if (line.formula && line.formula->size() > FormulaEditor::kCapacity) {
    return {std::nullopt, translated(kTangentTooLong), false};
  }
  return line;
}

namespace {

std::string whatText(const Analysis::Result& r) {
  const std::string other = std::to_string(r.otherSlot);
  switch (r.kind) {
    case Analysis::Kind::Root:
      return translated(QT_TRANSLATE_NOOP("quorvel", "nulpunt"));
    case Analysis::Kind::Minimum:
      return translated(QT_TRANSLATE_NOOP("quorvel", "minimum"));
    case Analysis::Kind::Maximum:
      return translated(QT_TRANSLATE_NOOP("quorvel", "maximum"));
    case Analysis::Kind::RootsFrom:
      return translated(QT_TRANSLATE_NOOP("quorvel", "y = 0 vanaf"));
    case Analysis::Kind::RootsTo:
      return translated(QT_TRANSLATE_NOOP("quorvel", "y = 0 tot"));
    case Analysis::Kind::EqualFrom:
      return translated(QT_TRANSLATE_NOOP("quorvel", "gelijk aan %1 vanaf"), other);
    case Analysis::Kind::EqualTo:
      return translated(QT_TRANSLATE_NOOP("quorvel", "gelijk aan %1 tot"), other);
    case Analysis::Kind::Intersection:
      break;
  }
  return translated(QT_TRANSLATE_NOOP("quorvel", "snijpunt met %1"), other);
}

}  // namespace

std::vector<TableRow> Analysis::rows(size_t first) const {
  std::vector<TableRow> shown;
  for (size_t i = first; i < results.size() && shown.size() < kTableBoxRows; ++i) {
    const Result& r = results[i];
    shown.push_back({whatText(r), shownNumber(FormatFloat(kTableNumberFormat, r.x)),
                     shownNumber(FormatFloat(kTableNumberFormat, r.y))});
  }
  return shown;
}

std::string Analysis::title() const {
  if (titleWhat_ == nullptr) return {};
  return translated(QT_TRANSLATE_NOOP("quorvel", "%1 van %2"), translated(titleWhat_), titleOf_);
}

std::string Analysis::fullPrecisionText() const {
  std::string text = title() + "\n";
  for (const Result& r : results)
    text += whatText(r) + "\tx = " + shownNumber(formatExact(r.x)) +
            "\ty = " + shownNumber(formatExact(r.y)) + "\n";
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
    } else if (r.kind == Kind::RootsFrom || r.kind == Kind::EqualFrom || r.kind == Kind::RootsTo ||
               r.kind == Kind::EqualTo) {
      // A bracket at either end of a stretch of zeros, open towards the stretch.
      const int inwards = r.kind == Kind::RootsFrom || r.kind == Kind::EqualFrom ? 1 : -1;
      picture.moveTo(c + 3 * inwards, w - 4);
      picture.lineTo(c, w - 4);
      picture.lineTo(c, w + 4);
      picture.lineTo(c + 4 * inwards, w + 4);
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
