// Runs every registered benchmark, keeps their times, then prints the summaries.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <vector>

#include "BenchResults.h"
#include "common/VectorState.h"

namespace quorvel::bench {

std::map<std::string, double>& results() {
  static std::map<std::string, double> times;
  return times;
}

namespace {

std::multimap<int, void (*)()>& summaries() {
  static std::multimap<int, void (*)()> printers;
  return printers;
}

class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      const double toNanoseconds = 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      // Repeated benchmarks keep their best run: the machine's noise only ever adds time.
      const double time = run.GetAdjustedRealTime() * toNanoseconds;
      auto [entry, added] = results().try_emplace(run.run_name.function_name, time);
      if (!added) entry->second = std::min(entry->second, time);
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

void addSummary(int rank, void (*printer)()) {
  summaries().emplace(rank, printer);
}

}  // namespace quorvel::bench

int main(int argc, char** argv) {
  // The redraw benchmarks paint text through Qt, and the motion's paints the graph widget:
  // an application object with widgets.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  quorvel::clearUpperVectorState();  // Qt leaves them in use; see VectorState.h
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  quorvel::bench::RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  // A summary needs all of its benchmarks; with --benchmark_filter some may not have run.
  for (const auto& [rank, printer] : quorvel::bench::summaries()) {
    try {
      printer();
    } catch (const std::out_of_range&) {
      std::printf("\n(a summary left out: its benchmarks did not all run)\n");
    }
  }
  return 0;
}
