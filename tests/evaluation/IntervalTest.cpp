// The interval evaluator: over a block, the interval of the result holds the point
// evaluator's value at every point of the block, a block reported defined everywhere holds no
// point where the point evaluator faults, and one reported defined nowhere holds no point
// where it does not; and on formulas whose values are known in closed form, the intervals,
// faults and jumps are the ones known.

#include "evaluation/Interval.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <random>
#include <sstream>
#include <string>

#include "evaluation/Operations.h"
#include "formula/FormulaGenerator.h"
#include "formula/FormulaTestSupport.h"

namespace quorvel {
namespace {

class IntervalEvaluation : public ::testing::Test, public testing::EngineTest {
 protected:
  // The slot's program over the block x × y, every other register as it stands.
  IntervalResult over(Interval x, Interval y = {0, 0}, uint8_t result = kRegY) {
    IntervalRegisters registers = pointIntervals(engine.registers);
    registers[kRegX] = {x, true};
    registers[kRegY] = {y, true};
    IntervalResult out;
    const bool ran =
        intervalRun(engine.program(1).steps, settings.degreesMode, registers, result, out);
    EXPECT_EQ(ran, out.defined != Defined::Nowhere);
    return out;
  }

  IntervalResult of(const char* formula, Interval x) {
    load(formula);
    return over(x);
  }

  // The point evaluator at (x, y).
  std::optional<double> pointValue(double x, double y, uint8_t result) {
    engine.registers[kRegY] = y;
    return run(kRegX, x, result);
  }
};

// A block of random position and size: around 0, ordinary, tiny and huge magnitudes, wide
// and narrow.
struct BlockMaker {
  std::mt19937_64 random{2024};

  Interval make() {
    std::uniform_real_distribution<double> unit(0, 1);
    const int kind = static_cast<int>(random() % 10);
    const double magnitude = kind == 0   ? std::exp2(-1000 * unit(random))
                             : kind == 1 ? std::exp2(60 + 960 * unit(random))
                             : kind == 2 ? 0.0
                                         : std::exp2(-20 + 52 * unit(random));
    const double centre = (random() % 2 ? -1 : 1) * magnitude;
    const double width = std::max(std::fabs(centre), 1e-3) * std::exp2(-40 + 42 * unit(random));
    const double lo = std::max(centre - width / 2, -DBL_MAX / 4);
    return {lo, std::min(lo + width, DBL_MAX / 4)};
  }

