// Points, the least-squares fit and the coefficient grid in the real main window.

#include "../shell/MainWindowTestSupport.h"

namespace quorvel {
namespace {

class PolynomialWindow : public testing::MainWindowTest {
 protected:
  void pressPicture(double x, double y, Qt::KeyboardModifiers modifiers = {}) {
    const QPoint at(ws.graph.scale.WorldToColumn(x), ws.graph.scale.WorldToRow(y));
    QTest::mousePress(window.GrafiekBox, Qt::LeftButton, modifiers, at);
    QTest::mouseRelease(window.GrafiekBox, Qt::LeftButton, modifiers, at);
  }
  bool markAt(double x, double y) const {
    const int column = ws.graph.scale.WorldToColumn(x);
    const int row = ws.graph.scale.WorldToRow(y);
    return ws.graph.picture.pixel(column + 3, row) == rgb(15, 15, 15);
  }
  QString cell(int row) const { return window.PolyGrid->item(row, 1)->text(); }
};

TEST_F(PolynomialWindow, PointsFitDifferentiatePlotAndRemove) {
  pressPicture(-1, 1);
  pressPicture(0, 0);
  pressPicture(1, 1);
  EXPECT_EQ(message(), "punt 3 toegevoegd");
  EXPECT_TRUE(markAt(-1, 1) && markAt(0, 0) && markAt(1, 1));

  withAlt({Qt::Key_F, Qt::Key_P});  // the least-squares polynomial, degree 2
  EXPECT_EQ(message(), "polynoom berekend");
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotPolynomial);
  EXPECT_EQ(cell(1), "0,0");
  EXPECT_EQ(cell(2), "0,0");
  EXPECT_EQ(cell(3), "1,0");
  EXPECT_TRUE(graphAt(2, 4, 1));

  selectSlot(2);
  withAlt({Qt::Key_F, Qt::Key_D});  // the grid differentiated, and the grid is the input
  EXPECT_EQ(cell(1), "0,0");
  EXPECT_EQ(cell(2), "2,0");
  EXPECT_EQ(cell(3), "");
  EXPECT_EQ(window.polyDegreeText->text(), "1");
  EXPECT_FALSE(controller.formulaInputActive);
  click(window.PlotBtn);
  EXPECT_EQ(ws.formulas.slotKind[2], kSlotPolynomial);
  EXPECT_TRUE(graphAt(2, 4, 2));
  EXPECT_TRUE(graphAt(-3, -6, 2));

  pressPicture(0, 0);  // on a point: removed, the rest redrawn
  EXPECT_EQ(message(), "punten = 2");
  EXPECT_FALSE(markAt(0, 0));
  EXPECT_TRUE(markAt(-1, 1) && markAt(1, 1));
  EXPECT_TRUE(graphAt(3, 9, 1));
  EXPECT_TRUE(graphAt(3, 6, 2));
}

TEST_F(PolynomialWindow, TypeIntoTheGridPlotAndLoadBack) {
  click(window.formPolyArrow);
  EXPECT_FALSE(controller.formulaInputActive);
  type("1");
  enter();
  type("-0.5");
  enter();
  type("a");
  EXPECT_EQ(cell(2), "-0.5");
  EXPECT_EQ(cell(3), "a");
  selectSlot(4);
  click(window.PlotBtn);
  EXPECT_EQ(ws.formulas.slotKind[4], kSlotPolynomial);
  EXPECT_EQ(ws.poly.polySlots[4].coef[1], -0.5);
  EXPECT_EQ(window.polyDegreeText->text(), "2");
  EXPECT_TRUE(graphAt(2, 0, 4));  // a = 0: the line 1 - x/2

  click(window.clearBtn);  // "R" empties the grid
  EXPECT_EQ(cell(1), "");
  click(window.GetBtn);  // "laad"
  EXPECT_EQ(cell(1), "1,0");
  EXPECT_EQ(cell(2), "-0,5");
  EXPECT_EQ(cell(3), "a");

  // A faulty cell: the message names it; an editing command makes it the current cell.
  window.PolyGrid->setCurrentCell(2, 1);
  ws.poly.cells[2] = "1,2,3";
  click(window.PlotBtn);
  EXPECT_EQ(message(), "fout in coefficient :1,2,3");
  withAlt({Qt::Key_F, Qt::Key_R});
  EXPECT_EQ(message(), "fout in coefficient");
  EXPECT_EQ(ws.poly.currentRow, 2);
  EXPECT_EQ(window.PolyGrid->item(2, 1)->background().color(), QColor(Qt::white));

  // The degree: left click up, right click down, Alt+D with the arrows.
  click(window.polyDegreeText, {5, 5}, Qt::LeftButton);
  EXPECT_EQ(window.polyDegreeText->text(), "3");
  click(window.polyDegreeText, {5, 5}, Qt::RightButton);
  click(window.polyDegreeText, {5, 5}, Qt::RightButton);
  EXPECT_EQ(window.polyDegreeText->text(), "1");
  withAlt({Qt::Key_D, Qt::Key_Right, Qt::Key_Right});
  EXPECT_EQ(window.polyDegreeText->text(), "3");
}

TEST_F(PolynomialWindow, ThePointsTable) {
  pressPicture(2, 1);
  pressPicture(-1, 3);
  withAlt({Qt::Key_Period});
  TpuntenForm* form = window.puntenForm;
  ASSERT_TRUE(form->isVisible());
  EXPECT_FALSE(window.isEnabled());
  EXPECT_EQ(form->msg->text(), "<ESC> sluiten");
  EXPECT_EQ(form->puntenGrid->item(0, 0)->text(), "2,0");
  EXPECT_EQ(form->puntenGrid->item(1, 1)->text(), "3,0");

  // A third point typed, with a mistake in its y.
  form->puntenGrid->setCurrentCell(2, 0);
  type("0.5");
  enter();
  EXPECT_EQ(form->puntenGrid->currentColumn(), 1);
  type("1,,5");
  enter();
  EXPECT_EQ(form->puntenGrid->currentRow(), 3);
  key(Qt::Key_Escape);
  EXPECT_TRUE(form->isVisible());  // a fault keeps it open
  EXPECT_EQ(form->msg->text(), "fout getal");
  EXPECT_EQ(form->puntenGrid->currentRow(), 2);
  form->puntenGrid->item(2, 1)->setText("1,5");

  click(form->sortBtn);
  EXPECT_EQ(form->puntenGrid->item(0, 0)->text(), "-1,0");
  EXPECT_EQ(form->puntenGrid->item(1, 0)->text(), "0,5");
  EXPECT_EQ(form->puntenGrid->item(2, 0)->text(), "2,0");

  form->puntenGrid->setCurrentCell(1, 1);
  click(form->wisPuntBtn);
  EXPECT_EQ(form->puntenGrid->item(1, 0)->text(), "2,0");
  EXPECT_EQ(form->puntenGrid->item(2, 0)->text(), "");

  click(form->closeBtn);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(window.isEnabled());
  EXPECT_EQ(ws.points.pointCount, 2);
  EXPECT_TRUE(markAt(-1, 3));
  EXPECT_TRUE(markAt(2, 1));

  // "wis alles" and closing with ESC.
  withAlt({Qt::Key_Period});
  click(form->wisBtn);
  EXPECT_EQ(form->puntenGrid->item(0, 0)->text(), "");
  key(Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(ws.points.pointCount, 0);
  EXPECT_FALSE(markAt(2, 1));
}

}  // namespace
}  // namespace quorvel
