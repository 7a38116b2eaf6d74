// What careful and hostile use of the main window found: keys the program has no code for,
// clicks that take the keys back from the menu, cancelled domain windows, labels at the
// picture's edge, and dialogs opened from the menu.

#include <QPainter>
#include <QTimer>

#include "MainWindowTestSupport.h"
#include "common/NumberText.h"

namespace quorvel {
namespace {

class HostileUse : public testing::MainWindowTest {};

TEST_F(HostileUse, KeysWithoutACodeDoNothingInTheMenu) {
  QTest::keyClick(&window, Qt::Key_F10);
  QTest::keyClick(&window, Qt::Key_Right);
  ASSERT_EQ(controller.menu.menuCursorId, 2);
  for (Qt::Key key : {Qt::Key_Equal, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_ParenLeft,
                      Qt::Key_Asterisk, Qt::Key_Space, Qt::Key_PageUp, Qt::Key_Comma}) {
    QTest::keyClick(&window, key);
    EXPECT_EQ(controller.menu.menuCursorId, 2) << key;  // not back to "algemeen"
  }
  EXPECT_EQ(controller.menu.titleLook[2], TitleLook::Hover);
}

TEST_F(HostileUse, KeysWithoutACodeDoNothingInAnAltCommand) {
  // Down moves from a to b; "=" must not start the command again (back at a).
  withAlt({Qt::Key_C, Qt::Key_Down, Qt::Key_Equal, Qt::Key_Right});
  EXPECT_EQ(ws.constants.a, 0);
  EXPECT_EQ(ws.constants.b, 1);
  EXPECT_EQ(window.Btext->text(), "1,0");
}

TEST_F(HostileUse, AClickIntoTheEditBoxTakesTheKeysBackFromTheMenu) {
  type("y=x");
  QTest::keyClick(&window, Qt::Key_F10);
  QTest::keyClick(&window, Qt::Key_Down);  // "algemeen" dropped: "herstart" is one Enter away
  QTest::keyClick(&window, Qt::Key_Down);
  click(window.fedbox, {200, 15});
  EXPECT_FALSE(controller.menu.menuKeyboardActive);
  EXPECT_FALSE(window.menuBar->panels[1]->isVisible());
  EXPECT_TRUE(window.fedbox->caretVisible());
  type("+1");
  EXPECT_EQ(ws.editor.fedGetText(), "y=x+1");
  enter();
  EXPECT_EQ(message(), "1 : OK");
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotFunction);
  EXPECT_TRUE(window.isVisible());
}

TEST_F(HostileUse, CancelledDomainWindowsLeaveTheSlot) {
  selectSlot(7);
  type(
      "y=x\x01"
      "2");
  enter();
  ASSERT_EQ(ws.formulas.slotKind[7], kSlotFunction);
  ASSERT_TRUE(graphAt(2, 4, 7));

  click(window.clearBtn);
  type("y=sin(v);x=v");
  enter();
  ASSERT_TRUE(window.VdomainForm->isVisible());
  QTest::keyClick(window.VdomainForm, Qt::Key_Escape);
  ASSERT_FALSE(window.VdomainForm->isVisible());

  click(window.clearBtn);
  type("y=i:1");
  enter();
  ASSERT_TRUE(window.XdomainForm->isVisible());
  click(window.XdomainForm->annBtn);
  ASSERT_FALSE(window.XdomainForm->isVisible());

  EXPECT_EQ(ws.formulas.formulas[7].text, "y=x^(2)");
  EXPECT_EQ(ws.formulas.slotKind[7], kSlotFunction);
  ws.graph.RedrawAll();
  EXPECT_TRUE(graphAt(2, 4, 7));
  EXPECT_TRUE(graphAt(-1, 1, 7));
}

TEST_F(HostileUse, CrossHairLabelsStayWholeAtTheLeftEdge) {
  for (int i = 0; i < 5; ++i)
    ws.graph.ScrollZoom(kZoomOutX);
  const int column = 3, row = 400;
  move(window.GrafiekBox, {column, row});
  const std::string label = FormatFloat("###0.0###", ws.graph.scale.columnWorldX[column]);
  ASSERT_EQ(label.front(), '-');

  // The label as it must appear: whole, at the left edge, below the horizontal line.
  const QFont font = programFont(Font{"courier new", 15, false});
  const QFontMetrics metrics(font);
  QImage expected(metrics.horizontalAdvance(QString::fromStdString(label)), metrics.height(),
                  QImage::Format_RGB32);
  expected.fill(Qt::white);
  {
    QPainter painter(&expected);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(0, metrics.ascent(), QString::fromStdString(label));
  }
  const QImage shown = window.GrafiekBox->grab().toImage();
  const int top = row + 20;
  int ink = 0;
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      if (expected.pixelColor(x, y) != Qt::black) continue;
      ++ink;
      ASSERT_EQ(shown.pixelColor(x, top + y), Qt::black) << "label pixel " << x << "," << y;
    }
  }
  EXPECT_GT(ink, 20);
}

TEST_F(HostileUse, TheMenuIsGoneBeforeTheSaveDialogComes) {
  bool listShown = true;
  bool dialogSeen = false;
  // While the dialog runs: look at the menu, then cancel the dialog.
  std::function<void()> whileOpen = [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) {
      QTimer::singleShot(10, whileOpen);
      return;
    }
    dialogSeen = true;
    listShown = window.menuBar->panels[1]->isVisible() || window.menuBar->panels[2]->isVisible();
    dialog->close();
  };
  QTimer::singleShot(0, whileOpen);
  TsubMenu* titles = window.menuBar->panels[0]->control;
  move(titles, {10, 10});
  click(titles, {10, 10});  // "algemeen"
  TsubMenu* list = window.menuBar->panels[1]->control;
  move(list, {10, 3 * 25 + 10});  // "snap"
  TsubMenu* snap = window.menuBar->panels[2]->control;
  ASSERT_TRUE(window.menuBar->panels[2]->isVisible());
  move(snap, {10, 10});  // "--> disk"
  click(snap, {10, 10});
  EXPECT_TRUE(dialogSeen);
  EXPECT_FALSE(listShown);
  EXPECT_EQ(message(), "");  // cancelled: no message, nothing written
}

}  // namespace
}  // namespace quorvel
