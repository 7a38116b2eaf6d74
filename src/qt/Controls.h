#pragma once
// Small pieces the program's windows share: bold coloured buttons and the raised frame that
// borderless windows paint along their edge.

#include <QPainter>
#include <QPushButton>
#include <QWidget>

class QGroupBox;
class QLabel;
class QTableWidgetItem;

namespace quorvel {

// A marked source text (common/Language.h) in the program's language, for a text shown once
// (a message, a question).
QString shownText(const char* source);

// A control's lasting text in the program's language: the control keeps its source, so that
// showTextsAgain puts it in another language. Each returns what it was given.
QLabel* showText(QLabel* label, const char* source);
QAbstractButton* showText(QAbstractButton* button, const char* source);
QGroupBox* showText(QGroupBox* group, const char* source);
QTableWidgetItem* showText(QTableWidgetItem* cell, const char* source);
void showTitle(QWidget* window, const char* source);
void showToolTip(QWidget* widget, const char* source);

// After the language changed: every text given by showText, showTitle and showToolTip is
// shown in the language now in use. (Texts a window sets again at its refresh, as those that
// follow a setting, are left to it.)
void showTextsAgain();

// `label` is a message line: to assistive technology a status bar named by its text.
void showAsMessageLine(QLabel* label);

// A bold button showing `source` (showText) in `colour` (a CSS colour name); Enter on another
// control does not press it.
QPushButton* colouredButton(const char* source, const char* colour, QWidget* parent);

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
