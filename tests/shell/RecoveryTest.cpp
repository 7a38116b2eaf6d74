// Recovery after a crash: each run's own file and lock in the state folder, the file written
// while work is unsaved and removed when it is safe, a run killed with SIGKILL leaving its
// file for the next start, which offers it and restores it byte for byte, and the faults:
// a damaged file, a folder that cannot be written.

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "ControllerTestSupport.h"
#include "common/SafeFile.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using Choice = ShellActions::RecoveryChoice;

class Recovery : public testing::ControllerTest {
 protected:
  std::string folder;

  void SetUp() override {
    ControllerTest::SetUp();
    ws.startUp();
    folder = ::testing::TempDir() + "recovery-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder);
  }
  void TearDown() override { fs::remove_all(folder); }
  std::vector<std::string> files() const {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  static DocumentBytes contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void typeAndPlot(std::string_view formula) {
    ws.editor.fedClear();
    typeText(formula);
    controller.PlotBtnClick();
  }
};

TEST(RecoveryFolder, FromTheEnvironment) {
  EXPECT_EQ(recoveryFolder("/x/state", "/home/u"), "/x/state/quorvel");
  EXPECT_EQ(recoveryFolder(nullptr, "/home/u"), "/home/u/.local/state/quorvel");
  EXPECT_EQ(recoveryFolder("relative", "/home/u"), "/home/u/.local/state/quorvel");
  EXPECT_EQ(recoveryFolder("", ""), "");
}

TEST_F(Recovery, WrittenWhileUnsavedAtMostOnceASecondRemovedWhenSafe) {
  RecoveryFiles recovery(folder);
  ASSERT_TRUE(recovery.enabled());
  controller.recovery = &recovery;
  const auto start = Controller::Clock::now();
  controller.commitStep(start);
  EXPECT_FALSE(fs::exists(recovery.path()));  // nothing unsaved
  typeAndPlot("y=x");
  controller.commitStep(start);
  ASSERT_TRUE(fs::exists(recovery.path()));
  EXPECT_EQ(contentsOf(recovery.path()), ws.documentBytes());
  typeAndPlot("y=2x");
  controller.commitStep(start + std::chrono::milliseconds(500));  // too soon
  EXPECT_NE(contentsOf(recovery.path()), ws.documentBytes());
  controller.recoveryTick(start + std::chrono::milliseconds(1100));  // the window's timer
  EXPECT_EQ(contentsOf(recovery.path()), ws.documentBytes());
  // Saved: the work is safe, the file goes; the lock stays while the run lives.
  shell.graphFileName = folder + "-saved.qvl";
  controller.executeCommand(24);
  controller.commitStep(start + std::chrono::seconds(5));
  EXPECT_FALSE(fs::exists(recovery.path()));
  EXPECT_EQ(files().size(), 1u);
  fs::remove(folder + "-saved.qvl");
  recovery.remove();  // a clean end
  EXPECT_TRUE(files().empty());
}

TEST_F(Recovery, TwoRunsKeepApartAndALiveRunsFileIsNotOffered) {
  RecoveryFiles first(folder);
  RecoveryFiles second(folder);
  ASSERT_NE(first.path(), second.path());
  ASSERT_TRUE(first.write(DocumentBytes{1, 2, 3}));
  ASSERT_TRUE(second.write(DocumentBytes{4, 5}));
  EXPECT_FALSE(first.claimLeftBehind());  // the other one lives
  EXPECT_EQ(contentsOf(first.path()), (DocumentBytes{1, 2, 3}));
}

// A run killed with SIGKILL leaves its work; the next start offers it, restores exactly
// that document, and only then lets go of the file left behind.
TEST_F(Recovery, AKilledRunsWorkIsOfferedAndRestoredExactly) {
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(ready[0]);
    testing::RecordingTextPainter childText;
    Workspace childWs(childText, 1);
    childWs.startUp();
    Controller childController(childWs);
    RecoveryFiles recovery(folder);
    childController.recovery = &recovery;
    childWs.formulas.translateFormula(3, "y=sin(x)+a");
    childWs.graph.PlotSlot(3);
    childWs.points.ClickPoint(200, 300, false);
    childWs.personalText = "onbewaard";
    childController.commitStep();
    const char done = 1;
    (void)!::write(ready[1], &done, 1);
    for (;;)
      ::pause();  // until killed
  }
  ::close(ready[1]);
  char done = 0;
  ASSERT_EQ(::read(ready[0], &done, 1), 1);
  ::close(ready[0]);
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  ASSERT_EQ(files().size(), 2u);  // its file and its lock
  std::string left;
  for (const std::string& name : files()) {
    if (name.ends_with(".qvl")) left = folder + "/" + name;
  }
  const DocumentBytes crashed = contentsOf(left);

  RecoveryFiles recovery(folder);
  controller.recovery = &recovery;
  shell.recoveryChoice = Choice::Later;  // asked, not answered: it stays
  controller.offerRecovery();
  EXPECT_EQ(shell.calls, std::vector<std::string>{"restore?"});
  EXPECT_FALSE(ws.modified());
  EXPECT_TRUE(fs::exists(left));

  shell.recoveryChoice = Choice::Restore;
  controller.offerRecovery();
  EXPECT_EQ(ws.documentBytes(), crashed);
  EXPECT_EQ(ws.MsgText, "werk hersteld");
  EXPECT_TRUE(ws.modified());
  EXPECT_EQ(ws.personalText, "onbewaard");
  EXPECT_FALSE(fs::exists(left));
  EXPECT_EQ(contentsOf(recovery.path()), crashed);  // now this run's own
  // Saved, it is the very file the crashed run would have saved.
  ASSERT_TRUE(ws.SaveGraphFile(folder + "/saved.qvl"));
  EXPECT_EQ(contentsOf(folder + "/saved.qvl"), crashed);
}

TEST_F(Recovery, DiscardedOrDamagedFilesGoOnlyAfterTheUserKnows) {
  fs::create_directories(folder);
  const std::string damaged = folder + "/run-1-1.qvl";
  std::ofstream(damaged) << "no graph file";
  RecoveryFiles recovery(folder);
  controller.recovery = &recovery;
  controller.offerRecovery();
  EXPECT_EQ(shell.calls, std::vector<std::string>{"recovery damaged"});
  EXPECT_FALSE(fs::exists(damaged));
  EXPECT_FALSE(ws.modified());

  Workspace other(text);
  other.startUp();
  other.formulas.translateFormula(1, "y=x");
  other.graph.PlotSlot(1);
  const std::string stale = folder + "/run-2-2.qvl";
  ASSERT_TRUE(writeFileSafely(stale, other.documentBytes()));
  shell.calls.clear();
  shell.recoveryChoice = Choice::Discard;
  controller.offerRecovery();
  EXPECT_EQ(shell.calls, std::vector<std::string>{"restore?"});
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotEmpty);
}

TEST_F(Recovery, AFolderThatCannotBeWrittenTurnsItOffWithOneMessage) {
  // A plain file where the folder would be: no folder can be made there, even by root.
  fs::create_directories(folder);
  std::ofstream(folder + "/state") << "a file";
  RecoveryFiles recovery(folder + "/state/quorvel");
  EXPECT_FALSE(recovery.enabled());
  controller.recovery = &recovery;
  typeAndPlot("y=x");
  controller.commitStep();
  EXPECT_EQ(ws.MsgText, "herstel uit: map niet schrijfbaar");
  typeAndPlot("y=2x");
  controller.commitStep();
  EXPECT_EQ(ws.MsgText, "1 : OK");  // said once; the work goes on
}

}  // namespace
}  // namespace quorvel
