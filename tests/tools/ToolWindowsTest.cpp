// The value table and the area window, driven through the main window as a user drives them.

#include "../shell/MainWindowTestSupport.h"
#include "common/NumberText.h"

namespace quorvel {
namespace {

class ToolWindows : public testing::MainWindowTest {};

TEST_F(ToolWindows, AreaUnderALineByTheKeys) {
  type("y=1");
  enter();
  withAlt({Qt::Key_F, Qt::Key_O});
  TAreaForm* form = window.AreaForm;
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->windowTitle(), "X-domain for area calculation");
  EXPECT_EQ(form->size(), QSize(452, 132));
  EXPECT_FALSE(window.isEnabled());
  type("0");
  enter();
  type("3");
  enter();
  enter();  // on "calculate"
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(window.isEnabled());
  EXPECT_EQ(message(), "oppervlakte = 3,0");
  // The band between the line and the axis, on every second pixel, grid lines left alone.
  const ScaleState& scale = ws.graph.scale;
  const Picture& picture = ws.graph.picture;
  EXPECT_EQ(picture.pixel(scale.WorldToColumn(1.5) + 2, 390), ws.slotColours[1]);
  EXPECT_NE(picture.pixel(scale.WorldToColumn(1.5) + 3, 390), ws.slotColours[1]);
  EXPECT_NE(picture.pixel(scale.WorldToColumn(1.5), 390), ws.slotColours[1]);  // grid line
  EXPECT_NE(picture.pixel(scale.WorldToColumn(-1) + 2, 390), ws.slotColours[1]);
}

TEST_F(ToolWindows, AreaWindowRefusesAndCancels) {
  type("y=d:x");
  enter();
  withAlt({Qt::Key_F, Qt::Key_O});
  TAreaForm* form = window.AreaForm;
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->statustext->text(), "niet mogelijk voor diff./int. functie");
  EXPECT_FALSE(form->berekenBtn->isEnabled());
  key(Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(window.isEnabled());

  click(window.clearBtn);
  type("y=x");
  enter();
  withAlt({Qt::Key_F, Qt::Key_O});
  form->XLedit->setText("5");
  form->XRedit->setText("2");
  click(form->berekenBtn);
  EXPECT_EQ(form->statustext->text(), "fout domein");
  EXPECT_TRUE(form->isVisible());
  click(form->annBtn);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(message(), "");
}

TEST_F(ToolWindows, TableOfAHyperbola) {
  type("y=1/x");
  enter();
  withAlt({Qt::Key_W});
  TtabelForm* form = window.tabelForm;
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->windowTitle(), "tables");
  EXPECT_EQ(form->size(), QSize(284, 538));
  EXPECT_EQ(form->antwBox->size(), QSize(265, 410));
  EXPECT_FALSE(window.isEnabled());
  EXPECT_EQ(form->StaticText1->text(), "y=1/x");
  EXPECT_EQ(form->beginWaarde->text(), "0,0");
  EXPECT_EQ(ws.valueTable.rows[1].y, "x-x-x-x");
  EXPECT_EQ(ws.valueTable.rows[2].y, "40,0");

  // A step typed, and Down as "+": the typed values are applied.
  form->stapwaarde->setFocus();
  form->stapwaarde->selectAll();
  type("0,5");
  key(Qt::Key_Down);
  EXPECT_EQ(form->stapwaarde->text(), "0,5");
  EXPECT_EQ(ws.valueTable.rows[2].y, "2,0");
  key(Qt::Key_Down);  // now it moves
  EXPECT_EQ(form->beginWaarde->text(), "0,5");
  key(Qt::Key_Up);
  EXPECT_EQ(form->beginWaarde->text(), "0,0");
  key(Qt::Key_Left);
  EXPECT_EQ(form->stapwaarde->text(), "0,1");  // the step index from 7 (0,2) one down
  form->beginWaarde->setFocus();
  form->beginWaarde->selectAll();
  type("abc");
  key(Qt::Key_Down);
  EXPECT_EQ(form->StaticText1->text(), "fout in start");

  key(Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(window.isEnabled());
}

TEST_F(ToolWindows, HoldingPlusRepeatsFasterAndFaster) {
  type("y=x");
  enter();
  withAlt({Qt::Key_W});
  TtabelForm* form = window.tabelForm;
  ASSERT_TRUE(form->isVisible());
  press(form->plusBtn, {5, 5});
  EXPECT_EQ(form->beginWaarde->text(), "0,025");  // once at once
  EXPECT_TRUE(form->Timer1->isActive());
  EXPECT_EQ(form->Timer1->interval(), 330);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ws.valueTable.start >= 0.075; }, 10000));
  EXPECT_LT(form->Timer1->interval(), 330);
  release(form->plusBtn, {5, 5});
  EXPECT_FALSE(form->Timer1->isActive());
  key(Qt::Key_Escape);
}

TEST_F(ToolWindows, TablesOfEveryKind) {
  type("y=sin(v);x=cos(v)");
  enter();
  window.VdomainForm->Vbegin->setText("0");
  window.VdomainForm->Vend->setText("6");
  window.VdomainForm->Vsteps->setText("12");
  click(window.VdomainForm->toepBtn);
  withAlt({Qt::Key_W});
  TtabelForm* form = window.tabelForm;
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->size(), QSize(415, 538));  // three columns
  EXPECT_EQ(form->antwBox->width(), 395);
  EXPECT_EQ(form->StaticText2->text(), "start V");
  EXPECT_EQ(form->stapwaarde->text(), "0,5");
  key(Qt::Key_Escape);

  selectSlot(2);
  type("x^2+y^2=4");  // the edit box still holds the curve: start afresh
  click(window.clearBtn);
  type("x^2+y^2=4");
  enter();
  withAlt({Qt::Key_W});
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(message(), "alleen functies");
  selectSlot(3);
  withAlt({Qt::Key_W});
  EXPECT_EQ(message(), "geen formule/polynoom");
}

}  // namespace
}  // namespace quorvel
