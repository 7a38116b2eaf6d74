#pragma once
// The main window with its own workspace, shown on the offscreen platform, and the ways a
// user drives it: keys, clicks, mouse moves.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>

#include "colours/ColorBox.h"
#include "colours/ColourWindow.h"
#include "editor/FormulaEditBox.h"
#include "fitting/PointsTableWindow.h"
#include "formula/DebugWindow.h"
#include "help/HelpWindow.h"
#include "info/InfoWindow.h"
#include "menu/MenuWidget.h"
#include "plot/DomainDialog.h"
#include "plot/GrafiekBox.h"
#include "plot/ScaleBox.h"
#include "qt/QtTextPainter.h"
#include "shell/Controller.h"
#include "shell/MainWindow.h"
#include "shell/ShellDialogs.h"
#include "shell/WindowControls.h"
#include "tools/AnalysisWindow.h"
#include "tools/AreaDialog.h"
#include "tools/ValueTableWindow.h"

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

  // Where the system sends a key: to the focused control of the window that has the keys,
  // which is an open dialog (the main window is disabled meanwhile) or the main window.
  QWidget* keyTarget() {
    QApplication::processEvents();  // a window just shown or hidden settles first
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top != &window && top->isVisible() && top->isEnabled() && top->isWindow() &&
          !window.isEnabled()) {
        return top->focusWidget() ? top->focusWidget() : top;
      }
    }
    QWidget* focused = QApplication::focusWidget();
    return focused && focused->window() == &window ? focused : &window;
  }
  // Characters as typed; \x01 and \x02 stand for the Up and Down keys.
  void type(const char* keys) {
    for (const char* c = keys; *c; ++c) {
      if (*c == '\x01') {
        QTest::keyClick(keyTarget(), Qt::Key_Up);
      } else if (*c == '\x02') {
        QTest::keyClick(keyTarget(), Qt::Key_Down);
      } else {
        QTest::keyClick(keyTarget(), *c);
      }
    }
  }
  void key(Qt::Key key) { QTest::keyClick(keyTarget(), key); }
  void enter() { key(Qt::Key_Return); }
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
  // Keys pressed while Alt stays down, as a user does it.
  void withAlt(std::initializer_list<Qt::Key> keys) {
    auto send = [this](QEvent::Type type, int key, Qt::KeyboardModifiers modifiers) {
      QKeyEvent event(type, key, modifiers);
      QApplication::sendEvent(keyTarget(), &event);
    };
    send(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    for (Qt::Key key : keys) {
      send(QEvent::KeyPress, key, Qt::AltModifier);
      send(QEvent::KeyRelease, key, Qt::AltModifier);
    }
    send(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
  }
  // What the user does in the next file dialog: `choose` gets it, and gives a file name to
  // accept, or nothing to cancel.
  void inTheDialog(std::function<std::optional<std::string>(QFileDialog&)> choose) {
    choose_ = std::move(choose);
    QTimer::singleShot(0, [this] { answerDialog(); });
  }
  void answerDialog() {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) {
      QTimer::singleShot(10, [this] { answerDialog(); });
      return;
    }
    if (const std::optional<std::string> name = choose_(*dialog)) {
      dialog->selectFile(QString::fromStdString(*name));
      static_cast<QDialog*>(dialog)->accept();  // as the dialog's own button does
    } else {
      dialog->reject();
    }
  }
  std::function<std::optional<std::string>(QFileDialog&)> choose_;
  // The button the user presses in the next question box; what it asked is kept.
  std::vector<std::string> questions;
  void answerQuestion(const QString& button) {
    QTimer::singleShot(0, [this, button] { pressInQuestion(button, 300); });
  }
  void pressInQuestion(const QString& button, int triesLeft) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
      if (triesLeft > 0)
        QTimer::singleShot(10,
                           [this, button, triesLeft] { pressInQuestion(button, triesLeft - 1); });
      return;
    }
    questions.push_back(box->text().toStdString());
    for (QAbstractButton* b : box->buttons()) {
      if (b->text() == button) {
        b->click();
        return;
      }
    }
    ADD_FAILURE() << "no button " << button.toStdString();
    box->reject();
  }
  void selectSlot(int slot) { key(Qt::Key(Qt::Key_F1 + slot - 1)); }
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
