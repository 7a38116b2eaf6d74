#include "plot/ScaleBox.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace quorvel {

ScaleBox::ScaleBox(bool horizontal, const ScaleButtons& buttons, QWidget* parent)
    : QWidget(parent), horizontal_(horizontal), buttons_(buttons) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScaleBox::paintEvent(QPaintEvent*) {
  Picture bar = buttons_.render(horizontal_);
  const QImage image(reinterpret_cast<const uchar*>(bar.data()), bar.width(), bar.height(),
                     bar.width() * 4, QImage::Format_RGB32);
  QPainter(this).drawImage(0, 0, image);
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
