#pragma once
// The area window (TAreaForm, caption "X-domain for area calculation"): the x domain of the
// area under the selected slot's graph. It closes when the area is calculated, on "cancel",
// Esc, or whenever it loses activation; the result then goes to the message line.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "tools/Area.h"

namespace quorvel {

class TAreaForm : public QDialog {
 public:
  TAreaForm(AreaCalculation& area, QWidget* mainWindow);

  // The window closed: the result text (empty when nothing was calculated) for the message
  // line, and the picture with its hatching to be shown.
  std::function<void(const std::string& result)> closed;

  void FormShow(int slot);
  void FormDeactivate();

  QLineEdit* XLedit;
  QLineEdit* XRedit;
  QLabel* statustext;
  QPushButton* berekenBtn;
  QPushButton* annBtn;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void berekenBtnClick();

  AreaCalculation& area_;
  QWidget* mainWindow_;
  int slot_ = 1;
};

}  // namespace quorvel
