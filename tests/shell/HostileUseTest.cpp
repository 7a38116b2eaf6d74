// What careful and hostile use of the main window found: keys the program has no code for,
// clicks that take the keys back from the menu, cancelled domain windows, labels at the
// picture's edge, and dialogs opened from the menu.

#include <QClipboard>
#include <QPainter>
#include <QTimer>

#include "MainWindowTestSupport.h"
#include "common/NumberText.h"

namespace quorvel {
namespace {

class HostileUse : public testing::MainWindowTest {
 protected:
  // A command run from the menu by keys: "--> disk", with its dialog cancelled.
  void runDiskExportFromTheMenu() {
    inTheDialog([](QFileDialog&) { return std::nullopt; });
    for (Qt::Key key : {Qt::Key_F10, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                        Qt::Key_Down, Qt::Key_Right, Qt::Key_Return}) {
      QTest::keyClick(&window, key);
    }
  }
};

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

TEST_F(HostileUse, WhereverTheCaretShowsTheEditBoxTakesTheKeys) {
  type("y=x");
  runDiskExportFromTheMenu();
  ASSERT_FALSE(controller.menu.menuKeyboardActive);
  ASSERT_EQ(controller.menu.menuCursorId, 141);
  click(window.clearBtn);
  EXPECT_TRUE(window.fedbox->caretVisible());
  type("y=2x");
  EXPECT_EQ(ws.editor.fedGetText(), "y=2x");

  runDiskExportFromTheMenu();
  withAlt({Qt::Key_R});
  EXPECT_TRUE(window.fedbox->caretVisible());
  type("y=3x");
  EXPECT_EQ(ws.editor.fedGetText(), "y=3x");
  // The menu still holding the keys gives them up to "R" as to a click into the box.
  QTest::keyClick(&window, Qt::Key_F10);
  click(window.clearBtn);
  EXPECT_FALSE(controller.menu.menuKeyboardActive);
  type("y=4x");
  EXPECT_EQ(ws.editor.fedGetText(), "y=4x");
  EXPECT_TRUE(window.fedbox->caretVisible());
  // And to "laad", and to the arrow that switches to the formula input.
  enter();
  QTest::keyClick(&window, Qt::Key_F10);
  click(window.GetBtn);
  EXPECT_TRUE(window.fedbox->caretVisible());
  key(Qt::Key_End);  // "laad" leaves the cursor at the start
  type("+1");
  EXPECT_EQ(ws.editor.fedGetText(), "y=4x+1");
  click(window.formPolyArrow);  // to the grid
  QTest::keyClick(&window, Qt::Key_F10);
  click(window.formPolyArrow);  // back
  EXPECT_FALSE(controller.menu.menuKeyboardActive);
  type("+2");
  EXPECT_EQ(ws.editor.fedGetText(), "y=4x+1+2");
}

TEST_F(HostileUse, SquaredAndCubedKeysPlotPowers) {
  for (const char* typed : {"y=x²", "y=x³"}) {
    click(window.clearBtn);
    QTest::keyClicks(keyTarget(), QString::fromUtf8(typed));
    enter();
    EXPECT_EQ(message(), "1 : OK");
  }
  EXPECT_EQ(ws.formulas.formulas[1].text, "y=x^(3)");
  EXPECT_TRUE(graphAt(2, 8, 1));
  EXPECT_TRUE(graphAt(-1, -1, 1));
  ASSERT_FALSE(graphAt(2, 2, 1));  // not y = x
  // Pasted, with the line break of a copied line.
  click(window.clearBtn);
  QApplication::clipboard()->setText(QString::fromUtf8("y=2x²\n"));
  QTest::keyClick(keyTarget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(ws.editor.fedGetText(), "y=2x^(2)");
  EXPECT_EQ(message(), "1 : OK");  // the line break plotted nothing
}

// At a scale factor of 2 every pixel of a frame is four pixels of the screen: each of them
// must show the frame's colour at scale 1, none what is drawn beneath.
void expectFramesWholeAtScale2(QWidget* widget, const std::function<bool(int, int)>& onFrame) {
  QImage single(widget->size(), QImage::Format_RGB32);
  widget->render(&single);
  QImage doubled(widget->size() * 2, QImage::Format_RGB32);
  doubled.setDevicePixelRatio(2);
  widget->render(&doubled);
  int framePixels = 0, wrong = 0;
  for (int y = 0; y < widget->height(); ++y) {
    for (int x = 0; x < widget->width(); ++x) {
      if (!onFrame(x, y)) continue;
      ++framePixels;
      const QRgb expected = single.pixel(x, y);
      for (int d = 0; d < 4; ++d) {
        if (doubled.pixel(2 * x + d % 2, 2 * y + d / 2) != expected) ++wrong;
      }
    }
  }
  EXPECT_GT(framePixels, 0);
  EXPECT_EQ(wrong, 0) << "of " << 4 * framePixels << " screen pixels of the frames";
}

TEST_F(HostileUse, FramesShowNoFillAtScale2) {
  selectSlot(5);
  move(window.ColorBox, {75, 75});  // slot 9 raised, slot 5 sunken, the others flat
  expectFramesWholeAtScale2(window.ColorBox, [](int x, int y) {
    const int cx = x % 30, cy = y % 30;
    return cx < 2 || cy < 2 || cx > 27 || cy > 27;
  });
  // The bevels the main window paints around the picture and the edit box.
  const QRect graph = window.GrafiekBox->geometry(), box = window.fedbox->geometry();
  expectFramesWholeAtScale2(&window, [&](int x, int y) {
    const bool aroundGraph = graph.adjusted(-5, -5, 5, 5).contains(x, y) && !graph.contains(x, y);
    const bool aroundBox = box.adjusted(-2, -2, 2, 2).contains(x, y) && !box.contains(x, y);
    return aroundGraph || aroundBox;
  });
}

}  // namespace
}  // namespace quorvel
