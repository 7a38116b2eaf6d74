// The numbered commands through the dispatcher.

#include <gtest/gtest.h>

#include <numbers>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "ControllerTestSupport.h"
#include "common/Language.h"

namespace quorvel {
namespace {

using testing::ControllerTest;

class Commands : public ControllerTest {};

TEST_F(Commands, EmptyTheMessageLineAndCloseTheMenu) {
  ws.MsgText = "iets";
  controller.menu.menuKeyboardActive = true;
  ws.settings.keyboardMode = true;
  controller.executeCommand(Command::Nothing);  // the separator line does nothing else
  EXPECT_EQ(ws.MsgText, "");
  EXPECT_FALSE(controller.menu.menuKeyboardActive);
  EXPECT_FALSE(ws.settings.keyboardMode);
}

TEST_F(Commands, RemoveClearAndRedraw) {
  plot("y=1", 1);
  plot("y=2", 2);
  ws.selection.hoverSlot = 2;
  ws.selection.selectHoveredSlot();
  controller.executeCommand(Command::DeleteSlot);  // "verwijderen": the selected slot
  EXPECT_EQ(ws.formulas.slotKind[2], kSlotEmpty);
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotFunction);
  EXPECT_FALSE(marked(100, scale.WorldToRow(2), 2));
  EXPECT_TRUE(marked(100, scale.WorldToRow(1), 1));
  plot("y=3", 3);
  controller.executeCommand(Command::ClearGraphs);  // "wissen": all of them
  for (int slot = 1; slot <= 9; ++slot)
    EXPECT_EQ(ws.formulas.slotKind[slot], kSlotEmpty);
  EXPECT_FALSE(marked(100, scale.WorldToRow(1), 1));
  redraws = 0;
  controller.executeCommand(Command::Redraw);  // "herschrijven"
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
  shell.saveChoice = ShellActions::SaveChoice::Discard;  // asked first: unsaved work
  controller.executeCommand(Command::Restart);
  EXPECT_EQ(shell.calls, std::vector<std::string>{"save changes?"});
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
  controller.executeCommand(Command::SubstituteAbc);
  EXPECT_EQ(ws.MsgText, "geen formule/polynoom");
  plot("y=a*x+b", 4);
  ws.constants.a = 2;
  ws.constants.b = -1;
  ws.constantsPanel.RefreshConstants();
  controller.executeCommand(Command::SubstituteAbc);
  EXPECT_EQ(ws.formulas.formulas[4].text, "y=2,0*x+(-1,0)");
  EXPECT_EQ(ws.MsgText, "");
  // A polynomial slot: its constant coefficients take the values.
  ws.formulas.slotKind[5] = kSlotPolynomial;
  ws.poly.polySlots[5].kind[0] = 2;
  ws.selection.hoverSlot = 5;
  ws.selection.selectHoveredSlot();
  controller.executeCommand(Command::SubstituteAbc);
  EXPECT_EQ(ws.poly.polySlots[5].kind[0], 0);
  EXPECT_EQ(ws.poly.polySlots[5].coef[0], -1);
}

TEST_F(Commands, ExportsAndClosing) {
  controller.executeCommand(Command::PictureToClipboard);
  EXPECT_EQ(ws.MsgText, "grafieken --> klembord");
  controller.executeCommand(Command::PictureToFile);  // the dialog cancelled
  EXPECT_EQ(ws.MsgText, "");
  controller.executeCommand(Command::Close);
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"clipboard", "bitmap", "close"}));
}

TEST_F(Commands, APictureExportThatFailsSaysSo) {
  const std::string folder = ::testing::TempDir();
  shell.pictureFile = {folder + "/exported-picture.bmp", false};
  controller.executeCommand(Command::PictureToFile);
  EXPECT_EQ(ws.MsgText, "");
  EXPECT_TRUE(std::filesystem::exists(shell.pictureFile->path));
  std::filesystem::remove(shell.pictureFile->path);
  shell.pictureFile = {folder + "/no-such-folder/picture.bmp", false};
  controller.executeCommand(Command::PictureToFile);
  EXPECT_EQ(ws.MsgText, "schrijffout");
}

