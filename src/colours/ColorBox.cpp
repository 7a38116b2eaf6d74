#include "colours/ColorBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "qt/Controls.h"
#include "qt/QtTextPainter.h"

namespace quorvel {
namespace {

QColor qcolour(Colour c) {
  return QColor::fromRgb(c);
}

}  // namespace

ColorBox::ColorBox(const SlotSelection& selection, const SlotColours& colours, QWidget* parent)
    : QWidget(parent), selection_(selection), colours_(colours) {
  setMouseTracking(true);
  setFont(programFont(Font{"arial", 17, true}));
}

void ColorBox::paintEvent(QPaintEvent*) {
  if (!painted_) {
    painted_ = true;
    if (onFirstPaint) onFirstPaint();
  }
  QPainter painter(this);
  painter.setFont(font());
  const QFontMetrics metrics(font());
  constexpr int cell = SlotSelection::kCell;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const int x = cell * ((slot - 1) % 3);
    const int y = cell * ((slot - 1) / 3);
    const Colour colour = colours_[slot];
    painter.fillRect(x, y, cell, cell, qcolour(colour));
    painter.setPen(SlotSelection::numberInBlack(colour) ? Qt::black : Qt::white);
    painter.drawText(x + 10, y + 6 + metrics.ascent(), QString::number(slot));
    // Two nested squares: top and left in the first colour, bottom and right in the second.
    QColor first(0xA0A0A0), second(0xA0A0A0);
    if (selection_.frameOf(slot) == SlotFrame::Hover) {
      first = Qt::white;
      second = Qt::black;
    } else if (selection_.frameOf(slot) == SlotFrame::Selected) {
      first = Qt::black;
      second = Qt::white;
    }
    for (int inset = 0; inset < 2; ++inset) {
      paintBevel(painter, {x + inset, y + inset}, {x + cell - 1 - inset, y + cell - 1 - inset},
                 first, second);
    }
  }
}

void ColorBox::mouseMoveEvent(QMouseEvent* event) {
  if (onMouseMove)
    onMouseMove(static_cast<int>(event->position().x()), static_cast<int>(event->position().y()));
}

void ColorBox::mousePressEvent(QMouseEvent* event) {
  if (onMouseDown)
    onMouseDown(static_cast<int>(event->position().x()), static_cast<int>(event->position().y()));
}

}  // namespace quorvel
