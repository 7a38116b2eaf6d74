#include "qt/Controls.h"

#include <QPainter>

namespace quorvel {

QPushButton* colouredButton(const QString& text, const char* colour, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setStyleSheet(QString("color: %1; font-weight: bold;").arg(colour));
  button->setAutoDefault(false);
  return button;
}

void paintRaisedFrame(QWidget* widget) {
  QPainter painter(widget);
  const int w = widget->width();
  const int h = widget->height();
  for (int i = 0; i < 2; ++i) {
    painter.setPen(Qt::white);
    painter.drawLine(i, i, w - 1 - i, i);
    painter.drawLine(i, i, i, h - 1 - i);
    painter.setPen(Qt::black);
    painter.drawLine(i, h - 1 - i, w - 1 - i, h - 1 - i);
    painter.drawLine(w - 1 - i, i, w - 1 - i, h - 1 - i);
  }
}

}  // namespace quorvel
