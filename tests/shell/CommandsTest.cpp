// The numbered commands through the dispatcher.

#include <gtest/gtest.h>

#include "ControllerTestSupport.h"

namespace quorvel {
namespace {

using testing::ControllerTest;

class Commands : public ControllerTest {};

TEST_F(Commands, EmptyTheMessageLineAndCloseTheMenu) {
  ws.MsgText = "iets";
  controller.menu.menuKeyboardActive = true;
  ws.settings.keyboardMode = true;
  controller.executeCommand(1);  // the separator line does nothing else
  EXPECT_EQ(ws.MsgText, "");
  EXPECT_FALSE(controller.menu.menuKeyboardActive);
  EXPECT_FALSE(ws.settings.keyboardMode);
}

TEST_F(Commands, RemoveClearAndRedraw) {
  plot("y=1", 1);
  plot("y=2", 2);
  ws.selection.hoverSlot = 2;
  ws.selection.selectHoveredSlot();
  controller.executeCommand(4);  // "verwijderen": the selected slot
  EXPECT_EQ(ws.formulas.slotKind[2], kSlotEmpty);
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotFunction);
  EXPECT_FALSE(marked(100, scale.WorldToRow(2), 2));
  EXPECT_TRUE(marked(100, scale.WorldToRow(1), 1));
  plot("y=3", 3);
  controller.executeCommand(5);  // "wissen": all of them
  for (int slot = 1; slot <= 9; ++slot)
    EXPECT_EQ(ws.formulas.slotKind[slot], kSlotEmpty);
  EXPECT_FALSE(marked(100, scale.WorldToRow(1), 1));
  redraws = 0;
  controller.executeCommand(6);  // "herschrijven"
  EXPECT_EQ(redraws, 1);
}

TEST_F(Commands, RestartKeepsSettingsColoursAndTitle) {
  plot("y=x");
  ws.settings.replaceMode = true;
  ws.personalText = "titel";
  ws.constants.b = 4;
  graph.ScrollZoom(kZoomOutX);
  ws.poly.cells[3] = "7";
  controller.selectPolynomialInput();
  controller.executeCommand(2);
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotEmpty);
  EXPECT_EQ(ws.constants.b, 0);
  EXPECT_EQ(scale.zoomLevelX, 9);
  EXPECT_EQ(ws.poly.cells[3], "");
  EXPECT_TRUE(controller.formulaInputActive);
  EXPECT_TRUE(ws.settings.replaceMode);
  EXPECT_EQ(ws.personalText, "titel");
  EXPECT_FALSE(marked(600, 200));
}

TEST_F(Commands, SubstituteABC) {
  ws.selection.hoverSlot = 4;
  ws.selection.selectHoveredSlot();
  controller.executeCommand(10);
  EXPECT_EQ(ws.MsgText, "geen formule/polynoom");
  plot("y=a*x+b", 4);
  ws.constants.a = 2;
  ws.constants.b = -1;
  ws.constantsPanel.RefreshConstants();
  controller.executeCommand(10);
  EXPECT_EQ(ws.formulas.formulas[4].text, "y=2,0*x+(-1,0)");
  EXPECT_EQ(ws.MsgText, "");
  // A polynomial slot: its constant coefficients take the values.
  ws.formulas.slotKind[5] = kSlotPolynomial;
  ws.poly.polySlots[5].kind[0] = 2;
  ws.selection.hoverSlot = 5;
  ws.selection.selectHoveredSlot();
  controller.executeCommand(10);
  EXPECT_EQ(ws.poly.polySlots[5].kind[0], 0);
  EXPECT_EQ(ws.poly.polySlots[5].coef[0], -1);
}

TEST_F(Commands, ExportsAndClosing) {
  controller.executeCommand(26);
  EXPECT_EQ(ws.MsgText, "grafieken --> klembord");
  controller.executeCommand(29);
  EXPECT_EQ(ws.MsgText, "");
  controller.executeCommand(99);
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"clipboard", "bitmap", "close"}));
}

TEST_F(Commands, DomainsAreAskedThroughTheWindow) {
  typeText("y=i:x");
  key(keys::kEnter, {}, '\r');
  typeText(";");
  ws.editor.fedSetText("y=v;x=v");
  controller.PlotBtnClick();
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"x-domain", "v-domain"}));
}

}  // namespace
}  // namespace quorvel
