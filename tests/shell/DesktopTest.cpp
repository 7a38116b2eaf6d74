// What a desktop user does beyond the program's own menus: pictures saved as PNG from the
// "--> disk" dialog, and graph files dropped onto the window.

#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <filesystem>
#include <fstream>

#include <xcb/xcb.h>

#include "../storage/HandWrittenFile.h"
#include "MainWindowTestSupport.h"
#include "qt/WindowDestroyWatch.h"

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
  controller.executeCommand(Command::PictureToFile);
  EXPECT_EQ(filters, (QStringList{"bitmap (*.bmp)", "PNG (*.png)"}));
  EXPECT_EQ(signatureOf(folder / "plaatje.png"), "\x89PNG");
  const QImage png(QString::fromStdString((folder / "plaatje.png").string()));
  EXPECT_EQ(png.size(), QSize(801, 801));

  inTheDialog([&](QFileDialog&) -> std::optional<std::string> {
    return (folder / "tekening").string();  // the first filter: a bitmap
  });
  controller.executeCommand(Command::PictureToFile);
  EXPECT_EQ(signatureOf(folder / "tekening.bmp").substr(0, 2), "BM");

  inTheDialog([&](QFileDialog&) -> std::optional<std::string> {
    return (folder / "getypt.png").string();  // the typed extension decides
  });
  controller.executeCommand(Command::PictureToFile);
  EXPECT_EQ(signatureOf(folder / "getypt.png"), "\x89PNG");
  EXPECT_EQ(message(), "");
}

// Neither picture dialog replaces a file without asking, also when it adds the extension to
// the name typed; "nee" brings the dialog back. Both open in the document's folder.
TEST_F(Desktop, PictureDialogsAskBeforeAFileIsReplaced) {
  const std::string replace = "plaatje.png bestaat al.\nWilt u het vervangen?";
  std::ofstream(folder / "plaatje.png") << "mine";
  std::ofstream(folder / "tekening.svg") << "mine too";
  const auto typed = [](const fs::path& name, const char* filter = nullptr) {
    return [name, filter](QFileDialog& dialog) -> std::optional<std::string> {
      if (filter) dialog.selectNameFilter(filter);
      return name.string();
    };
  };
  // "Nee", then cancelled: the file stays.
  inTheDialog([&](QFileDialog& dialog) {
    QTimer::singleShot(0, [&] {
      answerQuestion("&Nee");
      inTheDialog([](QFileDialog&) -> std::optional<std::string> { return std::nullopt; });
    });
    return typed(folder / "plaatje", "PNG (*.png)")(dialog);
  });
  controller.executeCommand(Command::PictureToFile);
  EXPECT_EQ(questions, std::vector<std::string>{replace});
  EXPECT_EQ(signatureOf(folder / "plaatje.png"), "mine");
  // "Ja": replaced.
  questions.clear();
  inTheDialog([&](QFileDialog& dialog) {
    answerQuestion("&Ja");
    return typed(folder / "plaatje.png")(dialog);
  });
  controller.executeCommand(Command::PictureToFile);
  EXPECT_EQ(questions, std::vector<std::string>{replace});
  EXPECT_EQ(signatureOf(folder / "plaatje.png"), "\x89PNG");

  // The vector dialog: "tekening" is tekening.svg; "nee" and another name, typed over the
  // name the dialog comes back with.
  questions.clear();
  inTheDialog([&](QFileDialog& dialog) {
    QTimer::singleShot(0, [&] {
      answerQuestion("&Nee");
      inTheDialog([&](QFileDialog& again) -> std::optional<std::string> {
        EXPECT_EQ(again.directory().absolutePath().toStdString(), folder.string());
        again.findChild<QLineEdit*>("fileNameEdit")->setText("andere");
        return (folder / "andere").string();
      });
    });
    return typed(folder / "tekening")(dialog);
  });
  controller.executeCommand(Command::PictureToVector);
  EXPECT_EQ(questions, std::vector<std::string>{"tekening.svg bestaat al.\nWilt u het vervangen?"});
  EXPECT_EQ(signatureOf(folder / "tekening.svg"), "mine");
  EXPECT_EQ(signatureOf(folder / "andere.svg"), "<?xm");

  // With a document, in its folder.
  const fs::path elsewhere = folder / "les";
  fs::create_directories(elsewhere);
  ASSERT_TRUE(ws.SaveGraphFile((elsewhere / "les.qvl").string()));
  for (Command command : {Command::PictureToFile, Command::PictureToVector}) {
    QString opened;
    inTheDialog([&](QFileDialog& dialog) -> std::optional<std::string> {
      opened = dialog.directory().absolutePath();
      return std::nullopt;
    });
    controller.executeCommand(command);
    EXPECT_EQ(opened.toStdString(), elsewhere.string()) << static_cast<int>(command);
  }
}

