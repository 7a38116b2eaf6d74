// The exact methods: an implicit equation's pixels at the start scale on every core, for the
// relations the method is made for (a circle, a doubled parabola, a pole, an oscillation
// without end, rings that crowd), the precise redraw of nine implicit slots with the method
// chosen, and the regions of inequalities.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "BenchResults.h"
#include "qt/QtTextPainter.h"
#include "shell/Workspace.h"

namespace quorvel::bench {
namespace {

// y = sin(40/x) written as a relation: "y=..." is a function of x.
const char* const kExactFormulas[] = {"x^2+y^2=25", "(y-x^2)^2=0", "1/x=y", "sin(40/x)=y",
                                      "sin(x^2+y^2)=0"};

// A relation of many steps whose curves crowd beyond what a pixel can show.
const char* const kTooDense = "sin(x^2+y^2)*cos(3x*y)+sin(x)^2*cos(y)^2=0,5";

std::string exactName(const char* formula) {
  return std::string("exact/") + formula;
}

// `zoomOut` notches of the wheel out from the start scale.
void exactPlot(benchmark::State& state, const char* formula, int zoomOut) {
  QtTextPainter text;
  Workspace ws(text);
  ws.graph.scale.zoomAt(kOrigin, kOrigin, -zoomOut, true, true);
  ws.formulas.translateFormula(1, formula);
  if (ws.formulas.formulaType != kSlotImplicit) return state.SkipWithError("not implicit");
  int undecided = 0;
  for (auto _ : state) {
    const ExactImplicitResult& states = ws.graph.exactImplicit(1);
    undecided = states.undecided;
    benchmark::DoNotOptimize(states.pixels.data());
  }
  state.counters["undecided"] = undecided;
}

// Every slot implicit: the grid formulas of the other benchmarks and two the signs miss.
void exactRedrawNine(benchmark::State& state) {
  QtTextPainter text;
  Workspace ws(text);
  int slot = 1;
  for (const char* formula : kGridFormulas) {
    ws.formulas.translateFormula(slot, formula);
    ws.formulas.slotKind[slot++] = kSlotImplicit;
  }
  for (const char* formula : {"(y-x^2)^2=0", "1/x=y"}) {
    ws.formulas.translateFormula(slot, formula);
    ws.formulas.slotKind[slot++] = kSlotImplicit;
  }
  ws.settings.exactImplicit = true;
  ws.graph.RedrawAll();
  for (auto _ : state) {
    ws.graph.RedrawAll();
    benchmark::DoNotOptimize(ws.graph.picture.data());
  }
}

// The region of an inequality at the start scale: every pixel decided and drawn (the grid
// under it, as the redraw after a change has it).
void regionPlot(benchmark::State& state, const char* formula) {
  QtTextPainter text;
  Workspace ws(text);
  ws.formulas.translateFormula(1, formula);
  if (ws.formulas.formulaType != kSlotInequality) return state.SkipWithError("no inequality");
  ws.graph.PlotSlot(1);
  for (auto _ : state) {
    ws.graph.RedrawAll();
    benchmark::DoNotOptimize(ws.graph.picture.data());
  }
}

void printExactSummary() {
  std::printf("\nexact implicit at the start scale, every core\n");
  double worst = 0;
  for (const char* formula : kExactFormulas) {
    const double ms = results().at(exactName(formula)) / 1e6;
    worst = std::max(worst, ms);
    std::printf("exact implicit: %.1f ms  %s\n", ms, formula);
  }
  std::printf("exact implicit worst: %.1f ms\n", worst);
  std::printf("exact implicit too dense to decide (%s, widest scale): %.1f ms\n", kTooDense,
              results().at(exactName(kTooDense) + "/widest") / 1e6);
  std::printf("exact redraw nine implicit slots: %.1f ms\n",
              results().at("exact/redraw-nine-implicit") / 1e6);
  std::printf("region y<sin(x): %.1f ms\n", results().at("region/y<sin(x)") / 1e6);
  std::printf("region x^2+y^2<=25: %.1f ms\n", results().at("region/x^2+y^2<=25") / 1e6);
}

[[maybe_unused]] const bool registered = [] {
  for (const char* formula : kExactFormulas) {
    benchmark::RegisterBenchmark(exactName(formula).c_str(), exactPlot, formula, 0)
        ->Unit(benchmark::kMillisecond);
  }
  // Where the work allowed runs out: the longest the method takes.
  benchmark::RegisterBenchmark((exactName(kTooDense) + "/widest").c_str(), exactPlot, kTooDense,
                               kMaxZoomLevel - kInitialZoomLevel)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("exact/redraw-nine-implicit", exactRedrawNine)
      ->Unit(benchmark::kMillisecond);
  for (const char* formula : {"y<sin(x)", "x^2+y^2<=25"}) {
    benchmark::RegisterBenchmark((std::string("region/") + formula).c_str(), regionPlot, formula)
        ->Unit(benchmark::kMillisecond);
  }
  addSummary(4, printExactSummary);
  return true;
}();

}  // namespace
}  // namespace quorvel::bench