  // The ends, the points where the operations fault or jump when the block holds them (0,
  // whole numbers and halves, +-1, the multiples of 90), and random points between them.
  std::vector<double> samples(const Interval& block, int n) {
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<double> points = {block.lo, block.hi};
    const double mid = block.lo + (block.hi - block.lo) / 2;
    for (double special : {0.0, 1.0, -1.0, std::round(mid), std::floor(mid) + 0.5,
                           90 * std::round(mid / 90), 90 * std::floor(mid / 90)}) {
      if (block.contains(special)) points.push_back(special);
    }
    while (static_cast<int>(points.size()) < n) {
      const double p = block.lo + (block.hi - block.lo) * unit(random);
      points.push_back(std::clamp(p, block.lo, block.hi));
    }
    return points;
  }
};

std::string describe(const std::string& formula, const Interval& x, const Interval& y, double px,
                     double py, bool degrees) {
  std::ostringstream text;
  text.precision(17);
  text << formula << (degrees ? " (degrees)" : "") << " on [" << x.lo << ", " << x.hi << "] x ["
       << y.lo << ", " << y.hi << "] at (" << px << ", " << py << ")";
  return text.str();
}

TEST_F(IntervalEvaluation, EnclosesThePointEvaluatorOverRandomFormulasAndBlocks) {
  testing::FormulaGenerator generator(4711);
  BlockMaker blocks;
  int compared = 0, everywhere = 0, partly = 0, nowhere = 0;
  for (int i = 0; i < 6000; ++i) {
    const bool implicit = i % 2 == 0;
    const std::string text = implicit ? generator.implicitFormula() : generator.formula();
    if (engine.translateFormula(1, text).next != AfterTranslation::Plot) continue;
    const int kind = engine.formulaType;
    if (kind != (implicit ? kSlotImplicit : kSlotFunction)) continue;
    if (!implicit && engine.formulas[1].derivMarker != 0) continue;
    const uint8_t result = implicit ? kRegV : kRegY;
    settings.degreesMode = i % 3 == 0;
    engine.registers[kRegA] = generator.pick(7) - 3.0;
    engine.registers[kRegB] = 0.5 * (generator.pick(9) - 4);
    for (int b = 0; b < 12; ++b) {
      const Interval x = blocks.make();
      const Interval y = implicit ? blocks.make() : Interval{0, 0};
      const IntervalResult block = over(x, y, result);
      (block.defined == Defined::Everywhere ? everywhere
       : block.defined == Defined::Partly   ? partly
                                            : nowhere)++;
      const std::vector<double> xs = blocks.samples(x, 12);
      const std::vector<double> ys = implicit ? blocks.samples(y, 12) : std::vector<double>{0.0};
      for (size_t k = 0; k < xs.size(); ++k) {
        const double py = ys[k % ys.size()];
        const std::optional<double> value = pointValue(xs[k], py, result);
        const std::string where = describe(text, x, y, xs[k], py, settings.degreesMode);
        if (!value) {
          ASSERT_NE(block.defined, Defined::Everywhere) << where;
          continue;
        }
        ASSERT_NE(block.defined, Defined::Nowhere) << where << " = " << *value;
        ASSERT_TRUE(block.range.contains(*value))
            << where << " = " << *value << " outside [" << block.range.lo << ", " << block.range.hi
            << "]";
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 20000);
  EXPECT_GT(everywhere, 1000);
  EXPECT_GT(partly, 300);
  EXPECT_GT(nowhere, 500);
}

// A block reported continuous has no jump. Between the ends of the block, the half with the
// larger change of value is taken again and again, down to some units of the last place:
// where the function is continuous it is all but straight at that size, so ten halvings more
// divide the change by about a thousand; at a jump (a step of int, a pole, the limit of the
// angle functions) the change stays the size of the jump.
TEST_F(IntervalEvaluation, BlocksReportedContinuousHaveNoJump) {
  testing::FormulaGenerator generator(777);
  BlockMaker blocks;
  int checked = 0;
  for (int i = 0; i < 24000; ++i) {
    const std::string text = generator.formula();
    if (engine.translateFormula(1, text).next != AfterTranslation::Plot) continue;
    if (engine.formulaType != kSlotFunction || engine.formulas[1].derivMarker != 0) continue;
    settings.degreesMode = i % 3 == 0;
    engine.registers[kRegA] = generator.pick(7) - 3.0;
    for (int b = 0; b < 8; ++b) {
      const Interval x = blocks.make();
      const IntervalResult block = over(x);
      if (block.defined != Defined::Everywhere || !block.continuous) continue;
      auto value = [&](double at) { return pointValue(at, 0, kRegY).value_or(NAN); };
      double lo = x.lo, hi = x.hi;
      double atLo = value(lo), atHi = value(hi);
      std::vector<double> changes = {std::fabs(atHi - atLo)};
      const double unit =
          std::fabs(std::nextafter(lo, hi) - lo) + std::fabs(hi - std::nextafter(hi, lo));
      while (hi - lo > 64 * unit && changes.size() < 80) {
        const double mid = lo + (hi - lo) / 2;
        const double atMid = value(mid);
        if (std::fabs(atMid - atLo) >= std::fabs(atHi - atMid)) {
          hi = mid;
          atHi = atMid;
        } else {
          lo = mid;
          atLo = atMid;
        }
        changes.push_back(std::fabs(atHi - atLo));
      }
      if (changes.size() < 12) continue;
      const double last = changes.back(), before = changes[changes.size() - 11];
      EXPECT_TRUE(last < 0.5 * before || last <= 1e-12 * (1 + std::fabs(atLo)))
          << describe(text, x, {0, 0}, lo, 0, settings.degreesMode) << ": a change of " << last
          << " at the end, " << before << " ten halvings before";
      ++checked;
    }
  }
  EXPECT_GT(checked, 1000);
}

// Around a point where the program runs, a tiny block's interval is tight: the rules fall back
// to wide answers only where a block reaches a fault, a jump or a critical point they cannot
// place.
TEST_F(IntervalEvaluation, TinyBlocksGiveTightIntervals) {
  testing::FormulaGenerator generator(31);
  std::mt19937_64 random(8);
  std::uniform_real_distribution<double> exponent(-6, 6);
  int blocks = 0, tight = 0;
  for (int i = 0; i < 5000; ++i) {
    const std::string text = generator.implicitFormula();
    if (engine.translateFormula(1, text).next != AfterTranslation::Plot) continue;
    settings.degreesMode = i % 3 == 0;
    for (int k = 0; k < 5; ++k) {
      const double x = (k % 2 ? -1 : 1) * std::exp2(exponent(random));
      const double y = std::exp2(exponent(random));
      const std::optional<double> value = pointValue(x, y, kRegV);
      if (!value) continue;
      const double dx = 1e-13 * std::fabs(x), dy = 1e-13 * y;
      const IntervalResult block = over({x - dx, x + dx}, {y - dy, y + dy}, kRegV);
      ASSERT_TRUE(block.range.contains(*value)) << text;
      ++blocks;
      tight += block.range.hi - block.range.lo <= 1e-6 * std::max(1.0, std::fabs(*value));
    }
  }
  EXPECT_GT(blocks, 3000);
  EXPECT_GT(tight, blocks * 0.98);
}

// ---- Row by row: each row's interval rule against its own point kernel, on boxes around the
// places where the kernels fault, jump or turn.

// Operand intervals around the edges of the domains, the whole numbers of the power, the
// quarter turns in both units, the limits of exp, int and the angle functions.
struct OperandMaker {
  std::mt19937_64 random{99};

  Interval make() {
    static const double centres[] = {
        0,      1,      -1,           0.5,         2,      3,         -2,      2.5,
        90,     -90,    180,          270,         45,     1.5708,    4.71239, 3.14159,
        709.78, -745.1, 2147483647.5, -2147483648, 0x1p63, 5.2846e20, 1e9,     15,
        1e14,   1e-310, 1e300,        -1e300,      1e154,  9,         10,      -3};
    static const double widths[] = {0, 1e-300, 1e-12, 1e-6, 0.01, 0.5, 1, 4, 100, 1e6};
    std::uniform_real_distribution<double> unit(0, 1);
    const double centre = random() % 4 == 0 ? 20 * unit(random) - 10 : centres[random() % 32];
    const double width = widths[random() % 10] * std::max(1.0, std::fabs(centre) * 1e-3);
    return {centre - width * unit(random), centre + width * unit(random)};
  }

  std::vector<double> samples(const Interval& box) {
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<double> points = {box.lo, box.hi, box.lo + (box.hi - box.lo) / 2};
    for (double special : {0.0, 1.0, -1.0, 90.0, -90.0, 270.0, std::round(box.lo),
                           std::round(box.hi), std::floor(box.lo) + 0.5}) {
      if (box.contains(special)) points.push_back(special);
    }
    for (int k = 0; k < 6; ++k)
      points.push_back(std::clamp(box.lo + (box.hi - box.lo) * unit(random), box.lo, box.hi));
    return points;
  }
};

void expectEnclosed(const OperationInfo& row, const IntervalOperands& box, double a, double b) {
  const IntervalStep step = row.interval(box);
  double r = 0;
  const bool valid = row.point(a, b, box.degrees, r);
  std::ostringstream where;
  where.precision(17);
  where << row.name << (box.degrees ? " (degrees)" : "") << " on [" << box.a.lo << ", " << box.a.hi
        << "] x [" << box.b.lo << ", " << box.b.hi << "] at " << a << ", " << b;
  if (!valid) {
    EXPECT_NE(step.defined, Defined::Everywhere) << where.str();
    return;
  }
  EXPECT_NE(step.defined, Defined::Nowhere) << where.str() << " = " << r;
  EXPECT_TRUE(step.range.contains(r))
      << where.str() << " = " << r << " outside [" << step.range.lo << ", " << step.range.hi << "]";
}

TEST(IntervalRules, EveryRowEnclosesItsPointKernel) {
  OperandMaker operands;
  for (int code = 1; code <= kLastOpcode; ++code) {
    const OperationInfo& row = operationInfo(static_cast<uint8_t>(code));
    if (!row.writes) continue;
    for (int i = 0; i < 3000; ++i) {
      const bool same = !row.unary && i % 5 == 0;
      const Interval a = row.unary ? Interval{0, 0} : operands.make();
      const Interval b = same ? a : operands.make();
      const IntervalOperands box{a, b, same, i % 2 == 0};
      const std::vector<double> as = operands.samples(a);
      const std::vector<double> bs = operands.samples(b);
      for (size_t k = 0; k < std::max(as.size(), bs.size()); ++k) {
        const double u = as[k % as.size()];
        expectEnclosed(row, box, row.unary ? 0.0 : u, same ? u : bs[k % bs.size()]);
      }
      if (::testing::Test::HasFailure()) return;
    }
  }
}

// ---- Known answers.

TEST_F(IntervalEvaluation, ArithmeticKeepsItsDependenciesAndFindsItsFaults) {
  const IntervalResult square = of("y=x*x", {-1, 2});
  EXPECT_GE(square.range.lo, 0);
  EXPECT_LE(square.range.hi, 4);
  EXPECT_TRUE(square.range.contains(0) && square.range.contains(4));
  EXPECT_EQ(square.defined, Defined::Everywhere);
  EXPECT_TRUE(square.continuous);

  EXPECT_EQ(of("y=x-x", {-3, 5}).range.hi, 0);

  const IntervalResult reciprocal = of("y=1/x", {-1, 1});
  EXPECT_FALSE(reciprocal.continuous);
  EXPECT_EQ(reciprocal.defined, Defined::Partly);
  const IntervalResult halfLine = of("y=1/x", {0, 2});
  EXPECT_EQ(halfLine.range.lo, 0.5);  // the quotient's own rounding is the point kernel's
  EXPECT_EQ(of("y=1/x", {0, 0}).defined, Defined::Nowhere);
  EXPECT_EQ(of("y=1/x", {2, 4}).range.lo, 0.25);

  EXPECT_EQ(of("y=x*10^300", {1e10, 2e10}).defined, Defined::Nowhere);
  EXPECT_EQ(of("y=x*10^300", {1, 1e10}).defined, Defined::Partly);
  EXPECT_EQ(of("y=x*10^300", {1, 100}).defined, Defined::Everywhere);
}

TEST_F(IntervalEvaluation, RootsAndLogarithmsAtTheEdgeOfTheirDomain) {
  const IntervalResult root = of("y=sqrt(x)", {-1, 1});
  EXPECT_EQ(root.defined, Defined::Partly);
  EXPECT_FALSE(root.continuous);
  EXPECT_TRUE(root.range.contains(0) && root.range.contains(1));
  EXPECT_EQ(of("y=sqrt(x)", {-2, -1}).defined, Defined::Nowhere);
  EXPECT_EQ(of("y=sqrt(x)", {4, 9}).range.lo, 2);

  const IntervalResult logarithm = of("y=ln(x)", {0, 1});
  EXPECT_EQ(logarithm.defined, Defined::Partly);
  EXPECT_LE(logarithm.range.lo, std::log(DBL_TRUE_MIN));
  const IntervalResult tens = of("y=log(x)", {10, 1000});
  EXPECT_EQ(tens.defined, Defined::Everywhere);
  EXPECT_TRUE(tens.range.contains(1) && tens.range.contains(3));
  EXPECT_LT(tens.range.hi - tens.range.lo, 2 + 1e-12);

  load("y=asin(x)");
  EXPECT_EQ(over({-0.5, 0.5}).defined, Defined::Everywhere);
  EXPECT_EQ(over({0.5, 1}).defined, Defined::Partly);  // a fault at 1 itself
  EXPECT_EQ(over({1, 2}).defined, Defined::Nowhere);
}

TEST_F(IntervalEvaluation, ArccosineJumpsAtZeroAsTheProgramDefinesIt) {
  settings.degreesMode = true;
  const IntervalResult across = of("y=acos(x)", {-0.5, 0.5});
  EXPECT_EQ(across.defined, Defined::Partly);
  EXPECT_FALSE(across.continuous);
  EXPECT_TRUE(across.range.contains(89.999) && across.range.contains(-89.999));
  EXPECT_TRUE(across.range.contains(60) && across.range.contains(-60));
  const IntervalResult positive = of("y=acos(x)", {0.5, 1});
  EXPECT_EQ(positive.defined, Defined::Everywhere);
  EXPECT_TRUE(positive.continuous);
  EXPECT_LE(positive.range.hi, 60 + 1e-12);
  EXPECT_GE(positive.range.lo, -1e-12);
}

// The library functions' intervals are their values at the ends widened by a few units in the
// last place: near 1, some 1e-15.
constexpr double kFewUnits = 2e-15;

TEST_F(IntervalEvaluation, AngleFunctionsThroughTheirExtremaAndPoles) {
  const IntervalResult sine = of("y=sin(x)", {0, 7});
  EXPECT_TRUE(sine.range.contains(-1) && sine.range.contains(1));
  EXPECT_GE(sine.range.lo, -1 - kFewUnits);
  EXPECT_LE(sine.range.hi, 1 + kFewUnits);
  const IntervalResult rising = of("y=sin(x)", {0, 1});
  EXPECT_LE(rising.range.hi, std::sin(1.0) + kFewUnits);
  EXPECT_GE(rising.range.lo, -kFewUnits);
  const IntervalResult cosine = of("y=cos(x)", {3, 3.5});  // through pi: down to -1
  EXPECT_TRUE(cosine.range.contains(-1));
  EXPECT_LE(cosine.range.hi, std::cos(3.5) + kFewUnits);

  const IntervalResult pole = of("y=tan(x)", {1.5, 1.7});
  EXPECT_FALSE(pole.continuous);
  EXPECT_EQ(pole.defined, Defined::Everywhere);  // in radians no double is the pole
  const IntervalResult tangent = of("y=tan(x)", {-1, 1});
  EXPECT_TRUE(tangent.continuous);
  EXPECT_LE(tangent.range.hi, std::tan(1.0) + kFewUnits);

  // Beyond the sine instruction's range the program's value is 0 and tan faults.
  const IntervalResult beyond = of("y=sin(x)", {9e18, 1e19});
  EXPECT_FALSE(beyond.continuous);
  EXPECT_TRUE(beyond.range.contains(0));
  EXPECT_EQ(of("y=tan(x)", {1e19, 2e19}).defined, Defined::Nowhere);
}

TEST_F(IntervalEvaluation, AnglesInDegrees) {
  settings.degreesMode = true;
  const IntervalResult sine = of("y=sin(x)", {89, 91});
  EXPECT_TRUE(sine.range.contains(1));
  EXPECT_GE(sine.range.lo, std::sin(89 * M_PI / 180) - kFewUnits);
  const IntervalResult pole = of("y=tan(x)", {89, 91});
  EXPECT_EQ(pole.defined, Defined::Partly);  // tan(90) faults in degrees
  EXPECT_FALSE(pole.continuous);
  const IntervalResult tangent = of("y=tan(x)", {0, 45});
  EXPECT_TRUE(tangent.range.contains(0) && tangent.range.contains(1));
  EXPECT_LE(tangent.range.hi, 1 + kFewUnits);
  EXPECT_FALSE(of("y=cos(x)", {5e20, 6e20}).continuous);
  EXPECT_TRUE(of("y=cos(x)", {1e20, 2e20}).continuous);
}

TEST_F(IntervalEvaluation, WholeNumbersAndTheExponential) {
  const IntervalResult steps = of("y=int(x)", {0.5, 1.5});
  EXPECT_FALSE(steps.continuous);
  EXPECT_EQ(steps.range.lo, 0);  // halves to even
  EXPECT_EQ(steps.range.hi, 2);
  EXPECT_TRUE(of("y=int(x)", {0.6, 1.4}).continuous);
  EXPECT_EQ(of("y=int(x)", {3e9, 4e9}).defined, Defined::Nowhere);
  // A jump and a fault carry through the later steps.
  EXPECT_FALSE(of("y=2*int(x)+1", {0.5, 1.5}).continuous);
  const IntervalResult afterRoot = of("y=exp(sqrt(x))*3", {-1, 1});
  EXPECT_EQ(afterRoot.defined, Defined::Partly);
  EXPECT_FALSE(afterRoot.continuous);
  EXPECT_TRUE(of("y=2*int(x)+1", {0.6, 1.4}).continuous);

  EXPECT_EQ(of("y=exp(x)", {1000, 1001}).defined, Defined::Nowhere);
  EXPECT_EQ(of("y=exp(x)", {700, 710}).defined, Defined::Partly);
  const IntervalResult exponential = of("y=exp(x)", {0, 1});
  EXPECT_TRUE(exponential.range.contains(1) && exponential.range.contains(M_E));
  EXPECT_LT(exponential.range.hi, M_E + 1e-14);
}

TEST_F(IntervalEvaluation, PowersFollowTheProgramsRules) {
  const IntervalResult cube = of("y=x^3", {-2, -1});
  EXPECT_TRUE(cube.range.contains(-8) && cube.range.contains(-1));
  EXPECT_LT(cube.range.hi, -1 + 1e-14);
  const IntervalResult even = of("y=x^4", {-2, 1});
  EXPECT_TRUE(even.range.contains(0) && even.range.contains(16));
  EXPECT_GE(even.range.lo, -1e-300);
  EXPECT_TRUE(even.continuous);

  const IntervalResult root = of("y=x^0,5", {-1, 4});
  EXPECT_EQ(root.defined, Defined::Partly);
  EXPECT_TRUE(root.range.contains(2));
  EXPECT_EQ(of("y=x^(0-1)", {-2, -1}).defined, Defined::Nowhere);  // no whole rule below 0

  // (-2)^x: only the whole exponent 3 runs, everything between faults.
  engine.registers[kRegA] = -2;
  const IntervalResult negativeBase = of("y=a^x", {2.5, 3.5});
  EXPECT_EQ(negativeBase.defined, Defined::Partly);
  EXPECT_FALSE(negativeBase.continuous);
  EXPECT_TRUE(negativeBase.range.contains(-8));
  EXPECT_EQ(of("y=a^x", {3.5, 3.7}).defined, Defined::Nowhere);
  EXPECT_EQ(of("y=x^2", {1e155, 1e156}).defined, Defined::Nowhere);
  EXPECT_EQ(of("y=x^2", {1e150, 1e156}).defined, Defined::Partly);
}

// The use it is made for: a block the circle x^2 + y^2 = 25 passes through holds 0, a block
// beside it does not, and is proven continuous and defined.
TEST_F(IntervalEvaluation, SeparatesBlocksOfAnImplicitCurve) {
  load("x^2+y^2=25");
  const IntervalResult on = over({2.999, 3.001}, {3.999, 4.001}, kRegV);
  EXPECT_TRUE(on.range.contains(0));
  const IntervalResult inside = over({0, 1}, {0, 1}, kRegV);
  EXPECT_EQ(inside.defined, Defined::Everywhere);
  EXPECT_TRUE(inside.continuous);
  EXPECT_LT(inside.range.hi, 0);
  EXPECT_GT(over({4, 5}, {4, 5}, kRegV).range.lo, 0);
}

}  // namespace
}  // namespace quorvel
