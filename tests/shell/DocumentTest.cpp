// The document and what keeps it: undo and redo over every kind of change, held buttons as
// one step, the view outside the steps, unsaved changes across save, load and undo, saving in
// place, the question before work is discarded, the recent files and the window's title.

#include <filesystem>
#include <fstream>
#include <iterator>

#include "ControllerTestSupport.h"
#include "common/SafeFile.h"
#include "storage/GraphFile.h"

namespace quorvel {
namespace {

using Choice = ShellActions::SaveChoice;

class Document : public testing::ControllerTest {
 protected:
  std::string folder;

  void SetUp() override {
    ControllerTest::SetUp();
    ws.startUp();
    folder = ::testing::TempDir() + "document-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  // A user's action as the window ends it.
  void act(const std::function<void()>& action) {
    action();
    controller.commitStep();
  }
  void typeAndPlot(std::string_view formula) {
    controller.selectFormulaInput();
    ws.editor.fedClear();
    typeText(formula);
    controller.PlotBtnClick();
    controller.commitStep();
  }
};

TEST(UndoHistory, StepsUndoRedoAndTheViewAside) {
  GraphFileContents f;
  f.hasColours = f.hasSettings = f.hasConstants = f.hasScale = true;
  auto bytes = [&f] { return writeGraphFile(f).value(); };
  UndoHistory history;
  history.reset(bytes());
  f.a = 1;
  EXPECT_TRUE(history.record(bytes()));
  f.centreX = 50;  // the view alone: no step, but kept
  EXPECT_FALSE(history.record(bytes()));
  EXPECT_EQ(history.current().document, bytes());
  f.b = 2;
  EXPECT_TRUE(history.record(bytes()));
  EXPECT_EQ(history.undoSteps(), 2u);

  GraphFileContents back;
  ASSERT_EQ(readGraphFile(history.undo()->document, back), GraphFileStatus::Ok);
  EXPECT_EQ(back.b, 0);
  EXPECT_EQ(back.centreX, 50);  // the view the step was taken in
  ASSERT_EQ(readGraphFile(history.undo()->document, back), GraphFileStatus::Ok);
  EXPECT_EQ(back.a, 0);
  EXPECT_FALSE(history.undo());
  ASSERT_EQ(readGraphFile(history.redo()->document, back), GraphFileStatus::Ok);
  EXPECT_EQ(back.a, 1);
  EXPECT_TRUE(history.canRedo());
  f.c = 3;  // a new step after an undo: what was undone cannot come back
  EXPECT_TRUE(history.record(bytes()));
  EXPECT_FALSE(history.canRedo());
  EXPECT_FALSE(history.redo());

  for (int i = 0; i < 300; ++i) {
    f.c = 10 + i;
    history.record(bytes());
  }
  EXPECT_EQ(history.undoSteps(), UndoHistory::kMaxSteps);
}

// Files differing in their view differ only within the scale's record.
TEST(UndoHistory, TheViewHasItsPlaceInTheFile) {
  GraphFileContents f;
  f.hasColours = f.hasSettings = f.hasConstants = f.hasScale = true;
  f.slotRecords[2].kind = kSlotFunction;
  f.slotRecords[2].text = "y=x";
  f.title = "titel";
  const DocumentBytes a = writeGraphFile(f).value();
  f.zoomLevelX = 3;
  f.zoomLevelY = 12;
  f.centreX = -7.5;
  f.centreY = 1e9;
  const DocumentBytes b = writeGraphFile(f).value();
  const auto [begin, end] = graphFileViewBytes();
  EXPECT_EQ(a[begin], kTagScale);
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) {
      EXPECT_TRUE(i > begin && i < end) << i;
    }
  }
  EXPECT_TRUE(sameButTheView(a, b));
  f.title = "titel2";
  EXPECT_FALSE(sameButTheView(a, writeGraphFile(f).value()));
}

// Every kind of change is one step: done, undone to the very bytes before, redone to the
// very bytes after, with the messages.
TEST_F(Document, EveryChangeIsAStepThatUndoesAndRedoes) {
  const std::string file = folder + "/load.qvl";
  {
    Workspace other(text);
    other.startUp();
    other.formulas.translateFormula(4, "y=x^2-1");
    other.graph.PlotSlot(4);
    ASSERT_TRUE(other.SaveGraphFile(file));
  }
  auto clickPoints = [this] {
    ws.points.ClickPoint(300, 300, false);
    ws.points.ClickPoint(500, 200, false);
    ws.points.ClickPoint(600, 380, false);
  };
  const std::vector<std::pair<const char*, std::function<void()>>> actions = {
      {"a formula added", [this] { typeAndPlot("y=2x"); }},
      {"a formula replaced", [this] { typeAndPlot("y=3x"); }},
      {"verwijderen", [this] { controller.executeCommand(Command::DeleteSlot); }},
      {"a formula of slot 2",
       [this] {
         ws.selection.hoverSlot = 2;
         ws.selection.selectHoveredSlot();
         typeAndPlot("y=sin(x)");
       }},
      {"wissen", [this] { controller.executeCommand(Command::ClearGraphs); }},
      {"points", clickPoints},
      {"a polynomial fit", [this] { controller.executeCommand(Command::FitPolynomial); }},
      {"a line", [this] { controller.executeCommand(Command::FitLine); }},
      {"a circle", [this] { controller.executeCommand(Command::FitCircle); }},
      {"an exponential fit", [this] { controller.executeCommand(Command::FitExpPower); }},
      {"a polynomial stored",
       [this] {
         controller.selectPolynomialInput();
         ws.poly.cells = {"", "1", "2", "1"};
         controller.PlotBtnClick();
       }},
      {"a polynomial command, then stored",
       [this] {
         controller.executeCommand(Command::PolyDerive);  // the grid alone, which no file holds
         controller.PlotBtnClick();
       }},
      {"the points table",
       [this] {
         ws.pointsTable.open();
         ws.pointsTable.currentRow = 1;
         ws.pointsTable.deletePoint();
         ASSERT_TRUE(ws.pointsTable.close());
         ws.graph.RedrawAll();
       }},
      {"a constant",
       [this] {
         controller.constantFieldDown(1, true);
         controller.constantFieldUp(1);
       }},
      {"a formula with a",
       [this] {
         ws.selection.hoverSlot = 5;
         ws.selection.selectHoveredSlot();
         typeAndPlot("y=a*x+b");
       }},
      {"subst. abc", [this] { controller.executeCommand(Command::SubstituteAbc); }},
      {"colours and the title",
       [this] {
         SlotColours colours = ws.slotColours;
         colours[3] = rgb(10, 20, 30);
         controller.applyColours(colours, "mijn titel");
       }},
      {"a settings box", [this] { controller.toggleSetting(kHoverAngle); }},
      {"a loaded file", [this, file] { controller.openGraphFile(file); }},
      {"herstart",
       [this] {
         shell.saveChoice = Choice::Discard;
         controller.executeCommand(Command::Restart);
       }},
  };
  for (const auto& [name, action] : actions) {
    const DocumentBytes before = ws.documentBytes();
    const size_t steps = ws.history.undoSteps();
    action();
    controller.commitStep();
    const DocumentBytes after = ws.documentBytes();
    ASSERT_NE(after, before) << name << " " << ws.MsgText;
    ASSERT_EQ(ws.history.undoSteps(), steps + 1) << name;

    controller.undo();
    EXPECT_EQ(ws.MsgText, "ongedaan gemaakt") << name;
    EXPECT_EQ(ws.documentBytes(), before) << name;
    controller.commitStep();  // the restored document is no new step
    EXPECT_EQ(ws.history.undoSteps(), steps) << name;
    controller.redo();
    EXPECT_EQ(ws.MsgText, "opnieuw") << name;
    EXPECT_EQ(ws.documentBytes(), after) << name;
    controller.commitStep();
    EXPECT_EQ(ws.history.undoSteps(), steps + 1) << name;
  }
  // All the way back to the start, and the picture with it.
  while (ws.history.canUndo())
    controller.undo();
  EXPECT_FALSE(ws.modified());
  controller.undo();
  EXPECT_EQ(ws.MsgText, "niets ongedaan te maken");
}

TEST_F(Document, UndoShowsTheSlotItBringsBack) {
  typeAndPlot("y=x^2");
  typeAndPlot("y=x^3+1");  // mistyped over the parabola
  controller.undo();
  EXPECT_EQ(ws.formulas.formulas[1].text, "y=x^2");
  EXPECT_EQ(ws.editor.fedGetText(), "y=x^2");
  EXPECT_TRUE(marked(scale.WorldToColumn(2), scale.WorldToRow(4), 1));
  EXPECT_FALSE(marked(scale.WorldToColumn(2), scale.WorldToRow(9), 1));
  // A slot other than the selected one: it becomes the selected slot.
  ws.selection.hoverSlot = 6;
  ws.selection.selectHoveredSlot();
  ws.poly.cells = {"", "1", "1"};
  act([this] { controller.PlotBtnClick(); });  // the edit box's formula into slot 6
  ws.selection.hoverSlot = 2;
  ws.selection.selectHoveredSlot();
  controller.undo();
  EXPECT_EQ(ws.selection.selectedSlot, 6);
  EXPECT_EQ(ws.formulas.slotKind[6], kSlotEmpty);
}

// An inequality's region and a polar curve are steps like every formula.
TEST_F(Document, RegionsAndPolarCurvesUndoAndRedo) {
  const Picture empty = picture;
  typeAndPlot("x^2+y^2<=4");
  const Colour disc = picture.pixel(400, 380);
  EXPECT_NE(disc, empty.pixel(400, 380));
  typeAndPlot("0<y<x");  // over the disc in the same slot
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotInequality);
  controller.undo();
  EXPECT_EQ(ws.formulas.formulas[1].text, "x^2+y^2<=4");
  EXPECT_EQ(picture.pixel(400, 380), disc);
  controller.undo();
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotEmpty);
  EXPECT_EQ(picture.pixel(400, 380), empty.pixel(400, 380));
  controller.redo();
  EXPECT_EQ(picture.pixel(400, 380), disc);

  ws.editor.fedSetText("r=3");
  controller.PlotBtnClick();
  ASSERT_TRUE(controller.applyParameterDomain("0", "6,3", "200").ok);
  controller.commitStep();
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotPolar);
  controller.undo();
  EXPECT_EQ(ws.formulas.formulas[1].text, "x^2+y^2<=4");
  controller.redo();
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotPolar);
  EXPECT_EQ(ws.formulas.formulas[1].domainSteps, 200);
}

