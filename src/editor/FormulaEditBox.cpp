#include "editor/FormulaEditBox.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "qt/QtTextPainter.h"

namespace quorvel {
namespace {

const Font kBoxFont{"courier new", 18, true};
constexpr int kSuperscriptTop = 0;

}  // namespace

Tkor7ELBox::Tkor7ELBox(FormulaEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
  setFont(programFont(kBoxFont));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);  // the main window sees and hands on every key
}

void Tkor7ELBox::setCaretVisible(bool visible) {
  caretVisible_ = visible;
  update();
}

void Tkor7ELBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setFont(font());
  painter.setPen(Qt::black);
  const QFontMetrics metrics(font());
  const int width = editor_.characterWidth();
  const int normalTop = height() / 2 - 4;
  for (int cell = 0; cell < editor_.visible(); ++cell) {
    const int position = editor_.first() + cell + 1;
    if (position > editor_.count()) break;
    const FormulaEditor::Character& c = editor_.at(position);
    const int top = c.superscript ? kSuperscriptTop : normalTop;
    painter.drawText(cell * width, top + metrics.ascent(), QString(QChar::fromLatin1(c.ch)));
  }
  if (caretVisible_) {
    const int x = (editor_.cursor() - editor_.first() - 1) * width + 2;
    const int top = editor_.superscriptMode() ? kSuperscriptTop : normalTop;
    painter.fillRect(x, top, 2, 20, Qt::red);
  }
}

void Tkor7ELBox::mousePressEvent(QMouseEvent* event) {
  if (onClick) onClick(static_cast<int>(event->position().x()));
}

void Tkor7ELBox::enterEvent(QEnterEvent*) {
  if (onEnter) onEnter(this);
}

void Tkor7ELBox::leaveEvent(QEvent*) {
  if (onLeave) onLeave(this);
}

}  // namespace quorvel
