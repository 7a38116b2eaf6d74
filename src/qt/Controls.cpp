#include "qt/Controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>

#include "common/Language.h"

namespace quorvel {

namespace {

// Every text shownText gave, with its source.
QHash<QString, const char*>& shownSources() {
  static QHash<QString, const char*> sources;
  return sources;
}

// `text` again in the language in use, if shownText gave it.
template <class Set>
void showAgain(const QString& text, Set set) {
  const auto found = shownSources().constFind(text);
  if (found != shownSources().constEnd()) set(shownText(found.value()));
}

}  // namespace

QString shownText(const char* source) {
  QString text = QString::fromStdString(translated(source));
  shownSources().insert(text, source);
  return text;
}

void showTextsAgain() {
  for (QWidget* widget : QApplication::allWidgets()) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      showAgain(label->text(), [label](const QString& t) { label->setText(t); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      showAgain(button->text(), [button](const QString& t) { button->setText(t); });
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      showAgain(group->title(), [group](const QString& t) { group->setTitle(t); });
    } else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
      for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
          if (QTableWidgetItem* item = table->item(row, column))
            showAgain(item->text(), [item](const QString& t) { item->setText(t); });
        }
      }
    }
    if (widget->isWindow()) {
      showAgain(widget->windowTitle(), [widget](const QString& t) { widget->setWindowTitle(t); });
    }
    if (!widget->toolTip().isEmpty()) {
      showAgain(widget->toolTip(), [widget](const QString& t) { widget->setToolTip(t); });
    }
  }
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
