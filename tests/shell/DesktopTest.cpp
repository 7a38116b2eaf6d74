// What a desktop user does beyond the program's own menus: pictures saved as PNG from the
// "--> disk" dialog, and graph files dropped onto the window.

#include <QMimeData>
#include <filesystem>
#include <fstream>

#include "../storage/HandWrittenFile.h"
#include "MainWindowTestSupport.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

class Desktop : public testing::MainWindowTest {
 protected:
  fs::path folder =
      fs::path(::testing::TempDir()) /
      (std::string("desktop-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override {
    MainWindowTest::SetUp();
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    fs::remove_all(folder);
  }
  static std::string signatureOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string start(4, '\0');
    in.read(start.data(), 4);
    return start;
  }
};

TEST_F(Desktop, ThePictureAsPngOrBitmap) {
  QStringList filters;
  inTheDialog([&](QFileDialog& dialog) -> std::optional<std::string> {
    filters = dialog.nameFilters();
    dialog.selectNameFilter("PNG (*.png)");
    return (folder / "plaatje").string();  // no extension: the filter's
  });
  controller.executeCommand(29);
  EXPECT_EQ(filters, (QStringList{"bitmap (*.bmp)", "PNG (*.png)"}));
  EXPECT_EQ(signatureOf(folder / "plaatje.png"), "\x89PNG");
  const QImage png(QString::fromStdString((folder / "plaatje.png").string()));
  EXPECT_EQ(png.size(), QSize(801, 801));

  inTheDialog([&](QFileDialog&) -> std::optional<std::string> {
    return (folder / "tekening").string();  // the first filter: a bitmap
  });
  controller.executeCommand(29);
  EXPECT_EQ(signatureOf(folder / "tekening.bmp").substr(0, 2), "BM");

  inTheDialog([&](QFileDialog&) -> std::optional<std::string> {
    return (folder / "getypt.png").string();  // the typed extension decides
  });
  controller.executeCommand(29);
  EXPECT_EQ(signatureOf(folder / "getypt.png"), "\x89PNG");
  EXPECT_EQ(message(), "");
}

TEST_F(Desktop, AGraphFileDroppedOntoTheWindowOpens) {
  const fs::path file = folder / "gesleept.qvl";
  const auto bytes = testing::HandWrittenFile().startRecords().formula(1, 1, "y=x^2").end().bytes;
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));

  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file.string()))});
  QDragEnterEvent enter(QPoint(400, 400), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(400, 400), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
  EXPECT_EQ(message(), "grafieken geladen");
  EXPECT_TRUE(graphAt(2, 4, 1));

  // Anything else is not taken.
  QMimeData other;
  other.setUrls({QUrl::fromLocalFile("/tmp/plaatje.png")});
  QDragEnterEvent refused(QPoint(400, 400), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
  refused.setAccepted(false);
  QApplication::sendEvent(&window, &refused);
  EXPECT_FALSE(refused.isAccepted());
}

}  // namespace
}  // namespace quorvel
