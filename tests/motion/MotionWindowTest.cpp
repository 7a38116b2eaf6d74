// The motion window beside the main window: a slider dragged moves its constant and the
// picture at once, the panel shows the value, the range fields read a full stop as the comma,
// play runs frames until Space pauses, Esc closes and stops, and the main window keeps working
// meanwhile.

#include <QKeyEvent>
#include <QSlider>

#include "../shell/MainWindowTestSupport.h"
#include "motion/MotionWindow.h"

namespace quorvel {
namespace {

class MotionWindowTest : public testing::MainWindowTest {
 protected:
  MotionWindow& motion() { return *window.motionForm; }
  std::vector<uint32_t> pixels() const {
    return {ws.graph.picture.data(), ws.graph.picture.data() + 801 * 801};
  }
  void openIt() {
    controller.executeCommand(Command::Motion);
    QApplication::processEvents();
    ASSERT_TRUE(motion().isVisible());
  }
};

TEST_F(MotionWindowTest, DragASlider) {
  ws.formulas.translateFormula(1, "y=a*x+b");
  ws.graph.PlotSlot(1);
  openIt();
  EXPECT_TRUE(window.isEnabled());  // beside the main window, not over it
  const std::vector<uint32_t> before = pixels();
  QSlider* slider = motion().rows[0].slider;
  EXPECT_EQ(slider->value(), 500);  // a = 0 in the middle of -5..5
  slider->setSliderDown(true);
  slider->setValue(700);
  EXPECT_EQ(ws.constants.a, 2);
  EXPECT_NE(pixels(), before);  // redrawn while still held
  EXPECT_EQ(window.Atext->text(), "2,0");
  EXPECT_TRUE(ws.motion.active());
  slider->setSliderDown(false);
  EXPECT_FALSE(ws.motion.active());

  // A new range: "1.5" is read as 1,5, a text that is no number keeps the old end.
  QLineEdit* to = motion().rows[1].to;
  to->setText("1.5");
  emit to->editingFinished();
  EXPECT_EQ(ws.motion.ranges[1].to, 1.5);
  EXPECT_EQ(to->text(), "1,5");
  to->setText("veel");
  emit to->editingFinished();
  EXPECT_EQ(ws.motion.ranges[1].to, 1.5);
  EXPECT_EQ(motion().msg->text(), "geen getal: veel");
  EXPECT_EQ(to->text(), "1,5");

  // A constant the main window changes moves its slider.
  ws.constants.c = 2.5;
  window.refresh();
  EXPECT_EQ(motion().rows[2].slider->value(), 750);
}

TEST_F(MotionWindowTest, PlayPauseAndClose) {
  ws.formulas.translateFormula(1, "y=sin(x+a)");
  ws.graph.PlotSlot(1);
  openIt();
  motion().rows[1].chosen->click();  // b runs
  EXPECT_EQ(ws.motion.chosen(), 1);
  motion().sweepBox->setValue(1);
  const size_t steps = ws.history.undoSteps();
  QTest::keyClick(motion().playBtn, Qt::Key_Space);
  EXPECT_TRUE(ws.motion.playing());
  EXPECT_EQ(motion().playBtn->text(), "pauze");
  QTest::qWait(200);  // frames run on the window's timer
  EXPECT_NE(ws.constants.b, 0);
  EXPECT_EQ(window.Btext->text().toStdString(), ws.constantsPanel.Btext());
  EXPECT_EQ(ws.history.undoSteps(), steps);

  // Space in a range field plays and pauses too.
  QTest::keyClick(motion().rows[0].from, Qt::Key_Space);
  EXPECT_FALSE(ws.motion.playing());
  EXPECT_EQ(motion().playBtn->text(), "start");
  EXPECT_EQ(ws.history.undoSteps(), steps + 1);  // the whole run, one step
  const double paused = ws.constants.b;
  QTest::qWait(50);
  EXPECT_EQ(ws.constants.b, paused);

  QTest::keyClick(motion().playBtn, Qt::Key_Space);
  EXPECT_TRUE(ws.motion.playing());
  QTest::keyClick(motion().playBtn, Qt::Key_Escape);
  EXPECT_FALSE(motion().isVisible());
  EXPECT_FALSE(ws.motion.playing());
  EXPECT_FALSE(ws.graph.fastPlot);
}

// The program ends while the motion runs: the window closes with the main window, the motion
// stops and nothing reaches the main window being taken down.
TEST(MotionWindowAtTheEnd, ClosesWithTheMainWindowWhileItRuns) {
  QtTextPainter text;
  Workspace ws(text);
  Controller controller(ws);
  {
    TcontrolForm window(ws, controller);
    window.show();
    controller.executeCommand(Command::Motion);
    QTest::keyClick(window.motionForm->playBtn, Qt::Key_Space);
    ASSERT_TRUE(ws.motion.playing());
  }
  EXPECT_FALSE(ws.motion.playing());
  EXPECT_FALSE(ws.graph.fastPlot);
}

}  // namespace
}  // namespace quorvel
