#include "qt/Controls.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <optional>

#include "common/Language.h"

namespace quorvel {

namespace {

// Where a control keeps the source of its lasting texts.
constexpr char kTextSource[] = "quorvelTextSource";
constexpr char kTitleSource[] = "quorvelTitleSource";
constexpr char kToolTipSource[] = "quorvelToolTipSource";
constexpr int kCellSourceRole = Qt::UserRole + 0x5154;

QString remembered(QObject* control, const char* property, const char* source) {
  control->setProperty(property, QByteArray(source));
  return shownText(source);
}

// The text of the source `control` keeps under `property`, if it keeps one.
std::optional<QString> again(const QObject* control, const char* property) {
  const QVariant source = control->property(property);
  if (!source.isValid()) return std::nullopt;
  return shownText(source.toByteArray().constData());
}

constexpr char kMessageLine[] = "quorvelMessageLine";

// A message line as a screen reader sees it: a status bar, whose changes of text it reads out.
class MessageLineAccessible : public QAccessibleWidget {
 public:
  explicit MessageLineAccessible(QLabel* label)
      : QAccessibleWidget(label, QAccessible::StatusBar) {}
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return static_cast<const QLabel*>(widget())->text();
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* messageLineAccessible(const QString&, QObject* object) {
  auto* label = qobject_cast<QLabel*>(object);
  if (label == nullptr || !label->property(kMessageLine).toBool()) return nullptr;
  return new MessageLineAccessible(label);
}

}  // namespace

void showAsMessageLine(QLabel* label) {
  static const bool installed = [] {
    QAccessible::installFactory(messageLineAccessible);
    return true;
  }();
  (void)installed;
  label->setProperty(kMessageLine, true);
}

QString shownText(const char* source) {
  return QString::fromStdString(translated(source));
}

QLabel* showText(QLabel* label, const char* source) {
  label->setText(remembered(label, kTextSource, source));
  return label;
}

QAbstractButton* showText(QAbstractButton* button, const char* source) {
  button->setText(remembered(button, kTextSource, source));
  return button;
}

QGroupBox* showText(QGroupBox* group, const char* source) {
  group->setTitle(remembered(group, kTextSource, source));
  return group;
}

QTableWidgetItem* showText(QTableWidgetItem* cell, const char* source) {
  cell->setData(kCellSourceRole, QByteArray(source));
  cell->setText(shownText(source));
  return cell;
}

void showTitle(QWidget* window, const char* source) {
  window->setWindowTitle(remembered(window, kTitleSource, source));
}

void showToolTip(QWidget* widget, const char* source) {
  widget->setToolTip(remembered(widget, kToolTipSource, source));
}

void showTextsAgain() {
  for (QWidget* widget : QApplication::allWidgets()) {
    if (const auto text = again(widget, kTextSource)) {
      if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(*text);
      if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(*text);
      if (auto* group = qobject_cast<QGroupBox*>(widget)) group->setTitle(*text);
    }
    if (const auto title = again(widget, kTitleSource)) widget->setWindowTitle(*title);
    if (const auto tip = again(widget, kToolTipSource)) widget->setToolTip(*tip);
    if (auto* table = qobject_cast<QTableWidget*>(widget)) {
      for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
          QTableWidgetItem* cell = table->item(row, column);
          if (cell == nullptr) continue;
          const QVariant source = cell->data(kCellSourceRole);
          if (source.isValid()) cell->setText(shownText(source.toByteArray().constData()));
        }
      }
    }
  }
}

QPushButton* colouredButton(const char* source, const char* colour, QWidget* parent) {
  auto* button = new QPushButton(parent);
  showText(button, source);
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
