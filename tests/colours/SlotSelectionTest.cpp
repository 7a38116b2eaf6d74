// The colour box's selection and hover, and what the message line shows.

#include <gtest/gtest.h>

#include "../formula/FormulaTestSupport.h"
#include "colours/SlotSelection.h"

namespace quorvel {
namespace {

class Selection : public ::testing::Test, public testing::EngineTest {
 protected:
  SlotSelection selection;
};

TEST_F(Selection, FirstPaintSelectsSlotOne) {
  EXPECT_EQ(selection.selectedSlot, 0);
  selection.paintColorBox();
  EXPECT_EQ(selection.selectedSlot, 1);
  selection.hoverColorBox(75, 75, engine);  // slot 9
  selection.selectHoveredSlot();
  selection.paintColorBox();
  EXPECT_EQ(selection.selectedSlot, 9);
}

TEST_F(Selection, HoverShowsTheSlotsContent) {
  selection.paintColorBox();
  load("y = d:x^(2)", 2);
  engine.slotKind[5] = kSlotPolynomial;
  EXPECT_EQ(selection.hoverColorBox(45, 10, engine), "y = d:x^(2)");
  EXPECT_EQ(selection.hoverColorBox(50, 12, engine), std::nullopt);  // same slot
  EXPECT_EQ(selection.hoverColorBox(45, 45, engine), "POLY");
  EXPECT_EQ(selection.hoverColorBox(5, 85, engine), "");  // slot 7, empty
  EXPECT_EQ(selection.hoverSlot, 7);
  EXPECT_EQ(selection.frameOf(7), SlotFrame::Hover);
  EXPECT_EQ(selection.frameOf(1), SlotFrame::Selected);
  EXPECT_EQ(selection.frameOf(2), SlotFrame::Normal);
  // Leaving the box shows the selected slot again.
  EXPECT_EQ(selection.hoverSelected(engine), "");
  EXPECT_EQ(selection.hoverSlot, 1);
}

TEST_F(Selection, ClickingTheSelectedSlotKeepsItSunken) {
  selection.paintColorBox();
  selection.hoverColorBox(10, 10, engine);
  selection.selectHoveredSlot();
  EXPECT_EQ(selection.frameOf(1), SlotFrame::Selected);
  selection.hoverColorBox(40, 10, engine);
  EXPECT_EQ(selection.frameOf(1), SlotFrame::Selected);
  EXPECT_EQ(selection.frameOf(2), SlotFrame::Hover);
}

TEST_F(Selection, CellsAndNumberColours) {
  EXPECT_EQ(SlotSelection::slotAt(0, 0), 1);
  EXPECT_EQ(SlotSelection::slotAt(89, 0), 3);
  EXPECT_EQ(SlotSelection::slotAt(30, 30), 5);
  EXPECT_EQ(SlotSelection::slotAt(89, 89), 9);
  EXPECT_EQ(SlotSelection::slotAt(-4, 95), 7);  // at the very edge: the nearest cell
  EXPECT_TRUE(SlotSelection::numberInBlack(fromBgr(0x000080)));
  EXPECT_FALSE(SlotSelection::numberInBlack(rgb(0x7F, 0x7F, 0x7F)));
  EXPECT_TRUE(SlotSelection::numberInBlack(kWhite));
}

}  // namespace
}  // namespace quorvel
