#pragma once
// Small pieces the program's windows share: bold coloured buttons and the raised frame that
// borderless windows paint along their edge.

#include <QPainter>
#include <QPushButton>
#include <QWidget>

namespace quorvel {

// A marked source text (common/Language.h) in the program's language. The text is
// remembered with its source, so that showTextsAgain can put it in another language.
QString shownText(const char* source);
// After the language changed: every label, button, group box, table cell and window title
// of the application that shows a text of shownText shows it in the language now in use.
// (No two sources share a translation: scripts/check-translations sees to it.)
void showTextsAgain();

// A bold button with its text in `colour` (a CSS colour name); Enter on another control does
// not press it.
QPushButton* colouredButton(const QString& text, const char* colour, QWidget* parent);

// The edges of the square from `topLeft` to `bottomRight` (both inclusive): top and left in
// `light`, then bottom and right in `dark`, so the two far corners are dark. Each edge is a
// filled rectangle of whole pixels: a drawn line covers only part of a pixel on a scaled
// screen and lets what lies below show through.
void paintBevel(QPainter& painter, QPoint topLeft, QPoint bottomRight, const QColor& light,
                const QColor& dark);

// Two pixels along the edge of `widget`: white at the top and left, black at the bottom and
// right. Call from the widget's paint event.
void paintRaisedFrame(QWidget* widget);

}  // namespace quorvel
