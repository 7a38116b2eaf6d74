// The colour, help, info and debug windows opened through their commands in the real main
// window.

#include <QScrollBar>
#include <QWheelEvent>

#include "MainWindowTestSupport.h"

namespace quorvel {
namespace {

class ShellWindows : public testing::MainWindowTest {
 protected:
  void drag(QWidget* widget, QPoint from, QPoint to) {
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QMouseEvent moveEvent(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::LeftButton,
                          Qt::LeftButton, {});
    QApplication::sendEvent(widget, &moveEvent);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
  }
};

TEST_F(ShellWindows, ColoursAndThePersonalText) {
  withAlt({Qt::Key_K});
  TkleurenForm* form = window.kleurenForm;
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->size(), QSize(544, 401));
  EXPECT_FALSE(window.isEnabled());
  click(form->FselectBox, {29 + 14, 14});  // slot 2
  QWidget* red = form->bars[0];
  const int knob = form->choice.bars[0].knobX;
  drag(red, {knob + 5, 20}, {-100, 20});  // fully left
  EXPECT_EQ(form->choice.editColours[2], rgb(31, 255, 0));
  form->Edit1->setText(QString(60, 'x'));  // at most 50 characters
  EXPECT_EQ(form->Edit1->text().size(), 50);
  form->Edit1->setText("mijn tekst");
  click(form->toepBtn);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(window.isEnabled());
  EXPECT_EQ(ws.slotColours[2], rgb(31, 255, 0));
  EXPECT_EQ(ws.personalText, "mijn tekst");
  selectSlot(2);
  type("y=x");
  enter();
  EXPECT_TRUE(graphAt(1, 1, 2));
  EXPECT_EQ(ws.graph.picture.pixel(ws.graph.scale.WorldToColumn(1), ws.graph.scale.WorldToRow(1)),
            rgb(31, 255, 0));

  // "cancel" keeps everything as it was.
  withAlt({Qt::Key_K});
  form->choice.original();
  form->Edit1->setText("weg");
  click(form->annBtn);
  EXPECT_EQ(ws.slotColours[2], rgb(31, 255, 0));
  EXPECT_EQ(ws.personalText, "mijn tekst");
}

TEST_F(ShellWindows, HelpOpensAtTheContents) {
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

TEST_F(ShellWindows, HelpScrollsByKeysAndWheel) {
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

TEST_F(ShellWindows, InfoPages) {
  TinfoForm* info = window.infoForm;
  TsubMenu* titles = window.menuBar->panels[0]->control;
  move(titles, {4 * 90 + 10, 10});
  click(titles, {4 * 90 + 10, 10});  // "info"
  TsubMenu* list = window.menuBar->panels[1]->control;
  move(list, {10, 10});
  click(list, {10, 10});  // "over ..."
  ASSERT_TRUE(info->isVisible());
  EXPECT_EQ(info->windowTitle(), "over...");
  EXPECT_EQ(info->size(), QSize(517, 567));
  EXPECT_FALSE(window.isEnabled());
  key(Qt::Key_Escape);
  EXPECT_FALSE(info->isVisible());
  EXPECT_TRUE(window.isEnabled());
  controller.executeCommand(35);
  EXPECT_EQ(info->windowTitle(), "condities");
  info->hide();
}

TEST_F(ShellWindows, DebugViewWhileDebugModeIsOn) {
  QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(message(), "debugMode switched ON");
  type("y=2x+1");
  enter();
  TdebugForm* debug = window.debugForm;
  ASSERT_TRUE(debug->isVisible());
  EXPECT_EQ(debug->windowTitle(), "debugForm");
  EXPECT_EQ(debug->size(), QSize(628, 560));
  EXPECT_EQ(debug->rows.workingText, "y=2x+1 ");
  EXPECT_EQ(debug->rows.postfix.size(), 4u);
  EXPECT_EQ(debug->rows.steps.size(), 3u);
  debug->hide();
}

}  // namespace
}  // namespace quorvel
