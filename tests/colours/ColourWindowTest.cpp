// The colour window opened through its command in the real main window: the slot colours
// and the personal text.

#include "../shell/MainWindowTestSupport.h"

namespace quorvel {
namespace {

class TheColourWindow : public testing::MainWindowTest {
 protected:
  void drag(QWidget* widget, QPoint from, QPoint to) {
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QMouseEvent moveEvent(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::LeftButton,
                          Qt::LeftButton, {});
    QApplication::sendEvent(widget, &moveEvent);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
  }
};

TEST_F(TheColourWindow, ColoursAndThePersonalText) {
  withAlt({Qt::Key_K});
  TkleurenForm* form = window.kleurenForm;
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->size(), QSize(544, 401));
  EXPECT_FALSE(window.isEnabled());
  click(form->FselectBox, {29 + 14, 14});  // slot 2
  QWidget* red = form->bars[0];
  const int knob = form->choice.bars[0].knobX;
  drag(red, {knob + 5, 20}, {-100, 20});  // fully left
  EXPECT_EQ(form->choice.editColours[2], rgb(31, 255, 0));
  form->Edit1->setText(QString(60, 'x'));  // at most 50 characters
  EXPECT_EQ(form->Edit1->text().size(), 50);
  form->Edit1->setText("mijn tekst");
  click(form->toepBtn);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(window.isEnabled());
  EXPECT_EQ(ws.slotColours[2], rgb(31, 255, 0));
  EXPECT_EQ(ws.personalText, "mijn tekst");
  selectSlot(2);
  type("y=x");
  enter();
  EXPECT_TRUE(graphAt(1, 1, 2));
  EXPECT_EQ(ws.graph.picture.pixel(ws.graph.scale.WorldToColumn(1), ws.graph.scale.WorldToRow(1)),
            rgb(31, 255, 0));

  // "cancel" keeps everything as it was.
  withAlt({Qt::Key_K});
  form->choice.original();
  form->Edit1->setText("weg");
  click(form->annBtn);
  EXPECT_EQ(ws.slotColours[2], rgb(31, 255, 0));
  EXPECT_EQ(ws.personalText, "mijn tekst");
}

}  // namespace
}  // namespace quorvel
