#pragma once
// The help window (Thelpform6, caption "help"): the program's own help text on an 800 x 800
// page with a scroll bar; a click on a link marker scrolls to its anchor, a click on an anchor
// marker back to the contents. The arrows, Page Up, Page Down, Home, End and the mouse wheel
// scroll it. Modal; Esc closes it. On a screen too small for it, it shows its page in a
// scrolling view, as the main window does.

#include <QDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <optional>

#include "help/HelpPage.h"

namespace quorvel {

class Thelpform6 : public QDialog {
 public:
  Thelpform6(TextPainter& text, QWidget* mainWindow);

  // Loads the help text that comes with the program.
  void loadText();
  // The "help" command: from the top, beside the main window (at the free area's corner when it
  // scrolls), modal.
  void showHelp();
  // The window for a screen whose free area is `freeArea`, the window manager's frame taking
  // `frame` more: the whole page, or as much of it as fits in a scrolling view.
  void fitToScreen(const QRect& freeArea, QSize frame);

  static constexpr int kWidth = 869;  // the page: the help page, its scroll bar, the margins
  static constexpr int kHeight = 830;
  HelpPage page;
  QWidget* PaintBox1;
  QScrollBar* ScrollBar1;
  QScrollArea* scroller;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* mainWindow_;
  std::optional<QPoint> scrolledAt_;  // where the window goes when its page scrolls
  int wheelRest_ = 0;                 // of the wheel's turns, less than a notch
};

// The help text shipped with the program, line by line, with the version filled in.
std::vector<std::string> helpTextLines();

}  // namespace quorvel
