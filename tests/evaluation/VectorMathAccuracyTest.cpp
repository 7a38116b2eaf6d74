// The library functions against MPFR at 160 bits, in every instruction set this processor
// runs: hundreds of thousands of arguments per function, spread over its domain and crowded
// at its edges (near the poles of tan, at +-1 for asin and acos, tiny and huge arguments, the
// limit of the angle functions, degrees near every quarter turn). The goal is 1 ulp.

#include <gtest/gtest.h>
#include <mpfr.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "evaluation/VectorMath.h"

namespace quorvel {
namespace {

namespace vm = vectormath;

class Big {
 public:
  Big() { mpfr_init2(v, 160); }
  ~Big() { mpfr_clear(v); }
  Big(const Big&) = delete;
  Big& operator=(const Big&) = delete;
  mpfr_t v;
};

using Reference = std::function<bool(const Big& x, Big& result)>;  // false: no value
using Function = std::function<void(const double*, double*, int)>;

// An exact value as the sum of two doubles (plenty to measure errors of about an ulp), or
// none where the function has no finite value.
struct Exact {
  double hi = 0, lo = 0;
  bool valid = false;
};

Exact exactOf(const Big& value) {
  Exact e;
  e.hi = mpfr_get_d(value.v, MPFR_RNDN);
  if (!std::isfinite(e.hi)) return e;
  Big rest;
  mpfr_sub_d(rest.v, value.v, e.hi, MPFR_RNDN);
  e.lo = mpfr_get_d(rest.v, MPFR_RNDN);
  e.valid = true;
  return e;
}

std::vector<Exact> referenceValues(const std::vector<double>& arguments,
                                   const Reference& reference) {
  std::vector<Exact> exact(arguments.size());
  Big x, r;
  for (size_t i = 0; i < arguments.size(); ++i) {
    mpfr_set_d(x.v, arguments[i], MPFR_RNDN);
    if (reference(x, r)) exact[i] = exactOf(r);
  }
  return exact;
}

// The error of `result` in units in the last place of the exact value (the ulp of its double).
double ulpError(double result, const Exact& exact) {
  int exponent = 0;
  std::frexp(exact.hi, &exponent);
  const double ulp = std::ldexp(1.0, std::max(exponent - 53, -1074));
  return std::fabs((result - exact.hi) - exact.lo) / ulp;
}

struct Worst {
  double error = 0;
  double at = 0;
  int compared = 0;
};

// Compares `function`, run on all arguments at once as the batch path runs, with the exact
// values.
Worst measure(const std::vector<double>& arguments, const Function& function,
              const std::vector<Exact>& exact) {
  std::vector<double> results(arguments.size());
  function(arguments.data(), results.data(), static_cast<int>(arguments.size()));
  Worst worst;
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (!exact[i].valid) continue;
    ++worst.compared;
    const double error = ulpError(results[i], exact[i]);
    if (!(error <= worst.error)) {
      worst.error = error;
      worst.at = arguments[i];
    }
  }
  return worst;
}

class Arguments {
 public:
  std::mt19937_64 random{20261209};
  std::vector<double> values;

  void uniform(double low, double high, int count) {
    std::uniform_real_distribution<double> spread(low, high);
    for (int i = 0; i < count; ++i)
      values.push_back(spread(random));
  }
  // Magnitudes 2^low .. 2^high, both signs (or positive only).
  void magnitudes(double low, double high, int count, bool positiveOnly = false) {
    std::uniform_real_distribution<double> exponent(low, high);
    for (int i = 0; i < count; ++i) {
      const double v = std::exp2(exponent(random));
      values.push_back(positiveOnly || (random() & 1) ? v : -v);
    }
  }
  // The doubles nearest to k * step for k in -count..count, and a few ulps either side.
  void around(double step, int count, int ulps) {
    for (int k = -count; k <= count; ++k) {
      double v = k * step;
      for (int u = 0; u < ulps; ++u)
        v = std::nextafter(v, -HUGE_VAL);
      for (int u = 0; u <= 2 * ulps; ++u, v = std::nextafter(v, HUGE_VAL))
        values.push_back(v);
    }
  }
};

// Each test runs once per instruction set; one this processor lacks is reported as skipped.
class VectorMathAccuracy : public ::testing::TestWithParam<vm::InstructionSet> {
 protected:
  void SetUp() override {
    if (!vm::use(GetParam())) GTEST_SKIP() << vm::nameOf(GetParam()) << " is not available here";
  }
  void TearDown() override { vm::use(vm::widest()); }

