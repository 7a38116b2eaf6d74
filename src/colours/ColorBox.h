#pragma once
// The 3 x 3 colour box of the nine slots on the window: cells in the slots' colours with their
// numbers, the selected slot sunken and the one under the mouse raised. To assistive technology
// it is a group of nine radio buttons, each named by its slot and pressed as a click does.

#include <QWidget>
#include <functional>
#include <string>

#include "colours/SlotSelection.h"
#include "formula/SlotColours.h"

namespace quorvel {

class ColorBox : public QWidget {
 public:
  ColorBox(const SlotSelection& selection, const SlotColours& colours, QWidget* parent);

  std::function<void()> onFirstPaint;  // the first paint selects slot 1
  std::function<void(int x, int y)> onMouseMove;
  std::function<void(int x, int y)> onMouseDown;
  std::function<std::string(int slot)> slotName;  // "vak 3: y=sin(x)"

  int selectedSlot() const { return selection_.selectedSlot; }
  // The middle of a slot's cell, where a click chooses it.
  static QPoint cellMiddle(int slot);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  const SlotSelection& selection_;
  const SlotColours& colours_;
  bool painted_ = false;
};

}  // namespace quorvel
