// The main window's keys: slots, the menu, Alt commands, the debug switch, the edit box and
// the coefficient grid's filter.

#include <gtest/gtest.h>

#include "ControllerTestSupport.h"

namespace quorvel {
namespace {

using testing::ControllerTest;

class Keys : public ControllerTest {};

TEST_F(Keys, TypingAndEnterPlot) {
  typeText("y=2x");
  key(keys::kEnter, {}, '\r');
  EXPECT_EQ(ws.MsgText, "1 : OK");
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotFunction);
  key(keys::kBackspace, {}, '\b');
  EXPECT_EQ(ws.editor.fedGetText(), "y=2");
}

TEST_F(Keys, FunctionKeysAlwaysChooseASlot) {
  key(keys::kF10);
  EXPECT_TRUE(controller.menu.menuKeyboardActive);
  key(keys::kF1 + 2);  // F3
  EXPECT_EQ(ws.selection.selectedSlot, 3);
  EXPECT_TRUE(controller.menu.menuKeyboardActive);
}

TEST_F(Keys, F10TakesTheKeysFromTheEditBox) {
  typeText("y=x");
  key(keys::kF10);
  EXPECT_FALSE(controller.editorTakesKeys);
  EXPECT_TRUE(ws.settings.keyboardMode);
  EXPECT_EQ(ws.MsgText, "<ESC> sluiten");
  typeText("+1");                  // dropped while the menu has the keys
  key(keys::kEscape, {}, '\x1b');  // its character is dropped too
  EXPECT_FALSE(controller.menu.menuKeyboardActive);
  EXPECT_FALSE(ws.settings.keyboardMode);
  typeText("+1");  // the edit box still does not get them
  EXPECT_EQ(ws.editor.fedGetText(), "y=x");
  alt('E');  // back to the formula input... (toggles to the grid first)
  alt('E');
  altRelease();
  typeText("+1");
  EXPECT_EQ(ws.editor.fedGetText(), "y=x+1");
}

TEST_F(Keys, F10DownDownEnterRestarts) {
  typeText("y=x");
  key(keys::kEnter, {}, '\r');
  ws.constants.a = 5;
  shell.saveChoice = ShellActions::SaveChoice::Discard;
  key(keys::kF10);
  key(keys::kDown);
  key(keys::kDown);
  key(keys::kEnter, {}, '\r');
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotEmpty);
  EXPECT_EQ(ws.constants.a, 0);
  EXPECT_EQ(ws.editor.count(), 0);
  EXPECT_TRUE(controller.editorTakesKeys);
  EXPECT_FALSE(controller.menu.menuKeyboardActive);
  EXPECT_EQ(ws.MsgText, "");
  typeText("y");  // the character of the Enter was dropped, this one is not
  EXPECT_EQ(ws.editor.fedGetText(), "y");
}

TEST_F(Keys, AltScrollAndItsRedraws) {
  plot("x^2+y^2=25");
  redraws = 0;
  alt('S');
  alt(keys::kLeft);
  alt(keys::kLeft);
  alt(keys::kLeft);
  EXPECT_DOUBLE_EQ(scale.centreX, -3);
  EXPECT_EQ(redraws, 3);
  EXPECT_TRUE(graph.fastPlot);
  EXPECT_TRUE(ws.settings.keyboardMode);
  altRelease();  // implicit graphs once more, precisely
  EXPECT_EQ(redraws, 4);
  EXPECT_FALSE(graph.fastPlot);
  EXPECT_FALSE(ws.settings.keyboardMode);
  key('A', {}, 'a');  // the next plain key finishes the command again, then goes on
  EXPECT_EQ(redraws, 5);
  EXPECT_EQ(controller.altCommand, kAltNone);
  EXPECT_EQ(ws.editor.fedGetText(), "a");
}

