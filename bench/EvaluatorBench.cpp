// Evaluator speed on the implicit grid: 800 x 800 points, x = (i - 400) * 0,025 and
// y = (400 - j) * 0,025 for i, j = 1..800. Every formula is evaluated four ways in the same
// run: the point evaluator, the batch evaluator (one row per call, as the implicit plotter
// calls it), native C++ written by hand, and muparser, the common library for the job.

#include <benchmark/benchmark.h>

#include <muParser.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchResults.h"
#include "common/Settings.h"
#include "formula/FormulaEngine.h"

namespace quorvel::bench {
namespace {

constexpr int kSide = 800;
constexpr double kPoints = double(kSide) * kSide;

struct Formula {
  const char* name;                   // as the user types it
  const char* muparser;               // the same in muparser's syntax, left side minus right side
  void (*native)(benchmark::State&);  // the grid loop with the formula written in
  // The same, with the part that depends on x alone computed once per column of the grid
  // before the rows, as the plotter does it.
  void (*hoisted)(benchmark::State&);
};

// The hand-written references: the formula inlined into the grid loop, with the same
// per-point validity as the plotter needs; one call of the platform's library per function
// and point, or per column for the hoisted part.
template <class F>
void nativeGrid(benchmark::State& state, F f);
template <class C, class F>
void hoistedGrid(benchmark::State& state, C column, F f);

#define NATIVE(expression) \
  [](benchmark::State& state) { nativeGrid(state, [](double x, double y) { return expression; }); }
// `c` is the column's part, computed from x alone.
#define HOISTED(columnPart, expression)                                            \
  [](benchmark::State& state) {                                                    \
    hoistedGrid(                                                                   \
        state, [](double x) { return columnPart; },                                \
        [](double c, [[maybe_unused]] double x, double y) { return expression; }); \
  }

const std::array<Formula, 7> kFormulas = {{
    {"x^2+y^2=25", "x^2+y^2-25", NATIVE(x* x + y * y - 25), HOISTED(x* x, c + y * y - 25)},
    {"y-sin(x)=0", "y-sin(x)", NATIVE(y - std::sin(x)), HOISTED(std::sin(x), y - c)},
    {"x*y=1", "x*y-1", NATIVE(x* y - 1), HOISTED(x, c* y - 1)},
    {"y-(3x^2+2x-3)=0", "y-(3*x^2+2*x-3)", NATIVE(y - (3 * x * x + 2 * x - 3)),
     HOISTED(3 * x * x + 2 * x - 3, y - c)},
    {"y-exp(-x^2)*sin(5x)=0", "y-exp(-x^2)*sin(5*x)",
     NATIVE(y - std::exp(-(x * x)) * std::sin(5 * x)),
     HOISTED(std::exp(-(x* x)) * std::sin(5 * x), y - c)},
    {"sqrt(x^2+y^2)=5+0,5sin(6atan(y/x))", "sqrt(x^2+y^2)-(5+0.5*sin(6*atan(y/x)))",
     NATIVE(std::sqrt(x* x + y * y) - (5 + 0.5 * std::sin(6 * std::atan(y / x)))),
     HOISTED(x* x, std::sqrt(c + y * y) - (5 + 0.5 * std::sin(6 * std::atan(y / x))))},
    {"y^2=x^3-x", "y^2-(x^3-x)", NATIVE(y* y - (x * x * x - x)), HOISTED(x* x* x - x, y* y - c)},
}};

double gridX(int i) {
  return (i - 400) * 0.025;
}
double gridY(int j) {
  return (400 - j) * 0.025;
}

std::vector<double> rowOfX() {
  std::vector<double> xs(kSide);
  for (int i = 1; i <= kSide; ++i)
    xs[i - 1] = gridX(i);
  return xs;
}

// One row of results, as the implicit plotter keeps it.
struct Row {
  std::vector<double> values = std::vector<double>(kSide);
  std::vector<uint8_t> valid = std::vector<uint8_t>(kSide);
};

void translated(FormulaEngine& engine, const Formula& formula) {
  const TranslationOutcome outcome = engine.translateFormula(1, formula.name);
  if (outcome.next == AfterTranslation::Nothing) {
    std::fprintf(stderr, "%s: %s\n", formula.name, outcome.message.c_str());
    std::abort();
  }
}

void pointEvaluator(benchmark::State& state, const Formula& formula) {
  Settings settings;
  FormulaEngine engine(settings);
  translated(engine, formula);
  engine.evalSlot = 1;
  Row row;
  for (auto _ : state) {
    for (int j = 1; j <= kSide; ++j) {
      engine.registers[kRegY] = gridY(j);
      for (int i = 1; i <= kSide; ++i) {
        engine.registers[kRegX] = gridX(i);
        engine.runProgram();
        row.values[i - 1] = engine.registers[kRegV];
        row.valid[i - 1] = engine.evalValid;
      }
      benchmark::DoNotOptimize(row.values.data());
      benchmark::DoNotOptimize(row.valid.data());
    }
  }
}

void batchEvaluator(benchmark::State& state, const Formula& formula) {
  Settings settings;
  FormulaEngine engine(settings);
  translated(engine, formula);
  const std::vector<double> xs = rowOfX();
  Row row;
  const BatchOutputs outputs{.valid = row.valid, .firstCode = kRegV, .first = row.values};
  for (auto _ : state) {
    for (int j = 1; j <= kSide; ++j) {
      engine.registers[kRegY] = gridY(j);
      engine.runBatch(1, kRegX, xs, outputs);
      benchmark::DoNotOptimize(row.values.data());
      benchmark::DoNotOptimize(row.valid.data());
    }
  }
}

void nativeCode(benchmark::State& state, const Formula& formula) {
  formula.native(state);
}

template <class F>
void nativeGrid(benchmark::State& state, F f) {
  const std::vector<double> xs = rowOfX();
  Row row;
  for (auto _ : state) {
    for (int j = 1; j <= kSide; ++j) {
      const double y = gridY(j);
      for (int i = 0; i < kSide; ++i) {
        const double v = f(xs[i], y);
        row.values[i] = v;
        row.valid[i] = std::isfinite(v);
      }
      benchmark::DoNotOptimize(row.values.data());
      benchmark::DoNotOptimize(row.valid.data());
    }
  }
}

template <class C, class F>
void hoistedGrid(benchmark::State& state, C column, F f) {
  const std::vector<double> xs = rowOfX();
  std::vector<double> columns(kSide);
  Row row;
  for (auto _ : state) {
    for (int i = 0; i < kSide; ++i)
      columns[i] = column(xs[i]);
    benchmark::DoNotOptimize(columns.data());
    for (int j = 1; j <= kSide; ++j) {
      const double y = gridY(j);
      for (int i = 0; i < kSide; ++i) {
        const double v = f(columns[i], xs[i], y);
        row.values[i] = v;
        row.valid[i] = std::isfinite(v);
      }
      benchmark::DoNotOptimize(row.values.data());
      benchmark::DoNotOptimize(row.valid.data());
    }
  }
}

void hoistedCode(benchmark::State& state, const Formula& formula) {
  formula.hoisted(state);
}

void muparserLibrary(benchmark::State& state, const Formula& formula) {
  double x = 0;
  double y = 0;
  mu::Parser parser;
  parser.DefineVar("x", &x);
  parser.DefineVar("y", &y);
  parser.SetExpr(formula.muparser);
  Row row;
  for (auto _ : state) {
    for (int j = 1; j <= kSide; ++j) {
      y = gridY(j);
      for (int i = 1; i <= kSide; ++i) {
        x = gridX(i);
        const double v = parser.Eval();
        row.values[i - 1] = v;
        row.valid[i - 1] = std::isfinite(v);
      }
      benchmark::DoNotOptimize(row.values.data());
      benchmark::DoNotOptimize(row.valid.data());
    }
  }
}

const char* const kWays[] = {"point", "batch", "native", "muparser"};

std::string benchmarkName(const char* way, const Formula& formula) {
  return std::string("grid/") + way + "/" + formula.name;
}

double nanosecondsPerPoint(const char* way, const Formula& formula) {
  return results().at(benchmarkName(way, formula)) / kPoints;
}

void printTable() {
  std::printf("\nns per point on the 800 x 800 grid\n");
  std::printf("%-38s %9s %9s %9s %9s %13s\n", "formula", "point", "batch", "native", "muparser",
              "batch/native");
  double logSum = 0;
  for (const Formula& formula : kFormulas) {
    double ns[4];
    for (int w = 0; w < 4; ++w)
      ns[w] = nanosecondsPerPoint(kWays[w], formula);
    const double ratio = ns[1] / ns[2];
    logSum += std::log(ratio);
    std::printf("%-38s %9.2f %9.2f %9.2f %9.2f %13.2f\n", formula.name, ns[0], ns[1], ns[2], ns[3],
                ratio);
  }
  std::printf("batch/native geometric mean: %.2f\n", std::exp(logSum / kFormulas.size()));
}

[[maybe_unused]] const bool registered = [] {
  for (const Formula& formula : kFormulas) {
    using Runner = void (*)(benchmark::State&, const Formula&);
    const Runner runners[] = {pointEvaluator, batchEvaluator, nativeCode, muparserLibrary};
    for (int w = 0; w < 4; ++w) {
      auto* run = benchmark::RegisterBenchmark(benchmarkName(kWays[w], formula).c_str(), runners[w],
                                               formula)
                      ->Unit(benchmark::kMillisecond)
                      ->MinTime(0.3);
      // The reference of the implicit plots' figure: as steady as the plots themselves.
      if (std::string(kWays[w]) == "native") run->Repetitions(5);
    }
  }
  for (const Formula& formula : kFormulas) {
    benchmark::RegisterBenchmark(nativeHoistedGridName(formula.name).c_str(), hoistedCode, formula)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(0.3)
        ->Repetitions(5);
  }
  addSummary(1, printTable);
  return true;
}();

}  // namespace

const char* const kGridFormulas[7] = {kFormulas[0].name, kFormulas[1].name, kFormulas[2].name,
                                      kFormulas[3].name, kFormulas[4].name, kFormulas[5].name,
                                      kFormulas[6].name};

std::string nativeGridName(const char* formula) {
  return std::string("grid/native/") + formula;
}

std::string nativeHoistedGridName(const char* formula) {
  return std::string("grid/native-hoisted/") + formula;
}

}  // namespace quorvel::bench
