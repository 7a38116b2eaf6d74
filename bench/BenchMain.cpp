// Runs every registered benchmark, keeps their times, then prints the summaries.

#include <benchmark/benchmark.h>

#include <vector>

#include "BenchResults.h"

namespace quorvel::bench {

std::map<std::string, double>& results() {
  static std::map<std::string, double> times;
  return times;
}

namespace {

std::vector<void (*)()>& summaries() {
  static std::vector<void (*)()> printers;
  return printers;
}

class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      const double toNanoseconds = 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      results()[run.run_name.function_name] = run.GetAdjustedRealTime() * toNanoseconds;
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

void addSummary(void (*printer)()) { summaries().push_back(printer); }

}  // namespace quorvel::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  quorvel::bench::RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  for (auto printer : quorvel::bench::summaries()) printer();
  return 0;
}
