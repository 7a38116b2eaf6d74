#pragma once
// The help window (Thelpform6, caption "help"): the program's own help text on an 800 x 800
// page with a scroll bar; a click on a link marker scrolls to its anchor, a click on an anchor
// marker back to the contents. The arrows, Page Up, Page Down, Home, End and the mouse wheel
// scroll it. Modal; Esc closes it.

#include <QDialog>
#include <QScrollBar>

#include "shell/HelpPage.h"

namespace quorvel {

class Thelpform6 : public QDialog {
 public:
  Thelpform6(TextPainter& text, QWidget* mainWindow);

  // Loads the help text that comes with the program.
  void loadText();
  // Command 28: from the top, beside the main window, modal.
  void showHelp();

  HelpPage page;
  QWidget* PaintBox1;
  QScrollBar* ScrollBar1;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  QWidget* mainWindow_;
  int wheelRest_ = 0;  // of the wheel's turns, less than a notch
};

// The help text shipped with the program, line by line, with the version filled in.
std::vector<std::string> helpTextLines();

}  // namespace quorvel
