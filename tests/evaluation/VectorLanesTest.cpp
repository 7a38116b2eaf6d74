// The lane arithmetic of the batch evaluator and its fault and sign rows, in every instruction
// set this processor runs, against the scalar operations of the point evaluator: the same bits
// for every lane, whatever the row's length, the operands' shapes and their neighbours.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "evaluation/VectorMath.h"

namespace quorvel {
namespace {

namespace vm = vectormath;

// Row lengths around every vector width and the 64 lanes of a word of sign bits.
constexpr int kLengths[] = {0, 1, 2, 3, 7, 8, 9, 15, 63, 64, 65, 129, 800};

// Each test runs once per instruction set; one this processor lacks is reported as skipped.
class VectorLanes : public ::testing::TestWithParam<vm::InstructionSet> {
 protected:
  void SetUp() override {
    if (!vm::use(GetParam())) GTEST_SKIP() << vm::nameOf(GetParam()) << " is not available here";
  }
  void TearDown() override { vm::use(vm::widest()); }

  // Values of every kind: ordinary, tiny, subnormal, huge, zeros of both signs, infinities, NaN.
  static std::vector<double> values(int n, unsigned seed) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> spread(-100, 100);
    const double special[] = {
        0.0,   -0.0,     5e-324,   -2.2e-308, 1e-300,
        1e300, -1.7e308, HUGE_VAL, -HUGE_VAL, std::numeric_limits<double>::quiet_NaN(),
        1.0,   -3.0};
    std::vector<double> v(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
      v[i] = random() % 4 == 0 ? special[random() % std::size(special)] : spread(random);
    return v;
  }
};

// NaN is a fault whatever its bits; every other result must match bit for bit.
void expectSame(double expected, double actual, const char* what, vm::InstructionSet set, int n,
                int i) {
  if (std::isnan(expected)) {
    EXPECT_TRUE(std::isnan(actual)) << what << " (" << vm::nameOf(set) << ") n=" << n << " i=" << i;
  } else {
    EXPECT_EQ(std::bit_cast<uint64_t>(expected), std::bit_cast<uint64_t>(actual))
        << what << " (" << vm::nameOf(set) << ") n=" << n << " i=" << i;
  }
}

TEST_P(VectorLanes, ArithmeticHasTheBitsOfTheScalarOperations) {
  const vm::InstructionSet set = GetParam();
  using Binary = void (*)(const double*, double, const double*, double, double*, int);
  struct Op {
    const char* name;
    Binary lanes;
    double (*scalar)(double, double);
  };
  const Op ops[] = {
      {"add", vm::lanes().add, [](double x, double y) { return x + y; }},
      {"subtract", vm::lanes().subtract, [](double x, double y) { return x - y; }},
      {"multiply", vm::lanes().multiply, [](double x, double y) { return x * y; }},
      {"divide", vm::lanes().divide, [](double x, double y) { return x / y; }},
  };
  using Unary = void (*)(const double*, double*, int);
  struct Op1 {
    const char* name;
    Unary lanes;
    double (*scalar)(double);
  };
  const Op1 ops1[] = {
      {"square", vm::lanes().square, [](double x) { return x * x; }},
      {"cube", vm::lanes().cube, [](double x) { return x * x * x; }},
      {"negate", vm::lanes().negate, [](double x) { return -x; }},
      {"absolute", vm::lanes().absolute, [](double x) { return std::fabs(x); }},
      {"square root", vm::lanes().squareRoot, [](double x) { return std::sqrt(x); }},
  };
  for (int n : kLengths) {
    const std::vector<double> a = values(n, 1 + n), b = values(n, 1000 + n);
    const double single[] = {2.5, -0.0, HUGE_VAL, 1e-310};
    std::vector<double> out(n);
    for (const Op& op : ops) {
      op.lanes(a.data(), 0, b.data(), 0, out.data(), n);
      for (int i = 0; i < n; ++i)
        expectSame(op.scalar(a[i], b[i]), out[i], op.name, set, n, i);
      for (double u : single) {
        op.lanes(a.data(), 0, nullptr, u, out.data(), n);
        for (int i = 0; i < n; ++i)
          expectSame(op.scalar(a[i], u), out[i], op.name, set, n, i);
        op.lanes(nullptr, u, b.data(), 0, out.data(), n);
        for (int i = 0; i < n; ++i)
          expectSame(op.scalar(u, b[i]), out[i], op.name, set, n, i);
      }
      std::vector<double> inPlace = a;  // the result over its first operand
      op.lanes(inPlace.data(), 0, b.data(), 0, inPlace.data(), n);
      for (int i = 0; i < n; ++i)
        expectSame(op.scalar(a[i], b[i]), inPlace[i], op.name, set, n, i);
    }
    for (const Op1& op : ops1) {
      op.lanes(a.data(), out.data(), n);
      for (int i = 0; i < n; ++i)
        expectSame(op.scalar(a[i]), out[i], op.name, set, n, i);
    }
    // negate and absolute touch the sign bit alone, NaN included.
    std::vector<double> nan = {std::numeric_limits<double>::quiet_NaN(), -0.0, 0.0};
    vm::lanes().negate(nan.data(), nan.data(), 3);
    EXPECT_TRUE(std::signbit(nan[0]) && !std::signbit(nan[1]) && std::signbit(nan[2]));
    vm::lanes().absolute(nan.data(), nan.data(), 3);
    EXPECT_TRUE(!std::signbit(nan[0]) && !std::signbit(nan[1]) && !std::signbit(nan[2]));
  }
}

TEST_P(VectorLanes, FaultRowsAndSignRows) {
  const vm::InstructionSet set = GetParam();
  for (int n : kLengths) {
    const std::vector<double> v = values(n, 7 + n);
    std::vector<double> poison(n, 0.0);
    vm::lanes().notePoison(v.data(), poison.data(), n);
    std::vector<uint8_t> finite(n, 9), fault(n, 9);
    vm::lanes().zeroBytes(v.data(), 0.0, finite.data(), n);
    vm::lanes().zeroBytes(poison.data(), 1.0, fault.data(), n);
    for (int i = 0; i < n; ++i) {
      EXPECT_EQ(finite[i], std::isfinite(v[i]) ? 1 : 0) << vm::nameOf(set) << " " << v[i];
      EXPECT_EQ(fault[i], finite[i]) << vm::nameOf(set) << " " << v[i];
    }

    // Every word written whole, the bits beyond the last value cleared; validity from the
    // values, or from bytes that say otherwise.
    const int words = (n + 63) / 64;
    std::vector<uint8_t> bytes(n);
    for (int i = 0; i < n; ++i)
      bytes[i] = static_cast<uint8_t>(i % 3 != 0);
    const uint8_t* const validities[] = {nullptr, bytes.data()};
    for (const uint8_t* given : validities) {
      std::vector<uint64_t> valid(words + 1, ~uint64_t{0}), positive = valid, negative = valid;
      vm::lanes().signWords(v.data(), given, n, valid.data(), positive.data(), negative.data());
      for (int i = 0; i < 64 * words; ++i) {
        const uint64_t bit = uint64_t{1} << (i % 64);
        const bool isValid = i < n && (given ? given[i] != 0 : std::isfinite(v[i]));
        EXPECT_EQ((valid[i / 64] & bit) != 0, isValid)
            << vm::nameOf(set) << " n=" << n << " i=" << i;
        EXPECT_EQ((positive[i / 64] & bit) != 0, isValid && v[i] > 0)
            << vm::nameOf(set) << " i=" << i;
        EXPECT_EQ((negative[i / 64] & bit) != 0, isValid && v[i] < 0)
            << vm::nameOf(set) << " i=" << i;
      }
      EXPECT_EQ(valid[words], ~uint64_t{0}) << "a word beyond the row was written";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryInstructionSet, VectorLanes,
                         ::testing::Values(vm::InstructionSet::Sse2, vm::InstructionSet::Avx2,
                                           vm::InstructionSet::Avx512),
                         [](const auto& test) { return std::string(vm::nameOf(test.param)); });

}  // namespace
}  // namespace quorvel
