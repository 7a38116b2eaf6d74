#include "colours/ColourChoice.h"

#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

constexpr Colour kKnobTransparent = kBlack;

Picture makeKnob() {
  Picture knob(20, ColourChoice::kBarHeight);
  knob.fillRect(0, 0, 20, ColourChoice::kBarHeight, fromBgr(0x909090));
  for (int i = 0; i < 2; ++i)  // a raised frame
    knob.bevel(i, i, 19 - i, ColourChoice::kBarHeight - 1 - i, fromBgr(0xF0F0F0),
               fromBgr(0x110000));
  // The slot in the middle, framed by lines that shade inwards; black shows the bar through.
  for (int i = 0; i < 3; ++i) {
    const int level = 0xC0 - 0x30 * i;
    knob.fillRect(8 - 3 + i, 12 - 3 + i, 13 + 3 - i, 33 + 3 - i, rgb(level, level, level));
  }
  knob.fillRect(8, 12, 13, 33, kKnobTransparent);
  return knob;
}

}  // namespace

int valueOfKnob(int knobX) {
  return std::min(255, static_cast<int>(std::lround(1.4 * knobX + 30)));
}

int knobOfValue(int value) {
  return value <= 30 ? 0 : static_cast<int>(std::lround((value - 31) / 1.4));
}

Colour composeColour(int red, int green, int blue) {
  return rgb(red | 1, green, blue);
}

const Picture& ColourChoice::knob() {
  static const Picture picture = makeKnob();
  return picture;
}

void ColourChoice::open(const SlotColours& inUse, int selectedSlot) {
  editColours = inUse;
  editSlot = selectedSlot;
  hoverShown = false;
  resetSelector();
}

void ColourChoice::resetSelector() {
  for (int cell = 2; cell <= kSlotCount; ++cell)
    normal(cell);
  select(1);
}

void ColourChoice::original() {
  editColours = kDefaultSlotColours;
  resetSelector();
}

void ColourChoice::reset(const SlotColours& inUse) {
  editColours = inUse;
  resetSelector();
}

void ColourChoice::normal(int cell) {
  if (cell == selectorHover) selectorHover = 0;
  if (cell == selectorSelected) {
    selectorSelected = 0;
    editSlot = 0;
  }
}

void ColourChoice::select(int cell) {
  selectorHover = 0;
  selectorSelected = cell;
  editSlot = cell;
  previewSlot = cell;
  loadBars(editColours[cell]);
}

void ColourChoice::selectorMove(int x) {
  if (x < 0 || x >= kSelectorWidth) return;
  const int cell = x / kCell + 1;
  if (cell == selectorHover) return;
  selectorHover = 0;
  if (cell == selectorSelected) return;
  selectorHover = cell;
  hoverShown = true;
}

void ColourChoice::selectorDown(int x) {
  if (x < 0 || x >= kSelectorWidth) return;
  select(x / kCell + 1);
}

void ColourChoice::backgroundMove() {
  if (!hoverShown) return;
  selectorHover = 0;
  hoverShown = false;
}

SlotFrame ColourChoice::frameOf(int cell) const {
  if (cell == selectorSelected) return SlotFrame::Selected;
  if (cell == selectorHover) return SlotFrame::Hover;
  return SlotFrame::Normal;
}

void ColourChoice::loadBars(Colour colour) {
  const int values[] = {redOf(colour), greenOf(colour), blueOf(colour)};
  for (int i = 0; i < 3; ++i) {
    bars[i].value = values[i];
    bars[i].knobX = knobOfValue(values[i]);
  }
}

void ColourChoice::barDown(int bar, int x) {
  Bar& b = bars[bar];
  if (x > b.knobX && x < b.knobX + 19) {
    b.dragging = true;
    b.grabOffset = x - b.knobX;
  }
}

void ColourChoice::barMove(int bar, int x, int y) {
  Bar& b = bars[bar];
  if (y < -10 || y > 50) b.dragging = false;
  if (!b.dragging) return;
  b.knobX = std::clamp(x - b.grabOffset, 0, kKnobTravel);
  b.value = valueOfKnob(b.knobX);
  if (editSlot == 0) return;
  editColours[editSlot] = composeColour(bars[0].value, bars[1].value, bars[2].value);
  selectorSelected = editSlot;
  previewSlot = editSlot;
}

