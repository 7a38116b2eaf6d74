// Saving and opening graph files through the real dialogs of the main window.

#include <filesystem>
#include <fstream>

#include "../shell/MainWindowTestSupport.h"
#include "HandWrittenFile.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

class GraphFileWindow : public testing::MainWindowTest {
 protected:
  fs::path folder;

  void SetUp() override {
    MainWindowTest::SetUp();
    folder =
        fs::path(::testing::TempDir()) /
        (std::string("window-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    fs::remove_all(folder);
  }

  // "algemeen" > "bewaar" by the keys.
  void saveByMenu() {
    for (Qt::Key k : {Qt::Key_F10, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down})
      key(k);
    enter();
  }
};

TEST_F(GraphFileWindow, SaveThroughTheMenuAndOpenWithAltO) {
  type("y=x");
  enter();
  bool confirmsOverwrite = false;
  QString suffix, filter;
  inTheDialog([&](QFileDialog& dialog) -> std::optional<std::string> {
    suffix = dialog.defaultSuffix();
    filter = dialog.nameFilters().join(";");
    confirmsOverwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
    return (folder / "werk").string();  // the extension comes from the dialog
  });
  saveByMenu();
  EXPECT_EQ(suffix, "qvl");
  EXPECT_EQ(filter, "Quorvel-grafieken (*.qvl)");
  EXPECT_TRUE(confirmsOverwrite);
  EXPECT_TRUE(fs::exists(folder / "werk.qvl"));
  EXPECT_EQ(message(), "grafieken opgeslagen");

  // Cancelled: nothing happens.
  inTheDialog([](QFileDialog&) { return std::nullopt; });
  saveByMenu();
  EXPECT_EQ(message(), "");

  click(window.GetBtn);
  for (Qt::Key k : {Qt::Key_F10, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down})
    key(k);
  enter();  // "grafieken" > "wissen"
  ASSERT_FALSE(graphAt(1, 1, 1));
  inTheDialog([&](QFileDialog& dialog) -> std::optional<std::string> {
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.nameFilters().join(";"), filter);  // one text for both
    return (folder / "werk.qvl").string();
  });
  answerQuestion("niet bewaren");  // "wissen" is unsaved
  withAlt({Qt::Key_O});
  EXPECT_EQ(questions.size(), 1u);
  EXPECT_EQ(message(), "grafieken geladen");
  EXPECT_TRUE(graphAt(1, 1, 1));
  EXPECT_EQ(ws.editor.fedGetText(), "y=x");
}

TEST_F(GraphFileWindow, AFileFromTheCommandLine) {
  const fs::path good = folder / "good.qvl";
  const auto bytes =
      testing::HandWrittenFile().startRecords().formula(1, 1, "y=x^2").point(1, 1, 1).end().bytes;
  std::ofstream(good, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  window.openGraphFile(good.string());
  EXPECT_EQ(message(), "grafieken geladen");
  EXPECT_TRUE(graphAt(2, 4, 1));
  EXPECT_EQ(window.fedbox->isVisible(), true);
  window.openGraphFile((folder / "missing.qvl").string());
  EXPECT_EQ(message(), "leesfout (bestand bestaat niet)");  // the reason, as on the command line
  EXPECT_TRUE(graphAt(2, 4, 1));                            // the window goes on with what it had
}

}  // namespace
}  // namespace quorvel
