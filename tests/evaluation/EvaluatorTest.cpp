// The point evaluator: what each operation gives, and which points are invalid.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "formula/FormulaTestSupport.h"

namespace quorvel {
namespace {

class Evaluator : public ::testing::Test, public testing::EngineTest {
 protected:
  // y of "y=<formula>" at x, or nothing when invalid.
  std::optional<double> at(std::string_view formula, double x) {
    load("y=" + std::string(formula));
    return y(x);
  }
};

constexpr auto kInvalid = std::nullopt;

TEST_F(Evaluator, ValidAndInvalidPoints) {
  struct Case {
    const char* formula;
    double x;
    std::optional<double> y;
  };
  const Case cases[] = {
      {"sqrt(x)", -1, kInvalid},
      {"sqrt(x)", 4, 2},
      {"sqrt(x)", 0, 0},
      {"1/x", 0, kInvalid},
      {"0/x", 0, kInvalid},
      {"1/x", 4, 0.25},
      {"ln(x)", 0, kInvalid},
      {"ln(x)", -1, kInvalid},
      {"ln(e)", 0, 1},
      {"log(x)", 0, kInvalid},
      {"log(x)", 1000, 3},
      {"log(x)", -5, kInvalid},
      {"x^2", -3, 9},
      {"x^10", -1, kInvalid},
      {"x^10", 0, kInvalid},
      {"x^0,5", 0, kInvalid},
      {"x^9", -1, -1},
      {"x^0", 0, 1},
      {"x^3", -2, -8},
      {"x^(1/3)", -8, kInvalid},
      {"x^(-1)", 0, kInvalid},
      {"x^(-1)", 4, 0.25},
      {"x^0,5", 16, 4},
      {"x^9", 0, 0},
      {"exp(x)", 1000, kInvalid},
      {"exp(x)", -1000, 0},
      {"exp(x)", 0, 1},
      {"int(x)", 2.5, 2},
      {"int(x)", 3.5, 4},
      {"int(x)", -2.5, -2},
      {"int(x)", 2147483647.4, 2147483647},
      {"int(x)", 2147483647.5, kInvalid},
      {"int(x)", -2147483648.5, -2147483648.0},
      {"int(x)", -2147483649.0, kInvalid},
      {"abs(x)", -3, 3},
      {"-x", 3, -3},
      {"atan(x)", 0, 0},
      {"asin(x)", 1, kInvalid},
      {"asin(x)", -1, kInvalid},
      {"asin(x)", 1.5, kInvalid},
      {"acos(x)", 0, kInvalid},
      {"acos(x)", 1, 0},
      {"acos(x)", -1.5, kInvalid},
      {"x*x", 1e200, kInvalid},
      {"x+x", 1e308, kInvalid},
      {"x-(-x)", 1e308, kInvalid},
      {"x/0,001", 1e306, kInvalid},
      {"x*x", 1e-200, 0},
      {"sin(x)", 1e19, 0},
      {"cos(x)", -1e19, 0},
      {"tan(x)", 1e19, kInvalid},
      {"sin(x)", 0x1p62, std::sin(0x1p62)},
  };
  for (const Case& c : cases) {
    const auto result = at(c.formula, c.x);
    EXPECT_EQ(result.has_value(), c.y.has_value()) << c.formula << " at " << c.x;
    if (result && c.y) {
      EXPECT_DOUBLE_EQ(*result, *c.y) << c.formula << " at " << c.x;
    }
  }
}

TEST_F(Evaluator, AnglesInRadiansAndDegrees) {
  EXPECT_NEAR(*at("sin(x)", std::numbers::pi / 2), 1, 1e-15);
  EXPECT_NEAR(*at("asin(x)", 0.5), std::numbers::pi / 6, 1e-15);
  settings.degreesMode = true;
  EXPECT_EQ(*at("sin(x)", 90), 1);
  EXPECT_NEAR(*at("cos(x)", 60), 0.5, 1e-15);
  EXPECT_NEAR(*at("tan(x)", 45), 1, 1e-15);
  EXPECT_NEAR(*at("asin(x)", 0.5), 30, 1e-13);
  EXPECT_NEAR(*at("acos(x)", -0.5), -60, 1e-13);  // a negative argument, a negative angle
  EXPECT_NEAR(*at("acos(x)", 0.5), 60, 1e-13);
  EXPECT_NEAR(*at("atan(x)", 1), 45, 1e-13);
  EXPECT_FALSE(at("acos(x)", 0).has_value());
  EXPECT_LT(std::fabs(*at("sin(x)", 180)), 1e-15);
}

TEST_F(Evaluator, FaultKeepsThePreviousOutput) {
  load("y=sqrt(x)");
  EXPECT_EQ(*y(9), 3);
  EXPECT_FALSE(y(-1).has_value());
  EXPECT_EQ(engine.registers[kRegY], 3);  // the first step faulted: y untouched
  EXPECT_EQ(engine.evalStep, 1);
  load("y=1/(x-2)+1");
  EXPECT_EQ(*y(3), 2);
  EXPECT_FALSE(y(2).has_value());
  EXPECT_EQ(engine.registers[kRegY], 2);
}

TEST_F(Evaluator, NothingButFiniteValuesReachTheRegisters) {
  load("y=exp(exp(x))*1/x-ln(x)+x^9^9");
  for (double x : {-1e308, -700.0, -1.0, 0.0, 1e-320, 1.0, 7.0, 700.0, 1e308}) {
    engine.registers.fill(0.5);
    engine.registers[kRegNone] = 0;
    engine.registers[kRegX] = x;
    engine.evalSlot = 1;
    engine.runProgram();
    for (double r : engine.registers)
      EXPECT_TRUE(std::isfinite(r)) << x;
  }
}

TEST_F(Evaluator, ConstantsReachTheProgram) {
  load("y=a*x^2+b*x+c");
  engine.registers[kRegA] = 1;
  engine.registers[kRegB] = -2;
  engine.registers[kRegC] = 3;
  EXPECT_EQ(*y(2), 3);
  EXPECT_NEAR(*at("p+e", 0), std::numbers::pi + std::numbers::e, 1e-15);
}

TEST_F(Evaluator, ParametricAndImplicitOutputs) {
  load("y = sin(v) ; x = cos(v)");
  engine.registers[kRegV] = 0;
  engine.runProgram();
  ASSERT_TRUE(engine.evalValid);
  EXPECT_EQ(engine.registers[kRegX], 1);
  EXPECT_EQ(engine.registers[kRegY], 0);
  load("x^2+y^2=25");
  engine.registers[kRegY] = 4;
  EXPECT_EQ(*run(kRegX, 3, kRegV), 0);
  EXPECT_EQ(*run(kRegX, 0, kRegV), -9);
  load("x = y^2 - 5");
  EXPECT_EQ(*run(kRegY, 3, kRegX), 4);
}

}  // namespace
}  // namespace quorvel