// "--> svg/pdf" and "--> printer": the extension decides the document, the picture's record
// and the personal text go to it, and a write that fails says so.
TEST_F(Commands, VectorExportsAndPrinting) {
  plot("y=x");
  ws.personalText = "titel";
  controller.executeCommand(Command::PictureToVector);  // cancelled: nothing
  EXPECT_EQ(shell.calls, std::vector<std::string>{"vector file"});
  const std::string folder = ::testing::TempDir();
  const std::string ops = std::to_string(graph.drawing.ops.size());
  shell.vectorFile = folder + "/exported.PDF";
  controller.executeCommand(Command::PictureToVector);
  EXPECT_EQ(shell.calls.back(), "pdf " + ops + " titel");
  EXPECT_EQ(ws.MsgText, "");
  std::ifstream in(*shell.vectorFile, std::ios::binary);
  EXPECT_EQ(in.get(), '%');
  std::filesystem::remove(*shell.vectorFile);
  shell.vectorFile = folder + "/no-such-folder/exported.svg";
  controller.executeCommand(Command::PictureToVector);
  EXPECT_EQ(shell.calls.back(), "svg " + ops + " titel");
  EXPECT_EQ(ws.MsgText, "schrijffout");
  key('P', {false, true, false});  // Ctrl+P
  EXPECT_EQ(shell.calls.back(), "print");
}

TEST_F(Commands, PictureFormatByExtensionOrFilter) {
  using File = ShellActions::PictureFile;
  EXPECT_TRUE(Controller::savesAsPng(File{"a/plaatje.png", false}));
  EXPECT_TRUE(Controller::savesAsPng(File{"a/plaatje.PNG", false}));
  EXPECT_FALSE(Controller::savesAsPng(File{"a/plaatje.bmp", true}));
  EXPECT_TRUE(Controller::savesAsPng(File{"a/plaatje", true}));
  EXPECT_FALSE(Controller::savesAsPng(File{"a.b/plaatje", false}));
  EXPECT_TRUE(Controller::savesAsPng(File{"a/plaatje.jpg", true}));  // the filter decides
  // Written as the format says.
  const std::string folder = ::testing::TempDir();
  shell.pictureFile = {folder + "/exported-picture.png", false};
  controller.executeCommand(Command::PictureToFile);
  std::ifstream in(shell.pictureFile->path, std::ios::binary);
  EXPECT_EQ(in.get(), 0x89);
  std::filesystem::remove(shell.pictureFile->path);
}

TEST_F(Commands, ValueTableNeedsAFunction) {
  ws.selection.hoverSlot = 3;
  ws.selection.selectHoveredSlot();
  controller.executeCommand(Command::ValueTable);
  EXPECT_EQ(ws.MsgText, "geen formule/polynoom");
  plot("x^2+y^2=4", 3);
  controller.executeCommand(Command::ValueTable);
  EXPECT_EQ(ws.MsgText, "alleen functies");
  plot("y=x", 3);
  controller.executeCommand(Command::ValueTable);
  EXPECT_NE(ws.MsgText, "alleen functies");
}

TEST_F(Commands, TheMenuIsClosedBeforeTheCommandRuns) {
  // "algemeen" > "snap" > "--> disk" by the keys: while the save dialog is asked for, the
  // menu neither shows a list nor holds the keyboard.
  const Menu& menu = controller.menu;
  bool openDuringDialog = true;
  shell.onAsk = [&] {
    openDuringDialog = menu.open || menu.levels[1].visible || menu.menuKeyboardActive;
  };
  for (int k : {keys::kF10, keys::kDown, keys::kDown, keys::kDown, keys::kDown, keys::kDown,
                keys::kRight}) {
    key(k);
  }
  ASSERT_EQ(menu.menuCursorId, 141);
  key(keys::kEnter, {}, '\r');
  EXPECT_EQ(shell.calls, std::vector<std::string>{"bitmap"});
  EXPECT_FALSE(openDuringDialog);
}

