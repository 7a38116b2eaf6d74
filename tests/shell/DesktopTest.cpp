// What a desktop user does beyond the program's own menus: pictures saved as PNG from the
// "--> disk" dialog, and graph files dropped onto the window.

#include <QMimeData>
#include <QScrollBar>
#include <QWheelEvent>
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

TEST_F(Desktop, QtsOwnTextsAreDutch) {
  // The question before the window on a small screen: "OK" and "Nee".
  answerQuestion("&Nee");
  EXPECT_FALSE(goOnWithSmallScreen());
  EXPECT_EQ(questions, std::vector<std::string>{"scherm te klein: dooraan?"});
  answerQuestion("OK");
  EXPECT_TRUE(goOnWithSmallScreen());
  // The file dialog's buttons.
  QStringList buttons;
  inTheDialog([&](QFileDialog& dialog) -> std::optional<std::string> {
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
      buttons << button->text();
    return std::nullopt;
  });
  withAlt({Qt::Key_O});
  EXPECT_TRUE(buttons.contains("&Openen")) << buttons.join("|").toStdString();
  EXPECT_TRUE(buttons.contains("Annuleren")) << buttons.join("|").toStdString();
}

// A screen smaller than the window: the page keeps its size and scrolls in a window that fits
// the free area, and every control can be brought into view.
TEST_F(Desktop, SmallScreensScrollThePage) {
  const QSize frame(10, 40);
  struct Screen {
    QRect free;
    bool scrolls;
  } screens[] = {
      {{0, 0, 1920, 1050}, false},  // a panel of 30 pixels below
      {{0, 0, 1366, 740}, true},
      {{0, 0, 1280, 772}, true},
      {{0, 28, 1024, 740}, true},
  };
  for (const Screen& screen : screens) {
    window.fitToScreen(screen.free, frame);
    QApplication::processEvents();
    const std::string name =
        std::to_string(screen.free.width()) + "x" + std::to_string(screen.free.height());
    EXPECT_EQ(window.page->size(), QSize(1030, 948)) << name;
    EXPECT_EQ(window.GrafiekBox->size(), QSize(801, 801)) << name;
    EXPECT_LE(window.width() + frame.width(), screen.free.width()) << name;
    EXPECT_LE(window.height() + frame.height(), screen.free.height()) << name;
    if (!screen.scrolls) {
      EXPECT_EQ(window.size(), QSize(1030, 948)) << name;
      continue;
    }
    EXPECT_EQ(window.pos(), screen.free.topLeft()) << name;
    EXPECT_LT(window.scroller->viewport()->height(), 948) << name;
    // The message line, then the menu: each scrolled into view in turn.
    const QWidget* controls[] = {window.fedbox, window.PlotBtn, window.Image1, window.ColorBox};
    for (const QWidget* control : controls) {
      window.scroller->ensureWidgetVisible(const_cast<QWidget*>(control), 0, 0);
      const QWidget* viewport = window.scroller->viewport();
      const QRect shown(control->mapTo(viewport, QPoint(0, 0)), control->size());
      EXPECT_TRUE(viewport->rect().contains(shown)) << name;
    }
    // Typing reaches the edit box wherever the page stands.
    click(window.clearBtn);
    type("y=x");
    enter();
    EXPECT_EQ(ws.formulas.slotKind[1], kSlotFunction) << name;
    // The wheel scrolls the page (a wheel turned over a control reaches it through the
    // control's parents; Qt passes only the system's own wheel events on that way).
    window.scroller->verticalScrollBar()->setValue(0);
    QWidget* viewport = window.scroller->viewport();
    QWheelEvent wheel({400, 400}, viewport->mapToGlobal(QPoint(400, 400)), {}, {0, -120},
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    EXPECT_GT(window.scroller->verticalScrollBar()->value(), 0) << name;
  }
}

}  // namespace
}  // namespace quorvel
