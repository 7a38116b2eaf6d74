// The user's work in the real window: the question before it is discarded (the close button,
// "herstart", "open"), Ctrl+S in place, the title's mark, undo and redo by key and menu, and
// the offer of a crashed run's work at start-up.

#include <filesystem>
#include <fstream>
#include <iterator>

#include "MainWindowTestSupport.h"
#include "common/SafeFile.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

class DocumentWindow : public testing::MainWindowTest {
 protected:
  fs::path folder;

  void SetUp() override {
    MainWindowTest::SetUp();
    folder = fs::path(::testing::TempDir()) /
             (std::string("docwindow-") +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    fs::remove_all(folder);
  }
  void plotTyped(const char* formula) {
    click(window.clearBtn);
    type(formula);
    enter();
  }
  QString title() const { return window.windowTitle(); }
};

TEST_F(DocumentWindow, TheCloseButtonAsksAboutUnsavedWork) {
  window.close();  // nothing unsaved: no question
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(questions.empty());
  window.show();

  plotTyped("y=x");
  answerQuestion("annuleer");
  window.close();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(questions, std::vector<std::string>{"grafieken gewijzigd: eerst bewaren?"});

  // Save first: the save dialog, then the window goes.
  answerQuestion("bewaar");
  inTheDialog([&](QFileDialog&) { return (folder / "werk.qvl").string(); });
  QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(fs::exists(folder / "werk.qvl"));
  EXPECT_FALSE(ws.modified());

  window.show();
  plotTyped("y=2x");
  answerQuestion("niet bewaren");
  window.close();
  EXPECT_FALSE(window.isVisible());
  window.show();
}

TEST_F(DocumentWindow, CtrlSSavesInPlaceAndTheTitleShowsUnsavedWork) {
  EXPECT_EQ(title(), "Quorvel");
  plotTyped("y=x");
  EXPECT_EQ(title(), "naamloos* — Quorvel");
  QString proposed = "none";
  inTheDialog([&](QFileDialog& dialog) -> std::optional<std::string> {
    proposed = dialog.selectedFiles().value(0);
    return (folder / "grafiek.qvl").string();
  });
  QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);  // no file yet: the dialog
  EXPECT_EQ(title(), "grafiek.qvl — Quorvel");
  plotTyped("y=x^2");
  EXPECT_EQ(title(), "grafiek.qvl* — Quorvel");
  const auto before = fs::last_write_time(folder / "grafiek.qvl");
  QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);  // in place, no dialog
  EXPECT_EQ(message(), "grafieken opgeslagen");
  EXPECT_EQ(title(), "grafiek.qvl — Quorvel");
  EXPECT_GE(fs::last_write_time(folder / "grafiek.qvl"), before);
  // "bewaar" still asks, proposing the file it has.
  inTheDialog([&](QFileDialog& dialog) -> std::optional<std::string> {
    proposed = dialog.selectedFiles().value(0);
    return std::nullopt;
  });
  controller.executeCommand(Command::Save);
  EXPECT_EQ(proposed.toStdString(), (folder / "grafiek.qvl").string());
}

TEST_F(DocumentWindow, UndoAndRedoByKeyAndMenu) {
  plotTyped("y=x");
  plotTyped("y=x+1");
  QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(message(), "ongedaan gemaakt");
  EXPECT_EQ(ws.formulas.formulas[1].text, "y=x");
  EXPECT_TRUE(graphAt(2, 2, 1));
  EXPECT_FALSE(graphAt(2, 3, 1));
  EXPECT_EQ(ws.editor.fedGetText(), "y=x");
  QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(message(), "opnieuw");
  EXPECT_TRUE(graphAt(2, 3, 1));
  QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(ws.formulas.formulas[1].text, "y=x+1");
  // "algemeen" > "ongedaan maken", the seventh entry.
  TsubMenu* titles = window.menuBar->panels[0]->control;
  move(titles, {10, 10});
  click(titles, {10, 10});
  TsubMenu* list = window.menuBar->panels[1]->control;
  move(list, {10, 6 * 25 + 10});
  click(list, {10, 6 * 25 + 10});
  EXPECT_EQ(message(), "ongedaan gemaakt");
  EXPECT_EQ(ws.formulas.formulas[1].text, "y=x");
}