// "grafieken" > "exact tekenen" by the keys: the method switched, every graph redrawn once,
// the menu closed, the entry checked while the method is on; the analysis's marks stay, as
// they do for any redraw but "herschrijven".
TEST_F(Commands, ExactTekenenSwitchesTheMethodAndRedraws) {
  plot("y=x^2-4", 1);
  plot("x^2+y^2=9", 2);
  controller.executeCommand(Command::Roots);
  ASSERT_FALSE(ws.analysis.results.empty());
  const Menu& menu = controller.menu;
  auto choose = [this] {
    for (int k : {keys::kF10, keys::kRight, keys::kRight, keys::kDown, keys::kDown, keys::kDown,
                  keys::kDown, keys::kDown, keys::kDown})
      key(k);
    ASSERT_EQ(controller.menu.menuCursorId, 35);
    ws.MsgText = "iets";
    redraws = 0;
    key(keys::kEnter, {}, '\r');
  };
  int entry = -1;
  for (int index = 0; index < kMenuEntryCount; ++index) {
    if (menuEntries[index].command == Command::ExactImplicit) entry = index;
  }
  ASSERT_GE(entry, 0);
  EXPECT_FALSE(menu.checked(entry));
  choose();
  EXPECT_TRUE(ws.settings.exactImplicit);
  EXPECT_EQ(redraws, 1);
  EXPECT_EQ(ws.MsgText, "");
  EXPECT_FALSE(menu.menuKeyboardActive);
  EXPECT_FALSE(menu.levels[1].visible);
  EXPECT_TRUE(menu.checked(entry));
  EXPECT_FALSE(ws.analysis.results.empty());
  EXPECT_EQ(ws.formulas.slotKind[2], kSlotImplicit);
  choose();  // and back
  EXPECT_FALSE(ws.settings.exactImplicit);
  EXPECT_EQ(redraws, 1);
  EXPECT_FALSE(menu.checked(entry));
}

TEST_F(Commands, LoadingATextLongerThanTheBoxSaysSo) {
  plot("y=a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a+a", 2);
  ws.constants.a = -123.4567;
  ws.constantsPanel.RefreshConstants();
  ws.selection.hoverSlot = 2;
  ws.selection.selectHoveredSlot();
  controller.executeCommand(
      Command::SubstituteAbc);  // each "a" becomes "(-123,4567)": longer than the box
  const std::string stored = ws.formulas.formulas[2].text;
  ASSERT_GT(stored.size(), 200u);
  ws.editor.fedSetText("y=x");
  controller.GetBtnClick();
  EXPECT_EQ(ws.MsgText, "2 : formule te lang om te laden");
  EXPECT_EQ(ws.editor.fedGetText(), "y=x");
  EXPECT_EQ(ws.formulas.formulas[2].text, stored);
  EXPECT_EQ(ws.formulas.slotKind[2], kSlotFunction);
}

TEST_F(Commands, ACancelledDomainLeavesTheSlotAsItWas) {
  plot("y=x^2", 7);
  ws.selection.hoverSlot = 7;
  ws.selection.selectHoveredSlot();
  const auto before = ws.formulas.saveSlot(7);
  const std::vector<int> curve = rowsIn(440, 7);
  ASSERT_FALSE(curve.empty());
  for (const char* formula : {"y=sin(v);x=cos(v)", "y=i:3x+1"}) {
    ws.editor.fedSetText(formula);
    ASSERT_NE(controller.PlotBtnClick(), AfterTranslation::Nothing);
    controller.domainClosed();  // cancelled
    EXPECT_EQ(ws.formulas.formulas[7].text, "y=x^2");
    EXPECT_EQ(ws.formulas.slotKind[7], kSlotFunction);
    EXPECT_EQ(ws.formulas.formulas[7].derivMarker, 0);
    EXPECT_EQ(ws.formulas.stepTable[7], before.steps);
    controller.executeCommand(Command::Redraw);  // the next redraw shows the old graph
    EXPECT_EQ(rowsIn(440, 7), curve) << formula;
  }
  // Accepted, the new formula stays, also when the window closes afterwards.
  ws.editor.fedSetText("y=sin(v);x=cos(v)");
  controller.PlotBtnClick();
  EXPECT_TRUE(controller.applyParameterDomain("0", "7", "100").ok);
  controller.domainClosed();
  EXPECT_EQ(ws.formulas.slotKind[7], kSlotParametric);
  EXPECT_EQ(ws.formulas.formulas[7].text, "y=sin(v);x=cos(v)");
}

