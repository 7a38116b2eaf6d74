// The analysis answers a menu command: every root in the picture at the start scale, of a
// polynomial of degree 7 and of a formula with many roots, within a millisecond.

#include <benchmark/benchmark.h>

#include <cstdio>

#include "BenchResults.h"
#include "BenchSlots.h"
#include "qt/QtTextPainter.h"
#include "shell/Workspace.h"

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

void printAnalysisSummary() {
  std::printf("roots in view: %.0f us (degree-7 polynomial), %.0f us (sin(5x)+0,5)\n",
              results().at("analysis/roots-degree-7") / 1e3,
              results().at("analysis/roots-sin-5x") / 1e3);
}

[[maybe_unused]] const bool registered = [] {
  benchmark::RegisterBenchmark("analysis/roots-degree-7", rootsOfPolynomial)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("analysis/roots-sin-5x", rootsOfSine)->Unit(benchmark::kMicrosecond);
  addSummary(4, printAnalysisSummary);
  return true;
}();

}  // namespace
}  // namespace quorvel::bench
