// Line, circle and exponential fits from the menu and the keys of the real main window.

#include "../shell/MainWindowTestSupport.h"

namespace quorvel {
namespace {

class CurveFitsWindow : public testing::MainWindowTest {
 protected:
  void pressPicture(double x, double y) {
    const QPoint at(ws.graph.scale.WorldToColumn(x), ws.graph.scale.WorldToRow(y));
    click(window.GrafiekBox, at);
  }
  // "punten" > "maak >>" > the entry at `row` of that list (and further down `subRow` of the
  // list it opens, when given).
  void fromTheMenu(int row, int subRow = 0) {
    TsubMenu* titles = window.menuBar->panels[0]->control;
    move(titles, {3 * 90 + 10, 10});
    click(titles, {3 * 90 + 10, 10});
    move(window.menuBar->panels[1]->control, {10, 2 * 25 + 10});  // "maak >>"
    TsubMenu* make = window.menuBar->panels[2]->control;
    move(make, {10, (row - 1) * 25 + 10});
    if (subRow == 0) {
      click(make, {10, (row - 1) * 25 + 10});
      return;
    }
    TsubMenu* sub = window.menuBar->panels[3]->control;
    move(sub, {10, (subRow - 1) * 25 + 10});
    click(sub, {10, (subRow - 1) * 25 + 10});
  }
};

TEST_F(CurveFitsWindow, CircleLineAndExponential) {
  withAlt({Qt::Key_F, Qt::Key_C});  // no points: radius 100 pixels round the centre
  EXPECT_EQ(ws.editor.fedGetText(), "(x - (0,0))^2 + (y - (0,0))^2 = 6,25");
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotImplicit);
  EXPECT_TRUE(graphAt(1.5, 2, 1));  // 100 pixels from the centre
  EXPECT_TRUE(graphAt(-2, -1.5, 1));

  pressPicture(0, 1);
  pressPicture(1, 2);
  selectSlot(2);
  fromTheMenu(4, 1);  // "exp.functie y=" > "ab^x"
  EXPECT_EQ(ws.editor.fedGetText(), "y = 1,0 * 2,0^(x)");
  EXPECT_EQ(ws.formulas.slotKind[2], kSlotFunction);
  EXPECT_TRUE(graphAt(2, 4, 2));
  EXPECT_TRUE(graphAt(-1, 0.5, 2));

  selectSlot(3);
  fromTheMenu(1);  // "lijn"
  EXPECT_EQ(ws.editor.fedGetText(), "y = x + 1");
  EXPECT_TRUE(graphAt(3, 4, 3));

  pressPicture(2, 3);  // a third point on that line
  withAlt({Qt::Key_F, Qt::Key_C});
  EXPECT_EQ(message(), "geen cirkel mogelijk: punten op lijn");
  fromTheMenu(4, 3);  // "ab^x+c": three points on a line are no exponential
  EXPECT_EQ(message(), "geen exp. functie");
  EXPECT_EQ(ws.editor.fedGetText(), "");
}

}  // namespace
}  // namespace quorvel
