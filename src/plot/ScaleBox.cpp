#include "plot/ScaleBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "qt/PictureImage.h"

namespace quorvel {

ScaleBox::ScaleBox(bool horizontal, const ScaleButtons& buttons, QWidget* parent)
    : QWidget(parent), horizontal_(horizontal), buttons_(buttons) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScaleBox::paintEvent(QPaintEvent*) {
  const Picture bar = buttons_.render(horizontal_);
  QPainter(this).drawImage(0, 0, imageOf(bar));
}

void ScaleBox::mouseMoveEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  if (onMouseMove) onMouseMove(horizontal_, static_cast<int>(horizontal_ ? p.x() : p.y()));
}

void ScaleBox::mousePressEvent(QMouseEvent* event) {
  if (onButton) onButton(event->button() == Qt::RightButton ? 2 : 1);
}

void ScaleBox::mouseReleaseEvent(QMouseEvent*) {
  if (onButton) onButton(0);
}

}  // namespace quorvel