TEST_F(Document, HeldButtonsAndAltCommandsAreOneStep) {
  controller.constantFieldDown(1, true);  // a + 1, the repeat timer running
  for (int tick = 0; tick < 50; ++tick) {
    controller.klokTimer();
    controller.commitStep();
  }
  controller.constantFieldUp(1);
  controller.commitStep();
  EXPECT_EQ(ws.history.undoSteps(), 1u);
  EXPECT_EQ(ws.constants.a, 51);
  // Alt+C with the key held: every repeat steps a, the release ends the step.
  for (int repeat = 0; repeat < 20; ++repeat) {
    alt(repeat == 0 ? 'C' : keys::kRight);
    controller.commitStep();
  }
  altRelease();
  controller.commitStep();
  EXPECT_EQ(ws.history.undoSteps(), 2u);
  EXPECT_EQ(ws.constants.a, 70);
  controller.undo();
  EXPECT_EQ(ws.constants.a, 51);
  controller.undo();
  EXPECT_EQ(ws.constants.a, 0);
}

TEST_F(Document, ScrollingIsNoStepButUnsavedWork) {
  typeAndPlot("y=x");
  const std::string file = folder + "/a.qvl";
  ASSERT_TRUE(controller.saveDocument(false) == false);  // no file yet: the dialog, cancelled
  shell.graphFileName = file;
  ASSERT_TRUE(controller.saveDocument(false));
  EXPECT_FALSE(ws.modified());
  const size_t steps = ws.history.undoSteps();
  act([this] { graph.ScrollZoom(kScrollLeft); });
  act([this] { graph.ScrollZoom(kZoomOutX); });
  EXPECT_EQ(ws.history.undoSteps(), steps);
  EXPECT_TRUE(ws.modified());  // the file would hold another view
  // Undo takes back the formula and the view it was drawn in.
  typeAndPlot("y=2x");
  controller.undo();
  EXPECT_EQ(scale.zoomLevelX, 10);
}

