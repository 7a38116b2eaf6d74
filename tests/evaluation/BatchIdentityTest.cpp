// The batch evaluator must give every lane exactly what the point evaluator gives that point:
// the same validity, and for valid points the same bits.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "BatchAgreement.h"
#include "formula/FormulaTestSupport.h"

namespace quorvel {
namespace {

class BatchIdentity : public ::testing::Test, public testing::EngineTest {
 protected:
  // Inputs with the awkward values between ordinary ones: zeros, ends of domains, halves,
  // huge and tiny magnitudes. More than one chunk of lanes.
  std::vector<double> inputs() {
    std::vector<double> values = {0.0,  -0.0,  1.0,  -1.0,         0.5,   -0.5,
                                  2.5,  3.0,   -3.0, 1e-310,       1e300, -1e300,
                                  1e-5, 710.0, 1e19, 2147483647.5, 90.0,  180.0};
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> near(-6, 6);
    while (values.size() < 1500) {
      const double v = near(random);
      values.push_back(random() % 5 == 0 ? std::round(v) : v);
    }
    return values;
  }

  // Compares a batch over `input` against point-by-point runs, reading `first` and `second`.
  void expectIdentical(const std::string& formula, uint8_t input, uint8_t first,
                       uint8_t second = kRegNone) {
    load(formula);
    const std::vector<double> in = inputs();
    EXPECT_EQ(
        testing::compareBatchWithPoints(engine, 1, {input, first, second}, in, &lastValidCount), "")
        << formula << (settings.degreesMode ? " (degrees)" : "");
  }