  // The function in this test's instruction set against its references.
  void expectWithin(const char* name, const std::vector<double>& arguments,
                    const Function& function, const Reference& reference, double limit = 1.0) {
    const Worst worst = measure(arguments, function, referenceValues(arguments, reference));
    EXPECT_GT(worst.compared, static_cast<int>(arguments.size() / 2)) << name;
    EXPECT_LE(worst.error, limit) << name << " (" << vm::nameOf(GetParam()) << ") at "
                                  << std::hexfloat << worst.at;
    std::printf("%-24s %-7s %8d arguments, worst %.3f ulp\n", name, vm::nameOf(GetParam()),
                worst.compared, worst.error);
  }
  static Reference of(int (*f)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t)) {
    return [f](const Big& x, Big& r) {
      f(r.v, x.v, MPFR_RNDN);
      return true;
    };
  }
  static Reference inDegrees(int (*f)(mpfr_ptr, mpfr_srcptr, unsigned long, mpfr_rnd_t)) {
    return [f](const Big& x, Big& r) {
      f(r.v, x.v, 360, MPFR_RNDN);
      return true;
    };
  }
  static Function angle(void (*f)(const double*, double*, int, bool), bool degrees) {
    return [f, degrees](const double* in, double* out, int n) { f(in, out, n, degrees); };
  }
};

TEST_P(VectorMathAccuracy, AngleFunctionsInRadians) {
  Arguments a;
  a.uniform(-10, 10, 200000);
  a.magnitudes(-1074, 62.9, 100000);
  a.around(M_PI / 2, 2000, 3);  // near the zeros, and the poles of tan
  for (const char* name : {"sin", "cos", "tan"}) {
    const std::string label = std::string(name) + " radians";
    const auto function = name[0] == 's' ? vm::sine : name[0] == 'c' ? vm::cosine : vm::tangent;
    const auto reference = name[0] == 's' ? mpfr_sin : name[0] == 'c' ? mpfr_cos : mpfr_tan;
    expectWithin(label.c_str(), a.values, angle(function, false), of(reference));
  }
}

TEST_P(VectorMathAccuracy, AngleFunctionsInDegrees) {
  Arguments a;
  a.uniform(-1e6, 1e6, 200000);
  a.uniform(-360, 360, 100000);
  a.magnitudes(-1074, 68, 50000);  // up to the limit, 5.3e20
  a.around(45, 4000, 3);           // every eighth turn within 180000 degrees
  a.around(1e-9, 1000, 0);         // tiny angles
  for (const char* name : {"sin", "cos", "tan"}) {
    const std::string label = std::string(name) + " degrees";
    const auto function = name[0] == 's' ? vm::sine : name[0] == 'c' ? vm::cosine : vm::tangent;
    const auto reference = name[0] == 's' ? mpfr_sinu : name[0] == 'c' ? mpfr_cosu : mpfr_tanu;
    expectWithin(label.c_str(), a.values, angle(function, true), inDegrees(reference));
  }
}

