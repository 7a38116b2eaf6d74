#pragma once
// The info window (TinfoForm): one of three short pages about the program inside a frame of
// random Lissajous figures drawn anew on every paint. The main window is disabled while it is
// shown; Esc closes it.

#include <QDialog>
#include <random>

#include "info/InfoPage.h"

namespace quorvel {

class TinfoForm : public QDialog {
 public:
  TinfoForm(TextPainter& text, QWidget* mainWindow);

  // Commands 27, 34 and 35: page 1, 2 or 3.
  void showPage(int page);
  int infoPage = 1;
  QWidget* infoBox;
  // Where the figures' parameters come from; a test may fix it.
  InfoPage::Random random;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  TextPainter& text_;
  QWidget* mainWindow_;
  std::mt19937 generator_{std::random_device{}()};
};

}  // namespace quorvel
