// The colour window's logic: bars and knobs, composed colours, the selector's states, and
// the pictures of the bars, the selector and the preview.

#include <gtest/gtest.h>

#include "../plot/PlotTestSupport.h"
#include "colours/ColourChoice.h"

namespace quorvel {
namespace {

TEST(ColourBars, ValueAndKnob) {
  EXPECT_EQ(valueOfKnob(0), 30);
  EXPECT_EQ(valueOfKnob(160), 254);
  EXPECT_EQ(valueOfKnob(80), 142);
  EXPECT_EQ(knobOfValue(0), 0);
  EXPECT_EQ(knobOfValue(30), 0);
  EXPECT_EQ(knobOfValue(255), 160);
  EXPECT_EQ(knobOfValue(142), 79);
  // Every knob position gives a value whose knob is within one position of it.
  for (int knob = 0; knob <= 160; ++knob)
    EXPECT_NEAR(knobOfValue(valueOfKnob(knob)), knob, 1) << knob;
  EXPECT_EQ(composeColour(30, 255, 0), rgb(31, 255, 0));  // red always odd
  EXPECT_EQ(composeColour(254, 254, 254), rgb(255, 254, 254));
}

TEST(ColourBars, DraggingAKnob) {
  ColourChoice choice;
  choice.open(kDefaultSlotColours, 4);
  EXPECT_EQ(choice.editSlot, 1);  // the selector is painted on opening: slot 1
  // Slot 1 is pure red: green and blue knobs at the left, red at the right.
  EXPECT_EQ(choice.bars[0].knobX, 160);
  EXPECT_EQ(choice.bars[1].knobX, 0);
  EXPECT_EQ(choice.bars[2].knobX, 0);

  choice.selectorDown(2 * ColourChoice::kCell - 1);  // cell 2
  ASSERT_EQ(choice.editSlot, 2);
  EXPECT_EQ(choice.bars[0].value, 1);
  EXPECT_EQ(choice.bars[1].value, 255);
  // A press beside the knob does not take it; one on it does, and keeps the grab offset.
  choice.barDown(0, 30);
  choice.barMove(0, 100, 20);
  EXPECT_EQ(choice.bars[0].knobX, 0);
  choice.barDown(0, 5);
  choice.barMove(0, -200, 20);  // fully left
  EXPECT_EQ(choice.bars[0].knobX, 0);
  EXPECT_EQ(choice.editColours[2], rgb(31, 255, 0));  // green and blue keep their values
  choice.barMove(0, 45, 20);
  EXPECT_EQ(choice.bars[0].knobX, 40);
  EXPECT_EQ(choice.bars[0].value, 86);
  EXPECT_EQ(choice.editColours[2], rgb(87, 255, 0));
  choice.barMove(0, 500, 60);  // too far below: the knob is let go
  EXPECT_FALSE(choice.bars[0].dragging);
  choice.barMove(0, 120, 20);
  EXPECT_EQ(choice.bars[0].knobX, 40);
  // Fully right on green and blue: 254.
  choice.barDown(1, choice.bars[1].knobX + 5);
  choice.barMove(1, 400, 20);
  choice.barUp(1);
  EXPECT_EQ(greenOf(choice.editColours[2]), 254);

  choice.reset(kDefaultSlotColours);  // "reset" to the colours in use
  EXPECT_EQ(choice.editColours[2], kDefaultSlotColours[2]);
  EXPECT_EQ(choice.editSlot, 1);
  SlotColours changed = kDefaultSlotColours;
  changed[5] = rgb(3, 3, 3);
  choice.reset(changed);
  choice.original();
  EXPECT_EQ(choice.editColours, kDefaultSlotColours);
}

TEST(ColourSelector, HoverAndSelect) {
  ColourChoice choice;
  choice.open(kDefaultSlotColours, 1);
  choice.selectorMove(3 * 29 + 5);  // cell 4
  EXPECT_EQ(choice.frameOf(4), SlotFrame::Hover);
  EXPECT_TRUE(choice.hoverShown);
  choice.selectorMove(5);  // the selected cell shows no hover
  EXPECT_EQ(choice.frameOf(4), SlotFrame::Normal);
  EXPECT_EQ(choice.frameOf(1), SlotFrame::Selected);
  choice.selectorMove(260);
  EXPECT_EQ(choice.frameOf(9), SlotFrame::Hover);
  choice.backgroundMove();
  EXPECT_EQ(choice.frameOf(9), SlotFrame::Normal);
  EXPECT_FALSE(choice.hoverShown);
  choice.selectorDown(6 * 29);
  EXPECT_EQ(choice.frameOf(7), SlotFrame::Selected);
  EXPECT_EQ(choice.frameOf(1), SlotFrame::Normal);
  EXPECT_EQ(choice.previewSlot, 7);
}

TEST(ColourPictures, BarSelectorAndPreview) {
  testing::RecordingTextPainter text;
  ColourChoice choice;
  choice.open(kDefaultSlotColours, 1);
  const Colour face = rgb(240, 240, 240);
  const Picture green = choice.renderBar(1, face);
  EXPECT_EQ(green.pixel(6 + 100, 20), rgb(0, 170, 0));  // round(1,4 x 100 + 30)
  EXPECT_EQ(green.pixel(10, 20), rgb(0, 36, 0));        // the knob's slot shows the band
  EXPECT_EQ(green.pixel(25, 20), rgb(0, 57, 0));
  EXPECT_NE(green.pixel(15, 20), rgb(0, 43, 0));  // the knob itself
  EXPECT_EQ(green.pixel(100, 39), kBlack);        // raised: black at the bottom
  EXPECT_EQ(green.pixel(100, 3), face);
  const Picture red = choice.renderBar(0, face);  // its knob at the right end
  EXPECT_EQ(red.pixel(0, 20), kWhite);

  const Picture selector = choice.renderSelector(text);
  EXPECT_EQ(selector.pixel(29 + 14, 14), kDefaultSlotColours[2]);
  EXPECT_EQ(selector.pixel(0, 10), fromBgr(0x303030));   // cell 1 selected: dark top left
  EXPECT_EQ(selector.pixel(29, 10), fromBgr(0xA0A0A0));  // cell 2 normal
  EXPECT_EQ(text.calls[4].text, "5");
  EXPECT_EQ(text.calls[4].colour, kWhite);  // on the dark colour of slot 5
  EXPECT_EQ(text.calls[3].colour, kBlack);

  text.calls.clear();
  const Picture preview = choice.renderPreview(text, "titel");
  EXPECT_EQ(text.calls[0].text, "titel");
  EXPECT_EQ(preview.pixel(77, 40), fromBgr(0xFF0001));  // the axis
  EXPECT_EQ(preview.pixel(47, 40), fromBgr(0xFFE0E1));
  EXPECT_EQ(preview.pixel(122, 122), kBlack);                // the dot
  EXPECT_EQ(preview.pixel(78, 80), kDefaultSlotColours[1]);  // the sine through its middle
}

}  // namespace
}  // namespace quorvel