// "exact tekenen" is the user's way of drawing, outside the document: no step, no unsaved
// change, nothing of it in the file; undo, opening a file and "herstart" leave it as it is.
TEST_F(Document, TheExactMethodIsNoStepAndNoChange) {
  typeAndPlot("x^2+y^2=25");
  const std::string file = folder + "/cirkel.qvl";
  shell.graphFileName = file;
  ASSERT_TRUE(controller.saveDocument(false));
  const size_t steps = ws.history.undoSteps();
  const DocumentBytes saved = ws.documentBytes();
  act([this] { controller.executeCommand(Command::ExactImplicit); });
  ASSERT_TRUE(ws.settings.exactImplicit);
  EXPECT_EQ(ws.history.undoSteps(), steps);
  EXPECT_FALSE(ws.modified());
  EXPECT_EQ(controller.windowTitle(), "cirkel.qvl — Quorvel");
  EXPECT_EQ(ws.documentBytes(), saved);
  controller.undo();  // the circle's step, not the method
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotEmpty);
  EXPECT_TRUE(ws.settings.exactImplicit);
  controller.redo();
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotImplicit);
  act([this] { controller.executeCommand(Command::Restart); });
  EXPECT_TRUE(ws.settings.exactImplicit);
  controller.openGraphFile(file);
  controller.commitStep();
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotImplicit);
  EXPECT_TRUE(ws.settings.exactImplicit);
  EXPECT_FALSE(ws.modified());
  // Off again: still no change; on, a save writes the very bytes it wrote with the method off.
  act([this] { controller.executeCommand(Command::ExactImplicit); });
  EXPECT_FALSE(ws.settings.exactImplicit);
  EXPECT_FALSE(ws.modified());
  act([this] { controller.executeCommand(Command::ExactImplicit); });
  ASSERT_TRUE(controller.saveDocument(false));
  std::ifstream in(file, std::ios::binary);
  const DocumentBytes written((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(written, saved);
}

TEST_F(Document, UnsavedChangesAcrossSaveLoadAndUndo) {
  EXPECT_FALSE(ws.modified());
  EXPECT_EQ(controller.windowTitle(), "Quorvel");
  typeAndPlot("y=x");
  EXPECT_TRUE(ws.modified());
  EXPECT_EQ(controller.windowTitle(), "naamloos* — Quorvel");
  shell.graphFileName = folder + "/grafiek.qvl";
  controller.executeCommand(Command::Save);
  EXPECT_EQ(shell.proposed, "");
  EXPECT_FALSE(ws.modified());
  EXPECT_EQ(controller.windowTitle(), "grafiek.qvl — Quorvel");
  typeAndPlot("y=2x");
  EXPECT_EQ(controller.windowTitle(), "grafiek.qvl* — Quorvel");
  controller.undo();  // back to what the file holds
  EXPECT_FALSE(ws.modified());
  controller.redo();
  EXPECT_TRUE(ws.modified());

  // Ctrl+S: in place, no dialog; "bewaar" proposes the file.
  shell.calls.clear();
  key('S', {false, true, false});
  EXPECT_TRUE(shell.calls.empty());
  EXPECT_EQ(ws.MsgText, "grafieken opgeslagen");
  EXPECT_FALSE(ws.modified());
  shell.graphFileName.reset();
  controller.executeCommand(Command::Save);
  EXPECT_EQ(shell.proposed, folder + "/grafiek.qvl");

  // A load is the file's content: nothing unsaved, and its name in the title.
  {
    Workspace other(text);
    other.startUp();
    other.formulas.translateFormula(1, "y=x^2");
    other.graph.PlotSlot(1);
    ASSERT_TRUE(other.SaveGraphFile(folder + "/ander.qvl"));
  }
  act([&] { controller.openGraphFile(folder + "/ander.qvl"); });
  EXPECT_FALSE(ws.modified());
  EXPECT_EQ(controller.windowTitle(), "ander.qvl — Quorvel");
  EXPECT_EQ(ws.documentPath(), folder + "/ander.qvl");
  // Undo of the load: the work before it, with its own file, as saved.
  controller.undo();
  EXPECT_FALSE(ws.modified());
  EXPECT_EQ(ws.formulas.formulas[1].text, "y=2x");
  EXPECT_EQ(controller.windowTitle(), "grafiek.qvl — Quorvel");
}

// Each undo step keeps the file of its work: undoing an open returns to the file (or none) the
// work had before, redoing it to the opened file, so a save in place writes the work into
// the file it came from and never over another.
TEST_F(Document, UndoingAnOpenReturnsToTheFileTheWorkHadBefore) {
  {
    Workspace other(text);
    other.startUp();
    other.formulas.translateFormula(1, "y=sin(x)");
    other.graph.PlotSlot(1);
    other.personalText = "les B";
    ASSERT_TRUE(other.SaveGraphFile(folder + "/lesB.qvl"));
  }
  const auto lesB = [&] { return readPlainFile(folder + "/lesB.qvl", kImageSize).value(); };
  const DocumentBytes original = lesB();
  typeAndPlot("y=x^2");
  shell.saveChoice = Choice::Discard;
  shell.graphFileName = folder + "/lesB.qvl";
  act([&] { controller.executeCommand(Command::Open); });  // "open", "niet bewaren"
  EXPECT_EQ(controller.windowTitle(), "lesB.qvl — Quorvel");

  act([&] { controller.undo(); });
  EXPECT_EQ(ws.formulas.formulas[1].text, "y=x^2");
  EXPECT_EQ(ws.documentPath(), "");
  EXPECT_EQ(controller.windowTitle(), "naamloos* — Quorvel");
  shell.calls.clear();
  shell.graphFileName.reset();  // the name asked for is refused
  key('S', {false, true, false});
  EXPECT_EQ(shell.calls, std::vector<std::string>{"save graph"});
  EXPECT_EQ(lesB(), original);

  act([&] { controller.redo(); });
  EXPECT_EQ(ws.formulas.formulas[1].text, "y=sin(x)");
  EXPECT_EQ(controller.windowTitle(), "lesB.qvl — Quorvel");
  typeAndPlot("y=cos(x)");
  key('S', {false, true, false});  // into the file it came from
  EXPECT_NE(lesB(), original);
  EXPECT_FALSE(ws.modified());

  // Saved under a name after the open was undone: the name belongs to that work alone.
  act([&] { controller.undo(); });
  act([&] { controller.undo(); });
  EXPECT_EQ(controller.windowTitle(), "naamloos* — Quorvel");
  shell.graphFileName = folder + "/kwadraat.qvl";
  act([&] { controller.executeCommand(Command::Save); });
  EXPECT_EQ(controller.windowTitle(), "kwadraat.qvl — Quorvel");
  act([&] { controller.undo(); });  // before y=x^2: the same file, unsaved
  EXPECT_EQ(controller.windowTitle(), "kwadraat.qvl* — Quorvel");
  act([&] { controller.redo(); });
  act([&] { controller.redo(); });  // y=sin(x) again, which lesB.qvl no longer holds
  EXPECT_EQ(controller.windowTitle(), "lesB.qvl* — Quorvel");
}

TEST_F(Document, UnsavedWorkIsAskedAboutBeforeItGoes) {
  // Nothing unsaved: no question.
  EXPECT_TRUE(controller.mayDiscardDocument());
  EXPECT_TRUE(shell.calls.empty());
  typeAndPlot("y=x");

  shell.saveChoice = Choice::Cancel;  // herstart cancelled: nothing changes
  controller.executeCommand(Command::Restart);
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotFunction);
  EXPECT_EQ(shell.calls, std::vector<std::string>{"save changes?"});

  shell.calls.clear();  // open cancelled: no file dialog either
  controller.executeCommand(Command::Open);
  EXPECT_EQ(shell.calls, std::vector<std::string>{"save changes?"});

  // Save first, with no file yet: the dialog; cancelled there, nothing goes.
  shell.saveChoice = Choice::Save;
  shell.calls.clear();
  EXPECT_FALSE(controller.mayDiscardDocument());
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"save changes?", "save graph"}));
  shell.graphFileName = folder + "/eerst.qvl";
  controller.executeCommand(Command::Restart);
  EXPECT_TRUE(std::filesystem::exists(folder + "/eerst.qvl"));
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotEmpty);
  EXPECT_FALSE(ws.modified());  // a new document
  EXPECT_EQ(ws.documentPath(), "");

  // A save that fails keeps the work.
  typeAndPlot("y=2x");
  shell.graphFileName = folder + "/no-such-folder/x.qvl";
  controller.executeCommand(Command::Restart);
  EXPECT_EQ(ws.MsgText, "schrijffout");
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotFunction);
  // Discard: it goes, and undo still has it.
  shell.saveChoice = Choice::Discard;
  controller.executeCommand(Command::Restart);
  controller.commitStep();
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotEmpty);
  controller.undo();
  EXPECT_EQ(ws.formulas.formulas[1].text, "y=2x");
}

