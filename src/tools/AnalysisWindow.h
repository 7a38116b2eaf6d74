#pragma once
// The windows of the analysis: the list of what was found (caption "analyse", in the style of
// the value table: twenty rows at a time, scrolled by "-" and "+", the arrow and page keys and
// the wheel; "kopieer" puts every result with all its digits on the clipboard), and the
// tangent's dialog (caption "raaklijn": the x, "teken" plots, a fault shows below the field).
// Each disables the main window while it is shown; Esc closes it.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <optional>
#include <string>

#include "tools/Analysis.h"

namespace quorvel {

class TanalyseForm : public QDialog {
 public:
  TanalyseForm(const Analysis& analysis, TextPainter& text, QWidget* mainWindow);

  void showList();

  QLabel* titel;
  QWidget* lijstBox;
  QPushButton* minBtn;
  QPushButton* plusBtn;
  QLabel* rijenText;
  QPushButton* kopieerBtn;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void scrollTo(long first);

  const Analysis& analysis_;
  TextPainter& text_;
  QWidget* mainWindow_;
  size_t first_ = 0;
  int wheelRest_ = 0;  // of the wheel's turns, less than a notch
};

class TraaklijnForm : public QDialog {
 public:
  explicit TraaklijnForm(QWidget* mainWindow);

  // Plots the tangent at the typed x; the fault when it could not.
  std::function<std::optional<std::string>(const std::string& typedX)> plot;

  void ask(const std::string& proposed);

  QLineEdit* Xedit;
  QLabel* statustext;
  QPushButton* tekenBtn;
  QPushButton* annBtn;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void tekenBtnClick();

  QWidget* mainWindow_;
};

}  // namespace quorvel
