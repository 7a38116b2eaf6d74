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
  // The name a run's files share: its recovery file's without ".qvl".
  static std::string runOf(const RecoveryFiles& recovery) {
    return fs::path(recovery.path()).stem().string();
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
  controller.executeCommand(Command::Save);
  controller.commitStep(start + std::chrono::seconds(5));
  EXPECT_FALSE(fs::exists(recovery.path()));
  EXPECT_EQ(files().size(), 1u);
  fs::remove(folder + "-saved.qvl");
  recovery.remove();  // a clean end
  EXPECT_TRUE(files().empty());
}

// A change waits for its second only when a write came less than a second before it; the
// window's timer is told when the waiting ends, so no change waits longer than a second.
TEST_F(Recovery, AChangeIsWrittenAtOnceAfterAQuietSecondAndOtherwiseASecondAfterTheLastWrite) {
  RecoveryFiles recovery(folder);
  controller.recovery = &recovery;
  const auto start = Controller::Clock::now();
  const auto at = [start](int milliseconds) {
    return start + std::chrono::milliseconds(milliseconds);
  };
  typeAndPlot("y=x");
  controller.commitStep(at(0));
  EXPECT_EQ(contentsOf(recovery.path()), ws.documentBytes());
  EXPECT_FALSE(controller.recoveryDue());
  typeAndPlot("y=2x");
  controller.commitStep(at(300));
  EXPECT_NE(contentsOf(recovery.path()), ws.documentBytes());
  EXPECT_EQ(controller.recoveryDue(), at(1000));
  controller.commitStep(at(700));  // another event in between: the same time
  EXPECT_EQ(controller.recoveryDue(), at(1000));
  controller.recoveryTick(at(1000));
  EXPECT_EQ(contentsOf(recovery.path()), ws.documentBytes());
  EXPECT_FALSE(controller.recoveryDue());
  typeAndPlot("y=3x");
  controller.commitStep(at(1200));
  EXPECT_EQ(controller.recoveryDue(), at(2000));
  controller.recoveryTick(at(2000));
  typeAndPlot("y=4x");
  controller.commitStep(at(3500));  // after a quiet second: at once
  EXPECT_EQ(contentsOf(recovery.path()), ws.documentBytes());
  EXPECT_FALSE(controller.recoveryDue());
  // At once when the run must end (its window destroyed from outside).
  typeAndPlot("y=5x");
  controller.commitStep(at(3600));
  EXPECT_TRUE(controller.recoveryDue());
  controller.writeRecoveryNow();
  EXPECT_EQ(contentsOf(recovery.path()), ws.documentBytes());
  EXPECT_FALSE(controller.recoveryDue());
  // Nothing unsaved: nothing waits.
  typeAndPlot("y=6x");
  controller.commitStep(Controller::Clock::now());
  EXPECT_TRUE(controller.recoveryDue());
  shell.graphFileName = folder + "/saved.qvl";
  controller.executeCommand(Command::Save);
  controller.commitStep(Controller::Clock::now());
  EXPECT_FALSE(controller.recoveryDue());
  EXPECT_FALSE(fs::exists(recovery.path()));
}

// After a crash the work comes back as the work of the file it belonged to: its name in the
// title, Ctrl+S into that file. A run that ends without removing its files (its lock let go)
// is such a crash.
TEST_F(Recovery, RestoredWorkKeepsItsFile) {
  fs::create_directories(folder);
  const std::string lesson = folder + "/les.qvl";
  {
    RecoveryFiles crashed(folder);
    Controller other(ws);
    other.recovery = &crashed;
    typeAndPlot("y=x");
    ASSERT_TRUE(ws.SaveGraphFile(lesson));
    typeAndPlot("y=x^3");
    other.commitStep();
    ASSERT_TRUE(fs::exists(crashed.path()));
  }
  const DocumentBytes unsaved = ws.documentBytes();
  const DocumentBytes inTheFile = contentsOf(lesson);
  ws.startUp();

  RecoveryFiles recovery(folder);
  controller.recovery = &recovery;
  shell.recoveryChoice = Choice::Restore;
  controller.offerRecovery();
  EXPECT_EQ(ws.documentBytes(), unsaved);
  EXPECT_EQ(ws.documentPath(), lesson);
  EXPECT_EQ(controller.windowTitle(), "les.qvl* — Quorvel");
  EXPECT_EQ(contentsOf(lesson), inTheFile);  // nothing written there unasked
  shell.calls.clear();
  key('S', {false, true, false});
  EXPECT_TRUE(shell.calls.empty());  // no dialog: the file it came from
  EXPECT_EQ(contentsOf(lesson), unsaved);
  EXPECT_EQ(controller.windowTitle(), "les.qvl — Quorvel");

  // Work restored that its file holds already is no change.
  {
    RecoveryFiles crashed(folder);
    ASSERT_TRUE(crashed.write(unsaved, lesson));
  }
  ws.startUp();
  controller.offerRecovery();
  EXPECT_EQ(controller.windowTitle(), "les.qvl — Quorvel");
  // A path file that is not a path the program writes is left out.
  {
    RecoveryFiles crashed(folder);
    ASSERT_TRUE(crashed.write(unsaved, "relative/les.qvl"));
  }
  ws.startUp();
  controller.offerRecovery();
  EXPECT_EQ(ws.documentPath(), "");
}

