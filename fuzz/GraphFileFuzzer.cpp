// Fuzzes the graph file reader. Whatever the bytes, it answers; what it accepts holds only
// values a program state can hold, and writing it and reading it back changes nothing.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "storage/GraphFile.h"

using namespace quorvel;

namespace {

bool finite(double v) {
  return std::isfinite(v);
}

void check(bool condition) {
  if (!condition) std::abort();
}

void checkContents(const GraphFileContents& f) {
  check(f.stepIndex <= 17 && f.zoomLevelX <= 15 && f.zoomLevelY <= 15);
  check(finite(f.a) && finite(f.b) && finite(f.c) && finite(f.centreX) && finite(f.centreY));
  check(f.pointCount >= 0 && f.pointCount <= kMaxPoints);
  for (int i = 1; i <= f.pointCount; ++i)
    check(finite(f.points[i].x) && finite(f.points[i].y));
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const SlotRecord& s = f.slotRecords[slot];
    check(s.kind <= kSlotPolynomial);
    if (s.hasFormula) check(finite(s.begin) && finite(s.end));
    check(s.polynomial.degree <= kMaxDegree);
    for (int i = 0; i < kCoefficients; ++i) {
      check(finite(s.polynomial.coef[i]) && s.polynomial.kind[i] <= 3);
      if (i > s.polynomial.degree) check(s.polynomial.coef[i] == 0 && s.polynomial.kind[i] == 0);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GraphFileContents contents;
  if (readGraphFile(std::span<const uint8_t>(data, size), contents) != GraphFileStatus::Ok) {
    return 0;
  }
  checkContents(contents);
  // Whatever was read can be written: no text the reader accepts is too long for the file.
  const std::optional<std::vector<uint8_t>> written = writeGraphFile(contents);
  check(written.has_value());
  GraphFileContents again;
  check(readGraphFile(*written, again) == GraphFileStatus::Ok);
  check(writeGraphFile(again) == written);
  return 0;
}
