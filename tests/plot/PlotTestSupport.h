#pragma once
// A workspace of its own for each plotting test, with a text painter that records what would
// be written, and helpers to plot formulas and read the picture.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/Workspace.h"

namespace quorvel::testing {

struct TextCall {
  int x;
  int y;
  std::string text;
  std::string font;
  int height;
  Colour colour;
};

// Every character is `characterWidth` pixels wide.
class RecordingTextPainter : public TextPainter {
 public:
  std::vector<TextCall> calls;
  int characterWidth = 8;

  void textOut(Picture&, int x, int y, std::string_view text, const Font& font,
               Colour colour) override {
    calls.push_back({x, y, std::string(text), std::string(font.name), font.height, colour});
  }
  int textWidth(std::string_view text, const Font&) override {
    int characters = 0;
    for (char c : text)
      characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return characters * characterWidth;
  }
  int textHeight(std::string_view, const Font& font) override { return font.height; }
};

class PlotTest : public ::testing::Test {
 protected:
  RecordingTextPainter text;
  Workspace ws{text};
  Graph& graph = ws.graph;
  const ScaleState& scale = ws.graph.scale;
  const Picture& picture = ws.graph.picture;

  void SetUp() override { graph.RedrawAll(); }

  // Translates `formula` into `slot` and plots it, with a domain where it needs one.
  void plot(std::string_view formula, int slot = 1, double begin = 0, double end = 0,
            int steps = 0) {
    const TranslationOutcome outcome = ws.formulas.translateFormula(slot, formula);
    ASSERT_NE(outcome.next, AfterTranslation::Nothing) << outcome.message;
    TFormule& record = ws.formulas.formulas[slot];
    record.domainBegin = begin;
    record.domainEnd = end;
    record.domainSteps = static_cast<uint16_t>(steps);
    graph.PlotSlot(slot);
  }

  Colour colourOf(int slot) const { return ws.slotColours[slot]; }
  bool marked(int x, int y, int slot = 1) const { return picture.pixel(x, y) == colourOf(slot); }

  // The rows of `column` that hold the colour of `slot`.
  std::vector<int> rowsIn(int column, int slot = 1) const {
    std::vector<int> rows;
    for (int y = 0; y < Picture::kSize; ++y) {
      if (marked(column, y, slot)) rows.push_back(y);
    }
    return rows;
  }

  int count(Colour colour) const {
    int n = 0;
    for (int y = 0; y < Picture::kSize; ++y) {
      for (int x = 0; x < Picture::kSize; ++x)
        n += picture.pixel(x, y) == colour;
    }
    return n;
  }
};

}  // namespace quorvel::testing
