// The exact method against a reference of its own: for every pixel, whether the true curve
// passes through the pixel's closed box, decided from the known geometry of each relation in
// MPFR at high precision, the box's edges taken exactly as the doubles they are. A pixel the
// curve crosses is never empty, a pixel it stays away from is never drawn solid, and on smooth
// curves that change sign the pixels left undecided are few.

#include <gtest/gtest.h>
#include <mpfr.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "MpfrRanges.h"
#include "PlotTestSupport.h"
#include "plot/ExactImplicit.h"

namespace quorvel {
namespace {

using testing::higher;
using testing::hull;
using testing::lower;
using testing::Range;
using testing::Real;
using testing::square;

// ---------------------------------------------------------------------------------------------
// The geometry of the relations, each written g(x) + h(y) in T: the zero set meets the box
// X x Y exactly when g(X) + h(Y) meets T. The image of g over an interval is one closed
// interval for each piece of it on which g is defined and continuous (none where g is defined
// nowhere); g and h take x and y apart, so the images add exactly.

using Image = std::vector<Range>;
struct Geometry {
  std::function<Image(const Range&)> g, h;
  std::function<bool(const Range&)> meetsTarget;
};

Image identity(const Range& t) {
  return {t};
}
Image negated(const Range& t) {
  return {-t};
}
std::function<Image(const Range&)> squareAround(double centre) {
  return [centre](const Range& t) { return Image{square(t + -Real(centre))}; };
}
std::function<bool(const Range&)> equals(double value) {
  return [value](const Range& r) { return r.lo <= value && value <= r.hi; };
}

// (x - cx)^2 + (y - cy)^2 = r^2, and any relation with the same zero set.
Geometry circle(double centreX, double centreY, double radiusSquared) {
  return {squareAround(centreX), squareAround(centreY), equals(radiusSquared)};
}
// y = slope x + intercept: slope x - y = -intercept.
Geometry line(double slope, double intercept) {
  return {[slope](const Range& x) { return Image{Real(slope) * x}; }, negated, equals(-intercept)};
}
// y = x^2 + constant.
Geometry parabola(double constant) {
  return {squareAround(0), negated, equals(-constant)};
}
// G - abs(G) = 0: the closed set where G >= 0. The disc x^2 + y^2 <= r^2 and the half plane
// x + y >= 0.
Geometry disc(double radiusSquared) {
  return {squareAround(0), squareAround(0),
          [radiusSquared](const Range& r) { return r.lo <= radiusSquared; }};
}
Geometry halfPlane() {
  return {identity, identity, [](const Range& r) { return 0 <= r.hi; }};
}
// sin(x^2 + y^2) = 0: the circles x^2 + y^2 = k pi, k >= 0 (the origin for k = 0).
Geometry rings() {
  return {squareAround(0), squareAround(0),
          [pi = Real::pi()](const Range& r) { return ceil(r.lo / pi) * pi <= r.hi; }};
}

// y = f(x) for f defined and continuous on each side of a pole. `rangeOn(lo, hi)` is f's
// range over [lo, hi] on one side, an end at the pole standing for the piece open there.
using RangeOn = std::function<Range(const Real& lo, const Real& hi)>;
Geometry graphWithPole(double pole, const RangeOn& rangeOn) {
  auto image = [=](const Range& x) {
    if (x.hi < pole || pole < x.lo) return Image{rangeOn(x.lo, x.hi)};
    Image pieces;
    if (x.lo < pole) pieces.push_back(rangeOn(x.lo, pole));
    if (pole < x.hi) pieces.push_back(rangeOn(pole, x.hi));
    return pieces;
  };
  return {image, negated, equals(0)};
}
// The range of a function continuous on [lo, hi]: its values at the ends and at its turning
// points inside; towards the pole, its infinite limit from that side.
RangeOn rangeByTurningPoints(std::function<Real(const Real&)> f, double pole,
                             std::vector<Real> turningPoints, int limitFromLeft,
                             int limitFromRight) {
  return [=](const Real& lo, const Real& hi) {
    std::vector<Real> values;
    values.push_back(lo == pole ? Real::infinity(limitFromRight) : f(lo));
    values.push_back(hi == pole ? Real::infinity(limitFromLeft) : f(hi));
    for (const Real& t : turningPoints) {
      if (lo < t && t < hi) values.push_back(f(t));
    }
    return hull(values);
  };
}
// sin(40 / x): 40 / x is monotone on each side of 0 and unbounded towards it, where sin takes
// every value of [-1, 1]; elsewhere sin's range over [u0, u1] is that of its ends and of the
// extremes pi/2 + 2k pi, -pi/2 + 2k pi that lie between.
Range sinOf40Over(const Real& lo, const Real& hi) {
  if (lo == 0 || hi == 0) return {-1, 1};
  return testing::sineOver(Real(40) / hi, Real(40) / lo);
}
// sqrt(x - 3) sqrt(1 - x): defined nowhere.
Image nowhere(const Range&) {
  return {};
}

// ---------------------------------------------------------------------------------------------
// Each pixel by the reference: Curve when the zero set meets the box shrunk by a margin of
// 2^-30 of a pixel on every side, None when it misses the box grown by that margin, Border in
// between. The margin keeps the rounding of the plotter's doubles out of the answer.

enum class Truth : uint8_t { None, Border, Curve };

class Reference {
 public:
  Reference(const PixelEdges& edges, const ScaleState& scale, const Geometry& geometry)
      : meetsTarget_(geometry.meetsTarget) {
    const double marginX = std::ldexp(scale.unitsPerPixelX, -30);
    const double marginY = std::ldexp(scale.unitsPerPixelY, -30);
    for (const int sign : {1, -1}) {
      const Real mx = sign * marginX, my = sign * marginY;
      for (int i = 0; i < kPictureSize; ++i) {
        columns_[sign < 0].push_back(
            geometry.g({Real(edges.columns[i]) - mx, Real(edges.columns[i + 1]) + mx}));
        rows_[sign < 0].push_back(
            geometry.h({Real(edges.rows[i + 1]) - my, Real(edges.rows[i]) + my}));
      }
    }
    hull(columns_[0], 0, kPictureSize, columnHulls_);
    hull(rows_[0], 0, kPictureSize, rowHulls_);
    truth_.resize(static_cast<size_t>(kPictureSize) * kPictureSize, Truth::None);
    classify(0, kPictureSize, 0, kPictureSize);
  }
  Truth at(int column, int row) const {
    return truth_[static_cast<size_t>(row) * kPictureSize + static_cast<size_t>(column)];
  }