TEST_F(Keys, AltZoomAndQuadrants) {
  alt('Z');
  alt(keys::kUp);  // zoom in y
  EXPECT_EQ(scale.zoomLevelY, 8);
  alt(keys::kLeft);  // zoom out x
  EXPECT_EQ(scale.zoomLevelX, 10);
  altRelease();
  key(keys::kShift, {true});
  alt('Q');
  alt('5');
  EXPECT_EQ(scale.WorldToColumn(0), 400);  // nothing
  alt('1');
  EXPECT_EQ(scale.WorldToColumn(0), 40);
  EXPECT_EQ(scale.WorldToRow(0), 760);
  alt('0');
  EXPECT_EQ(scale.WorldToColumn(0), 400);
  altRelease();
  key(keys::kShift, {true});
  alt('X');
  EXPECT_EQ(scale.zoomLevelX, 9);
}

TEST_F(Keys, AltConstantsWrapAndStep) {
  alt('C');
  EXPECT_EQ(controller.constantsCursor, 2);
  EXPECT_EQ(controller.hoverCode, kHoverDelta + 1);  // Atext highlighted
  alt(keys::kRight);
  EXPECT_EQ(ws.constants.a, 1);
  alt(keys::kUp);
  EXPECT_EQ(controller.constantsCursor, 0);  // the step
  alt(keys::kUp);
  EXPECT_EQ(controller.constantsCursor, 6);  // wraps to c
  alt(keys::kLeft);
  EXPECT_EQ(ws.constants.c, -1);
  alt(keys::kDown);
  EXPECT_EQ(controller.constantsCursor, 0);
  alt(keys::kLeft);
  EXPECT_EQ(ws.constantsPanel.deltatext(), "0,5");
  alt('R');
  EXPECT_EQ(ws.constants.a, 0);
  EXPECT_EQ(ws.constantsPanel.deltatext(), "1");
}

TEST_F(Keys, AltSettingsAndDegree) {
  alt('M');
  EXPECT_EQ(controller.hoverCode, kHoverAddMode);
  alt(keys::kRight);
  EXPECT_TRUE(ws.settings.replaceMode);
  alt(keys::kUp);
  alt(keys::kEnter);
  EXPECT_TRUE(ws.settings.degreesMode);
  alt(keys::kUp);  // wraps to autoplot
  alt(keys::kLeft);
  EXPECT_TRUE(ws.settings.autoplotMode);
  altRelease();
  key(keys::kShift, {true});
  alt('D');
  EXPECT_EQ(controller.hoverCode, kHoverDegree);
  alt(keys::kRight);
  alt(keys::kRight);
  EXPECT_EQ(ws.poly.polyDegree, 4);
  alt(keys::kLeft);
  EXPECT_EQ(ws.poly.polyDegree, 3);
}

TEST_F(Keys, AltFunctionCommandsWhileAltIsHeld) {
  plot("y=x");
  alt('F');
  alt('S');  // "wissen": all graphs
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotEmpty);
  redraws = 0;
  alt('H');  // "herschrijven"
  EXPECT_EQ(redraws, 1);
  altRelease();
}

TEST_F(Keys, AltLettersOfTheButtons) {
  typeText("y=x");
  alt('P');  // plot
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotFunction);
  alt('R');  // clear the edit box
  EXPECT_EQ(ws.editor.count(), 0);
  alt('G');  // load the slot back
  EXPECT_EQ(ws.editor.fedGetText(), "y=x");
  alt('Y');  // unknown: consumed, nothing
  EXPECT_EQ(controller.altCommand, kAltNone);
}

TEST_F(Keys, AltBGivesTheExports) {
  alt('B');
  alt('C');
  EXPECT_EQ(ws.MsgText, "grafieken --> klembord");
  alt('P');
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"clipboard", "bitmap"}));
}

TEST_F(Keys, DebugSwitchNeedsCtrlAndShift) {
  key('D', {true, true, false});
  EXPECT_TRUE(ws.settings.debugMode);
  EXPECT_EQ(ws.MsgText, "debugMode switched ON");
  key('D', {true, true, false});
  EXPECT_EQ(ws.MsgText, "debugMode switched OFF");
  key('D', {false, true, false}, '\x04');
  key('D', {true, false, false}, 'D');
  EXPECT_FALSE(ws.settings.debugMode);
}

