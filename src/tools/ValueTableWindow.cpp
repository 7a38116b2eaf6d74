#include "tools/ValueTableWindow.h"

#include <QKeyEvent>
#include <QPainter>

#include "qt/Controls.h"
#include "qt/PictureImage.h"
#include "tools/TableBox.h"

namespace quorvel {
namespace {

// The table box shows the model's picture of the table.
class TableBox : public QWidget {
 public:
  TableBox(const ValueTable& table, TextPainter& text, QWidget* parent)
      : QWidget(parent), table_(table), text_(text) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    const Picture box = renderValueTable(table_, text_);
    QPainter(this).drawImage(0, 0, imageOf(box));
  }

 private:
  const ValueTable& table_;
  TextPainter& text_;
};

}  // namespace

TtabelForm::TtabelForm(ValueTable& table, TextPainter& text, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      table_(table),
      text_(text),
      mainWindow_(mainWindow) {
  showTitle(this, QT_TRANSLATE_NOOP("quorvel", "tables"));
  setModal(false);
  StaticText1 = new QLabel(this);
  StaticText1->setGeometry(10, 6, 395, 22);
  StaticText2 = new QLabel(this);  // the start of the slot's kind, at each refresh
  StaticText2->setGeometry(10, 36, 64, 24);
  StaticText2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  beginWaarde = new QLineEdit(this);
  beginWaarde->setGeometry(80, 36, 110, 24);
  StaticText3 = showText(new QLabel(this), QT_TRANSLATE_NOOP("quorvel", "stap"));
  StaticText3->setGeometry(10, 68, 64, 24);
  StaticText3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  stapwaarde = new QLineEdit(this);
  stapwaarde->setGeometry(80, 68, 110, 24);
  minBtn = colouredButton("-", "navy", this);
  minBtn->setGeometry(200, 36, 34, 24);
  plusBtn = colouredButton("+", "navy", this);
  plusBtn->setGeometry(240, 36, 34, 24);
  BitBtn1 = colouredButton("R", "red", this);
  BitBtn1->setGeometry(200, 68, 74, 24);
  antwBox = new TableBox(table_, text_, this);
  antwBox->move(10, 118);
  Timer1 = new QTimer(this);

  for (QPushButton* button : {minBtn, plusBtn, BitBtn1})
    button->setFocusPolicy(Qt::NoFocus);
  connect(minBtn, &QPushButton::pressed, this, [this] { press(false); });
  connect(plusBtn, &QPushButton::pressed, this, [this] { press(true); });
  connect(minBtn, &QPushButton::released, this, [this] { release(); });
  connect(plusBtn, &QPushButton::released, this, [this] { release(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] {
    table_.reset(table_.slot);
    showModel();
  });
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  connect(beginWaarde, &QLineEdit::textEdited, this, [this](const QString& typed) {
    table_.beginText = typed.toStdString();
    table_.typed();
  });
  connect(stapwaarde, &QLineEdit::textEdited, this, [this](const QString& typed) {
    table_.stepText = typed.toStdString();
    table_.typed();
  });
  // The window takes its command keys before the edits do.
  beginWaarde->installEventFilter(this);
  stapwaarde->installEventFilter(this);
}

void TtabelForm::showTable(int slot) {
  table_.reset(slot);
  // A parametric table has a third column, a polar one a fourth.
  const int width = tableBoxWidth(table_.columns());
  setFixedSize(width + (table_.columns() == 2 ? 19 : 20), 538);
  antwBox->resize(width, 410);
  showModel();
  mainWindow_->setEnabled(false);
  setEnabled(true);
  show();
  activateWindow();
  beginWaarde->setFocus();
}

void TtabelForm::showModel() {
  StaticText1->setText(QString::fromStdString(table_.title));
  showText(StaticText2, table_.startLabel.c_str());
  beginWaarde->setText(QString::fromStdString(table_.beginText));
  stapwaarde->setText(QString::fromStdString(table_.stepText));
  antwBox->update();
}

void TtabelForm::press(bool up) {
  if (table_.press(up)) Timer1->start(ValueTable::kRepeatStartMs);
  showModel();
}

void TtabelForm::release() {
  Timer1->stop();
}

void TtabelForm::Timer1Timer() {
  table_.repeat();
  Timer1->setInterval(ValueTable::nextRepeatMs(Timer1->interval()));
  showModel();
}

void TtabelForm::keyPressEvent(QKeyEvent* event) {
  if (event->isAutoRepeat()) return;  // a held key repeats in the timer's rhythm
  switch (event->key()) {
    case Qt::Key_Escape:
      hide();
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
      press(true);
      break;
    case Qt::Key_Up:
      press(false);
      break;
    case Qt::Key_Left:
    case Qt::Key_Right:
      table_.changeStepIndex(event->key() == Qt::Key_Left ? -1 : 1);
      showModel();
      break;
    default:
      QDialog::keyPressEvent(event);
  }
}

void TtabelForm::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) release();
  QDialog::keyReleaseEvent(event);
}

bool TtabelForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_Escape:
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_Left:
      case Qt::Key_Right:
        if (event->type() == QEvent::KeyPress) {
          keyPressEvent(key);
        } else {
          keyReleaseEvent(key);
        }
        return true;
      default:
        break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TtabelForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange && isVisible()) {
    table_.showAgain();
    showModel();
  }
  QDialog::changeEvent(event);
}

void TtabelForm::hideEvent(QHideEvent* event) {
  Timer1->stop();
  mainWindow_->setEnabled(true);
  QDialog::hideEvent(event);
}

}  // namespace quorvel
