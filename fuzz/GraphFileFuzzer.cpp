// Fuzzes the graph file reader. Whatever the bytes, it answers; what it accepts holds only
// values a program state can hold, and writing it and reading it back changes nothing. Every
// accepted file is then loaded into a workspace as the window loads it (translated and
// plotted), and the value table is filled for every slot and moved up and down, so that no
// value a file can carry drives the plotters or the table out of bounds or into a hang.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

#include "shell/Workspace.h"
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

// Text is measured, never drawn: the pictures' pixels are the plotters' own.
class FixedWidthText : public TextPainter {
 public:
  void textOut(Picture&, int, int, std::string_view, const Font&, Colour) override {}
  int textWidth(std::string_view text, const Font&) override {
    return 9 * static_cast<int>(text.size());
  }
  int textHeight(std::string_view, const Font& font) override { return font.height; }
};

void loadAndTabulate(const GraphFileContents& contents) {
  static FixedWidthText text;
  static Workspace ws(text, 1);
  ws.startUp();
  ws.applyGraphFile(contents);
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    ws.valueTable.reset(slot);
    check(ws.valueTable.evaluations <= ValueTable::kIntegralBudget + 3 * ValueTable::kRows);
    ws.valueTable.press(true);
    ws.valueTable.press(false);
    ws.valueTable.changeStepIndex(7);
    ws.valueTable.press(false);
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
  loadAndTabulate(contents);
  return 0;
}