TEST_F(Keys, KeyboardCommandsStopMouseHighlights) {
  alt('S');
  EXPECT_TRUE(ws.settings.keyboardMode);
  controller.setHover(kHoverAngle);
  EXPECT_EQ(controller.hoverCode, kHoverNone);
  altRelease();
  controller.setHover(kHoverAngle);
  EXPECT_EQ(controller.hoverCode, kHoverAngle);
}

// Ctrl+T (or "analyse >>" > "volgen") traces the selected graph: the arrows move the point,
// each place said on the message line, and Esc stops.
TEST_F(Keys, TracingAGraphByTheArrows) {
  typeText("y=x^2-1");
  key(keys::kEnter, {}, '\r');
  key('T', {false, true, false});
  ASSERT_TRUE(ws.tracer.active());
  EXPECT_EQ(ws.MsgText, "x = 0,0, y = -1,0");
  key(keys::kUp);
  EXPECT_EQ(ws.MsgText, "x = 1,0, y = 0,0");
  key(keys::kUp);
  EXPECT_EQ(ws.MsgText, "geen volgend punt");
  key(keys::kDown);
  key(keys::kDown);
  EXPECT_EQ(ws.MsgText, "x = -1,0, y = 0,0");
  key(keys::kRight, {true, false, false});  // ten columns of 0,025
  EXPECT_EQ(ws.MsgText, "x = -0,75, y = -0,4375");
  key(keys::kLeft);
  EXPECT_EQ(ws.MsgText, "x = -0,775, y = -0,399375");
  EXPECT_EQ(ws.editor.fedGetText(), "y=x^2-1");
  key(keys::kEscape, {}, '\x1b');
  EXPECT_FALSE(ws.tracer.active());
  EXPECT_EQ(ws.MsgText, "");
  typeText("+1");  // the keys are the edit box's again
  EXPECT_EQ(ws.editor.fedGetText(), "y=x^2-1+1");

  controller.executeCommand(Command::Trace);
  EXPECT_TRUE(ws.tracer.active());
  controller.executeCommand(Command::Trace);
  EXPECT_FALSE(ws.tracer.active());
  key(keys::kF1 + 1);  // slot 2, with x = f(y), which cannot be traced
  ws.editor.fedSetText("x=y^2");
  key(keys::kEnter, {}, '\r');
  ASSERT_EQ(ws.MsgText, "2 : OK");
  key('T', {false, true, false});
  EXPECT_FALSE(ws.tracer.active());
  EXPECT_EQ(ws.MsgText, kOnlyFunctionsOfX);
}

TEST_F(Keys, CoefficientGridFilter) {
  controller.selectPolynomialInput();
  PolyInput& poly = ws.poly;
  auto typeGrid = [&](std::string_view keys) {
    for (char c : keys) {
      if (!controller.FormKeyPress(c)) poly.PolyGridKeyPress(c);
    }
  };
  typeGrid("-1-2.5.");
  EXPECT_EQ(poly.cells[1], "-12.5");  // "-" only first, one "."
  typeGrid("\r");
  EXPECT_EQ(poly.currentRow, 2);
  typeGrid("3a");
  EXPECT_EQ(poly.cells[2], "a");  // the constant a
  typeGrid("5");
  EXPECT_EQ(poly.cells[2], "5");  // a digit starts the cell anew
  typeGrid("12345678");
  EXPECT_EQ(poly.cells[2], "512345678");
  typeGrid("9");  // nine characters: nothing but Backspace
  EXPECT_EQ(poly.cells[2], "512345678");
  typeGrid("\b");
  EXPECT_EQ(poly.cells[2], "51234567");
  poly.currentRow = 8;
  typeGrid("\r");
  EXPECT_EQ(poly.currentRow, 1);
}

}  // namespace
}  // namespace quorvel