TEST_P(VectorMathAccuracy, InverseAngleFunctions) {
  Arguments unit;
  unit.uniform(-1, 1, 200000);
  unit.magnitudes(-1074, 0, 50000);
  for (int k = 1; k <= 2000; ++k) {  // the last doubles below 1
    unit.values.push_back(1 - k * DBL_EPSILON / 2);
    unit.values.push_back(-(1 - k * DBL_EPSILON / 2));
  }
  Arguments any;
  any.magnitudes(-1074, 1023, 200000);
  any.uniform(-10, 10, 100000);
  // The program's acos is atan(sqrt(1 - a^2) / a): negative for a < 0, that is -acos(-a).
  auto programAcos = [](auto acos) {
    return [acos](const Big& x, Big& r) {
      if (mpfr_zero_p(x.v)) return false;
      Big magnitude;
      mpfr_abs(magnitude.v, x.v, MPFR_RNDN);
      acos(r.v, magnitude.v);
      if (mpfr_sgn(x.v) < 0) mpfr_neg(r.v, r.v, MPFR_RNDN);
      return true;
    };
  };
  auto below1 = [](Reference f) {
    return [f](const Big& x, Big& r) { return mpfr_cmpabs_ui(x.v, 1) < 0 && f(x, r); };
  };
  for (bool degrees : {false, true}) {
    const std::string unitName = degrees ? " degrees" : " radians";
    expectWithin(("asin" + unitName).c_str(), unit.values, angle(vm::arcsine, degrees),
                 below1(degrees ? inDegrees(mpfr_asinu) : of(mpfr_asin)));
    expectWithin(("acos" + unitName).c_str(), unit.values, angle(vm::arccosine, degrees),
                 programAcos([degrees](mpfr_ptr r, mpfr_srcptr x) {
                   degrees ? mpfr_acosu(r, x, 360, MPFR_RNDN) : mpfr_acos(r, x, MPFR_RNDN);
                 }));
    expectWithin(("atan" + unitName).c_str(), any.values, angle(vm::arctangent, degrees),
                 degrees ? inDegrees(mpfr_atanu) : of(mpfr_atan));
  }
}

TEST_P(VectorMathAccuracy, ExponentialsAndLogarithms) {
  Arguments e;
  e.uniform(-745, 709.78, 200000);
  e.magnitudes(-1074, 0, 50000);
  expectWithin("exp", e.values, vm::exponential, of(mpfr_exp));
  Arguments l;
  l.magnitudes(-1074, 1023.9, 200000, true);
  for (int k = -2000; k <= 2000; ++k)  // around 1
    l.values.push_back(1 + k * DBL_EPSILON);
  auto positive = [](Reference f) {
    return [f](const Big& x, Big& r) { return mpfr_sgn(x.v) > 0 && f(x, r); };
  };
  expectWithin("ln", l.values, vm::logarithm, positive(of(mpfr_log)));
  expectWithin("log", l.values, vm::logarithm10, positive(of(mpfr_log10)));
}

TEST_P(VectorMathAccuracy, Powers) {
  Arguments base, exponent;
  base.magnitudes(-30, 30, 300000, true);
  exponent.uniform(-25, 25, 300000);
  const std::vector<double>& exponents = exponent.values;
  std::vector<double> paired(base.values.size());
  std::vector<Exact> exact(paired.size());
  Big b, x, r;
  for (size_t i = 0; i < paired.size(); ++i) {
    mpfr_set_d(b.v, base.values[i], MPFR_RNDN);
    mpfr_set_d(x.v, exponents[i], MPFR_RNDN);
    mpfr_pow(r.v, b.v, x.v, MPFR_RNDN);
    exact[i] = exactOf(r);
  }
  {
    const vm::InstructionSet set = GetParam();
    vm::power(base.values.data(), exponents.data(), paired.data(), static_cast<int>(paired.size()));
    double worst = 0;
    int compared = 0;
    for (size_t i = 0; i < paired.size(); ++i) {
      if (!exact[i].valid) continue;
      ++compared;
      worst = std::max(worst, ulpError(paired[i], exact[i]));
    }
    EXPECT_GT(compared, 200000);
    EXPECT_LE(worst, 1.0) << vm::nameOf(set);
    std::printf("%-24s %-7s %8d arguments, worst %.3f ulp\n", "pow", vm::nameOf(set), compared,
                worst);
  }
}