 private:
  // Indices [first, last) of the columns or rows, cut in halves the same way on both axes.
  using Span = std::pair<int, int>;
  static int middle(const Span& s) { return (s.first + s.second + 1) / 2; }

  // The hull of the grown images over each span the blocks below are cut into: more than
  // their union, so a block whose hulls miss the target holds None pixels only.
  static Image hull(const std::vector<Image>& images, int first, int last,
                    std::map<Span, Image>& out) {
    Image h;
    if (last - first == 1) {
      for (const Range& r : images[static_cast<size_t>(first)])
        h = h.empty() ? Image{r} : Image{{lower(h[0].lo, r.lo), higher(h[0].hi, r.hi)}};
    } else {
      const int mid = middle({first, last});
      const Image a = hull(images, first, mid, out), b = hull(images, mid, last, out);
      if (a.empty() || b.empty()) {
        h = a.empty() ? b : a;
      } else {
        h = {{lower(a[0].lo, b[0].lo), higher(a[0].hi, b[0].hi)}};
      }
    }
    return out[{first, last}] = h;
  }

  bool meets(const Image& g, const Image& h) const {
    for (const Range& a : g) {
      for (const Range& b : h) {
        if (meetsTarget_(a + b)) return true;
      }
    }
    return false;
  }

  void classify(int c0, int c1, int r0, int r1) {
    if (c1 - c0 == 1 && r1 - r0 == 1) {
      const auto c = static_cast<size_t>(c0), r = static_cast<size_t>(r0);
      if (!meets(columns_[0][c], rows_[0][r])) return;
      truth_[r * kPictureSize + c] =
          meets(columns_[1][c], rows_[1][r]) ? Truth::Curve : Truth::Border;
      return;
    }
    if (!meets(columnHulls_.at({c0, c1}), rowHulls_.at({r0, r1}))) return;
    const int cm = middle({c0, c1}), rm = middle({r0, r1});
    for (const auto& [a0, a1] : {Span{c0, cm}, Span{cm, c1}}) {
      for (const auto& [b0, b1] : {Span{r0, rm}, Span{rm, r1}}) {
        if (a0 < a1 && b0 < b1) classify(a0, a1, b0, b1);
      }
    }
  }

  std::function<bool(const Range&)> meetsTarget_;
  std::vector<Image> columns_[2], rows_[2];  // the images over each, grown and shrunk
  std::map<Span, Image> columnHulls_, rowHulls_;
  std::vector<Truth> truth_;
};

struct Counts {
  int curve = 0, border = 0, proven = 0, undecided = 0, undecidedOnBorder = 0, emptyOnBorder = 0;
};
std::ostream& operator<<(std::ostream& out, const Counts& c) {
  return out << "curve " << c.curve << ", border " << c.border << ", proven " << c.proven
             << ", undecided " << c.undecided << " (" << c.undecidedOnBorder << " on border)"
             << ", empty on border " << c.emptyOnBorder;
}

struct Relation {
  const char* formula;
  Geometry geometry;
};

class ExactReference : public testing::PlotTest {
 protected:
  // The start scale zoomed out by `notches` and moved off the grid by `shift` pixels.
  void view(int notches, double shift) {
    ws.graph.scale.reset();
    if (notches != 0) ws.graph.scale.zoomAt(kOrigin, kOrigin, notches, true, true);
    ws.graph.scale.centreX += shift * scale.unitsPerPixelX;
    ws.graph.scale.centreY += shift * scale.unitsPerPixelY;
    ws.graph.scale.FillColumnTable();
    ws.graph.scale.FillRowTable();
    viewName_ = "level " + std::to_string(scale.zoomLevelX) + (shift != 0 ? ", shifted" : "");
  }

