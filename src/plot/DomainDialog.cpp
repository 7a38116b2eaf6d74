#include "plot/DomainDialog.h"

#include <QKeyEvent>

#include "common/NumberText.h"
#include "qt/Controls.h"

namespace quorvel {
namespace {

std::string textOf(const QLineEdit* edit) {
  return edit->text().toStdString();
}

// Enter moves the focus along the chain, and on the last one presses it.
void focusNext(const std::vector<QWidget*>& chain) {
  for (size_t i = 0; i + 1 < chain.size(); ++i) {
    if (chain[i]->hasFocus()) {
      chain[i + 1]->setFocus();
      return;
    }
  }
  if (auto* button = dynamic_cast<QPushButton*>(chain.back()); button && button->hasFocus()) {
    button->click();
  }
}

}  // namespace

// ---------------------------------------------------------------------------------------------

TVdomainForm::TVdomainForm(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Tool | Qt::FramelessWindowHint), mainWindow_(mainWindow) {
  setFixedSize(260, 226);
  setModal(false);
  auto label = [this](const char* source, int y) {
    QLabel* l = showText(new QLabel(this), source);
    l->setStyleSheet("color: blue;");
    l->setGeometry(16, y, 70, 22);
  };
  label(QT_TRANSLATE_NOOP("quorvel", "begin"), 24);
  label(QT_TRANSLATE_NOOP("quorvel", "eind"), 60);
  label(QT_TRANSLATE_NOOP("quorvel", "stappen"), 96);
  Vbegin = new QLineEdit(this);
  Vbegin->setGeometry(96, 22, 140, 24);
  Vend = new QLineEdit(this);
  Vend->setGeometry(96, 58, 140, 24);
  Vsteps = new QLineEdit(this);
  Vsteps->setGeometry(96, 94, 140, 24);
  toepBtn = colouredButton(QT_TRANSLATE_NOOP("quorvel", "toepassen"), "green", this);
  toepBtn->setGeometry(16, 136, 90, 28);
  AnnBtn = colouredButton("cancel", "red", this);
  AnnBtn->setGeometry(116, 136, 80, 28);
  wisBtn = colouredButton("X", "red", this);
  wisBtn->setGeometry(206, 136, 30, 28);
  msg = new QLabel(this);
  msg->setGeometry(16, 180, 228, 24);
  connect(toepBtn, &QPushButton::clicked, this, [this] { toepBtnClick(); });
  connect(AnnBtn, &QPushButton::clicked, this, [this] { hide(); });
  connect(wisBtn, &QPushButton::clicked, this, [this] {
    Vbegin->clear();
    Vend->clear();
    Vsteps->clear();
  });
}

void TVdomainForm::formshow() {
  move(mainWindow_->x() + 100, mainWindow_->y() + 100);
  // The fields come from the slot's domain or the default of a polar curve. (Only when the
  // window opens: refilling on every repaint would throw away what is being typed.)
  double begin = 0, end = 0;
  int steps = 0;
  if (storedDomain && storedDomain(begin, end, steps)) {
    Vbegin->setText(QString::fromStdString(shownNumber(formatGeneral(begin))));
    Vend->setText(QString::fromStdString(shownNumber(formatGeneral(end))));
    Vsteps->setText(QString::number(steps));
  }
  showText(msg, QT_TRANSLATE_NOOP("quorvel", "<ESC> sluiten"));
  mainWindow_->setEnabled(false);
  setEnabled(true);
  show();
  activateWindow();
  Vbegin->setFocus();
}

void TVdomainForm::paintEvent(QPaintEvent*) {
  paintRaisedFrame(this);
}

void TVdomainForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    hide();
  } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    focusNext({Vbegin, Vend, Vsteps, toepBtn});
  } else {
    QDialog::keyPressEvent(event);
  }
}

void TVdomainForm::hideEvent(QHideEvent* event) {
  mainWindow_->setEnabled(true);
  QDialog::hideEvent(event);
  if (closed) closed();
}

void TVdomainForm::toepBtnClick() {
  if (!apply) return;
  const ParameterDomainCheck check = apply(textOf(Vbegin), textOf(Vend), textOf(Vsteps));
  if (check.ok) {
    hide();
  } else {
    msg->setText(QString::fromStdString(check.message));
    Vbegin->setFocus();
  }
}

// ---------------------------------------------------------------------------------------------

TXdomainForm::TXdomainForm(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow) {
  showTitle(this, QT_TRANSLATE_NOOP("quorvel", "X-integraal domein"));
  setFixedSize(424, 166);
  setModal(false);
  QLabel* left = showText(new QLabel(this), QT_TRANSLATE_NOOP("quorvel", "X - links"));
  left->setGeometry(24, 24, 100, 24);
  QLabel* right = showText(new QLabel(this), QT_TRANSLATE_NOOP("quorvel", "X - rechts"));
  right->setGeometry(224, 24, 100, 24);
  Edit1 = new QLineEdit(this);
  Edit1->setGeometry(24, 52, 170, 26);
  Edit2 = new QLineEdit(this);
  Edit2->setGeometry(224, 52, 170, 26);
  toepBtn = colouredButton(QT_TRANSLATE_NOOP("quorvel", "toepassen"), "green", this);
  toepBtn->setGeometry(24, 96, 100, 28);
  annBtn = colouredButton("cancel", "red", this);
  annBtn->setGeometry(224, 96, 100, 28);
  msg = new QLabel(this);
  msg->setGeometry(24, 132, 376, 24);
  connect(toepBtn, &QPushButton::clicked, this, [this] { toepBtnClick(); });
  connect(annBtn, &QPushButton::clicked, this, [this] { FormDeactivate(); });
}

void TXdomainForm::FormShow() {
  mainWindow_->setEnabled(false);
  setEnabled(true);
  move(mainWindow_->x() + 100, mainWindow_->y() + 100);
  msg->clear();
  show();
  activateWindow();
  Edit1->setFocus();
}

void TXdomainForm::FormDeactivate() {
  mainWindow_->setEnabled(true);
  hide();
  if (repaintGraph) repaintGraph();
}

void TXdomainForm::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (closed) closed();
}

void TXdomainForm::changeEvent(QEvent* event) {
  // The window closes whenever it loses activation.
  if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) {
    FormDeactivate();
  }
  QDialog::changeEvent(event);
}

void TXdomainForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    FormDeactivate();
  } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (toepBtn->isEnabled()) {
      focusNext({Edit1, Edit2, toepBtn});
    } else {
      annBtn->setFocus();
    }
  } else {
    QDialog::keyPressEvent(event);
  }
}

void TXdomainForm::toepBtnClick() {
  if (!apply) return;
  const IntegralDomainCheck check = apply(textOf(Edit1), textOf(Edit2));
  if (check.ok) {
    FormDeactivate();
    return;
  }
  msg->setText(QString::fromStdString(check.message));
  if (check.focus == IntegralDomainCheck::Left) Edit1->setFocus();
  if (check.focus == IntegralDomainCheck::Right) Edit2->setFocus();
}

}  // namespace quorvel