// The v-domain window of a polar curve starts at one turn in the angle unit; once the slot
// holds a polar curve, at its domain. A parametric curve keeps its own.
TEST_F(Commands, APolarCurveIsOfferedOneTurn) {
  ws.selection.hoverSlot = 2;
  ws.selection.selectHoveredSlot();
  double begin = -1, end = -1;
  int steps = -1;
  ws.editor.fedSetText("r=1+cos(v)");
  ASSERT_EQ(controller.PlotBtnClick(), AfterTranslation::AskParameterDomain);
  ASSERT_TRUE(controller.offeredParameterDomain(begin, end, steps));
  EXPECT_EQ(begin, 0);
  EXPECT_DOUBLE_EQ(end, 2 * std::numbers::pi);
  EXPECT_EQ(steps, 720);
  EXPECT_TRUE(controller.applyParameterDomain("0", "3", "300").ok);
  EXPECT_EQ(ws.formulas.slotKind[2], kSlotPolar);
  EXPECT_EQ(shell.calls, std::vector<std::string>{"v-domain"});

  ws.editor.fedSetText("r=2");
  controller.PlotBtnClick();
  ASSERT_TRUE(controller.offeredParameterDomain(begin, end, steps));
  EXPECT_EQ(end, 3);
  EXPECT_EQ(steps, 300);
  controller.domainClosed();

  ws.editor.fedSetText("y=v;x=v");  // the polar domain is not a parametric curve's
  controller.PlotBtnClick();
  EXPECT_FALSE(controller.offeredParameterDomain(begin, end, steps));
  controller.domainClosed();

  ws.settings.degreesMode = true;
  ws.selection.hoverSlot = 3;
  ws.selection.selectHoveredSlot();
  ws.editor.fedSetText("r=v");
  controller.PlotBtnClick();
  ASSERT_TRUE(controller.offeredParameterDomain(begin, end, steps));
  EXPECT_EQ(end, 360);
}

// What works on functions only says so for the new kinds too.
TEST_F(Commands, InequalitiesAndPolarCurvesInTheTools) {
  plot("y<x^2", 1);
  plot("r=2", 2, 0, 6.3, 100);
  ws.selection.hoverSlot = 1;
  ws.selection.selectHoveredSlot();
  controller.executeCommand(Command::ValueTable);
  EXPECT_EQ(ws.MsgText, "alleen functies");
  controller.executeCommand(Command::Roots);
  EXPECT_EQ(ws.MsgText, "alleen voor y = f(x) en polynomen");
  ws.selection.hoverSlot = 2;
  ws.selection.selectHoveredSlot();
  controller.executeCommand(Command::Roots);
  EXPECT_EQ(ws.MsgText, "alleen voor y = f(x) en polynomen");
  shell.calls.clear();
  controller.executeCommand(Command::ValueTable);
  EXPECT_EQ(shell.calls, std::vector<std::string>{"value table"});
}

// English takes and shows formulas with the decimal point; the slot, and so the graph file,
// keeps the comma, so a file does not change with the language. Dutch keeps its rule.
TEST_F(Commands, FormulasWithTheDecimalPointInEnglish) {
  setLanguage(Language::English, nullptr);
  ws.editor.fedSetText("y=0.5x+1,5");
  const AfterTranslation plotted = controller.PlotBtnClick();
  const std::string stored = ws.formulas.formulas[1].text;
  ws.editor.fedClear();
  controller.GetBtnClick();
  const std::string shown = ws.editor.fedGetText();
  setLanguage(Language::Dutch, nullptr);
  EXPECT_EQ(plotted, AfterTranslation::Plot);
  EXPECT_EQ(stored, "y=0,5x+1,5");
  EXPECT_EQ(shown, "y=0.5x+1.5");
  EXPECT_TRUE(marked(scale.WorldToColumn(2), scale.WorldToRow(2.5), 1));

  ws.editor.fedSetText("y=0.5x");
  controller.PlotBtnClick();
  EXPECT_EQ(ws.MsgText, "1 : fout getal  0.5");
}

TEST_F(Commands, DomainsAreAskedThroughTheWindow) {
  typeText("y=i:x");
  key(keys::kEnter, {}, '\r');
  typeText(";");
  ws.editor.fedSetText("y=v;x=v");
  controller.PlotBtnClick();
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"x-domain", "v-domain"}));
}

