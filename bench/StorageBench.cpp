// Loading a graph file: reading, checking, applying and the replot of all its slots, as the
// "open" command does it, without a window. Keeping the work: an undo step and the check for
// unsaved changes, as every action of the user ends, and a write of the recovery file.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "BenchResults.h"
#include "BenchSlots.h"
#include "qt/QtTextPainter.h"
#include "shell/Controller.h"
#include "shell/Workspace.h"
#include "storage/Recovery.h"

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

// A change of a full document (nine slots, 40 points, a polynomial, a title) and the end of
// the action: the document written to bytes, compared with the last step and kept.
void undoStep(benchmark::State& state) {
  const std::string path = writeNineSlotFile();
  QtTextPainter text;
  Workspace ws(text);
  ws.startUp();
  Controller controller(ws);
  ws.LoadGraphFile(path);
  controller.commitStep();
  for (auto _ : state) {
    ws.constants.a += 1;
    controller.commitStep();
  }
  if (ws.history.undoSteps() == 0) state.SkipWithError("no step");
  std::filesystem::remove(path);
}

void unsavedCheck(benchmark::State& state) {
  const std::string path = writeNineSlotFile();
  QtTextPainter text;
  Workspace ws(text);
  ws.startUp();
  ws.LoadGraphFile(path);
  for (auto _ : state)
    benchmark::DoNotOptimize(ws.modified());
  std::filesystem::remove(path);
}

// Through the safe writer: a new file, fsync, rename.
void recoveryWrite(benchmark::State& state) {
  const std::string path = writeNineSlotFile();
  QtTextPainter text;
  Workspace ws(text);
  ws.startUp();
  ws.LoadGraphFile(path);
  const DocumentBytes document = ws.documentBytes();
  const std::string folder =
      (std::filesystem::temp_directory_path() / "quorvel-bench-recovery").string();
  {
    RecoveryFiles recovery(folder);
    for (auto _ : state) {
      if (!recovery.write(document)) state.SkipWithError("not written");
    }
    recovery.remove();
  }
  std::filesystem::remove_all(folder);
  std::filesystem::remove(path);
}

void printStorageSummary() {
  std::printf("load nine slots: %.2f ms\n", results().at("storage/load-nine-slots") / 1e6);
  std::printf("undo step: %.1f us\n", results().at("storage/undo-step") / 1e3);
  std::printf("unsaved check: %.1f us\n", results().at("storage/unsaved-check") / 1e3);
  std::printf("recovery write: %.2f ms\n", results().at("storage/recovery-write") / 1e6);
}

[[maybe_unused]] const bool registered = [] {
  benchmark::RegisterBenchmark("storage/load-nine-slots", loadNineSlots)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("storage/undo-step", undoStep)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("storage/unsaved-check", unsavedCheck)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("storage/recovery-write", recoveryWrite)
      ->Unit(benchmark::kMillisecond);
  addSummary(3, printStorageSummary);
  return true;
}();

}  // namespace
}  // namespace quorvel::bench
