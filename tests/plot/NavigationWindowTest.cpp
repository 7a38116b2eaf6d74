// The wheel and the drag over the graph in the main window, offscreen: the wheel zooms at the
// cursor (Shift x alone), the drag moves the picture with the mouse, a click that moves less
// than the drag distance still adds a point, the right button keeps its meaning, and the
// precise redraw comes when the wheel rests or the drag ends.

#include <QWheelEvent>

#include "../shell/MainWindowTestSupport.h"

namespace quorvel {
namespace {

class PictureByHand : public testing::MainWindowTest {
 protected:
  const ScaleState& scale = ws.graph.scale;

  void SetUp() override {
    MainWindowTest::SetUp();
    ws.formulas.translateFormula(1, "x^2+y^2=25");
    ws.formulas.slotKind[1] = kSlotImplicit;
    ws.graph.RedrawAll();
  }
  void wheel(QPoint at, int angle, Qt::KeyboardModifiers modifiers = {}) {
    QWheelEvent event(at, window.GrafiekBox->mapToGlobal(at), {}, {0, angle}, Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window.GrafiekBox, &event);
  }
  void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
             Qt::KeyboardModifiers modifiers = {}) {
    QMouseEvent event(type, at, window.GrafiekBox->mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(window.GrafiekBox, &event);
  }
  void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
    mouse(QEvent::MouseButtonPress, from, button, button);
    mouse(QEvent::MouseMove, to, Qt::NoButton, button);
    mouse(QEvent::MouseButtonRelease, to, button, Qt::NoButton);
  }
};

TEST_F(PictureByHand, TheWheelZoomsAtTheCursorAndRestsPrecisely) {
  const double x = scale.columnWorldX[600], y = scale.rowWorldY[150];
  const int level = scale.zoomLevelX;
  wheel({600, 150}, 120);
  EXPECT_EQ(scale.zoomLevelX, level - 1);
  EXPECT_EQ(scale.zoomLevelY, level - 1);
  EXPECT_NEAR(scale.columnWorldX[600], x, 0.5 * scale.unitsPerPixelX);
  EXPECT_NEAR(scale.rowWorldY[150], y, 0.5 * scale.unitsPerPixelY);
  EXPECT_TRUE(ws.graph.fastPlot);
  EXPECT_TRUE(window.wheelRestTimer->isActive());
  QTest::qWait(PictureNavigation::kRestMilliseconds + 200);
  EXPECT_FALSE(ws.graph.fastPlot);  // rested: drawn precisely once

  wheel({600, 150}, -240, Qt::ShiftModifier);  // x alone, two levels out
  EXPECT_EQ(scale.zoomLevelX, level + 1);
  EXPECT_EQ(scale.zoomLevelY, level - 1);
  wheel({600, 150}, 120, Qt::ControlModifier);  // y alone
  EXPECT_EQ(scale.zoomLevelX, level + 1);
  EXPECT_EQ(scale.zoomLevelY, level - 2);
  EXPECT_EQ(ws.points.pointCount, 0);
}

TEST_F(PictureByHand, ADragMovesThePictureAndAClickStillAddsAPoint) {
  ws.startDocument("");  // nothing unsaved
  window.refresh();
  ASSERT_FALSE(window.windowTitle().contains("*"));
  const size_t steps = ws.history.undoSteps();
  const double centreX = scale.centreX, centreY = scale.centreY;
  const int distance = QApplication::startDragDistance();
  drag({300, 300}, {300 + 40 + distance, 290});
  EXPECT_NEAR(scale.centreX, centreX - (40 + distance) * scale.unitsPerPixelX, 1e-9);
  EXPECT_NEAR(scale.centreY, centreY - 10 * scale.unitsPerPixelY, 1e-9);
  EXPECT_FALSE(ws.graph.fastPlot);  // ended: drawn precisely
  EXPECT_EQ(ws.points.pointCount, 0);
  // As after a scroll button: the unsaved mark, and no undo step of its own.
  EXPECT_TRUE(window.windowTitle().contains("*"));
  EXPECT_EQ(ws.history.undoSteps(), steps);

  // The middle button drags too.
  const double moved = scale.centreX;
  drag({300, 300}, {300 - distance - 5, 300}, Qt::MiddleButton);
  EXPECT_NEAR(scale.centreX, moved + (distance + 5) * scale.unitsPerPixelX, 1e-9);

  // A press released where it went down, or moved less than the drag distance: a point at
  // the press.
  const double still = scale.centreX;
  QTest::mouseClick(window.GrafiekBox, Qt::LeftButton, {}, {400, 400});
  EXPECT_EQ(ws.points.pointCount, 1);
  drag({200, 200}, {200 + distance - 1, 200}, Qt::LeftButton);
  EXPECT_EQ(ws.points.pointCount, 2);
  EXPECT_EQ(scale.centreX, still);
  // The right button removes it at once, as it always did.
  mouse(QEvent::MouseButtonPress, {400, 400}, Qt::RightButton, Qt::RightButton);
  EXPECT_EQ(ws.points.pointCount, 1);
}

}  // namespace
}  // namespace quorvel
