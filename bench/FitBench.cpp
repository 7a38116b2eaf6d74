// A fit is interactive: the least-squares polynomial of degree 7 through 40 points, against
// the normal equations it replaced as the reference in the same run.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

#include "BenchResults.h"
#include "NormalEquations.h"
#include "fitting/LeastSquares.h"

namespace quorvel::bench {
namespace {

void fillPoints(std::array<double, kMaxPoints>& xs, std::array<double, kMaxPoints>& ys) {
  for (int r = 0; r < kMaxPoints; ++r) {
    xs[r] = -10 + r * 0.5;
    ys[r] = std::sin(xs[r]) * 3 + 0.01 * xs[r] * xs[r] * xs[r];
  }
}

void fitDegree7(benchmark::State& state) {
  LeastSquares lsq;
  fillPoints(lsq.lsqX, lsq.lsqY);
  lsq.lsqN = kMaxPoints;
  lsq.lsqM = kCoefficients;
  for (auto _ : state) {
    lsq.SolveLeastSquares();
    benchmark::DoNotOptimize(lsq.lsqCoef.data());
  }
}

void normalEquationsDegree7(benchmark::State& state) {
  std::array<double, kMaxPoints> xs{}, ys{};
  fillPoints(xs, ys);
  std::array<double, kCoefficients> coef{};
  for (auto _ : state) {
    solveNormalEquations<kMaxPoints, kCoefficients>(xs, ys, kMaxPoints, kCoefficients, coef);
    benchmark::DoNotOptimize(coef.data());
  }
}

void printFitSummary() {
  const double fit = results().at("fit/degree-7-40-points");
  const double normal = results().at("fit/normal-equations");
  std::printf("fit degree 7, 40 points: %.1f us (normal equations %.1f us, ratio %.1f)\n",
              fit / 1e3, normal / 1e3, fit / normal);
}

[[maybe_unused]] const bool registered = [] {
  benchmark::RegisterBenchmark("fit/degree-7-40-points", fitDegree7)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("fit/normal-equations", normalEquationsDegree7)
      ->Unit(benchmark::kMicrosecond);
  addSummary(4, printFitSummary);
  return true;
}();

}  // namespace
}  // namespace quorvel::bench
