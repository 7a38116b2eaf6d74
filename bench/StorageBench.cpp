// Loading a graph file: reading, checking, applying and the replot of all its slots, as the
// "open" command does it, without a window.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "BenchResults.h"
#include "BenchSlots.h"
#include "qt/QtTextPainter.h"
#include "shell/Workspace.h"

namespace quorvel::bench {
namespace {

// Eight formulas of every kind, a polynomial, 40 points and a title.
std::string writeNineSlotFile() {
  QtTextPainter text;
  Workspace ws(text);
  ws.startUp();
  const BenchSlot kEight[] = {
      {"y=sin(x)", 0, 0, 0},    {"y=d:x^3", 0, 0, 0},
      {"x=y^2-5", 0, 0, 0},     {"y=sin(3v);x=cos(2v)", 0, 6.28, 1000},
      {"y=i:cos(x)", -5, 5, 0}, {"x^2+y^2=25", 0, 0, 0},
      {"y=a*x+b", 0, 0, 0},     {"y^2=x^3-x", 0, 0, 0},
  };
  fillSlots(ws, kEight);
  ws.poly.cells = {"", "1", "-0,5", "c", "0", "0,25"};
  ws.poly.StorePolyFromGrid(9);
  for (int i = 1; i <= 40; ++i)
    ws.points.points[i] = {i * 0.5 - 10, i % 7 - 3.0};
  ws.points.pointCount = 40;
  ws.personalText = "negen grafieken";
  const std::string path =
      (std::filesystem::temp_directory_path() / "quorvel-bench-nine.qvl").string();
  ws.SaveGraphFile(path);
  return path;
}

void loadNineSlots(benchmark::State& state) {
  const std::string path = writeNineSlotFile();
  QtTextPainter text;
  Workspace ws(text);
  ws.startUp();
  for (auto _ : state) {
    if (ws.LoadGraphFile(path) != Workspace::LoadStatus::Loaded) state.SkipWithError("not loaded");
    benchmark::DoNotOptimize(ws.graph.picture.data());
  }
  std::filesystem::remove(path);
}

void printStorageSummary() {
  std::printf("load nine slots: %.2f ms\n", results().at("storage/load-nine-slots") / 1e6);
}

[[maybe_unused]] const bool registered = [] {
  benchmark::RegisterBenchmark("storage/load-nine-slots", loadNineSlots)
      ->Unit(benchmark::kMillisecond);
  addSummary(3, printStorageSummary);
  return true;
}();

}  // namespace
}  // namespace quorvel::bench
