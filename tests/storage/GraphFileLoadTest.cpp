// Saving and loading a workspace: what a loaded file changes, what a failing file leaves
// alone, and the messages.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "../plot/PlotTestSupport.h"
#include "HandWrittenFile.h"

namespace quorvel {
namespace {

using testing::HandWrittenFile;

class GraphFiles : public testing::PlotTest {
 protected:
  std::string folder;

  void SetUp() override {
    PlotTest::SetUp();
    folder = ::testing::TempDir() + "graphfiles-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    ws.startUp();
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::string file(const std::vector<uint8_t>& bytes, const std::string& name = "file.qvl") {
    const std::string path = folder + "/" + name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  static std::vector<uint8_t> contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  bool onCurve(double x, double y, int slot) const {
    const int column = scale.WorldToColumn(x), row = scale.WorldToRow(y);
    for (int dy = -1; dy <= 1; ++dy) {
      if (marked(column, row + dy, slot)) return true;
    }
    return false;
  }
  bool markAt(double x, double y) const {
    return picture.pixel(scale.WorldToColumn(x) + 3, scale.WorldToRow(y)) == rgb(15, 15, 15);
  }
};

TEST_F(GraphFiles, AHandWrittenFileLoads) {
  const std::string path = file(HandWrittenFile()
                                    .startRecords()
                                    .point(1, -2, 1)
                                    .point(2, 3, 2)
                                    .formula(1, 1, "y=x^2")
                                    .polynomial(2, {0, 2}, 1)
                                    .title("mijn grafiek")
                                    .end()
                                    .bytes);
  ws.selection.selectedSlot = 4;
  EXPECT_EQ(ws.LoadGraphFile(path), Workspace::LoadStatus::Loaded);
  EXPECT_EQ(ws.MsgText, "grafieken geladen");
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotFunction);
  EXPECT_EQ(ws.formulas.slotKind[2], kSlotPolynomial);
  EXPECT_TRUE(onCurve(2, 4, 1));
  EXPECT_TRUE(onCurve(2, 4, 2));
  EXPECT_TRUE(onCurve(-3, -6, 2));
  EXPECT_TRUE(markAt(-2, 1));
  EXPECT_TRUE(markAt(3, 2));
  EXPECT_EQ(ws.points.pointCount, 2);
  EXPECT_EQ(ws.personalText, "mijn grafiek");
  EXPECT_EQ(ws.selection.selectedSlot, 1);
  EXPECT_EQ(ws.editor.fedGetText(), "y=x^2");  // slot 1 into the edit box
  // Saved back, byte for byte.
  ASSERT_TRUE(ws.SaveGraphFile(folder + "/again.qvl"));
  EXPECT_EQ(ws.MsgText, "grafieken opgeslagen");
  EXPECT_EQ(contentsOf(folder + "/again.qvl"), contentsOf(path));
}

TEST_F(GraphFiles, SavedStateComesBack) {
  ws.settings.degreesMode = true;
  ws.constants.a = 2.5;
  ws.constants.stepIndex = 3;
  graph.ScrollZoom(kZoomOutX);
  graph.ScrollZoom(kScrollUp);
  plot("y=a*sin(x)", 3);
  plot("y=sin(v);x=cos(v)", 4, 0, 6.28, 200);
  ws.poly.cells = {"", "1", "a"};
  ws.poly.StorePolyFromGrid(6);
  ws.points.ClickPoint(300, 300, false);
  ws.slotColours[2] = rgb(0x11, 0x22, 0x33);
  ws.personalText = "één titel";
  const std::string path = folder + "/state.qvl";
  ASSERT_TRUE(ws.SaveGraphFile(path));
  const Picture saved = picture;
  const GraphFileContents before = ws.graphFileContents();

  ws.startUp();
  ws.formulas.formulas[3].text.clear();
  ASSERT_EQ(ws.LoadGraphFile(path), Workspace::LoadStatus::Loaded);
  EXPECT_TRUE(ws.settings.degreesMode);
  EXPECT_EQ(ws.constants.a, 2.5);
  EXPECT_EQ(ws.constantsPanel.Atext(), "2,5");
  EXPECT_EQ(scale.zoomLevelX, 10);
  EXPECT_EQ(ws.formulas.formulas[4].domainSteps, 200);
  EXPECT_EQ(ws.poly.polySlots[6].kind[1], kConstantA);
  EXPECT_EQ(ws.slotColours[2], rgb(0x11, 0x22, 0x33));
  EXPECT_EQ(ws.personalText, "één titel");
  EXPECT_EQ(writeGraphFile(ws.graphFileContents()), writeGraphFile(before));
  EXPECT_TRUE(std::equal(saved.data(), saved.data() + 801 * 801, picture.data()));
}

// Inequalities and polar curves are formulas like the others in a file: their text, kind and
// (polar) domain, read back into the same slots and the same picture.
TEST_F(GraphFiles, InequalitiesAndPolarCurvesComeBack) {
  plot("y<sin(x)", 1);
  plot("1 <= x^2+y^2 <= 4", 2);
  plot("r=1+cos(v)", 3, 0, 6.28318530717959, 720);
  plot("0<y<x", 4);
  const std::string path = folder + "/new kinds.qvl";
  ASSERT_TRUE(ws.SaveGraphFile(path));
  const Picture saved = picture;
  const std::vector<uint8_t> bytes = contentsOf(path);

  ws.startUp();
  ASSERT_EQ(ws.LoadGraphFile(path), Workspace::LoadStatus::Loaded);
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotInequality);
  EXPECT_EQ(ws.formulas.slotKind[2], kSlotInequality);
  EXPECT_EQ(ws.formulas.slotKind[3], kSlotPolar);
  EXPECT_EQ(ws.formulas.slotKind[4], kSlotInequality);
  EXPECT_EQ(ws.formulas.formulas[2].text, "1 <= x^2+y^2 <= 4");
  EXPECT_EQ(ws.formulas.formulas[3].domainSteps, 720);
  EXPECT_TRUE(std::equal(saved.data(), saved.data() + 801 * 801, picture.data()));
  ASSERT_TRUE(ws.SaveGraphFile(folder + "/again.qvl"));
  EXPECT_EQ(contentsOf(folder + "/again.qvl"), bytes);
}

TEST_F(GraphFiles, LoadingMergesIntoTheSlots) {
  plot("y=x", 5);
  ws.points.ClickPoint(200, 200, false);
  const std::string path =
      file(HandWrittenFile().formula(3, 1, "y=2").formula(6, 4, "x^2+y^2=4").end().bytes);
  ASSERT_EQ(ws.LoadGraphFile(path), Workspace::LoadStatus::Loaded);
  EXPECT_EQ(ws.MsgText, "grafieken geladen");  // also after an implicit plot's own message
  EXPECT_TRUE(onCurve(2, 0, 6));
  EXPECT_EQ(ws.formulas.slotKind[3], kSlotFunction);
  EXPECT_EQ(ws.formulas.slotKind[5], kSlotFunction);
  EXPECT_TRUE(onCurve(1, 1, 5));
  EXPECT_TRUE(onCurve(1, 2, 3));
  EXPECT_EQ(ws.points.pointCount, 0);  // points are replaced
  // A polynomial in slot 1 shows in the grid.
  ASSERT_EQ(ws.LoadGraphFile(file(HandWrittenFile().polynomial(1, {4, 0, -1}, 2).end().bytes)),
            Workspace::LoadStatus::Loaded);
  EXPECT_EQ(ws.poly.cells[1], "4,0");
  EXPECT_EQ(ws.poly.cells[3], "-1,0");
  EXPECT_EQ(ws.editor.fedGetText(), "");
}

TEST_F(GraphFiles, AFileThatFailsChangesNothing) {
  plot("y=x", 2);
  ws.points.ClickPoint(200, 200, false);
  ws.personalText = "titel";
  ws.editor.fedSetText("y=3");
  const GraphFileContents before = ws.graphFileContents();
  const Picture picture0 = picture;
  const std::vector<std::pair<std::vector<uint8_t>, const char*>> files = {
      {HandWrittenFile().formula(1, 1, "y=1").point(1, 1, 1).point(3, 2, 2).end().bytes,
       "leesfout"},
      {HandWrittenFile().formula(1, 1, "y=1").title("weg").bytes, "leesfout"},  // no end tag
      {{'P', 'K', 3, 4}, "fout type bestand"},
  };
  for (const auto& [bytes, message] : files) {
    ws.MsgText.clear();
    EXPECT_NE(ws.LoadGraphFile(file(bytes)), Workspace::LoadStatus::Loaded);
    EXPECT_EQ(ws.MsgText, message);
    EXPECT_EQ(writeGraphFile(ws.graphFileContents()), writeGraphFile(before));
    EXPECT_EQ(ws.editor.fedGetText(), "y=3");
    EXPECT_TRUE(std::equal(picture0.data(), picture0.data() + 801 * 801, picture.data()));
  }
  // The message says why, where the user can do something about it.
  EXPECT_EQ(ws.LoadGraphFile(folder + "/missing.qvl"), Workspace::LoadStatus::ReadError);
  EXPECT_EQ(ws.MsgText, "leesfout (bestand bestaat niet)");
  EXPECT_EQ(ws.LoadGraphFile(folder + "/missing/g.qvl"), Workspace::LoadStatus::ReadError);
  EXPECT_EQ(ws.MsgText, "leesfout (bestand bestaat niet)");
  EXPECT_EQ(ws.LoadGraphFile(folder), Workspace::LoadStatus::ReadError);
  EXPECT_EQ(ws.MsgText, "leesfout (is een map)");
  EXPECT_EQ(ws.LoadGraphFile("/dev/null"), Workspace::LoadStatus::ReadError);
  EXPECT_EQ(ws.MsgText, "leesfout (geen gewoon bestand)");
}

// A named pipe is refused before it is opened for reading, so no load waits for a writer.
// Should one wait all the same, a writer that comes and goes lets it go on (and read an
// empty file) rather than hang the test.
TEST_F(GraphFiles, APipeIsRefusedWithoutWaiting) {
  const std::string pipe = folder + "/pipe.qvl";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::atomic<bool> done = false;
  std::thread rescue([&] {
    for (int i = 0; i < 500 && !done; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) {
        ::close(fd);
        return;
      }
    }
  });
  EXPECT_EQ(ws.LoadGraphFile(pipe), Workspace::LoadStatus::ReadError);
  done = true;
  rescue.join();
  EXPECT_EQ(ws.MsgText, "leesfout (geen gewoon bestand)");
}

TEST_F(GraphFiles, AFormulaThatNoLongerTranslates) {
  const std::string path =
      file(HandWrittenFile().formula(2, 1, "y=sin(").formula(4, 1, "y=x").end().bytes);
  EXPECT_EQ(ws.LoadGraphFile(path), Workspace::LoadStatus::LoadedWithFaults);
  EXPECT_EQ(ws.MsgText.substr(0, 4), "2 : ");
  EXPECT_EQ(ws.formulas.slotKind[2], kSlotEmpty);
  EXPECT_TRUE(onCurve(1, 1, 4));  // the others are still plotted
}

// Of several faults the message names the first of the file, in the order of its records.
TEST_F(GraphFiles, TheFirstFaultOfTheFileIsNamed) {
  text.characterWidth = 20;  // 50 characters are too wide for the picture
  const std::string wide(50, 'W');
  const std::string path =
      file(HandWrittenFile().formula(2, 1, "y=(x").formula(3, 1, "y=x)").title(wide).end().bytes);
  EXPECT_EQ(ws.LoadGraphFile(path), Workspace::LoadStatus::LoadedWithFaults);
  EXPECT_EQ(ws.MsgText, "2 :  (..) ongelijk");
  EXPECT_EQ(ws.personalText, wide);
  const std::string titleFirst =
      file(HandWrittenFile().title(wide).formula(2, 1, "y=(x").end().bytes, "title.qvl");
  EXPECT_EQ(ws.LoadGraphFile(titleFirst), Workspace::LoadStatus::LoadedWithFaults);
  EXPECT_EQ(ws.MsgText, "tekst te lang");
  const std::string laterSlotFirst =
      file(HandWrittenFile().formula(5, 1, "y=sin(").formula(2, 1, "y=(x").end().bytes, "5.qvl");
  EXPECT_EQ(ws.LoadGraphFile(laterSlotFirst), Workspace::LoadStatus::LoadedWithFaults);
  EXPECT_EQ(ws.MsgText.substr(0, 4), "5 : ");
  // A title the program would not keep is no file of the program's: nothing is applied.
  const std::string clean = file(HandWrittenFile().formula(1, 1, "y=x").end().bytes, "ok.qvl");
  ASSERT_EQ(ws.LoadGraphFile(clean), Workspace::LoadStatus::Loaded);
  EXPECT_EQ(ws.MsgText, "grafieken geladen");
  const std::string longTitle = file(
      HandWrittenFile().formula(1, 1, "y=(x").title(std::string(60, 't')).end().bytes, "60.qvl");
  EXPECT_EQ(ws.LoadGraphFile(longTitle), Workspace::LoadStatus::ReadError);
  EXPECT_EQ(ws.MsgText, "leesfout");
  EXPECT_EQ(ws.formulas.formulas[1].text, "y=x");
}

TEST_F(GraphFiles, ASaveThatFailsSaysSo) {
  EXPECT_FALSE(ws.SaveGraphFile(folder + "/no-such-folder/file.qvl"));
  EXPECT_EQ(ws.MsgText, "schrijffout");
}

// A text the file cannot hold is never cut: the save fails and the old file stays.
TEST_F(GraphFiles, ATextTooLongForTheFileFailsTheSave) {
  const std::string path = folder + "/werk.qvl";
  ASSERT_TRUE(ws.SaveGraphFile(path));
  const std::vector<uint8_t> before = contentsOf(path);
  ws.formulas.slotKind[3] = kSlotFunction;
  ws.formulas.formulas[3].text = "y=" + std::string(254, 'x');
  EXPECT_FALSE(ws.SaveGraphFile(path));
  EXPECT_EQ(ws.MsgText, "schrijffout");
  EXPECT_EQ(contentsOf(path), before);
}

}  // namespace
}  // namespace quorvel