// The X server's notice that a window was destroyed (by another client, not by Qt) reaches
// the watch of that window, once; nothing else does.
TEST_F(Desktop, AWindowDestroyedFromOutsideIsNoticed) {
  QWidget watched, other;
  const auto id = static_cast<uint32_t>(watched.winId());
  const auto otherId = static_cast<uint32_t>(other.winId());
  ASSERT_NE(id, otherId);
  int noticed = 0;
  WindowDestroyWatch watch(watched, [&noticed] { ++noticed; });
  const auto notice = [&watch](uint8_t type, uint32_t xid, const char* kind) {
    xcb_destroy_notify_event_t event{};
    event.response_type = type;
    event.event = event.window = xid;
    watch.nativeEventFilter(kind, &event, nullptr);
  };
  notice(XCB_UNMAP_NOTIFY, id, "xcb_generic_event_t");
  notice(XCB_DESTROY_NOTIFY, otherId, "xcb_generic_event_t");
  notice(XCB_DESTROY_NOTIFY, id, "windows_generic_MSG");
  EXPECT_EQ(noticed, 0);
  notice(XCB_DESTROY_NOTIFY | 0x80, id, "xcb_generic_event_t");  // sent by another client
  EXPECT_EQ(noticed, 1);
  notice(XCB_DESTROY_NOTIFY, id, "xcb_generic_event_t");
  EXPECT_EQ(noticed, 1);
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

// The help window on a small screen: its page in a scrolling view that fits, every line of the
// page within reach, the wheel over the page still scrolling the text.
TEST_F(Desktop, TheHelpFitsASmallScreen) {
  Thelpform6* help = window.helpform6;
  const QSize frame(10, 40);
  help->fitToScreen({0, 28, 1024, 740}, frame);
  bool seen = false;
  std::function<void()> whileOpen = [&] {
    if (!help->isVisible()) {
      QTimer::singleShot(10, whileOpen);
      return;
    }
    seen = true;
    EXPECT_EQ(help->pos(), QPoint(0, 28));
    EXPECT_LE(help->height() + frame.height(), 740);
    EXPECT_EQ(help->PaintBox1->size(), QSize(800, 800));
    QScrollBar* view = help->scroller->verticalScrollBar();
    EXPECT_GT(view->maximum(), 0);
    // The page's last line: below the view at first, in it once scrolled there.
    const QWidget* viewport = help->scroller->viewport();
    const auto lastLineShown = [&] {
      const QPoint bottom = help->PaintBox1->mapTo(viewport, QPoint(0, 799));
      return viewport->rect().contains(bottom);
    };
    EXPECT_FALSE(lastLineShown());
    view->setValue(view->maximum());
    EXPECT_TRUE(lastLineShown());
    // The wheel over the page: the text, not the view.
    view->setValue(0);
    QWheelEvent wheel({400, 400}, help->PaintBox1->mapToGlobal(QPoint(400, 400)), {}, {0, -120},
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(help->PaintBox1, &wheel);
    EXPECT_EQ(help->page.topLine, 3);
    EXPECT_EQ(view->value(), 0);
    QTest::keyClick(help, Qt::Key_Escape);
  };
  QTimer::singleShot(0, whileOpen);
  controller.executeCommand(Command::Help);
  EXPECT_TRUE(seen);
  // On a large screen the whole page, as it always was.
  help->fitToScreen({0, 0, 1920, 1050}, frame);
  EXPECT_EQ(help->size(), QSize(869, 830));
}

}  // namespace
}  // namespace quorvel