  // The states of `relation` at the present view against the reference: no Curve pixel
  // Empty, no None pixel Proven. Prints the counts over the picture and returns those over
  // the columns `counted` takes (all when none).
  Counts check(const Relation& relation,
               const std::function<bool(double, double)>& counted = nullptr) {
    EXPECT_EQ(ws.formulas.translateFormula(1, relation.formula).next, AfterTranslation::Plot);
    EXPECT_EQ(ws.formulas.formulaType, kSlotImplicit) << relation.formula;
    const ExactImplicitResult& states = graph.exactImplicit(1);
    lastStates = &states;
    const PixelEdges edges = pixelEdges(scale);
    reference.emplace(edges, scale, relation.geometry);
    Counts all, part;
    std::vector<std::string> faults;
    for (int row = 0; row < kPictureSize; ++row) {
      for (int column = 0; column < kPictureSize; ++column) {
        const ExactPixel state = states.at(column, row);
        const Truth truth = reference->at(column, row);
        const bool fault = (truth == Truth::Curve && state == ExactPixel::Empty) ||
                           (truth == Truth::None && state == ExactPixel::Proven);
        if (fault && faults.size() < 5) {
          std::ostringstream out;
          out.precision(17);
          out << (truth == Truth::Curve ? "curve pixel empty" : "pixel off the curve proven")
              << " at (" << column << ", " << row << "): x in [" << edges.columns[column] << ", "
              << edges.columns[column + 1] << "], y in [" << edges.rows[row + 1] << ", "
              << edges.rows[row] << "]";
          faults.push_back(out.str());
        }
        for (Counts* c : {&all, &part}) {
          if (c == &part && counted && !counted(edges.columns[column], edges.columns[column + 1]))
            continue;
          c->curve += truth == Truth::Curve;
          c->border += truth == Truth::Border;
          c->proven += state == ExactPixel::Proven;
          c->undecided += state == ExactPixel::Undecided;
          c->undecidedOnBorder += truth == Truth::Border && state == ExactPixel::Undecided;
          c->emptyOnBorder += truth == Truth::Border && state == ExactPixel::Empty;
        }
      }
    }
    for (const std::string& fault : faults)
      ADD_FAILURE() << relation.formula << " (" << viewName_ << "): " << fault;
    std::cout << "  " << relation.formula << " (" << viewName_ << "): " << all << "\n";
    if (counted) std::cout << "    counted part: " << part << "\n";
    return part;
  }

  // Smooth curves that change sign: almost every pixel they cross is proven, and few near
  // them are left undecided (those the curve only grazes within the margin aside).
  void expectFewUndecided(const Counts& counts, const char* formula) {
    EXPECT_GT(counts.curve, 100) << formula;
    EXPECT_LE(counts.undecided - counts.undecidedOnBorder, counts.curve * 3 / 100)
        << formula << " (" << viewName_ << ")";
  }