// Beyond the range of the sine instruction the program gives 0, and tan faults; and one
// value alone gets the bits it gets among others.
TEST_P(VectorMathAccuracy, TheProgramsRulesAndOneValueAlone) {
  const double beyond[] = {0x1p63, -0x1p63, 1e300, HUGE_VAL};
  double out[4];
  vm::sine(beyond, out, 4, false);
  for (double v : out)
    EXPECT_EQ(v, 0.0);
  vm::tangent(beyond, out, 4, false);
  for (double v : out)
    EXPECT_TRUE(std::isnan(v));
  const double degrees[] = {5.3e20, -6e20, 90, -270};
  vm::cosine(degrees, out, 2, true);
  EXPECT_EQ(out[0], 0.0);
  EXPECT_EQ(out[1], 0.0);
  vm::tangent(degrees + 2, out, 2, true);  // the poles
  EXPECT_TRUE(std::isnan(out[0]));
  EXPECT_TRUE(std::isnan(out[1]));
  const double notFinite[] = {HUGE_VAL, -HUGE_VAL, std::nan(""), 6e20};
  for (auto f : {vm::sine, vm::cosine, vm::tangent}) {
    f(notFinite, out, 4, true);
    for (double v : out)
      EXPECT_TRUE(f == vm::tangent ? std::isnan(v) : v == 0.0);
  }
  const double exact[] = {30, 90, 180, 270, 360, -150};
  double s[6];
  vm::sine(exact, s, 6, true);
  EXPECT_EQ(s[0], 0.5);
  EXPECT_EQ(s[1], 1.0);
  EXPECT_EQ(s[2], 0.0);
  EXPECT_EQ(s[3], -1.0);
  EXPECT_EQ(s[4], 0.0);
  EXPECT_EQ(s[5], -0.5);

  // Rows whose values range from tiny to huge, not finite ones among them: each value gets
  // the bits it gets alone, whatever its neighbours, in every instruction set.
  std::mt19937_64 random(3);
  std::uniform_real_distribution<double> spread(-1000, 1000);
  const double neighbours[] = {0.1, 20, 1e5, 1e13, 1e15, 1e19, 1e300, HUGE_VAL, std::nan("")};
  std::vector<double> row(1000);
  for (size_t i = 0; i < row.size(); ++i)
    row[i] = i % 3 == 0 ? neighbours[(i / 3) % 9] * (i % 2 ? -1 : 1) : spread(random);
  // Angles within a few ulps of the zeros and poles below 15, where the last bit is most
  // sensitive to the argument reduction, beside neighbours of 15 and more (found by the formula
  // fuzzer: tan(-2.5 pi) beside -15.7).
  for (int k = -9; k <= 9; ++k) {
    double angle = k * (M_PI / 2);
    for (int ulp = 0; ulp < 3; ++ulp)
      angle = std::nextafter(angle, -HUGE_VAL);
    for (int ulp = 0; ulp < 7; ++ulp, angle = std::nextafter(angle, HUGE_VAL)) {
      row.push_back(angle);
      row.push_back(ulp % 2 ? 15.7 : -1e5);
    }
  }
  const int n = static_cast<int>(row.size());
  std::vector<double> together(row.size());
  using Angle = void (*)(const double*, double*, int, bool);
  using Plain = void (*)(const double*, double*, int);
  {
    const vm::InstructionSet set = GetParam();
    auto expectAlone = [&](auto run, const char* name) {
      run(row.data(), together.data(), n);
      for (int i = 0; i < n; ++i) {
        double alone = 0;
        run(&row[i], &alone, 1);
        ASSERT_EQ(std::bit_cast<uint64_t>(alone), std::bit_cast<uint64_t>(together[i]))
            << name << " (" << vm::nameOf(set) << ") of " << row[i];
      }
    };
    for (bool inDegrees : {false, true}) {
      for (Angle f :
           {vm::sine, vm::cosine, vm::tangent, vm::arcsine, vm::arccosine, vm::arctangent}) {
        expectAlone([f, inDegrees](const double* in, double* to,
                                   int count) { f(in, to, count, inDegrees); },
                    inDegrees ? "an angle function in degrees" : "an angle function");
      }
    }
    for (Plain f : {vm::exponential, vm::logarithm, vm::logarithm10})
      expectAlone(f, "exp, ln or log");
    std::vector<double> exponents(row.rbegin(), row.rend());
    expectAlone([&](const double* in, double* to,
                    int count) { vm::power(in, exponents.data() + (in - row.data()), to, count); },
                "pow");
  }
}

INSTANTIATE_TEST_SUITE_P(EveryInstructionSet, VectorMathAccuracy,
                         ::testing::Values(vm::InstructionSet::Sse2, vm::InstructionSet::Avx2,
                                           vm::InstructionSet::Avx512),
                         [](const auto& test) { return std::string(vm::nameOf(test.param)); });

}  // namespace
}  // namespace quorvel
