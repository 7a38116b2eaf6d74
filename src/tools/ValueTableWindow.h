#pragma once
// The value table (TtabelForm, caption "tables"): twenty values of the selected slot from a
// start in steps, the start moved with "+" and "-" (repeating while held) or the keys. The
// main window is disabled while it is shown; Esc closes it.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "tools/ValueTable.h"

namespace quorvel {

class TtabelForm : public QDialog {
 public:
  TtabelForm(ValueTable& table, TextPainter& text, QWidget* mainWindow);

  void showTable(int slot);

  QLabel* StaticText1;
  QLabel* StaticText2;
  QLineEdit* beginWaarde;
  QLabel* StaticText3;
  QLineEdit* stapwaarde;
  QPushButton* minBtn;
  QPushButton* plusBtn;
  QPushButton* BitBtn1;
  QWidget* antwBox;
  QTimer* Timer1;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;  // the numbers in the language now in use
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void press(bool up);
  void release();
  void Timer1Timer();
  void showModel();  // title, label, edits and the table box as the model holds them

  ValueTable& table_;
  TextPainter& text_;
  QWidget* mainWindow_;
};

}  // namespace quorvel