void ColourChoice::barUp(int bar) {
  bars[bar].dragging = false;
}

Picture ColourChoice::renderSelector(TextPainter& text) const {
  static constexpr Font kNumberFont{"arial", 15, true, false};
  static constexpr Colour kFrames[3][2] = {{fromBgr(0xA0A0A0), fromBgr(0x909090)},
                                           {fromBgr(0xF0F0F0), fromBgr(0x303030)},
                                           {fromBgr(0x303030), fromBgr(0xF0F0F0)}};
  Picture selector(kSelectorWidth, 30);
  for (int cell = 1; cell <= kSlotCount; ++cell) {
    const int x0 = kCell * (cell - 1);
    const Colour colour = editColours[cell];
    selector.fillRect(x0, 0, x0 + kCell, kCell, colour);
    text.textOut(selector, x0 + 10, 6, std::to_string(cell), kNumberFont,
                 SlotSelection::numberInBlack(colour) ? kBlack : kWhite);
    const auto& frame = kFrames[static_cast<int>(frameOf(cell))];
    for (int i = 0; i < 2; ++i) {
      const int left = x0 + i, top = i, right = x0 + kCell - 1 - i, bottom = kCell - 1 - i;
      selector.bevel(left, top, right, bottom, frame[0], frame[1]);
      selector.setPixel(right, top, frame[1]);
    }
  }
  return selector;
}

Picture ColourChoice::renderBar(int bar, Colour face) const {
  Picture picture(kBarWidth, kBarHeight);
  picture.fillRect(0, 0, kBarWidth, kBarHeight, face);
  // Raised along the edge, a groove inside.
  picture.bevel(0, 0, kBarWidth - 1, kBarHeight - 1, kWhite, kBlack);
  picture.bevel(5, 7, kBarWidth - 6, kBarHeight - 8, kBlack, kWhite);
  // The band of the component's values.
  for (int i = 0; i <= 167; ++i) {
    const int level = std::min(255, static_cast<int>(std::lround(1.4 * i + 30)));
    const Colour colour = bar == 0   ? rgb(level, 0, 0)
                          : bar == 1 ? rgb(0, level, 0)
                                     : rgb(0, 0, level);
    picture.fillRect(i + 6, 7, i + 7, kBarHeight - 8, colour);
  }
  picture.drawTransparent(knob(), bars[bar].knobX, 0, kKnobTransparent);
  return picture;
}

Picture ColourChoice::renderPreview(TextPainter& text, const std::string& personalText) const {
  static constexpr Font kTextFont{"arial", 13, false, false};   // 8 points
  static constexpr Font kScaleFont{"arial", 15, false, false};  // 9 points
  const int size = kPreviewSize;
  Picture preview(size, size);
  preview.fillRect(0, 0, size, size, fromBgr(0xF0FFFE));
  for (int i = 0; i < 2; ++i)
    preview.bevel(i, i, size - 1 - i, size - 1 - i, fromBgr(0xE0E0E0), fromBgr(0x606060));
  text.textOut(preview, 20, 5, personalText, kTextFont, kBlack);
  for (int i = 0; i <= 10; ++i) {
    const int p = 15 * i + 2;
    const Colour colour = i == 5               ? fromBgr(0xFF0001)
                          : (i == 2 || i == 8) ? fromBgr(0xFFB001)
                                               : fromBgr(0xFFE0E1);
    preview.setPen(colour);
    preview.moveTo(p, 2);
    preview.lineTo(p, 158);
    preview.moveTo(2, p);
    preview.lineTo(158, p);
  }
  text.textOut(preview, 40, 85, "0 1 2 3 4 5 6", kScaleFont, kBlack);
  for (int y = 119; y < 126; ++y) {  // a small dot
    for (int x = 119; x < 126; ++x) {
      const double dx = x + 0.5 - 122.5, dy = y + 0.5 - 122.5;
      if (dx * dx + dy * dy <= 12.25) preview.setPixel(x, y, kBlack);
    }
  }
  preview.setPen(editColours[previewSlot]);
  preview.moveTo(3, 78);
  for (int x = 2; x <= 158; ++x)
    preview.lineTo(x, static_cast<int>(std::lround(60 * std::sin(0.04 * (x - 78)) + 80)));
  return preview;
}

}  // namespace quorvel
