// What a translation, a failed one, "subst. abc" and re-translation after loading leave in
// the slots.

#include <gtest/gtest.h>

#include "FormulaTestSupport.h"

namespace quorvel {
namespace {

class Slots : public ::testing::Test, public testing::EngineTest {};

TEST_F(Slots, SuccessStoresTextAsTyped) {
  EXPECT_EQ(translate("Y = 2X + 1", 4), "4 : OK");
  EXPECT_EQ(engine.formulas[4].text, "Y = 2X + 1");
}

TEST_F(Slots, SyntaxErrorKeepsTheSlotsGraph) {
  load("y=i:2x+1", 1);
  const StepList before = engine.stepTable[1];
  EXPECT_EQ(translate("y=d:5x+0.3", 1), "1 : fout getal  0.3");
  EXPECT_EQ(engine.slotKind[1], kSlotFunction);
  EXPECT_EQ(engine.formulas[1].text, "y=i:2x+1");
  EXPECT_EQ(engine.stepTable[1], before);
  // Neither the numbers nor the prefix of the failed formula reach the slot.
  EXPECT_EQ(engine.formulas[1].derivMarker, kIntegralMarker);
  EXPECT_EQ(*y(3), 7);
}

TEST_F(Slots, FormulaTooLongForTheGeneratorEmptiesTheSlot) {
  load("y=x^2", 2);
  std::string tooLong = "y=x";
  for (int i = 0; i < 30; ++i)
    tooLong += "+x";
  EXPECT_EQ(translate(tooLong, 2), "2 : formule te lang");
  EXPECT_EQ(engine.slotKind[2], kSlotEmpty);
  EXPECT_EQ(engine.formulas[2].text, "y=x^2");  // kept, but the slot no longer shows it
}

TEST_F(Slots, SubstituteABCFreezesTheConstants) {
  load("y = 2a*x + b", 3);
  engine.registers[kRegA] = 1.5;
  engine.registers[kRegB] = -2;
  EXPECT_EQ(*y(2, 3), 4);
  EXPECT_EQ(engine.substituteABC(3, {1.5, -2, 0}, {"1,5", "-2", "0,0"}), std::nullopt);
  EXPECT_EQ(engine.formulas[3].text, "y=2*1,5*x+(-2)");
  engine.registers[kRegA] = 10;
  engine.registers[kRegB] = 10;
  EXPECT_EQ(*y(2, 3), 4);  // no longer follows a and b
  // The frozen text means the same when translated again.
  load(engine.formulas[3].text, 4);
  EXPECT_EQ(*y(2, 4), 4);
}

TEST_F(Slots, SubstituteABCLeavesWordsAndEmptyValuesAlone) {
  load("y=abs(x)+c*acos(0)", 1);
  engine.substituteABC(1, {1, 2, 3}, {"1,0", "2,0", ""});
  EXPECT_EQ(engine.formulas[1].text, "y=abs(x)+c*acos(0)");  // nothing stood alone
  load("y=abs(x)+c", 1);
  engine.substituteABC(1, {1, 2, 3}, {"1,0", "2,0", "3,0"});
  EXPECT_EQ(engine.formulas[1].text, "y=abs(x)+3,0");
}

TEST_F(Slots, SubstituteABCRefusesTextsThatGrowTooLong) {
  std::string text = "y=a";
  for (int i = 0; i < 20; ++i)
    text += "+a";
  load(text, 5);
  const std::string value(12, '9');
  EXPECT_EQ(engine.substituteABC(5, {1, 0, 0}, {value, "0", "0"}), "5 : formule te lang");
  EXPECT_EQ(engine.formulas[5].text, text);  // unchanged
  engine.registers[kRegA] = 2;
  EXPECT_EQ(*y(0, 5), 42);  // still follows a
}

TEST_F(Slots, SubstituteABCOnlyWorksOnFormulaSlots) {
  engine.formulas[6].text = "y=a";
  EXPECT_EQ(engine.substituteABC(6, {1, 2, 3}, {"1", "2", "3"}), std::nullopt);
  EXPECT_EQ(engine.formulas[6].text, "y=a");
}

TEST_F(Slots, RetranslateAllAfterLoading) {
  // As a graph file leaves them: kinds and texts, no programs.
  const char* texts[] = {"", "y=x+1", "x=y^2-5", "y=0.5x", "x^2+y^2=25", "", "", "", "", "y=2x"};
  for (int slot = 1; slot <= 9; ++slot) {
    engine.formulas[slot].text = texts[slot];
    engine.slotKind[slot] = texts[slot][0] ? kSlotImplicit : kSlotEmpty;  // kinds as saved
  }
  engine.slotKind[5] = kSlotPolynomial;
  std::vector<int> plotted;
  const FormulaEngine::SlotMessages messages = engine.retranslateAll([&](int slot) {
    plotted.push_back(slot);
    engine.slotKind[slot] = engine.formulaType;
  });
  EXPECT_EQ(messages[3], "3 : fout getal  0.5");
  EXPECT_EQ(messages[1], "");
  // The failing slot is emptied and keeps its text; the slots after it still get their own
  // programs, so none of them would redraw another formula's graph.
  EXPECT_EQ(plotted, (std::vector<int>{1, 2, 4, 5, 9}));
  EXPECT_EQ(engine.slotKind[3], kSlotEmpty);
  EXPECT_EQ(engine.formulas[3].text, "y=0.5x");
  EXPECT_EQ(engine.slotKind[1], kSlotFunction);
  EXPECT_EQ(engine.slotKind[2], kSlotInverse);
  EXPECT_EQ(engine.slotKind[4], kSlotImplicit);
  EXPECT_EQ(engine.slotKind[5], kSlotPolynomial);
  EXPECT_EQ(*y(1, 9), 2);
}

}  // namespace
}  // namespace quorvel
