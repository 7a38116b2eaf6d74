#pragma once
// Small controls of the main window: the text fields that highlight under the mouse and take
// clicks (settings, constants, degree), and the arrow that shows the selected input.

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <functional>

#include "shell/Controller.h"

namespace quorvel {

// A text field of the window that highlights under the mouse and takes mouse presses: the
// settings boxes, the constants and the degree.
class FieldLabel : public QLabel {
 public:
  FieldLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAlignment(Qt::AlignCenter);
    setFrame(false);
  }
  std::function<void(bool left)> onPress;
  std::function<void()> onRelease;

  // Single border normally, sunken under the mouse.
  void setFrame(bool sunken) {
    setFrameStyle(sunken ? (QFrame::Panel | QFrame::Sunken) : (QFrame::Box | QFrame::Plain));
    setLineWidth(1);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (onPress) onPress(event->button() == Qt::LeftButton);
  }
  void mouseReleaseEvent(QMouseEvent*) override {
    if (onRelease) onRelease();
  }
};

// The arrow beside the edit box that shows which input is selected: pointing left at the
// formula box, or up at the coefficient grid. Its frame is white under the mouse.
class ArrowBox : public QWidget {
 public:
  ArrowBox(const Controller& controller, QWidget* parent)
      : QWidget(parent), controller_(controller) {}
  std::function<void()> onClick;
  bool lit = false;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(lit ? Qt::white : Qt::black);
    painter.drawRect(0, 0, width() - 1, height() - 1);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 160));
    QPolygon arrow;
    if (controller_.formulaInputActive) {
      arrow << QPoint(4, 12) << QPoint(12, 4) << QPoint(12, 9) << QPoint(20, 9) << QPoint(20, 15)
            << QPoint(12, 15) << QPoint(12, 20);
    } else {
      arrow << QPoint(12, 4) << QPoint(20, 12) << QPoint(15, 12) << QPoint(15, 20) << QPoint(9, 20)
            << QPoint(9, 12) << QPoint(4, 12);
    }
    painter.drawPolygon(arrow);
  }
  void mousePressEvent(QMouseEvent*) override {
    if (onClick) onClick();
  }

 private:
  const Controller& controller_;
};

}  // namespace quorvel
