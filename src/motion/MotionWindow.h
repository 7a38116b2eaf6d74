#pragma once
// The motion window ("animatie"): for each of a, b and c its range ("van", "tot") and a slider
// over it that sets the constant while dragged; for the chosen constant (the round button
// before its name) play and pause, "heen en terug" or "herhaal", and the time of a full
// sweep. Beside the main window, which keeps working: every change of a constant reaches the
// main window at once through `changed`. Space plays and pauses, Esc closes and stops.

#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <array>
#include <functional>

#include "motion/Motion.h"

namespace quorvel {

class MotionWindow : public QDialog {
 public:
  MotionWindow(Motion& motion, QWidget* mainWindow);

  // A constant changed, or the motion stopped: the main window shows it.
  std::function<void()> changed;

  void showMotion();
  // The sliders and fields follow the constants as they now are (the main window changed
  // them, or a run moved one).
  void showValues();

  struct Row {
    QRadioButton* chosen;
    QLineEdit* from;
    QSlider* slider;
    QLineEdit* to;
  };
  std::array<Row, Motion::kConstants> rows{};
  QPushButton* playBtn;
  QRadioButton* bounceBtn;
  QRadioButton* loopBtn;
  QSpinBox* sweepBox;
  QLabel* msg;
  QTimer* frameTimer;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void buildRow(int k);
  void buildControls();
  void wire(int k);
  void readRange(int k, QLineEdit* field, bool from);
  QPoint placeBeside() const;
  void togglePlay();
  void frame();
  void showPlayState();
  void announce();

  Motion& motion_;
  QWidget* mainWindow_;
  QElapsedTimer clock_;
};

}  // namespace quorvel
