// The analysis answers a menu command: every root in the picture at the start scale, of a
// polynomial of degree 7 and of a formula with many roots, within a few milliseconds; and no
// search blocks the window for more than half a second, whatever the slots hold: each has a
// budget of work (Analysis::kWorkBudget), and the dearest unit of that work, on the heaviest
// formulas, times the budget is the longest a search can take.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "BenchResults.h"
#include "BenchSlots.h"
#include "qt/QtTextPainter.h"
#include "shell/Workspace.h"
#include "tools/Analysis.h"

namespace quorvel::bench {
namespace {

// (x + 9)(x + 6)(x + 3) x (x - 2)(x - 5)(x - 8) / 1000, expanded: seven roots in view.
void rootsOfPolynomial(benchmark::State& state) {
  QtTextPainter text;
  Workspace ws(text);
  ws.poly.SetPolyDegree(7);
  ws.poly.cells = {"", "0", "-12,96", "2,772", "2,664", "-0,215", "-0,105", "0,003", "0,001"};
  ws.poly.StorePolyFromGrid(1);
  size_t found = 0;
  for (auto _ : state) {
    ws.analysis.findRoots(1);
    found = ws.analysis.results.size();
  }
  state.counters["roots"] = static_cast<double>(found);
}

void rootsOfSine(benchmark::State& state) {
  QtTextPainter text;
  Workspace ws(text);
  const BenchSlot slot[] = {{"y=sin(5x)+0,5", 0, 0, 0}};
  fillSlots(ws, slot);
  size_t found = 0;
  for (auto _ : state) {
    ws.analysis.findRoots(1);
    found = ws.analysis.results.size();
  }
  state.counters["roots"] = static_cast<double>(found);
}

// The slowest searches the program has met: nine integrals of sin(x)/x over [-1E12, 1E12],
// each against every other, and one of them alone.
void intersectionsOfNineIntegrals(benchmark::State& state) {
  QtTextPainter text;
  Workspace ws(text);
  std::vector<BenchSlot> typed(9, BenchSlot{"y=i:sin(x)/x", -1e12, 1e12, 0});
  fillSlots(ws, typed);
  const bool alone = state.range(0) == 1;
  std::string message;
  for (auto _ : state)
    message = alone ? ws.analysis.findRoots(1) : ws.analysis.findIntersections(1);
  state.counters["work"] = static_cast<double>(ws.analysis.evaluations);
  state.SetLabel(message);
}

// Formulas of many steps of the dearest operations, with many critical points, so that the
// search spends its time on runs on series and with rounding bounds; in radians and in
// degrees (where the angle functions run in extended precision).
constexpr const char* kHeavy[] = {
    "y=sin(300x)+atan(exp(sin(x))^cos(x)+ln(2+cos(x))*sqrt(2+sin(x))^atan(x))/1000",
    "y=tan(sin(40x)^2+cos(x)^3)-asin(sin(x)/2)*acos(cos(x)/3)+log(3+sin(7x))^(1+cos(x)^2)",
    "y=exp(sin(90x))^(cos(x)+2)-exp(cos(90x))^(sin(x)+2)+int(x)*0+abs(sin(x))^1,5",
};
// The dearest run at a point there is: 23 powers of a = 1,1, each through the library's
// power, in a program of the most steps a formula may have. Its integral over pieces that each
// need many values spends the whole budget: the longest a search can block the window.
constexpr const char* kWholeBudget =
    "y=i:sin(100x^2)+0*a^a^a^a^a^a^a^a^a^a^a^a^a^a^a^a^a^a^a^a^a^a^a^a";

std::map<std::string, double>& workOf() {
  static std::map<std::string, double> work;
  return work;
}

std::string heavyName(int64_t formula, int64_t degrees) {
  return "analysis/heavy-" + std::to_string(formula) + (degrees ? "-degrees" : "");
}

void heavySearch(benchmark::State& state) {
  QtTextPainter text;
  Workspace ws(text);
  const char* formula = kHeavy[state.range(0)];
  ws.settings.degreesMode = state.range(1) == 1;
  const BenchSlot slot[] = {{formula, 0, 0, 0}};
  fillSlots(ws, slot);
  std::string message;
  for (auto _ : state)
    message = ws.analysis.findExtrema(1);
  workOf()[heavyName(state.range(0), state.range(1))] =
      static_cast<double>(ws.analysis.evaluations);
  state.counters["work"] = static_cast<double>(ws.analysis.evaluations);
  state.SetLabel(message);
}

void wholeBudget(benchmark::State& state) {
  QtTextPainter text;
  Workspace ws(text);
  ws.constants.a = 1.1;
  const BenchSlot slot[] = {{kWholeBudget, -10, 10, 0}};
  fillSlots(ws, slot);
  std::string message;
  for (auto _ : state)
    message = ws.analysis.findRoots(1);
  workOf()["analysis/whole-budget"] = static_cast<double>(ws.analysis.evaluations);
  state.counters["work"] = static_cast<double>(ws.analysis.evaluations);
  state.SetLabel(message);
}

void printAnalysisSummary() {
  std::printf("roots in view: %.0f us (degree-7 polynomial), %.0f us (sin(5x)+0,5)\n",
              results().at("analysis/roots-degree-7") / 1e3,
              results().at("analysis/roots-sin-5x") / 1e3);
  std::printf("nine i:sin(x)/x on [-1E12, 1E12]: %.1f ms (intersections), %.1f ms (roots of one)\n",
              results().at("analysis/nine-sinc-integrals") / 1e6,
              results().at("analysis/sinc-integral-roots") / 1e6);
  double dearest = 0;
  for (const auto& [name, work] : workOf()) {
    if (work > 0) dearest = std::max(dearest, results().at(name) / work);
  }
  std::printf("dearest unit of work: %.2f us; the whole budget: %.0f ms (measured: %.0f ms)\n",
              dearest / 1e3, dearest * Analysis::kWorkBudget / 1e6,
              results().at("analysis/whole-budget") / 1e6);
}

[[maybe_unused]] const bool registered = [] {
  benchmark::RegisterBenchmark("analysis/roots-degree-7", rootsOfPolynomial)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("analysis/roots-sin-5x", rootsOfSine)->Unit(benchmark::kMicrosecond);
  for (int alone : {0, 1}) {
    benchmark::RegisterBenchmark(
        alone ? "analysis/sinc-integral-roots" : "analysis/nine-sinc-integrals",
        intersectionsOfNineIntegrals)
        ->Arg(alone)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("analysis/whole-budget", wholeBudget)->Unit(benchmark::kMillisecond);
  for (int formula = 0; formula < static_cast<int>(std::size(kHeavy)); ++formula) {
    for (int degrees : {0, 1}) {
      benchmark::RegisterBenchmark(heavyName(formula, degrees).c_str(), heavySearch)
          ->Args({formula, degrees})
          ->Unit(benchmark::kMillisecond);
    }
  }
  addSummary(4, printAnalysisSummary);
  return true;
}();

}  // namespace
}  // namespace quorvel::bench
