#pragma once
// The timings that the benchmark programs collect, so that the summary lines at the end can
// be computed from the same runs that Google Benchmark reports.

#include <map>
#include <string>

namespace quorvel::bench {

// Adjusted real time per iteration, in nanoseconds, by benchmark name; of a repeated
// benchmark the best repetition.
std::map<std::string, double>& results();

// Adds summary lines that are printed after all benchmarks ran, in the order of `rank`.
void addSummary(int rank, void (*printer)());

// The seven formulas of the evaluator benchmarks, as the user types them (all implicit
// equations), and the name of their hand-written single-threaded grid loop's result.
extern const char* const kGridFormulas[7];
std::string nativeGridName(const char* formula);
// ... and of the loop that computes the part depending on x alone once per column.
std::string nativeHoistedGridName(const char* formula);

}  // namespace quorvel::bench
