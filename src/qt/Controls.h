#pragma once
// Small pieces the program's windows share: bold coloured buttons and the raised frame that
// borderless windows paint along their edge.

#include <QPushButton>
#include <QWidget>

namespace quorvel {

// A bold button with its text in `colour` (a CSS colour name); Enter on another control does
// not press it.
QPushButton* colouredButton(const QString& text, const char* colour, QWidget* parent);

// Two pixels along the edge of `widget`: white at the top and left, black at the bottom and
// right. Call from the widget's paint event.
void paintRaisedFrame(QWidget* widget);

}  // namespace quorvel