// The work is private: the folder the user's alone and every file in it, whatever the umask.
TEST_F(Recovery, TheFolderAndItsFilesAreTheUsersAlone) {
  const mode_t umask = ::umask(0);
  auto modeOf = [](const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
  };
  {
    RecoveryFiles recovery(folder + "/state/quorvel");
    ASSERT_TRUE(recovery.enabled());
    ASSERT_TRUE(recovery.write(DocumentBytes{1, 2, 3}, "/home/u/les.qvl"));
    EXPECT_EQ(modeOf(folder + "/state"), 0700u);
    EXPECT_EQ(modeOf(folder + "/state/quorvel"), 0700u);
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder + "/state/quorvel")) {
      EXPECT_EQ(modeOf(entry.path()), 0600u) << entry.path();
      ++count;
    }
    EXPECT_EQ(count, 3);  // the document, its path and the lock
  }
  // A folder made open before is closed again.
  ::chmod((folder + "/state/quorvel").c_str(), 0777);
  {
    RecoveryFiles recovery(folder + "/state/quorvel");
    EXPECT_TRUE(recovery.enabled());
    EXPECT_EQ(modeOf(folder + "/state/quorvel"), 0700u);
  }
  ::umask(umask);
  // A link in the folder's place is refused, wherever it points.
  fs::create_directories(folder + "/elsewhere");
  fs::create_directory_symlink(folder + "/elsewhere", folder + "/state/link");
  EXPECT_FALSE(RecoveryFiles(folder + "/state/link").enabled());
  EXPECT_TRUE(fs::is_empty(folder + "/elsewhere"));
}

TEST_F(Recovery, AFolderOfAnotherUserIsRefused) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a folder to another user";
  fs::create_directories(folder + "/quorvel");
  ASSERT_EQ(::chown((folder + "/quorvel").c_str(), 65534, 65534), 0);
  EXPECT_FALSE(RecoveryFiles(folder + "/quorvel").enabled());
  EXPECT_TRUE(fs::is_empty(folder + "/quorvel"));
}

// Whoever could once write into the folder cannot steer a write of the program's elsewhere:
// no file there is created, replaced or read through a link.
TEST_F(Recovery, NoFileIsWrittenOrReadThroughALink) {
  const std::string victim = folder + "-victim";
  fs::remove_all(victim);
  fs::create_directories(victim);
  std::ofstream(victim + "/precious") << "precious";
  const auto untouched = [&] {
    const std::string precious = "precious";
    EXPECT_EQ(contentsOf(victim + "/precious"), DocumentBytes(precious.begin(), precious.end()));
    EXPECT_FALSE(fs::exists(victim + "/made"));
  };
  RecoveryFiles recovery(folder);
  ASSERT_TRUE(recovery.write(DocumentBytes{1}));
  const std::string own = recovery.path();
  const std::string run = folder + "/" + runOf(recovery);
  // The recovery file, its path file and the temporary file replaced by links.
  fs::remove(own);
  fs::create_symlink(victim + "/precious", own);
  fs::create_symlink(victim + "/made", run + ".tmp");
  fs::create_symlink(victim + "/precious", run + ".path");
  ASSERT_TRUE(recovery.write(DocumentBytes{2}, "/home/u/les.qvl"));
  untouched();
  EXPECT_FALSE(fs::is_symlink(own));
  EXPECT_EQ(contentsOf(own), DocumentBytes{2});
  EXPECT_FALSE(fs::is_symlink(run + ".path"));

  // Runs left behind whose files are links: a lock through which a file would be made, a
  // recovery file that is another file of the user's.
  fs::create_symlink(victim + "/made", folder + "/run-7-7.lock");
  Workspace other(text);
  other.startUp();
  const std::string graphPath = victim + "/graph.qvl";
  ASSERT_TRUE(other.SaveGraphFile(graphPath));
  std::ofstream(folder + "/run-7-7.qvl") << "x";
  fs::create_symlink(graphPath, folder + "/run-8-8.qvl");
  fs::create_symlink(victim + "/precious", folder + "/run-9-9.qvl");
  std::ofstream(folder + "/run-9-9.lock");
  RecoveryFiles next(folder);
  EXPECT_FALSE(next.claimLeftBehind());
  untouched();
  EXPECT_TRUE(fs::exists(graphPath));
  fs::remove_all(victim);
}

// A run killed while it wrote leaves a temporary file; the next start removes it, and those
// that the safe writer of earlier versions left, but never one of a run that lives.
TEST_F(Recovery, TemporaryFilesOfRunsThatDiedGoAtStart) {
  fs::create_directories(folder);
  RecoveryFiles living(folder);
  std::ofstream(folder + "/" + runOf(living) + ".tmp") << "being written";
  std::ofstream(folder + "/run-5-5.tmp") << "half";
  std::ofstream(folder + "/run-5-5.lock");
  std::ofstream(folder + "/run-6-6.tmp") << "half, its lock gone too";
  std::ofstream(folder + "/.quorvel-AbC123") << "old";
  const auto twoMinutesAgo = fs::file_time_type::clock::now() - std::chrono::minutes(2);
  fs::last_write_time(folder + "/.quorvel-AbC123", twoMinutesAgo);
  std::ofstream(folder + "/.quorvel-XyZ789") << "being written by an earlier version";

  RecoveryFiles recovery(folder);
  EXPECT_FALSE(recovery.claimLeftBehind());
  std::vector<std::string> expected = {".quorvel-XyZ789", runOf(living) + ".lock",
                                       runOf(living) + ".tmp", runOf(recovery) + ".lock"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(files(), expected);
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
