#pragma once
// The main window with its own workspace, shown on the offscreen platform, and the ways a
// user drives it: keys, clicks, mouse moves.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "qt/QtTextPainter.h"
#include "shell/MainWindow.h"

namespace quorvel::testing {

class MainWindowTest : public ::testing::Test {
 protected:
  QtTextPainter text;
  Workspace ws{text};
  Controller controller{ws};
  TcontrolForm window{ws, controller};

  void SetUp() override {
    window.show();
    QApplication::processEvents();
  }
  void TearDown() override {
    window.VdomainForm->hide();
    window.XdomainForm->hide();
  }

  void type(const char* keys) {
    for (const char* c = keys; *c; ++c) {
      if (*c == '\x01') {
        QTest::keyClick(&window, Qt::Key_Up);
      } else if (*c == '\x02') {
        QTest::keyClick(&window, Qt::Key_Down);
      } else {
        QTest::keyClick(&window, *c);
      }
    }
  }
  void enter() { QTest::keyClick(&window, Qt::Key_Return); }
  void press(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(widget, button, {}, at);
  }
  void release(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(widget, button, {}, at);
  }
  void click(QWidget* widget, QPoint at = {5, 5}, Qt::MouseButton button = Qt::LeftButton) {
    press(widget, at, button);
    release(widget, at, button);
  }
  void move(QWidget* widget, QPoint at) {
    QMouseEvent event(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      {});
    QApplication::sendEvent(widget, &event);
  }
  QString message() const { return window.MsgText->text(); }
  bool graphAt(double x, double y, int slot) const {
    const ScaleState& scale = ws.graph.scale;
    const Picture& picture = ws.graph.picture;
    const int column = scale.WorldToColumn(x);
    const int row = scale.WorldToRow(y);
    for (int dy = -1; dy <= 1; ++dy) {
      if (picture.pixel(column, row + dy) == ws.slotColours[slot]) return true;
    }
    return false;
  }
};

}  // namespace quorvel::testing
