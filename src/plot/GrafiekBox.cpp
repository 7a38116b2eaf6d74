#include "plot/GrafiekBox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "common/NumberText.h"
#include "qt/Controls.h"
#include "qt/PictureImage.h"
#include "qt/PictureRenderer.h"
#include "qt/QtTextPainter.h"

namespace quorvel {
namespace {

const Font kLabelFont{"courier new", 15, false};

// The coordinate window as assistive technology sees it: a graphic, its description the
// picture in words, made when it is read (a search of every graph takes a while).
class GraphAccessible : public QAccessibleWidget {
 public:
  explicit GraphAccessible(GrafiekBox* box) : QAccessibleWidget(box, QAccessible::Graphic) {}
  QString text(QAccessible::Text kind) const override {
    const auto* box = static_cast<const GrafiekBox*>(widget());
    if (kind == QAccessible::Name) return shownText(QT_TRANSLATE_NOOP("quorvel", "grafiek"));
    if (kind == QAccessible::Description && box->describe)
      return QString::fromStdString(box->describe());
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* graphAccessible(const QString&, QObject* object) {
  if (auto* box = dynamic_cast<GrafiekBox*>(object)) return new GraphAccessible(box);
  return nullptr;
}

}  // namespace

GrafiekBox::GrafiekBox(Graph& graph, QWidget* parent) : QWidget(parent), graph_(graph) {
  static const bool installed = [] {
    QAccessible::installFactory(graphAccessible);
    return true;
  }();
  (void)installed;
  setMouseTracking(true);
  setCursor(Qt::BlankCursor);  // the cross-hair stands in for the mouse cursor
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GrafiekBox::DrawCrosshair(int column, int row) {
  if (column == 0 && row == 0) {
    crossHair_.hide();
  } else if (crossHair_.moveTo(column, row)) {
    graph_.scale.cursorWorldX = graph_.scale.columnWorldX[column];
    graph_.scale.cursorWorldY = graph_.scale.rowWorldY[row];
  }
  update();
}

const QImage& GrafiekBox::sharpPicture(double ratio) {
  const QSize size(qRound(kPictureSize * ratio), qRound(kPictureSize * ratio));
  if (sharp_.size() != size || sharpGeneration_ != graph_.drawing.generation) {
    sharp_ = QImage(size, QImage::Format_RGB32);
    sharp_.setDevicePixelRatio(ratio);
    sharp_.fill(Qt::white);
    QPainter painter(&sharp_);
    replayDrawing(graph_.drawing, painter, kPictureSize, kPictureSize, true);
    sharpGeneration_ = graph_.drawing.generation;
  }
  return sharp_;
}

void GrafiekBox::paintEvent(QPaintEvent*) {
  // A new picture: a screen reader, if one listens, learns that its description changed.
  if (describedGeneration_ != graph_.drawing.generation && QAccessible::isActive()) {
    describedGeneration_ = graph_.drawing.generation;
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
  }
  QPainter painter(this);
  // Screen pixels per picture pixel: the screen's ratio, or that of whatever it is drawn on.
  const double ratio = painter.deviceTransform().m11();
  if (ratio > 1) {
    painter.drawImage(0, 0, sharpPicture(ratio));
  } else {
    painter.drawImage(0, 0, imageOf(graph_.picture));
  }
  if (!crossHair_.shown()) return;

  const int column = crossHair_.column();
  const int row = crossHair_.row();
  QPen dotted(Qt::black);
  dotted.setStyle(Qt::DotLine);
  painter.setPen(dotted);
  painter.drawLine(column, 0, column, height() - 1);
  painter.drawLine(0, row, width() - 1, row);

  // Both labels placed so that their decimal commas line up at the anchor.
  const QFont font = programFont(kLabelFont);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QFontMetrics metrics(font);
  auto label = [&](double value, int anchorX, int top) {
    const std::string text = shownNumber(FormatFloat("###0.0###", value));
    const std::string upToComma = text.substr(0, text.find(',') + 1);
    const int x =
        CrossHair::labelLeft(anchorX, metrics.horizontalAdvance(QString::fromStdString(upToComma)),
                             metrics.horizontalAdvance(QString::fromStdString(text)));
    painter.drawText(x, top + metrics.ascent(), QString::fromStdString(text));
  };
  label(graph_.scale.cursorWorldX, crossHair_.xLabelX(), crossHair_.xLabelY());
  label(graph_.scale.cursorWorldY, crossHair_.yLabelX(), crossHair_.yLabelY());

  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPoint(column, row), 5, 5);
}

void GrafiekBox::mouseMoveEvent(QMouseEvent* event) {
  const int x = static_cast<int>(event->position().x());
  const int y = static_cast<int>(event->position().y());
  if (onHover) onHover();
  if ((event->buttons() & (Qt::LeftButton | Qt::MiddleButton)) && onDrag) onDrag(x, y);
  DrawCrosshair(x, y);
}

void GrafiekBox::mousePressEvent(QMouseEvent* event) {
  const int x = static_cast<int>(event->position().x());
  const int y = static_cast<int>(event->position().y());
  if (x < 0 || x >= graph_.picture.width() || y < 0 || y >= graph_.picture.height()) return;
  const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
  if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton) {
    if (onPress) onPress(x, y, shift);
  } else if (onMouseDown) {
    onMouseDown(x, y, event->button(), shift);
  }
}

void GrafiekBox::mouseReleaseEvent(QMouseEvent* event) {
  const bool dragButton = event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton;
  if (dragButton && onRelease) onRelease();
}

void GrafiekBox::wheelEvent(QWheelEvent* event) {
  // With Shift some platforms turn the wheel's angle sideways.
  const QPoint delta = event->angleDelta();
  const int angle = delta.y() != 0 ? delta.y() : delta.x();
  const int x = static_cast<int>(event->position().x());
  const int y = static_cast<int>(event->position().y());
  if (onWheel && angle != 0) {
    onWheel(x, y, angle, (event->modifiers() & Qt::ShiftModifier) != 0,
            (event->modifiers() & Qt::ControlModifier) != 0);
    DrawCrosshair(x, y);  // its coordinates where the picture now has them
  }
  event->accept();  // the wheel over the picture zooms it, never scrolls the page
}

void GrafiekBox::leaveEvent(QEvent*) {
  DrawCrosshair(0, 0);
}

}  // namespace quorvel
