// From process start to the first paint of the main window, on the offscreen platform: the
// program is started as a child process, which says when its window has painted and ends.
// Not a Google benchmark (every run is a whole process); its figure is printed with the
// summaries.

#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchResults.h"

namespace quorvel::bench {
namespace {

// Milliseconds until the child reports its first paint, or a negative number when it did not.
double startToFirstPaint() {
  const std::string command = std::string("env QT_QPA_PLATFORM=offscreen ") +
                              "QUORVEL_EXIT_AFTER_FIRST_PAINT=1 '" + QUORVEL_BINARY +
                              "' 2>/dev/null";
  const auto start = std::chrono::steady_clock::now();
  FILE* child = popen(command.c_str(), "r");
  if (!child) return -1;
  char line[64] = {};
  const bool painted = std::fgets(line, sizeof line, child) != nullptr &&
                       std::string(line).rfind("first paint", 0) == 0;
  const auto end = std::chrono::steady_clock::now();
  pclose(child);
  if (!painted) return -1;
  return std::chrono::duration<double, std::milli>(end - start).count();
}

void printStartup() {
  std::vector<double> runs;
  startToFirstPaint();  // the first start also fills the file caches
  for (int i = 0; i < 9; ++i) {
    const double ms = startToFirstPaint();
    if (ms < 0) {
      std::printf("start to first paint: the program did not paint\n");
      return;
    }
    runs.push_back(ms);
  }
  std::sort(runs.begin(), runs.end());
  std::printf("start to first paint: %.0f ms (median of 9; %.0f .. %.0f)\n", runs[4], runs[0],
              runs[8]);
}

[[maybe_unused]] const bool registered = [] {
  addSummary(4, printStartup);
  return true;
}();

}  // namespace
}  // namespace quorvel::bench
