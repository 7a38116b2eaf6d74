#include "tools/AnalysisWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

#include "qt/Controls.h"
#include "qt/PictureImage.h"

namespace quorvel {
namespace {

class ListBox : public QWidget {
 public:
  ListBox(const Analysis& analysis, TextPainter& text, const size_t& first, QWidget* parent)
      : QWidget(parent), analysis_(analysis), text_(text), first_(first) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(tableBoxWidth(3), kTableBoxHeight);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).drawImage(0, 0, imageOf(renderAnalysisList(analysis_, first_, text_)));
  }

 private:
  const Analysis& analysis_;
  TextPainter& text_;
  const size_t& first_;
};

}  // namespace

TanalyseForm::TanalyseForm(const Analysis& analysis, TextPainter& text, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      analysis_(analysis),
      text_(text),
      mainWindow_(mainWindow) {
  showTitle(this, QT_TRANSLATE_NOOP("quorvel", "analyse"));
  setModal(false);
  setFixedSize(415, 490);
  titel = new QLabel(this);
  titel->setGeometry(10, 6, 395, 22);
  lijstBox = new ListBox(analysis_, text_, first_, this);
  lijstBox->move(10, 36);
  minBtn = colouredButton("-", "navy", this);
  minBtn->setGeometry(10, 456, 34, 24);
  plusBtn = colouredButton("+", "navy", this);
  plusBtn->setGeometry(50, 456, 34, 24);
  rijenText = new QLabel(this);
  rijenText->setGeometry(94, 456, 190, 24);
  kopieerBtn = colouredButton(QT_TRANSLATE_NOOP("quorvel", "kopieer"), "green", this);
  kopieerBtn->setGeometry(300, 456, 105, 24);
  for (QPushButton* button : {minBtn, plusBtn, kopieerBtn})
    button->setFocusPolicy(Qt::NoFocus);
  connect(minBtn, &QPushButton::clicked, this, [this] { scrollTo(static_cast<long>(first_) - 1); });
  connect(plusBtn, &QPushButton::clicked, this,
          [this] { scrollTo(static_cast<long>(first_) + 1); });
  connect(kopieerBtn, &QPushButton::clicked, this, [this] {
    QGuiApplication::clipboard()->setText(QString::fromStdString(analysis_.fullPrecisionText()));
    rijenText->setText(shownText(QT_TRANSLATE_NOOP("quorvel", "lijst --> klembord")));
  });
}

void TanalyseForm::showList() {
  titel->setText(QString::fromStdString(analysis_.title()));
  first_ = 0;
  scrollTo(0);
  mainWindow_->setEnabled(false);
  setEnabled(true);
  show();
  activateWindow();
  setFocus();
}

// The language changed: the title and the rows in the one now in use.
void TanalyseForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    titel->setText(QString::fromStdString(analysis_.title()));
    scrollTo(static_cast<long>(first_));
  }
  QDialog::changeEvent(event);
}

void TanalyseForm::scrollTo(long first) {
  first_ = listStart(first, analysis_.results.size());
  const size_t count = analysis_.results.size();
  const size_t last = std::min(count, first_ + kTableBoxRows);
  rijenText->setText(shownText(QT_TRANSLATE_NOOP("quorvel", "%1 - %2 van %3"))
                         .arg(first_ + 1)
                         .arg(last)
                         .arg(count));
  lijstBox->update();
}

void TanalyseForm::keyPressEvent(QKeyEvent* event) {
  const long first = static_cast<long>(first_);
  switch (event->key()) {
    case Qt::Key_Escape:
      hide();
      break;
    case Qt::Key_Up:
      scrollTo(first - 1);
      break;
    case Qt::Key_Down:
      scrollTo(first + 1);
      break;
    case Qt::Key_PageUp:
      scrollTo(first - kTableBoxRows);
      break;
    case Qt::Key_PageDown:
      scrollTo(first + kTableBoxRows);
      break;
    case Qt::Key_Home:
      scrollTo(0);
      break;
    case Qt::Key_End:
      scrollTo(static_cast<long>(analysis_.results.size()));
      break;
    default:
      QDialog::keyPressEvent(event);
  }
}

void TanalyseForm::wheelEvent(QWheelEvent* event) {
  // Whole notches of 15 degrees; the smaller steps of a touchpad add up to them.
  wheelRest_ += event->angleDelta().y();
  const int notches = wheelRest_ / QWheelEvent::DefaultDeltasPerStep;
  wheelRest_ -= notches * QWheelEvent::DefaultDeltasPerStep;
  if (notches != 0) scrollTo(static_cast<long>(first_) - 3L * notches);
  event->accept();
}

void TanalyseForm::hideEvent(QHideEvent* event) {
  mainWindow_->setEnabled(true);
  QDialog::hideEvent(event);
}

TraaklijnForm::TraaklijnForm(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow) {
  showTitle(this, QT_TRANSLATE_NOOP("quorvel", "raaklijn"));
  setFixedSize(452, 100);
  setModal(false);
  QLabel* label = showText(new QLabel(this), QT_TRANSLATE_NOOP("quorvel", "raaklijn in x ="));
  label->setGeometry(24, 16, 110, 26);
  Xedit = new QLineEdit(this);
  Xedit->setGeometry(134, 16, 190, 26);
  tekenBtn = colouredButton(QT_TRANSLATE_NOOP("quorvel", "teken"), "green", this);
  tekenBtn->setGeometry(344, 14, 92, 30);
  annBtn = colouredButton(QT_TRANSLATE_NOOP("quorvel", "annuleer"), "red", this);
  annBtn->setGeometry(344, 56, 92, 30);
  statustext = new QLabel(this);
  statustext->setGeometry(24, 58, 310, 24);
  connect(tekenBtn, &QPushButton::clicked, this, [this] { tekenBtnClick(); });
  connect(annBtn, &QPushButton::clicked, this, [this] { hide(); });
}

void TraaklijnForm::ask(const std::string& proposed) {
  Xedit->setText(QString::fromStdString(proposed));
  Xedit->selectAll();
  statustext->clear();
  mainWindow_->setEnabled(false);
  setEnabled(true);
  move(mainWindow_->x() + 100, mainWindow_->y() + 100);
  show();
  activateWindow();
  Xedit->setFocus();
}

void TraaklijnForm::tekenBtnClick() {
  const std::optional<std::string> fault = plot ? plot(Xedit->text().toStdString()) : std::nullopt;
  if (!fault) {
    hide();
    return;
  }
  statustext->setText(QString::fromStdString(*fault));
  Xedit->setFocus();
  Xedit->selectAll();
}

void TraaklijnForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    hide();
  } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    (annBtn->hasFocus() ? annBtn : tekenBtn)->click();
  } else {
    QDialog::keyPressEvent(event);
  }
}

void TraaklijnForm::hideEvent(QHideEvent* event) {
  mainWindow_->setEnabled(true);
  QDialog::hideEvent(event);
}

}  // namespace quorvel
