#pragma once
// The colour window (TkleurenForm): the nine slot colours changed with three bars for red,
// green and blue, a preview, and the personal text written on the picture. Frameless and
// centred; the main window is disabled while it is shown. Nothing reaches the graphs before
// "toepassen".

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>

#include "colours/ColourChoice.h"

namespace quorvel {

class TkleurenForm : public QDialog {
 public:
  TkleurenForm(TextPainter& text, QWidget* mainWindow);

  // "toepassen": the colours and the personal text to use from now on.
  std::function<void(const SlotColours& colours, const std::string& personalText)> applied;

  void showColours(const SlotColours& inUse, int selectedSlot, const std::string& personalText);

  ColourChoice choice;
  QWidget* FselectBox;
  std::array<QWidget*, 3> bars{};  // the TKleurenBalk bars: red, green, blue
  QWidget* Gbox;
  QPushButton* toepBtn;
  QPushButton* orgKleurBtn;
  QPushButton* herstelBtn;
  QPushButton* annBtn;
  QLabel* StaticText1;
  QLineEdit* Edit1;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void showChoice();  // selector, bars and preview again

  TextPainter& text_;
  QWidget* mainWindow_;
  SlotColours inUse_{};
};

}  // namespace quorvel