  // Of the last relation checked.
  const ExactImplicitResult* lastStates = nullptr;
  std::optional<Reference> reference;
  std::string viewName_;
};

constexpr double kShift = 1.0 / 3;

TEST_F(ExactReference, CirclesLinesAndParabolasAreProvenAlmostEverywhere) {
  const Relation relations[] = {
      {"x^2+y^2=25", circle(0, 0, 25)},
      // Across 48 pixel corners (odd eightieths: 11050 = 6400 r^2 is a sum of two odd
      // squares six ways), so that two of the four pixels at each only touch it.
      {"x^2+y^2=1,7265625", circle(0, 0, 1.7265625)},
      // All but tangent to the pixel edges x = +-2,0125 and y = +-2,0125.
      {"x^2+y^2=4,05015625", circle(0, 0, 4.05015625)},
      {"(x-1)^2+(y+2)^2=30", circle(1, -2, 30)},
      {"0,3*x+0,7=y", line(0.3, 0.7)},
      {"3-17*x=y", line(-17, 3)},
      {"x^2-2=y", parabola(-2)},
  };
  for (const double shift : {0.0, kShift}) {
    view(0, shift);
    for (const Relation& relation : relations)
      expectFewUndecided(check(relation), relation.formula);
  }
}

TEST_F(ExactReference, SquaredEquationsAndSinglePointsAreNeverMissed) {
  const Relation relations[] = {
      {"(x^2+y^2-25)^2=0", circle(0, 0, 25)},
      {"(y-x^2)^2=0", parabola(0)},
      {"x^2+y^2=0", circle(0, 0, 0)},
      {"(x-1)^2+(y+2)^2=0", circle(1, -2, 0)},
  };
  for (const double shift : {0.0, kShift}) {
    view(0, shift);
    for (const Relation& relation : relations) {
      const Counts counts = check(relation);
      EXPECT_GT(counts.curve, 0) << relation.formula;
    }
  }
}

TEST_F(ExactReference, EmptyRelationsDrawNothing) {
  for (const double shift : {0.0, kShift}) {
    view(0, shift);
    for (const Relation& relation :
         {Relation{"x^2+y^2=-1", circle(0, 0, -1)},
          Relation{"sqrt(x-3)*sqrt(1-x)=y", {nowhere, negated, equals(0)}}}) {
      EXPECT_EQ(check(relation).curve, 0);
      EXPECT_EQ(lastStates->proven, 0) << relation.formula;
    }
  }
}

TEST_F(ExactReference, RegionsWhereTheEquationHoldsAreFilled) {
  for (const double shift : {0.0, kShift}) {
    view(0, shift);
    // The closed disc of radius 9 and the closed half plane x + y >= 0.
    EXPECT_GT(check({"81-x^2-y^2=abs(81-x^2-y^2)", disc(81)}).curve, 400000);
    EXPECT_GT(check({"x+y=abs(x+y)", halfPlane()}).curve, 320000);
  }
}

// 1/x = y and x(x - 3)/(x - 3,001) = y are undefined at their poles, and sin(40/x) = y
// oscillates ever faster towards its own. The pole itself is never on the curve; more than one
// world unit from it (40 pixels) the curves are smooth and change sign, and are held to the
// same few undecided pixels as the circles.
TEST_F(ExactReference, CurvesAroundPolesAreProvenAwayFromThePole) {
  const double a = 3.001;
  const Real root = sqrt(Real(a) * (Real(a) - Real(3)));
  const Relation hyperbola = {
      "1/x=y", graphWithPole(0, rangeByTurningPoints([](const Real& x) { return Real(1) / x; }, 0,
                                                     {}, -1, 1))};
  const Relation oscillation = {"sin(40/x)=y", graphWithPole(0, sinOf40Over)};
  // x(x - 3)/(x - a) turns where x^2 - 2ax + 3a = 0, and tends to -infinity left of the pole
  // (where x(x - 3) > 0) and to +infinity right of it.
  const Relation rational = {
      "x*(x-3)/(x-3,001)=y",
      graphWithPole(
          a, rangeByTurningPoints([a](const Real& x) { return x * (x - Real(3)) / (x - Real(a)); },
                                  a, {Real(a) - root, Real(a) + root}, -1, 1))};
  auto awayFrom = [](double pole) {
    return [=](double x0, double x1) { return x1 < pole - 1 || x0 > pole + 1; };
  };

  for (const double shift : {0.0, kShift}) {
    view(0, shift);
    expectFewUndecided(check(hyperbola, awayFrom(0)), hyperbola.formula);
    // In the column of the pole of 1/x = y, |x| < 1/80: the curve there lies beyond |y| = 80,
    // so none of the column's pixels is on it, and none is drawn solid.
    const PixelEdges edges = pixelEdges(scale);
    int pole = 0;
    while (edges.columns[pole + 1] < 0)
      ++pole;
    int curve = 0, proven = 0;
    for (int row = 0; row < kPictureSize; ++row) {
      curve += reference->at(pole, row) == Truth::Curve;
      proven += lastStates->at(pole, row) == ExactPixel::Proven;
    }
    EXPECT_EQ(curve, 0);
    EXPECT_EQ(proven, 0);

    expectFewUndecided(check(oscillation, awayFrom(0)), oscillation.formula);
    expectFewUndecided(check(rational, awayFrom(a)), rational.formula);
  }
}

// sin(x^2 + y^2) = 0 from rings several pixels apart to rings denser than the pixels, where
// undecided pixels are expected but the states must still hold. (Level 13 once: the densest
// is the slowest to plot.)
TEST_F(ExactReference, RingsAtSeveralZoomLevels) {
  const Relation relation = {"sin(x^2+y^2)=0", rings()};
  for (const auto& [notches, shift] : {std::pair{0, 0.0}, std::pair{0, kShift}, std::pair{-1, 0.0},
                                       std::pair{-1, kShift}, std::pair{-4, kShift}}) {
    view(notches, shift);
    const Counts counts = check(relation);
    if (notches == 0) expectFewUndecided(counts, relation.formula);
  }
}

}  // namespace
}  // namespace quorvel
