#include "motion/MotionWindow.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <cmath>

#include "common/Language.h"
#include "common/NumberText.h"
#include "qt/Controls.h"

namespace quorvel {
namespace {

constexpr int kSliderSteps = 1000;  // the slider's positions over a range
constexpr int kFrameMilliseconds = 16;
// A frame after a stall (a heavy redraw, the window moved) moves on by at most this much, so
// the run does not leap.
constexpr double kLongestFrameSeconds = 0.1;

// The places of the controls: a row per constant, then the run's controls.
constexpr int kWidth = 412;
constexpr int kHeight = 236;
constexpr int kHeaderY = 12;
constexpr int kFirstRowY = 34;
constexpr int kRowHeight = 34;
constexpr int kChosenX = 14, kFromX = 56, kSliderX = 126, kToX = 336;
constexpr int kFieldWidth = 62, kSliderWidth = 200, kLineHeight = 24;
constexpr int kRunY = kFirstRowY + Motion::kConstants * kRowHeight + 4;
constexpr int kSweepY = kRunY + 36;
constexpr int kMessageY = kSweepY + 34;

constexpr const char* kNames[] = {"a", "b", "c"};
constexpr const char* kKeysText =
    QT_TRANSLATE_NOOP("quorvel", "<ESC> sluiten   <spatie> start/pauze");

QLabel* blueLabel(const char* source, QWidget* parent) {
  QLabel* label = showText(new QLabel(parent), source);
  label->setStyleSheet("color: blue;");
  return label;
}

}  // namespace

MotionWindow::MotionWindow(Motion& motion, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Tool), motion_(motion), mainWindow_(mainWindow) {
  showTitle(this, QT_TRANSLATE_NOOP("quorvel", "animatie"));
  setFixedSize(kWidth, kHeight);
  setModal(false);
  blueLabel(QT_TRANSLATE_NOOP("quorvel", "van"), this)
      ->setGeometry(kFromX, kHeaderY, kFieldWidth, 18);
  blueLabel(QT_TRANSLATE_NOOP("quorvel", "tot"), this)
      ->setGeometry(kToX, kHeaderY, kFieldWidth, 18);
  for (int k = 0; k < Motion::kConstants; ++k)
    buildRow(k);
  buildControls();
  for (int k = 0; k < Motion::kConstants; ++k)
    wire(k);
  // Space and Esc belong to the window whichever of its controls has the focus.
  for (QWidget* child : findChildren<QWidget*>())
    child->installEventFilter(this);
}

void MotionWindow::buildRow(int k) {
  Row& row = rows[k];
  const int y = kFirstRowY + k * kRowHeight;
  row.chosen = new QRadioButton(kNames[k], this);
  row.chosen->setGeometry(kChosenX, y, kFromX - kChosenX - 4, kLineHeight);
  row.from = new QLineEdit(this);
  row.from->setGeometry(kFromX, y, kFieldWidth, kLineHeight);
  row.slider = new QSlider(Qt::Horizontal, this);
  row.slider->setRange(0, kSliderSteps);
  row.slider->setGeometry(kSliderX, y, kSliderWidth, kLineHeight);
  row.to = new QLineEdit(this);
  row.to->setGeometry(kToX, y, kFieldWidth, kLineHeight);
}

void MotionWindow::buildControls() {
  playBtn = colouredButton("start", "green", this);
  playBtn->setGeometry(kChosenX, kRunY, 80, 28);
  bounceBtn = new QRadioButton(this);
  showText(bounceBtn, QT_TRANSLATE_NOOP("quorvel", "heen en terug"));
  bounceBtn->setGeometry(kSliderX - 20, kRunY + 2, 120, kLineHeight);
  loopBtn = new QRadioButton(this);
  showText(loopBtn, QT_TRANSLATE_NOOP("quorvel", "herhaal"));
  loopBtn->setGeometry(kSliderX + 110, kRunY + 2, 90, kLineHeight);
  // The chosen constant and the turn are two choices of their own.
  auto* turns = new QButtonGroup(this);
  turns->addButton(bounceBtn);
  turns->addButton(loopBtn);
  auto* constants = new QButtonGroup(this);
  for (const Row& row : rows)
    constants->addButton(row.chosen);
  blueLabel(QT_TRANSLATE_NOOP("quorvel", "duur heen"), this)
      ->setGeometry(kChosenX, kSweepY, 90, kLineHeight);
  sweepBox = new QSpinBox(this);
  sweepBox->setRange(static_cast<int>(Motion::kShortestSweep),
                     static_cast<int>(Motion::kLongestSweep));
  sweepBox->setSuffix(" s");
  sweepBox->setGeometry(kChosenX + 90, kSweepY, 70, kLineHeight);
  msg = showText(new QLabel(this), kKeysText);
  msg->setGeometry(kChosenX, kMessageY, kWidth - 2 * kChosenX, kLineHeight);
  frameTimer = new QTimer(this);
  frameTimer->setInterval(kFrameMilliseconds);
  connect(frameTimer, &QTimer::timeout, this, [this] { frame(); });
  connect(playBtn, &QPushButton::clicked, this, [this] { togglePlay(); });
  connect(bounceBtn, &QRadioButton::clicked, this, [this] {
    motion_.turn = Motion::Turn::Bounce;
    showPlayState();
  });
  connect(loopBtn, &QRadioButton::clicked, this, [this] {
    motion_.turn = Motion::Turn::Loop;
    showPlayState();
  });
  connect(sweepBox, &QSpinBox::valueChanged, this,
          [this](int seconds) { motion_.setSweepSeconds(seconds); });
}

void MotionWindow::wire(int k) {
  Row& row = rows[k];
  connect(row.chosen, &QRadioButton::clicked, this, [this, k] {
    motion_.choose(k);
    showPlayState();
    announce();
  });
  connect(row.from, &QLineEdit::editingFinished, this,
          [this, k] { readRange(k, rows[k].from, true); });
  connect(row.to, &QLineEdit::editingFinished, this,
          [this, k] { readRange(k, rows[k].to, false); });
  connect(row.slider, &QSlider::sliderPressed, this, [this] { motion_.holdSlider(); });
  connect(row.slider, &QSlider::valueChanged, this, [this, k](int position) {
    const double fraction = static_cast<double>(position) / kSliderSteps;
    if (rows[k].slider->isSliderDown()) {
      motion_.slideTo(k, fraction);
    } else {  // a key or a click beside the handle: one step, drawn precisely
      motion_.holdSlider();
      motion_.slideTo(k, fraction);
      motion_.releaseSlider();
    }
    showPlayState();
    announce();
  });
  connect(row.slider, &QSlider::sliderReleased, this, [this] {
    motion_.releaseSlider();
    announce();
  });
}

// A range's end as typed ("1.5" as "1,5"); a text that is no number gets the old value back.
void MotionWindow::readRange(int k, QLineEdit* field, bool from) {
  Motion::Range& range = motion_.ranges[k];
  double& end = from ? range.from : range.to;
  if (const std::optional<double> typed = parseTypedNumber(field->text().toStdString())) {
    end = *typed;
    showText(msg, kKeysText);
  } else {
    msg->setText(shownText(QT_TRANSLATE_NOOP("quorvel", "geen getal: ")) + field->text());
  }
  field->setText(QString::fromStdString(shownNumber(formatGeneral(end))));
  showValues();
}

void MotionWindow::showMotion() {
  if (!isVisible()) move(placeBeside());
  sweepBox->setValue(static_cast<int>(std::lround(motion_.sweepSeconds())));
  for (int k = 0; k < Motion::kConstants; ++k) {
    rows[k].from->setText(
        QString::fromStdString(shownNumber(formatGeneral(motion_.ranges[k].from))));
    rows[k].to->setText(QString::fromStdString(shownNumber(formatGeneral(motion_.ranges[k].to))));
  }
  showValues();
  showPlayState();
  show();
  raise();
  activateWindow();
  playBtn->setFocus();
}

// Beside the main window where the screen has room for it, else over the main window's lower
// right corner (the polynomial input), where it hides the least of the picture.
QPoint MotionWindow::placeBeside() const {
  const QRect main = mainWindow_->frameGeometry();
  const QRect screen = mainWindow_->screen()->availableGeometry();
  if (main.right() + kWidth < screen.right()) return {main.right() + 1, main.top()};
  return {std::max(screen.left(), main.right() - kWidth - 16),
          std::max(screen.top(), main.bottom() - kHeight - 100)};
}

void MotionWindow::showValues() {
  for (int k = 0; k < Motion::kConstants; ++k) {
    QSlider* slider = rows[k].slider;
    if (slider->isSliderDown()) continue;  // the hand holds it
    const QSignalBlocker quiet(slider);
    slider->setValue(static_cast<int>(std::lround(motion_.fractionOf(k) * kSliderSteps)));
  }
}

void MotionWindow::showPlayState() {
  for (int k = 0; k < Motion::kConstants; ++k)
    rows[k].chosen->setChecked(k == motion_.chosen());
  bounceBtn->setChecked(motion_.turn == Motion::Turn::Bounce);
  loopBtn->setChecked(motion_.turn == Motion::Turn::Loop);
  showText(playBtn, motion_.playing() ? QT_TRANSLATE_NOOP("quorvel", "pauze")
                                      : QT_TRANSLATE_NOOP("quorvel", "start"));
  if (motion_.playing() && !frameTimer->isActive()) {
    clock_.start();
    frameTimer->start();
  } else if (!motion_.playing()) {
    frameTimer->stop();
  }
}

void MotionWindow::togglePlay() {
  if (motion_.playing()) {
    motion_.pause();
  } else {
    motion_.play();
  }
  showValues();
  showPlayState();
  announce();
}

void MotionWindow::frame() {
  const double seconds =
      std::min(static_cast<double>(clock_.restart()) / 1000.0, kLongestFrameSeconds);
  if (!motion_.advance(seconds)) {
    showPlayState();
    return;
  }
  showValues();
  announce();
}

void MotionWindow::announce() {
  if (changed) changed();
}

void MotionWindow::paintEvent(QPaintEvent*) {
  paintRaisedFrame(this);
}

bool MotionWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Space || key == Qt::Key_Escape) {
      keyPressEvent(static_cast<QKeyEvent*>(event));
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void MotionWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space) {
    togglePlay();
  } else if (event->key() == Qt::Key_Escape) {
    hide();
  } else {
    QDialog::keyPressEvent(event);
  }
}

void MotionWindow::hideEvent(QHideEvent* event) {
  frameTimer->stop();
  if (motion_.active()) {
    motion_.stop();
    announce();
  }
  QDialog::hideEvent(event);
}

}  // namespace quorvel
