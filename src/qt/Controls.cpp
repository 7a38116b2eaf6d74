#include "qt/Controls.h"

#include <QPainter>

#include "common/Language.h"

namespace quorvel {

QString shownText(const char* source) {
  return QString::fromStdString(translated(source));
}

QPushButton* colouredButton(const QString& text, const char* colour, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setStyleSheet(QString("color: %1; font-weight: bold;").arg(colour));
  button->setAutoDefault(false);
  return button;
}

void paintBevel(QPainter& painter, QPoint topLeft, QPoint bottomRight, const QColor& light,
                const QColor& dark) {
  const int l = topLeft.x(), t = topLeft.y(), r = bottomRight.x(), b = bottomRight.y();
  painter.fillRect(l, t, r - l + 1, 1, light);
  painter.fillRect(l, t, 1, b - t + 1, light);
  painter.fillRect(l, b, r - l + 1, 1, dark);
  painter.fillRect(r, t, 1, b - t + 1, dark);
}

void paintRaisedFrame(QWidget* widget) {
  QPainter painter(widget);
  const int w = widget->width();
  const int h = widget->height();
  for (int i = 0; i < 2; ++i)
    paintBevel(painter, {i, i}, {w - 1 - i, h - 1 - i}, Qt::white, Qt::black);
}

}  // namespace quorvel