  int lastValidCount = 0;
};

TEST_F(BatchIdentity, EveryOperationOverColumns) {
  engine.registers[kRegA] = 1.5;
  engine.registers[kRegB] = -2;
  engine.registers[kRegC] = 0;
  const char* formulas[] = {
      "y=x+1",
      "y=x-2*x",
      "y=x*x*3",
      "y=1/x",
      "y=2/(x-x)",
      "y=x^2",
      "y=x^3",
      "y=x^9",
      "y=x^0",
      "y=x^1",
      "y=x^10",
      "y=x^0,5",
      "y=2^x",
      "y=x^x",
      "y=(-2)^x",
      "y=x^(x^2)",
      "y=-x",
      "y=asin(x/3)",
      "y=acos(x/3)",
      "y=atan(x)",
      "y=sqrt(x)",
      "y=sin(x)",
      "y=cos(x)",
      "y=tan(x)",
      "y=log(x)",
      "y=abs(x)",
      "y=exp(x*100)",
      "y=ln(x)",
      "y=int(x*1e9)",
      "y=int(x)",
      "y=a*x+b",
      "y=3",
      "y=sqrt(c-1)+x",
      "y=1/(1/x)",
      "y=sqrt(x)^0",
      "y=x^0*ln(x)",
      "y=exp(exp(x))",
      "y=x*1e308*10",
      "y=asin(a)+x",
      "y=2^3^2+x",
      "y=sin(x)^2+cos(x)^2",
      "y=1/(1/(x-1)+1)",
      "y=abs(int(x))^x",
      "y=x^4^4",
      "y=(x*1e9)^5^7",
      "y=(x/1e9)^8",
  };
  for (bool degrees : {false, true}) {
    settings.degreesMode = degrees;
    for (const char* formula : formulas)
      expectIdentical(formula, kRegX, kRegY);
  }
}

TEST_F(BatchIdentity, RowsParametersAndImplicitRows) {
  expectIdentical("x=y^2-5", kRegY, kRegX);
  expectIdentical("x=1/y+ln(y)", kRegY, kRegX);
  expectIdentical("y=sin(v);x=1/v", kRegV, kRegX, kRegY);
  expectIdentical("y=1/v;x=sqrt(v)", kRegV, kRegX, kRegY);
  expectIdentical("x=cos(2v);y=sin(3v)", kRegV, kRegX, kRegY);
  // y is assigned twice: the fault of the first value must still count.
  expectIdentical("y=-sin(-v9)/0=;x0-(v)", kRegV, kRegX, kRegY);
  const char* implicit[] = {
      "x^2+y^2=25",
      "x*y=1",
      "sqrt(x^2+y^2)=5+0,5sin(6atan(y/x))",
      "y^2=x^3-x",
      "y-exp(-x^2)*sin(5x)=0",
      "x/y=ln(x)",
      "y-(3x^2+2x-3)=0",
      "y-sin(x)=0",
  };
  for (const char* formula : implicit) {
    for (double y : {0.0, -2.5, 1.0, 4.0, 1e300}) {
      engine.registers[kRegY] = y;
      expectIdentical(formula, kRegX, kRegV);
    }
  }
}

// Rows that share their inputs and differ in one register reuse the steps that do not
// depend on it; each row must still be exactly the point evaluator's.
TEST_F(BatchIdentity, RowsReuseWhatDoesNotDependOnTheirRegister) {
  std::vector<double> in = inputs();
  in.resize(801);  // an implicit plot's row
  const std::vector<double> ys = {0.0, -2.5, 1.0, 4.0, 1e300, -0.0};
  const char* implicit[] = {
      "x^2+y^2=25",
      "y-(3x^2+2x-3)=0",
      "y-exp(-x^2)*sin(5x)=0",
      "sqrt(x^2+y^2)=5+0,5sin(6atan(y/x))",
      "x^2+0y=4",             // nearly everything shared
      "y-3=0x",               // almost nothing shared
      "sqrt(x)+y=1",          // faults of the shared part: a NaN, carried along
      "y*ln(x)=1",            // -inf at 0, NaN below
      "y/(1/x)=1",            // a shared divisor
      "y+tan(x)=0",           // faults noted by the step itself
      "asin(x/3)=y",          //
      "int(x*1e9)=y",         //
      "x^0,5=y",              // a power that checks itself
      "exp(x*100)=y",         // overflow
      "y^2-x^3=0",            // whole powers
      "y*x^9=1",              //
      "sin(y)*(1/x)=cos(x)",  // a shared value checked before an angle function
      "y-a*x=b",              // constants
      "x*y+sqrt(c-1)=x",      // a shared step that faults in every lane
  };
  engine.registers[kRegA] = 2;
  engine.registers[kRegB] = -1;
  for (bool degrees : {false, true}) {
    settings.degreesMode = degrees;
    for (const char* formula : implicit) {
      load(formula);
      EXPECT_EQ(testing::compareRowsWithPoints(engine, 1, {kRegX, kRegV}, kRegY, ys, in), "")
          << formula << (degrees ? " (degrees)" : "");
    }
  }
  // Rows over a that x = f(y) and parametric formulas could share.
  load("x=a*y^2+ln(y)");
  EXPECT_EQ(testing::compareRowsWithPoints(engine, 1, {kRegY, kRegX}, kRegA, ys, in), "");
  load("y=sin(v)*a;x=1/v");
  EXPECT_EQ(testing::compareRowsWithPoints(engine, 1, {kRegV, kRegX, kRegY}, kRegA, ys, in), "");
  // Longer than one run of lanes: rows run without reuse, and still agree.
  load("x^2+y^2=25");
  EXPECT_EQ(testing::compareRowsWithPoints(engine, 1, {kRegX, kRegV}, kRegY, ys, inputs()), "");
}

TEST_F(BatchIdentity, UniformFaultInvalidatesEveryLane) {
  expectIdentical("y=sqrt(0-1)*x", kRegX, kRegY);
  EXPECT_EQ(lastValidCount, 0);
  engine.registers[kRegY] = 0;
  expectIdentical("x/y=1", kRegX, kRegV);
  EXPECT_EQ(lastValidCount, 0);
}

TEST_F(BatchIdentity, LeavesRegistersAsTheLastPointDoes) {
  load("y=sqrt(x)");
  const std::vector<double> in = {4, 9, -1};
  std::vector<uint8_t> valid(3);
  std::vector<double> out(3);
  engine.runBatch(1, kRegX, in, {.valid = valid, .firstCode = kRegY, .first = out});
  EXPECT_EQ(engine.registers[kRegX], -1);
  EXPECT_EQ(engine.registers[kRegY], 3);  // the last valid point's y
  EXPECT_FALSE(engine.evalValid);
  EXPECT_EQ(engine.evalSlot, 1);
}

}  // namespace
}  // namespace quorvel
