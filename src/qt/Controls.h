#pragma once
// Small pieces the program's windows share: bold coloured buttons and the raised frame that
// borderless windows paint along their edge.

#include <QPainter>
#include <QPushButton>
#include <QWidget>

namespace quorvel {

// A marked source text (common/Language.h) in the program's language.
QString shownText(const char* source);

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
