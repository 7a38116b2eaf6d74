// The program run with a rounding bound and a correction: the same value as runProgram, a
// bound that holds the exact value (against MPFR where the formula is plain arithmetic, and
// against values known in closed form), small where the arithmetic loses nothing, and a
// correction that recovers what cancellation lost.

#include "evaluation/Rounding.h"

#include <gtest/gtest.h>
#include <mpfr.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <random>

#include "formula/FormulaGenerator.h"
#include "formula/FormulaTestSupport.h"

namespace quorvel {
namespace {

// Ten times exp(ln(...)) around x.
constexpr const char* kNestedExpLn =
    "y=exp(ln(exp(ln(exp(ln(exp(ln(exp(ln(exp(ln(exp(ln(exp(ln(exp(ln(exp(ln(x))))))))))))))))))))";

class Rounding : public ::testing::Test, public testing::EngineTest {
 protected:
  RoundedValue at(double x) {
    RoundedValue r;
    EXPECT_TRUE(roundingRun(engine.program(1), x, kRegY, r)) << x;
    return r;
  }
};

TEST_F(Rounding, TheValueIsRunProgramsBitForBit) {
  testing::FormulaGenerator generator(77);
  std::mt19937_64 random(5);
  std::uniform_real_distribution<double> exponent(-8, 8);
  int compared = 0;
  for (int i = 0; i < 5000; ++i) {
    const std::string text = generator.formula();
    if (engine.translateFormula(1, text).next != AfterTranslation::Plot) continue;
    if (engine.formulaType != kSlotFunction || engine.formulas[1].derivMarker != 0) continue;
    settings.degreesMode = i % 3 == 0;
    for (int k = 0; k < 20; ++k) {
      const double x = (k % 2 ? -1 : 1) * std::exp2(exponent(random));
      const std::optional<double> expected = y(x);
      RoundedValue r;
      ASSERT_EQ(roundingRun(engine.program(1), x, kRegY, r), expected.has_value())
          << text << " " << x;
      if (!expected) continue;
      ASSERT_EQ(std::bit_cast<uint64_t>(r.value), std::bit_cast<uint64_t>(*expected))
          << text << " at " << x;
      ASSERT_GE(r.bound, 0) << text;
      ++compared;
    }
  }
  EXPECT_GT(compared, 2000);
}

// Formulas whose exact value is known: the value lies within its bound of it, and the bound
// is small where nothing but a last bit or two of the steps' values can be lost.
TEST_F(Rounding, TheBoundHoldsTheExactValue) {
  struct Case {
    const char* formula;
    double (*exact)(double x);
    double largestBound;  // relative to max(1, |x|, |exact|)
  };
  const Case cases[] = {
      {"y=sin(x)^2+cos(x)^2-1", [](double) { return 0.0; }, 8 * DBL_EPSILON},
      {"y=(100000000000000000000+sin(x))-100000000000000000000",
       [](double x) { return std::sin(x); }, 1e5},
      {kNestedExpLn, [](double x) { return x; }, 1e-12},
      {"y=sqrt(x)^2-x", [](double) { return 0.0; }, 4 * DBL_EPSILON},
      {"y=0,00000000000000000001*(x-1)+0,00000000000000000001", [](double x) { return 1e-20 * x; },
       1e-34},
  };
  for (const Case& c : cases) {
    load(c.formula);
    for (double x = 0.05; x < 50; x *= 1.37) {
      const RoundedValue r = at(x);
      const double exact = c.exact(x);
      // The reference is a double itself: within its own last bit.
      EXPECT_LE(std::fabs(r.value - exact), r.bound + DBL_EPSILON * std::fabs(exact))
          << c.formula << " at " << x;
      EXPECT_LE(r.bound, c.largestBound * std::max({1.0, x, std::fabs(exact)}))
          << c.formula << " at " << x;
    }
  }
}

// Plain arithmetic against MPFR: the bound holds the exact value of the formula on its
// doubles, and the corrected value is far nearer it.
TEST_F(Rounding, TheCorrectionRecoversCancellation) {
  load("y=(x+0,1)^3-x^3-0,3x^2-0,03x/(1+x)");
  mpfr_t exact, t, u;
  mpfr_inits2(400, exact, t, u, static_cast<mpfr_ptr>(nullptr));
  for (double x = 10; x < 1e7; x *= 3.1) {
    // (x + 0,1)^3 - x^3 - 0,3 x^2 - 0,03 x / (1 + x), with the formula's doubles.
    mpfr_set_d(t, x, MPFR_RNDN);
    mpfr_add_d(t, t, 0.1, MPFR_RNDN);
    mpfr_pow_ui(exact, t, 3, MPFR_RNDN);
    mpfr_set_d(t, x, MPFR_RNDN);
    mpfr_pow_ui(u, t, 3, MPFR_RNDN);
    mpfr_sub(exact, exact, u, MPFR_RNDN);
    mpfr_mul_d(u, t, x, MPFR_RNDN);
    mpfr_mul_d(u, u, 0.3, MPFR_RNDN);
    mpfr_sub(exact, exact, u, MPFR_RNDN);
    mpfr_mul_d(u, t, 0.03, MPFR_RNDN);
    mpfr_add_d(t, t, 1, MPFR_RNDN);
    mpfr_div(u, u, t, MPFR_RNDN);
    mpfr_sub(exact, exact, u, MPFR_RNDN);
    const RoundedValue r = at(x);
    mpfr_set_d(t, r.value, MPFR_RNDN);
    mpfr_sub(t, t, exact, MPFR_RNDN);
    const double error = std::fabs(mpfr_get_d(t, MPFR_RNDN));
    mpfr_add_d(t, t, r.correction, MPFR_RNDN);
    const double corrected = std::fabs(mpfr_get_d(t, MPFR_RNDN));
    EXPECT_LE(error, r.bound) << x;
    EXPECT_LE(corrected, 1e-6 * error + 1e-15 * std::fabs(mpfr_get_d(exact, MPFR_RNDN))) << x;
  }
  mpfr_clears(exact, t, u, static_cast<mpfr_ptr>(nullptr));

  load("y=3x-2,25");
  const RoundedValue r = at(1e20);
  EXPECT_EQ(r.value, 3e20);
  EXPECT_EQ(r.correction, -2.25);
  EXPECT_GE(r.bound, 2.25);
}

}  // namespace
}  // namespace quorvel
