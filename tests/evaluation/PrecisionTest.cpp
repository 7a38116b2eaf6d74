// The program's arithmetic is defined in extended precision, rounded to double on every
// store. The evaluator computes in double where that gives the same result within two units
// in the last place; this test holds it to that against a long double rendering of each
// operation over many inputs.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>

#include "formula/FormulaTestSupport.h"

namespace quorvel {
namespace {

// Distance in units in the last place between two doubles of the same sign.
uint64_t ulpDistance(double a, double b) {
  if (a == b) return 0;
  if (std::signbit(a) != std::signbit(b)) return UINT64_MAX;
  const auto ia = std::bit_cast<int64_t>(std::fabs(a));
  const auto ib = std::bit_cast<int64_t>(std::fabs(b));
  return static_cast<uint64_t>(ia > ib ? ia - ib : ib - ia);
}

class Precision : public ::testing::Test, public testing::EngineTest {
 protected:
  std::mt19937_64 random{20261208};

  double uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  }
  // Spread over many magnitudes.
  double logUniform(double lowExponent, double highExponent) {
    const double magnitude = std::exp2(uniform(lowExponent, highExponent));
    return random() & 1 ? magnitude : -magnitude;
  }

  // Evaluates "y=<formula>" at many x against `reference`, where the reference is valid.
  void compare(const char* formula, const std::function<double()>& input,
               const std::function<long double(long double)>& reference) {
    load(std::string("y=") + formula);
    int compared = 0;
    for (int i = 0; i < 20000; ++i) {
      const double x = input();
      const long double exact = reference(x);
      if (!std::isfinite(exact) || std::fabs(exact) > DBL_MAX) continue;
      const auto result = y(x);
      ASSERT_TRUE(result.has_value()) << formula << " at x = " << x;
      const auto expected = static_cast<double>(exact);
      ASSERT_LE(ulpDistance(*result, expected), 2u)
          << formula << " at x = " << x << ": " << *result << " against " << expected;
      ++compared;
    }
    EXPECT_GT(compared, 10000) << formula;
  }
};

// The repeated multiplication of the extended-precision power rule.
long double chain(long double base, int n) {
  long double r = 1;
  for (int k = 0; k < n; ++k)
    r *= base;
  return r;
}

TEST_F(Precision, WholePowersByRepeatedMultiplication) {
  for (int n = 2; n <= 9; ++n) {
    const std::string formula = "x^" + std::to_string(n);
    compare(
        formula.c_str(), [&] { return logUniform(-100, 100); },
        [n](long double x) { return chain(x, n); });
    compare(
        formula.c_str(), [&] { return uniform(-3, 3); },
        [n](long double x) { return chain(x, n); });
  }
}

TEST_F(Precision, OtherPowersThroughTheLogarithm) {
  compare(
      "x^2,5", [&] { return std::fabs(logUniform(-200, 200)); },
      [](long double x) { return std::exp(2.5L * std::log(x)); });
  compare(
      "2^x", [&] { return uniform(-1000, 1000); },
      [](long double x) { return std::exp(x * std::log(2.0L)); });
  compare(
      "x^(-3)", [&] { return std::fabs(logUniform(-300, 300)); },
      [](long double x) { return std::exp(-3.0L * std::log(x)); });
}

TEST_F(Precision, ArithmeticAndLibraryFunctions) {
  compare(
      "x*1,1-x/3+x", [&] { return logUniform(-500, 500); },
      [](long double x) {
        // One rounding to double per step, as the program stores every step.
        const double t1 = static_cast<double>(x * static_cast<long double>(1.1));
        const double t2 = static_cast<double>(x / 3.0L);
        const double t3 = static_cast<double>(static_cast<long double>(t1) - t2);
        return static_cast<long double>(t3) + x;
      });
  compare(
      "sqrt(x)", [&] { return std::fabs(logUniform(-1000, 1000)); },
      [](long double x) { return std::sqrt(x); });
  compare(
      "exp(x)", [&] { return uniform(-700, 700); }, [](long double x) { return std::exp(x); });
  compare(
      "ln(x)", [&] { return std::fabs(logUniform(-1000, 1000)); },
      [](long double x) { return std::log(x); });
  compare(
      "log(x)", [&] { return std::fabs(logUniform(-1000, 1000)); },
      [](long double x) { return std::log(x) / std::log(10.0L); });
  compare(
      "atan(x)", [&] { return logUniform(-60, 60); }, [](long double x) { return std::atan(x); });
  compare(
      "sin(x)", [&] { return uniform(-100, 100); }, [](long double x) { return std::sin(x); });
  compare(
      "cos(x)", [&] { return uniform(-100, 100); }, [](long double x) { return std::cos(x); });
  compare(
      "tan(x)", [&] { return uniform(-100, 100); },
      [](long double x) { return std::sin(x) / std::cos(x); });
}

TEST_F(Precision, AnglesInDegrees) {
  settings.degreesMode = true;
  // The angle reduced to within 45 degrees of a quarter turn exactly first: pi/180 in
  // extended precision is still off by a part in 10^19, which times 10^6 degrees, or near a
  // zero of the result, would be the reference's own error.
  constexpr long double kPi = 3.14159265358979323846264338327950288L;
  constexpr long double kToRadians = kPi / 180;
  constexpr long double kToDegrees = 180 / kPi;
  auto sineOfDegrees = [&](long double x, int shift) {
    const long double turn = std::fmod(x, 360.0L);
    const long double quarter = std::nearbyint(turn / 90);
    const long double offset = (turn - 90 * quarter) * kToRadians;
    switch ((static_cast<int>(quarter) + shift) & 3) {
      case 0:
        return std::sin(offset);
      case 1:
        return std::cos(offset);
      case 2:
        return -std::sin(offset);
      default:
        return -std::cos(offset);
    }
  };
  compare(
      "sin(x)", [&] { return uniform(-1e6, 1e6); },
      [&](long double x) { return sineOfDegrees(x, 0); });
  compare(
      "cos(x)", [&] { return uniform(-1e6, 1e6); },
      [&](long double x) { return sineOfDegrees(x, 1); });
  compare(
      "atan(x)", [&] { return logUniform(-60, 60); },
      [&](long double x) { return std::atan(x) * kToDegrees; });
  compare(
      "asin(x)", [&] { return uniform(-1, 1); },
      [&](long double x) { return std::atan(x / std::sqrt(1 - x * x)) * kToDegrees; });
}

}  // namespace
}  // namespace quorvel
