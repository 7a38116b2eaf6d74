#include "fitting/PointsTableWindow.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScreen>

#include "qt/Controls.h"

namespace quorvel {

void PuntenGrid::commitEditing() {
  if (state() != QAbstractItemView::EditingState) return;
  if (QWidget* editor = QApplication::focusWidget(); editor && isAncestorOf(editor)) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

TpuntenForm::TpuntenForm(PointsTable& table, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Tool | Qt::FramelessWindowHint),
      table_(table),
      mainWindow_(mainWindow) {
  showTitle(this, QT_TRANSLATE_NOOP("quorvel", "puntentabel"));
  setFixedSize(284, 520);
  setModal(false);

  puntenGrid = new PuntenGrid(PointsTable::kRows, 2, this);
  puntenGrid->setGeometry(12, 12, 260, 396);
  puntenGrid->setHorizontalHeaderLabels({"X", "Y"});
  puntenGrid->verticalHeader()->hide();
  puntenGrid->setColumnWidth(0, 124);
  puntenGrid->setColumnWidth(1, 113);
  puntenGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  puntenGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  puntenGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  puntenGrid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                              QAbstractItemView::EditKeyPressed);
  puntenGrid->setTabKeyNavigation(false);
  for (int row = 0; row < PointsTable::kRows; ++row) {
    puntenGrid->setRowHeight(row, 22);
    for (int column = 0; column < 2; ++column)
      puntenGrid->setItem(row, column, new QTableWidgetItem());
  }

  msg = new QLabel(this);
  msg->setGeometry(12, 414, 260, 24);
  wisBtn = colouredButton(QT_TRANSLATE_NOOP("quorvel", "wis alles"), "red", this);
  wisBtn->setGeometry(12, 444, 125, 30);
  sortBtn = colouredButton("sort", "navy", this);
  sortBtn->setGeometry(147, 444, 125, 30);
  wisPuntBtn = colouredButton(QT_TRANSLATE_NOOP("quorvel", "verwijder punt"), "red", this);
  wisPuntBtn->setGeometry(12, 480, 125, 30);
  closeBtn = colouredButton(QT_TRANSLATE_NOOP("quorvel", "sluiten"), "green", this);
  closeBtn->setGeometry(147, 480, 125, 30);

  connect(wisBtn, &QPushButton::clicked, this, [this] { run(&PointsTable::ClearPoints); });
  connect(sortBtn, &QPushButton::clicked, this, [this] { run(&PointsTable::sortPoints); });
  connect(wisPuntBtn, &QPushButton::clicked, this, [this] { run(&PointsTable::deletePoint); });
  connect(closeBtn, &QPushButton::clicked, this, [this] { closeBtnClick(); });
  connect(puntenGrid, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
    if (row >= 0 && column >= 0) {
      table_.currentRow = row + 1;
      table_.currentColumn = column;
    }
  });
  // The window sees the keys of its grid and the grid's editor first.
  qApp->installEventFilter(this);
}

void TpuntenForm::showTable() {
  table_.open();
  showModel();
  const QRect screen = mainWindow_->screen()->availableGeometry();
  move(screen.center() - rect().center());
  mainWindow_->setEnabled(false);
  setEnabled(true);
  show();
  activateWindow();
  puntenGrid->setFocus();
}

void TpuntenForm::readGrid() {
  puntenGrid->commitEditing();
  for (int row = 1; row <= PointsTable::kRows; ++row) {
    for (int column = 0; column < 2; ++column)
      table_.cells[row][column] = puntenGrid->item(row - 1, column)->text().toStdString();
  }
}

void TpuntenForm::showModel() {
  for (int row = 1; row <= PointsTable::kRows; ++row) {
    for (int column = 0; column < 2; ++column)
      puntenGrid->item(row - 1, column)->setText(QString::fromStdString(table_.cells[row][column]));
  }
  puntenGrid->setCurrentCell(table_.currentRow - 1, table_.currentColumn);
  msg->setText(shownText(table_.msg.c_str()));
}

void TpuntenForm::run(void (PointsTable::*operation)()) {
  readGrid();
  (table_.*operation)();
  showModel();
  puntenGrid->setFocus();
}

void TpuntenForm::closeBtnClick() {
  readGrid();
  const bool fine = table_.close();
  showModel();
  if (!fine) {
    puntenGrid->setFocus();
    return;
  }
  hide();
  mainWindow_->setEnabled(true);
  if (closed) closed();
}

void TpuntenForm::paintEvent(QPaintEvent*) {
  paintRaisedFrame(this);
}

void TpuntenForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) showModel();
  QDialog::changeEvent(event);
}

bool TpuntenForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !isVisible()) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || (widget != this && !isAncestorOf(widget))) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Escape) {
    closeBtnClick();
    return true;
  }
  const QString text = key->text();
  if (text.size() == 1 && text[0].unicode() < 128)
    table_.keyTyped(static_cast<char>(text[0].unicode()));
  if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
      (widget == puntenGrid || puntenGrid->isAncestorOf(widget))) {
    table_.keyTyped('\r');
    readGrid();
    table_.enterKey();
    showModel();
    puntenGrid->setFocus();
    return true;
  }
  return false;
}

}  // namespace quorvel