TEST_F(Document, RecentFiles) {
  RecentFiles recent;
  recent.set({"/a/een.qvl", "", "/a/een.qvl", "/b/twee.qvl"});
  EXPECT_EQ(recent.paths(), (std::vector<std::string>{"/a/een.qvl", "/b/twee.qvl"}));
  for (int i = 0; i < 10; ++i)
    recent.add("/c/" + std::to_string(i) + ".qvl");
  recent.add("/c/5.qvl");
  EXPECT_EQ(recent.paths().size(), RecentFiles::kMax);
  EXPECT_EQ(recent.paths().front(), "/c/5.qvl");
  // Each file as the system names it, wherever the program starts next.
  std::ofstream(folder + "/hier.qvl") << "x";
  const std::string relative =
      std::filesystem::relative(folder + "/hier.qvl", std::filesystem::current_path()).string();
  ASSERT_NE(relative.front(), '/');
  recent.add(relative);
  EXPECT_EQ(recent.paths().front(), std::filesystem::canonical(folder + "/hier.qvl").string());
  recent.add(folder + "/./sub/../hier.qvl");
  EXPECT_EQ(recent.paths()[1], "/c/5.qvl");  // the same file once
  recent.set({"/x/een-heel-lange-naam.qvl", "/x/é-kort.qvl"});
  EXPECT_EQ(recent.menuTexts(), (std::vector<std::string>{"een-heel-lange…", "é-kort.qvl"}));

  // Opened and saved files come to the front of the menu's list; a missing one goes.
  shell.graphFileName = folder + "/werk.qvl";
  controller.executeCommand(Command::Save);
  ASSERT_EQ(controller.recentFiles.paths().front(), folder + "/werk.qvl");
  controller.menu.setRecentFiles(controller.recentFiles.menuTexts());
  EXPECT_TRUE(controller.menu.has(191));
  std::filesystem::remove(folder + "/werk.qvl");
  controller.executeCommand(kFirstRecentCommand);
  EXPECT_EQ(ws.MsgText, "bestand niet gevonden: uit de lijst");
  EXPECT_TRUE(controller.recentFiles.paths().empty());
}

}  // namespace
}  // namespace quorvel
