#include "colours/ColorBox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <array>

#include "qt/Controls.h"
#include "qt/QtTextPainter.h"

namespace quorvel {
namespace {

QColor qcolour(Colour c) {
  return QColor::fromRgb(c);
}

constexpr int kCell = SlotSelection::kCell;

QPoint cellTopLeft(int slot) {
  return {kCell * ((slot - 1) % 3), kCell * ((slot - 1) / 3)};
}

// One slot of the box: a radio button, checked when it is the selected slot.
class SlotAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  SlotAccessible(ColorBox* box, int slot) : box_(box), slot_(slot) {}

  bool isValid() const override { return !box_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return box_->window()->windowHandle(); }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(box_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && box_->slotName)
      return QString::fromStdString(box_->slotName(slot_));
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    return {box_->mapToGlobal(cellTopLeft(slot_)), QSize(kCell, kCell)};
  }
  QAccessible::Role role() const override { return QAccessible::RadioButton; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.checkable = true;
    state.checked = box_->selectedSlot() == slot_;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    const QPoint middle = ColorBox::cellMiddle(slot_);
    if (action == pressAction() && box_->onMouseDown) box_->onMouseDown(middle.x(), middle.y());
  }
  QStringList keyBindingsForAction(const QString&) const override {
    return {QString("F%1").arg(slot_)};
  }

 private:
  QPointer<ColorBox> box_;
  int slot_;
};

// The box: a group holding the nine slots, made once and kept in Qt's cache of interfaces.
class ColorBoxAccessible : public QAccessibleWidget {
 public:
  explicit ColorBoxAccessible(ColorBox* box) : QAccessibleWidget(box, QAccessible::Grouping) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      auto* cell = new SlotAccessible(box, slot);
      slots_[slot - 1] = QAccessible::registerAccessibleInterface(cell);
    }
  }
  ~ColorBoxAccessible() override {
    for (QAccessible::Id id : slots_)
      QAccessible::deleteAccessibleInterface(id);
  }
  int childCount() const override { return kSlotCount; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= kSlotCount) return nullptr;
    return QAccessible::accessibleInterface(slots_[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int index = 0; index < kSlotCount; ++index) {
      if (QAccessible::accessibleInterface(slots_[index]) == child) return index;
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
    if (!widget()->rect().contains(at)) return nullptr;
    return child(SlotSelection::slotAt(at.x(), at.y()) - 1);
  }
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return shownText(QT_TRANSLATE_NOOP("quorvel", "kleuren"));
    return QAccessibleWidget::text(kind);
  }

 private:
  std::array<QAccessible::Id, kSlotCount> slots_{};
};

QAccessibleInterface* colorBoxAccessible(const QString&, QObject* object) {
  if (auto* box = dynamic_cast<ColorBox*>(object)) return new ColorBoxAccessible(box);
  return nullptr;
}

}  // namespace

QPoint ColorBox::cellMiddle(int slot) {
  return cellTopLeft(slot) + QPoint(kCell / 2, kCell / 2);
}

ColorBox::ColorBox(const SlotSelection& selection, const SlotColours& colours, QWidget* parent)
    : QWidget(parent), selection_(selection), colours_(colours) {
  static const bool installed = [] {
    QAccessible::installFactory(colorBoxAccessible);
    return true;
  }();
  (void)installed;
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
  constexpr int cell = kCell;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const int x = cellTopLeft(slot).x();
    const int y = cellTopLeft(slot).y();
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
