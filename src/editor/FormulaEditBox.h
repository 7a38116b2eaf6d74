#pragma once
// The formula edit box on the window (Tkor7ELBox): draws the characters of the editor model,
// superscript characters higher, and the red caret; reports clicks, and the mouse entering
// and leaving.

#include <QWidget>
#include <functional>

#include "editor/FormulaEditor.h"

namespace quorvel {

class Tkor7ELBox : public QWidget {
 public:
  Tkor7ELBox(FormulaEditor& editor, QWidget* parent);

  std::function<void(Tkor7ELBox*)> onEnter;
  std::function<void(Tkor7ELBox*)> onLeave;
  std::function<void(int x)> onClick;  // the x of a mouse press in the box

  void setCaretVisible(bool visible);
  bool caretVisible() const { return caretVisible_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  FormulaEditor& editor_;
  bool caretVisible_ = true;
};

}  // namespace quorvel
