// The help window opened through its command in the real main window: its contents, links,
// keys and wheel.

#include <QScrollBar>
#include <QWheelEvent>

#include "../shell/MainWindowTestSupport.h"

namespace quorvel {
namespace {

class TheHelpWindow : public testing::MainWindowTest {};

TEST_F(TheHelpWindow, HelpOpensAtTheContents) {
  bool seen = false;
  std::function<void()> whileOpen = [&] {
    Thelpform6* help = window.helpform6;
    if (!help->isVisible()) {  // not open yet: look again soon
      QTimer::singleShot(10, whileOpen);
      return;
    }
    seen = true;
    EXPECT_EQ(help->windowTitle(), "help");
    EXPECT_EQ(help->size(), QSize(869, 830));
    EXPECT_EQ(help->page.topLine, 0);
    EXPECT_NE(help->page.lines().at(0).find("Inhoud"), std::string::npos);
    EXPECT_EQ(help->ScrollBar1->maximum(), help->page.scrollMaximum());
    // The first link of the contents: a click scrolls to its chapter.
    const HelpPage::LinkEntry& first = help->page.links().at(0);
    const QPoint marker(first.linkX + 10, (first.linkLine - help->page.topLine) * 25 + 15);
    QMouseEvent hover(QEvent::MouseMove, marker, help->PaintBox1->mapToGlobal(marker), Qt::NoButton,
                      Qt::NoButton, {});
    QApplication::sendEvent(help->PaintBox1, &hover);
    EXPECT_EQ(help->PaintBox1->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(help->PaintBox1, Qt::LeftButton, {}, marker);
    EXPECT_EQ(help->page.topLine, std::min(first.anchorLine, help->page.scrollMaximum()));
    QTest::keyClick(help, Qt::Key_Escape);
  };
  QTimer::singleShot(0, whileOpen);
  withAlt({Qt::Key_H});
  EXPECT_TRUE(seen);
  EXPECT_FALSE(window.helpform6->isVisible());
}

TEST_F(TheHelpWindow, HelpScrollsByKeysAndWheel) {
  bool seen = false;
  std::function<void()> whileOpen = [&] {
    Thelpform6* help = window.helpform6;
    if (!help->isVisible()) {
      QTimer::singleShot(10, whileOpen);
      return;
    }
    seen = true;
    const int end = help->page.scrollMaximum();
    ASSERT_GT(end, 100);
    auto keyThen = [help](Qt::Key key) {
      QTest::keyClick(help, key);
      return help->page.topLine;
    };
    EXPECT_EQ(keyThen(Qt::Key_PageDown), 30);  // a page: every visible line but one
    EXPECT_EQ(keyThen(Qt::Key_Down), 31);
    EXPECT_EQ(keyThen(Qt::Key_PageUp), 1);
    EXPECT_EQ(keyThen(Qt::Key_PageUp), 0);  // not above the top
    EXPECT_EQ(keyThen(Qt::Key_End), end);
    EXPECT_EQ(keyThen(Qt::Key_PageDown), end);
    EXPECT_EQ(keyThen(Qt::Key_Home), 0);
    auto wheel = [help](int delta) {
      QWheelEvent event({400, 400}, help->mapToGlobal(QPoint(400, 400)), {}, {0, delta},
                        Qt::NoButton, {}, Qt::NoScrollPhase, false);
      QApplication::sendEvent(help, &event);
      return help->page.topLine;
    };
    EXPECT_EQ(wheel(-240), 6);  // two notches towards the user: six lines down
    EXPECT_EQ(wheel(120), 3);
    EXPECT_EQ(wheel(60), 3);  // half a notch of a touchpad, and its other half
    EXPECT_EQ(wheel(60), 0);
    QTest::keyClick(help, Qt::Key_Escape);
  };
  QTimer::singleShot(0, whileOpen);
  withAlt({Qt::Key_H});
  EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace quorvel
