#pragma once
// The points table (TpuntenForm): the points as text in a grid of 40 rows, to type, correct,
// sort and delete with more precision than the mouse gives. A borderless window, centred on
// the screen; the main window is disabled while it is shown. It closes only when the table
// holds no fault, and the picture is then redrawn with the marks of the edited list.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <functional>

#include "fitting/PointsTable.h"

namespace quorvel {

// The grid, with a way to finish the cell being edited before the table is read.
class PuntenGrid : public QTableWidget {
 public:
  using QTableWidget::QTableWidget;
  void commitEditing();
};

class TpuntenForm : public QDialog {
 public:
  TpuntenForm(PointsTable& table, QWidget* mainWindow);

  std::function<void()> closed;  // the table closed without a fault: redraw the picture

  void showTable();

  PuntenGrid* puntenGrid;
  QLabel* msg;
  QPushButton* wisBtn;
  QPushButton* sortBtn;
  QPushButton* wisPuntBtn;
  QPushButton* closeBtn;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;  // the message in the language now in use
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void readGrid();   // the texts into the model
  void showModel();  // the model's texts, current cell and message on screen
  void closeBtnClick();
  void run(void (PointsTable::*operation)());

  PointsTable& table_;
  QWidget* mainWindow_;
};

}  // namespace quorvel