TEST_F(DocumentWindow, HerstartAndOpenAsk) {
  const fs::path file = folder / "ander.qvl";
  {
    QtTextPainter otherText;
    Workspace other(otherText, 1);
    other.startUp();
    other.formulas.translateFormula(2, "y=-x");
    other.graph.PlotSlot(2);
    ASSERT_TRUE(other.SaveGraphFile(file.string()));
  }
  plotTyped("y=x");
  answerQuestion("annuleer");
  for (Qt::Key k : {Qt::Key_F10, Qt::Key_Down, Qt::Key_Down})
    key(k);
  enter();  // "herstart"
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotFunction);
  answerQuestion("annuleer");
  QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);  // no file dialog after it
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotFunction);
  answerQuestion("niet bewaren");
  inTheDialog([&](QFileDialog&) { return file.string(); });
  withAlt({Qt::Key_O});
  EXPECT_EQ(questions.size(), 3u);
  EXPECT_EQ(message(), "grafieken geladen");
  EXPECT_EQ(ws.formulas.slotKind[2], kSlotFunction);
  EXPECT_EQ(title(), "ander.qvl — Quorvel");
  // The recent files: "algemeen" > "recent >>" > the file.
  controller.executeCommand(Command::Restart);  // unchanged since the load: no question
  EXPECT_EQ(questions.size(), 3u);
  controller.executeCommand(kFirstRecentCommand);
  EXPECT_EQ(ws.formulas.slotKind[2], kSlotFunction);
  EXPECT_TRUE(controller.menu.has(191));
}

// A file whose name is not UTF-8 (a Latin-1 é here, as older systems name files) opens from
// the recent files of the next run: they keep the name's bytes.
TEST_F(DocumentWindow, RecentFilesKeepNamesThatAreNotUtf8) {
  const std::string name = (folder / "les\xe9.qvl").string();
  {
    QtTextPainter otherText;
    Workspace other(otherText, 1);
    other.startUp();
    other.formulas.translateFormula(4, "y=x^3");
    other.graph.PlotSlot(4);
    ASSERT_TRUE(other.SaveGraphFile(name));
  }
  window.openGraphFile(name);
  ASSERT_EQ(message(), "grafieken geladen");
  controller.recentFiles.set({});
  window.loadRecentFiles();  // as the next run starts
  ASSERT_FALSE(controller.recentFiles.paths().empty());
  ASSERT_EQ(controller.recentFiles.paths().front(), name);
  controller.executeCommand(Command::Restart);
  EXPECT_EQ(ws.formulas.slotKind[4], kSlotEmpty);
  controller.executeCommand(kFirstRecentCommand);
  window.refresh();
  EXPECT_EQ(message(), "grafieken geladen");
  EXPECT_EQ(ws.formulas.slotKind[4], kSlotFunction);
}

// A recovery file left in the state folder by a run that crashed: offered at start-up,
// restored as unsaved work, and its file gone only after that.
TEST_F(DocumentWindow, TheWorkOfACrashedRunIsOffered) {
  const fs::path state = folder / "state";
  fs::create_directories(state);
  QtTextPainter otherText;
  Workspace other(otherText, 1);
  other.startUp();
  other.formulas.translateFormula(5, "x^2+y^2=9");
  other.graph.PlotSlot(5);
  other.personalText = "verloren?";
  const DocumentBytes crashed = other.documentBytes();
  ASSERT_TRUE(writeFileSafely((state / "run-99999-1.qvl").string(), crashed));

  RecoveryFiles recovery(state.string());
  controller.recovery = &recovery;
  answerQuestion("herstel");
  controller.offerRecovery();
  window.refresh();
  EXPECT_EQ(questions, std::vector<std::string>{
                           "Quorvel is niet netjes afgesloten: het werk van toen herstellen?"});
  EXPECT_EQ(ws.documentBytes(), crashed);
  EXPECT_EQ(message(), "werk hersteld");
  EXPECT_EQ(title(), "naamloos* — Quorvel");
  EXPECT_FALSE(fs::exists(state / "run-99999-1.qvl"));
  EXPECT_TRUE(fs::exists(recovery.path()));
  controller.recovery = nullptr;
}

}  // namespace
}  // namespace quorvel
