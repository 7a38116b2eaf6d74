// Plotting speed: the precise implicit plot and a full redraw of nine slots, each against
// evaluating the same points with hand-written C++.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <QImage>
#include <QPainter>
#include "BenchResults.h"
#include "BenchSlots.h"

#include "qt/PictureRenderer.h"
#include "qt/QtTextPainter.h"
#include "shell/Workspace.h"

namespace quorvel::bench {
namespace {

constexpr int kGrid = 800;

// What the precise implicit plot of x^2+y^2=25 evaluates at the start scale: every pixel but
// row 0 and column 0, with a validity per point.
void nativeCircleGrid(benchmark::State& state) {
  const ScaleState scale;
  std::vector<double> values(kGrid);
  std::vector<uint8_t> valid(kGrid);
  for (auto _ : state) {
    for (int row = 1; row <= kGrid; ++row) {
      const double y = scale.rowWorldY[row];
      for (int column = 1; column <= kGrid; ++column) {
        const double x = scale.columnWorldX[column];
        const double v = x * x + y * y - 25;
        values[column - 1] = v;
        valid[column - 1] = std::isfinite(v);
      }
      benchmark::DoNotOptimize(values.data());
      benchmark::DoNotOptimize(valid.data());
    }
  }
}

// An implicit equation plotted precisely (or coarsely) over the whole picture at the start
// scale, by the workspace's pool of `threads` (0: every hardware thread).
void implicitPlot(benchmark::State& state, const char* formula, bool precise, int threads) {
  QtTextPainter text;
  Workspace ws(text, threads);
  ws.formulas.translateFormula(1, formula);
  ws.formulas.slotKind[1] = kSlotImplicit;
  ws.formulas.evalSlot = 1;
  for (auto _ : state) {
    ws.graph.drawing.clear();  // a redraw starts the record afresh, as every plot's redraw does
    if (precise) {
      ws.graph.PlotImplicitPrecise();
    } else {
      ws.graph.PlotImplicitCoarse();
    }
    benchmark::DoNotOptimize(ws.graph.picture.data());
  }
}

std::string implicitName(const char* kind, const char* formula) {
  return std::string("implicit/") + kind + "/" + formula;
}

void redrawNineSlots(benchmark::State& state) {
  QtTextPainter text;
  Workspace ws(text);
  fillNineSlots(ws);
  ws.graph.RedrawAll();  // fonts resolved once, as in a running program
  for (auto _ : state) {
    ws.graph.RedrawAll();
    benchmark::DoNotOptimize(ws.graph.picture.data());
  }
}

// The record of that redraw drawn again onto a raster of twice the size, smoothed, as the
// graph widget does it on a screen of device pixel ratio 2.
void replayNineSlots(benchmark::State& state) {
  QtTextPainter text;
  Workspace ws(text);
  fillNineSlots(ws);
  ws.graph.RedrawAll();
  QImage doubled(2 * kPictureSize, 2 * kPictureSize, QImage::Format_RGB32);
  doubled.setDevicePixelRatio(2);
  for (auto _ : state) {
    QPainter painter(&doubled);
    replayDrawing(ws.graph.drawing, painter, kPictureSize, kPictureSize, true);
    painter.end();
    benchmark::DoNotOptimize(doubled.constBits());
  }
}

// The same points as the redraw samples, evaluated by hand-written code.
void nativeNineSlots(benchmark::State& state) {
  const ScaleState scale;
  std::vector<double> out(kGrid + 1);
  std::vector<double> out2(1001);
  std::vector<uint8_t> valid(kGrid + 1);
  auto columns = [&](auto f) {
    for (int c = 0; c <= kGrid; ++c) {
      out[c] = f(scale.columnWorldX[c]);
      valid[c] = std::isfinite(out[c]);
    }
    benchmark::DoNotOptimize(out.data());
    benchmark::DoNotOptimize(valid.data());
  };
  for (auto _ : state) {
    columns([](double x) { return std::sin(x); });
    columns([](double x) { return x * x - 3; });
    columns([](double x) { return 1 / x; });
    for (int r = 0; r <= kGrid; ++r) {
      const double y = scale.rowWorldY[r];
      out[r] = y * y - 5;
    }
    benchmark::DoNotOptimize(out.data());
    double v = 0;
    for (int i = 0; i <= 1000; ++i, v += 0.00628) {
      out2[i] = std::sin(3 * v);
      out[i % (kGrid + 1)] = std::cos(2 * v);
    }
    benchmark::DoNotOptimize(out2.data());
    columns([](double x) { return x * x * x; });
    for (int c = 200; c <= 600; ++c)
      out[c] = std::cos(scale.columnWorldX[c]);
    benchmark::DoNotOptimize(out.data());
    for (int row = 1; row <= kGrid; ++row) {
      const double y = scale.rowWorldY[row];
      for (int column = 1; column <= kGrid; ++column) {
        const double x = scale.columnWorldX[column];
        out[column] = x * x + y * y - 25;
        valid[column] = std::isfinite(out[column]);
      }
      benchmark::DoNotOptimize(out.data());
      benchmark::DoNotOptimize(valid.data());
    }
    columns([](double x) { return std::tan(x); });
  }
}

// Nine slots of the heaviest equation while a constant's button is held: one step of a with
// autoplot, everything redrawn as the drag decides (precisely when the last precise plots
// fit the budget, as the program sets it).
bool dragPrecise = false;
void dragNineHeavySlots(benchmark::State& state) {
  QtTextPainter text;
  Workspace ws(text);
  const char* heavy = kGridFormulas[5];
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    ws.formulas.translateFormula(slot, heavy);
    ws.formulas.slotKind[slot] = kSlotImplicit;
  }
  ws.settings.autoplotMode = true;
  ws.settings.replaceMode = true;  // every step redraws the picture
  ws.graph.dragPreciseBudget = Graph::kDragFrameBudget;
  ws.graph.RedrawAll();  // the precise plots the decision goes by
  for (auto _ : state) {
    ws.constantsPanel.StepConstant(3);
    benchmark::DoNotOptimize(ws.graph.picture.data());
  }
  dragPrecise = ws.graph.preciseFitsWhileDragging();
}

// A degree-7 polynomial slot plotted over the 801 columns.
void polynomialPlot(benchmark::State& state) {
  QtTextPainter text;
  Workspace ws(text);
  ws.poly.cells = {"", "0,5", "-1", "0,25", "0,1", "-0,02", "0,003", "-0,0004", "0,00001"};
  ws.poly.StorePolyFromGrid(1);
  for (auto _ : state) {
    ws.graph.drawing.clear();  // as in the implicit plots above
    ws.poly.PlotPolySlot(1);
    benchmark::DoNotOptimize(ws.graph.picture.data());
  }
}

void printPlotSummary() {
  const double implicit = results().at(implicitName("single", "x^2+y^2=25"));
  const double native = results().at("plot/native-circle-grid");
  const double redraw = results().at("plot/redraw-nine-slots");
  const double nativeNine = results().at("plot/native-nine-slots");
  std::printf("\nredraw nine slots / native evaluation of their points: %.2f\n",
              redraw / nativeNine);
  std::printf("implicit precise single / native: %.2f\n", implicit / native);
  double logSum = 0;
  double worst = 0;
  double coarseLogSum = 0;
  std::printf("\nms per implicit plot at the start scale\n");
  double hoistedLogSum = 0;
  std::printf("%-38s %9s %9s %9s %9s %9s\n", "formula", "single", "parallel", "coarse", "native",
              "hoisted");
  for (const char* formula : kGridFormulas) {
    const double single = results().at(implicitName("single", formula));
    const double parallel = results().at(implicitName("parallel", formula));
    const double coarse = results().at(implicitName("coarse", formula));
    const double nativeGrid = results().at(nativeGridName(formula));
    const double hoisted = results().at(nativeHoistedGridName(formula));
    std::printf("%-38s %9.3f %9.3f %9.3f %9.3f %9.3f\n", formula, single / 1e6, parallel / 1e6,
                coarse / 1e6, nativeGrid / 1e6, hoisted / 1e6);
    logSum += std::log(parallel / nativeGrid);
    hoistedLogSum += std::log(parallel / hoisted);
    coarseLogSum += std::log(coarse / parallel);
    worst = std::max(worst, parallel);
  }
  std::printf("implicit precise parallel / native single: %.2f\n", std::exp(logSum / 7));
  std::printf("implicit precise parallel / native hoisted single: %.2f\n",
              std::exp(hoistedLogSum / 7));
  std::printf("implicit precise worst: %.1f ms\n", worst / 1e6);
  std::printf("implicit coarse / precise parallel: %.2f\n", std::exp(coarseLogSum / 7));
  std::printf("redraw nine slots: %.2f ms\n", redraw / 1e6);
  std::printf("record replay nine slots: %.2f ms (onto a 2x raster)\n",
              results().at("plot/replay-nine-slots") / 1e6);
  std::printf("polynomial plot: %.1f us\n", results().at("plot/polynomial") / 1e3);
  std::printf("drag nine heavy implicit slots: %.1f ms (%s)\n",
              results().at("plot/drag-nine-heavy") / 1e6, dragPrecise ? "precise" : "coarse");
}

[[maybe_unused]] const bool registered = [] {
  for (const char* formula : kGridFormulas) {
    benchmark::RegisterBenchmark(implicitName("single", formula).c_str(), implicitPlot, formula,
                                 true, 1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(implicitName("parallel", formula).c_str(), implicitPlot, formula,
                                 true, 0)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(false);
    benchmark::RegisterBenchmark(implicitName("coarse", formula).c_str(), implicitPlot, formula,
                                 false, 0)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("plot/native-circle-grid", nativeCircleGrid)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("plot/redraw-nine-slots", redrawNineSlots)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("plot/replay-nine-slots", replayNineSlots)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("plot/native-nine-slots", nativeNineSlots)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("plot/polynomial", polynomialPlot)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("plot/drag-nine-heavy", dragNineHeavySlots)
      ->Unit(benchmark::kMillisecond)
      ->Repetitions(3);
  addSummary(2, printPlotSummary);
  return true;
}();

}  // namespace
}  // namespace quorvel::bench
