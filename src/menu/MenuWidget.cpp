#include "menu/MenuWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "common/Language.h"
#include "qt/Controls.h"

namespace quorvel {
namespace {

// An entry's text in the program's language (a recent file's name stays as it is).
QString shownText(const MenuEntry& entry) {
  return QString::fromStdString(translated(std::string(entry.text).c_str()));
}

QFont menuFont(bool bold) {
  QFont font("Liberation Sans");
  font.setPointSize(9);
  font.setBold(bold);
  return font;
}

// A tick whose right end is at `right` and whose foot stands on `foot`, in the pen's colour,
// drawn with lines rather than a character: the menu's font has none.
void paintCheckMark(QPainter& painter, int right, int foot) {
  QPen pen = painter.pen();
  pen.setWidth(2);
  painter.setPen(pen);
  const QPoint points[] = {{right - 8, foot - 3}, {right - 5, foot}, {right, foot - 7}};
  painter.drawPolyline(points, 3);
}

}  // namespace

TsubMenu::TsubMenu(Menu& menu, int level, QWidget* parent)
    : QWidget(parent), menu_(menu), level_(level) {
  setMouseTracking(true);
}

void TsubMenu::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor face = palette().window().color();
  painter.fillRect(rect(), face);
  if (level_ == 0) {
    const int h = height();
    for (int c = 1; c <= Menu::kTitles; ++c) {
      const int entry = menu_.entryOf(0, c);
      if (entry < 0) continue;
      const TitleLook look = menu_.titleLook[c];
      const int left = Menu::kTitleWidth * (c - 1) + 2;
      const int right = Menu::kTitleWidth * c - 3;
      QColor first = face, second = face;
      if (look == TitleLook::Hover) {
        first = QColor(0xB0, 0xB0, 0xB0);
        second = Qt::black;
      } else if (look == TitleLook::Pressed) {
        first = Qt::black;
        second = QColor(0xF0, 0xF0, 0xF0);
      }
      for (int i = 0; i < 2; ++i)
        paintBevel(painter, {left + i, i}, {right - i, h - 1 - i}, first, second);
      painter.fillRect(QRect(QPoint(left + 2, 2), QPoint(right - 2, h - 3)), face);
      const QFont font = menuFont(look != TitleLook::Normal);
      painter.setFont(font);
      const QFontMetrics metrics(font);
      const QString text = shownText(menu_.entry(entry));
      painter.setPen(QColor::fromRgb(menu_.entry(entry).colour()));
      painter.drawText(left + (Menu::kTitleWidth - metrics.horizontalAdvance(text)) / 2,
                       4 + metrics.ascent(), text);
    }
    return;
  }
  const Menu::Level& list = menu_.levels[level_];
  for (int row = 1; row <= list.rows; ++row) {
    const int entry = menu_.entryOf(level_, row);
    if (entry < 0) continue;
    const bool highlighted = row == list.selected;
    const int top = Menu::kRowHeight * (row - 1);
    if (highlighted)
      painter.fillRect(0, top, width(), Menu::kRowHeight - 5, QColor(0xE0, 0xE0, 0xE0));
    const QFont font = menuFont(highlighted);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(menu_.entry(entry).colour()));
    const QString text = shownText(menu_.entry(entry));
    const int baseline = top + QFontMetrics(font).ascent();
    painter.drawText(0, baseline, text);
    if (menu_.checked(entry)) paintCheckMark(painter, width() - 3, baseline - 2);
  }
}

void TsubMenu::mouseMoveEvent(QMouseEvent* event) {
  menu_.mouseMove(level_, static_cast<int>(event->position().x()),
                  static_cast<int>(event->position().y()));
  if (onChange) onChange();
}

void TsubMenu::mousePressEvent(QMouseEvent*) {
  menu_.mouseDown(level_);
  if (onChange) onChange();
}

void TsubMenu::mouseReleaseEvent(QMouseEvent*) {
  menu_.mouseUp(level_);
  if (onChange) onChange();
}

TSubPanel::TSubPanel(Menu& menu, int level, QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);
  control = new TsubMenu(menu, level, this);
}

MenuWidget::MenuWidget(Menu& menu, QWidget* window) : menu_(menu) {
  for (int level = 0; level < Menu::kLevels; ++level) {
    panels[level] = new TSubPanel(menu, level, window);
    panels[level]->control->onChange = [this] {
      if (onChange) onChange();
    };
  }
  panels[0]->setGeometry(20, 5, 550, 30);
  panels[0]->control->setGeometry(5, 2, 540, 26);
  refresh();
}

void MenuWidget::refresh() {
  for (int level = 1; level < Menu::kLevels; ++level) {
    const Menu::Level& l = menu_.levels[level];
    TSubPanel* panel = panels[level];
    if (!l.visible) {
      panel->hide();
      continue;
    }
    panel->setGeometry(l.left, l.top, Menu::panelWidth(), l.rows * Menu::kRowHeight + 10);
    panel->control->setGeometry(5, 5, 105, l.rows * Menu::kRowHeight);
    panel->show();
    panel->raise();
  }
  for (TSubPanel* panel : panels)
    panel->control->update();
}

}  // namespace quorvel
