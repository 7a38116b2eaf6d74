#pragma once
// The colour window without its window: the working copy of the nine slot colours, the slot
// selector with its three frame states, the red, green and blue bars with their knobs, and the
// pictures of selector, bars and preview as the window shows them.

#include <array>
#include <string>

#include "colours/SlotSelection.h"
#include "common/Picture.h"
#include "formula/SlotColours.h"

namespace quorvel {

// A bar's value follows its knob: 30..254 for knob positions 0..160.
int valueOfKnob(int knobX);
// Where the knob of a value stands.
int knobOfValue(int value);
// A slot colour from the three bars: red with bit 0 set, so it is never black and never a
// background colour.
Colour composeColour(int red, int green, int blue);

class ColourChoice {
 public:
  static constexpr int kCell = 29;  // selector cells
  static constexpr int kSelectorWidth = 261;
  static constexpr int kBarWidth = 180;
  static constexpr int kBarHeight = 40;
  static constexpr int kKnobTravel = 160;
  static constexpr int kPreviewSize = 160;

  struct Bar {
    bool dragging = false;
    int grabOffset = 0;
    int value = 0;
    int knobX = 0;
  };

  SlotColours editColours{};
  int editSlot = 0;
  int selectorSelected = 0;
  int selectorHover = 0;
  int previewSlot = 1;
  bool hoverShown = false;
  std::array<Bar, 3> bars{};  // red, green, blue

  // The window opens: a copy of the colours in use, the selected slot to edit, and the
  // selector painted (which selects slot 1).
  void open(const SlotColours& inUse, int selectedSlot);
  // Painting the selector: cells 2..9 normal, cell 1 selected.
  void resetSelector();
  void original();                       // the default colours
  void reset(const SlotColours& inUse);  // the colours in use

  // The mouse in the selector at x, and over the window's background.
  void selectorMove(int x);
  void selectorDown(int x);
  void backgroundMove();
  SlotFrame frameOf(int cell) const;

  // The mouse on bar `bar` (0 red, 1 green, 2 blue) at (x, y) of the bar.
  void barDown(int bar, int x);
  void barMove(int bar, int x, int y);
  void barUp(int bar);
  void loadBars(Colour colour);

  // The pictures the window shows.
  Picture renderSelector(TextPainter& text) const;
  Picture renderBar(int bar, Colour face) const;
  Picture renderPreview(TextPainter& text, const std::string& personalText) const;
  static const Picture& knob();

 private:
  void select(int cell);
  void normal(int cell);
};

}  // namespace quorvel