TEST_F(Commands, AnalysisByMenuCommandAndAltF) {
  plot("y=x^2-4", 1);
  plot("y=2", 2);
  ws.selection.hoverSlot = 1;
  ws.selection.selectHoveredSlot();
  controller.executeCommand(Command::Roots);  // "nulpunten"
  EXPECT_EQ(ws.MsgText, "2 nulpunten");
  EXPECT_EQ(shell.calls, std::vector<std::string>{"analysis"});
  const int row = scale.WorldToRow(0);
  EXPECT_TRUE(marked(scale.WorldToColumn(2) + 3, row + 3));  // marked at once
  alt('F');
  key('E', {false, false, true});  // Alt+F E: "extremen" takes the root marks away
  altRelease();
  EXPECT_EQ(ws.MsgText, "1 extreem");
  EXPECT_FALSE(marked(scale.WorldToColumn(2) + 3, row + 3));
  alt('F');
  key('X', {false, false, true});
  altRelease();
  EXPECT_EQ(ws.MsgText, "2 snijpunten");
  ASSERT_EQ(ws.analysis.results.size(), 2u);
  EXPECT_NEAR(ws.analysis.results[1].x, std::sqrt(6.0), 1e-15);
  alt('F');
  key('N', {false, false, true});
  altRelease();
  EXPECT_EQ(ws.MsgText, "2 nulpunten");
  controller.executeCommand(Command::Redraw);  // "herschrijven" takes the marks away
  EXPECT_TRUE(ws.analysis.results.empty());
  EXPECT_FALSE(marked(scale.WorldToColumn(2) + 3, row + 3));
  // Nothing found: no list.
  plot("y=x^2+1", 1);
  shell.calls.clear();
  controller.executeCommand(Command::Roots);
  EXPECT_EQ(ws.MsgText, "geen nulpunten in beeld");
  EXPECT_TRUE(shell.calls.empty());
  // Not a function of x, an empty slot.
  plot("x=y^2", 3);
  ws.selection.hoverSlot = 3;
  ws.selection.selectHoveredSlot();
  controller.executeCommand(Command::Extrema);
  EXPECT_EQ(ws.MsgText, "alleen voor y = f(x) en polynomen");
  controller.executeCommand(Command::Tangent);
  EXPECT_EQ(ws.MsgText, "alleen voor y = f(x) en polynomen");
  ws.selection.hoverSlot = 4;
  ws.selection.selectHoveredSlot();
  controller.executeCommand(Command::Intersections);
  EXPECT_EQ(ws.MsgText, "geen formule/polynoom");
  EXPECT_TRUE(shell.calls.empty());
}

TEST_F(Commands, TheTangentGoesBesideTheFunction) {
  plot("y=x^2", 1);
  plot("y=3", 2);
  ws.selection.hoverSlot = 1;
  ws.selection.selectHoveredSlot();
  graph.scale.cursorWorldX = 1.5;
  alt('F');
  key('T', {false, false, true});
  altRelease();
  EXPECT_EQ(shell.calls, std::vector<std::string>{"tangent 1,5"});
  EXPECT_EQ(controller.plotTangent("zes"), "fout getal");
  EXPECT_EQ(controller.plotTangent("1.5"), std::nullopt);  // a full stop reads as the comma
  // Slot 2 is taken: the tangent goes into 3, which is then selected and shown.
  EXPECT_EQ(ws.formulas.formulas[3].text, "y = 3 x - 2,25");
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotFunction);
  EXPECT_EQ(ws.formulas.formulas[1].text, "y=x^2");
  EXPECT_EQ(ws.selection.selectedSlot, 3);
  EXPECT_EQ(ws.editor.fedGetText(), "y = 3 x - 2,25");
  EXPECT_EQ(ws.MsgText, "3 : OK");
  EXPECT_TRUE(marked(scale.WorldToColumn(0), scale.WorldToRow(-2.25), 3));
  plot("y=abs(x)", 3);
  EXPECT_EQ(controller.plotTangent("0"), "niet differentieerbaar in x = 0,0");
  for (int slot = 4; slot <= 9; ++slot)
    plot("y=1", slot);
  EXPECT_EQ(controller.plotTangent("1"), "geen lege plaats voor de raaklijn");
}

}  // namespace
}  // namespace quorvel
