#include "tools/AreaDialog.h"

#include <QKeyEvent>

#include "qt/Controls.h"

namespace quorvel {

TAreaForm::TAreaForm(AreaCalculation& area, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      area_(area),
      mainWindow_(mainWindow) {
  showTitle(this, QT_TRANSLATE_NOOP("quorvel", "X-domain for area calculation"));
  setFixedSize(452, 132);
  setModal(false);
  QLabel* left = showText(new QLabel(this), QT_TRANSLATE_NOOP("quorvel", "X-left"));
  left->setGeometry(24, 12, 100, 22);
  QLabel* right = showText(new QLabel(this), QT_TRANSLATE_NOOP("quorvel", "X-right"));
  right->setGeometry(184, 12, 100, 22);
  XLedit = new QLineEdit(this);
  XLedit->setGeometry(24, 36, 140, 26);
  XRedit = new QLineEdit(this);
  XRedit->setGeometry(184, 36, 140, 26);
  berekenBtn = colouredButton("calculate", "green", this);
  berekenBtn->setGeometry(344, 34, 92, 30);
  annBtn = colouredButton("cancel", "red", this);
  annBtn->setGeometry(344, 74, 92, 30);
  statustext = new QLabel(this);
  statustext->setGeometry(24, 78, 310, 24);
  connect(berekenBtn, &QPushButton::clicked, this, [this] { berekenBtnClick(); });
  connect(annBtn, &QPushButton::clicked, this, [this] { FormDeactivate(); });
}

void TAreaForm::FormShow(int slot) {
  slot_ = slot;
  area_.result.clear();
  mainWindow_->setEnabled(false);
  setEnabled(true);
  move(mainWindow_->x() + 100, mainWindow_->y() + 100);
  berekenBtn->setEnabled(false);
  show();
  activateWindow();
  XLedit->setFocus();
  if (const std::optional<std::string> fault = area_.checkSlot(slot)) {
    statustext->setText(QString::fromStdString(*fault));
    annBtn->setFocus();
    return;
  }
  statustext->clear();
  berekenBtn->setEnabled(true);
}

void TAreaForm::berekenBtnClick() {
  statustext->clear();
  const auto fault =
      area_.calculate(slot_, XLedit->text().toStdString(), XRedit->text().toStdString());
  if (!fault) {
    FormDeactivate();
    return;
  }
  statustext->setText(QString::fromStdString(fault->message));
  (fault->rightField ? XRedit : XLedit)->setFocus();
}

void TAreaForm::FormDeactivate() {
  if (!isVisible()) return;
  mainWindow_->setEnabled(true);
  hide();
  if (closed) closed(area_.result);
}

void TAreaForm::changeEvent(QEvent* event) {
  // The window closes whenever it loses activation.
  if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) {
    FormDeactivate();
  }
  QDialog::changeEvent(event);
}

void TAreaForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    FormDeactivate();
  } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (!berekenBtn->isEnabled()) {
      annBtn->setFocus();
    } else if (XLedit->hasFocus()) {
      XRedit->setFocus();
    } else if (XRedit->hasFocus()) {
      berekenBtn->setFocus();
    } else if (berekenBtn->hasFocus()) {
      berekenBtn->click();
    } else if (annBtn->hasFocus()) {
      annBtn->click();
    }
  } else {
    QDialog::keyPressEvent(event);
  }
}

}  // namespace quorvel
