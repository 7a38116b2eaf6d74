// The main window driven as a user drives it: keys into the edit box, clicks on buttons,
// fields and boxes; checked on what the user sees (message line, fields, picture) and on the
// slots.

#include <QImage>
#include <QSettings>

#include "MainWindowTestSupport.h"

namespace quorvel {
namespace {

class MainWindow : public testing::MainWindowTest {};

TEST_F(MainWindow, StartsAsItAlwaysHas) {
  EXPECT_EQ(window.windowTitle(), "Quorvel");
  EXPECT_EQ(window.size(), QSize(1030, 948));
  EXPECT_EQ(window.hoektext->text(), "RADIALEN");
  EXPECT_EQ(window.addtext->text(), "TOEVOEGEN");
  EXPECT_EQ(window.deltatext->text(), "1");
  EXPECT_EQ(window.Atext->text(), "0,0");
  EXPECT_EQ(window.polyDegreeText->text(), "2");
  EXPECT_EQ(window.PolyGrid->item(0, 1)->text(), "coefficient");
  EXPECT_EQ(window.PolyGrid->item(8, 0)->text(), "7");
  EXPECT_EQ(ws.selection.selectedSlot, 1);                      // the colour box has been painted
  EXPECT_EQ(ws.graph.picture.pixel(400, 123), rgb(1, 0, 255));  // the grid is drawn
  EXPECT_EQ(window.GrafiekBox->geometry(), QRect(20, 45, 801, 801));
}

TEST_F(MainWindow, TypeAFormulaWithASuperscriptAndPlotIt) {
  type(
      "y=0,5x\x01"
      "2\x02-3");
  EXPECT_EQ(ws.editor.fedGetText(), "y=0,5x^(2)-3");
  enter();
  EXPECT_EQ(message(), "1 : OK");
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotFunction);
  EXPECT_TRUE(graphAt(2, -1, 1));
  EXPECT_TRUE(graphAt(-4, 5, 1));
  type("+");
  enter();
  EXPECT_EQ(message(), "1 : constante of variabele ontbreekt");
  EXPECT_EQ(ws.formulas.formulas[1].text, "y=0,5x^(2)-3");  // the slot keeps its formula
}

TEST_F(MainWindow, FunctionKeysChooseTheSlot) {
  QTest::keyClick(&window, Qt::Key_F3);
  EXPECT_EQ(ws.selection.selectedSlot, 3);
  type("y=2");
  click(window.PlotBtn);
  EXPECT_EQ(message(), "3 : OK");
  EXPECT_EQ(ws.formulas.slotKind[3], kSlotFunction);
  EXPECT_TRUE(graphAt(-7, 2, 3));
}

TEST_F(MainWindow, LoadAndClearTheEditBox) {
  type(
      "y=x\x01"
      "3");
  enter();
  click(window.clearBtn);
  EXPECT_EQ(ws.editor.count(), 0);
  click(window.GetBtn);  // "laad": the slot's formula back into the box
  EXPECT_EQ(ws.editor.fedGetText(), "y=x^(3)");
  EXPECT_TRUE(ws.editor.at(4).superscript);
  QTest::keyClick(&window, Qt::Key_F4);
  click(window.clearBtn);
  click(window.GetBtn);  // an empty slot: nothing happens
  EXPECT_EQ(ws.editor.count(), 0);
}

TEST_F(MainWindow, SettingsBoxesToggle) {
  click(window.hoektext);
  EXPECT_EQ(window.hoektext->text(), "GRADEN");
  EXPECT_TRUE(ws.settings.degreesMode);
  click(window.addtext, {5, 5}, Qt::RightButton);
  EXPECT_EQ(window.addtext->text(), "VERVANGEN");
  click(window.showtext);
  EXPECT_TRUE(ws.settings.autoplotMode);
  click(window.hoektext);
  EXPECT_EQ(window.hoektext->text(), "RADIALEN");
}

TEST_F(MainWindow, ConstantFieldsFollowTheMouseButtons) {
  click(window.Atext);
  EXPECT_EQ(window.Atext->text(), "1,0");
  click(window.Atext, {5, 5}, Qt::RightButton);
  click(window.Atext, {5, 5}, Qt::RightButton);
  EXPECT_EQ(window.Atext->text(), "-1,0");
  click(window.deltatext, {5, 5}, Qt::RightButton);
  EXPECT_EQ(window.deltatext->text(), "0,5");
  click(window.Ctext);
  EXPECT_EQ(window.Ctext->text(), "0,5");
  EXPECT_FALSE(window.klok->isActive());  // released: no repeat
}

TEST_F(MainWindow, HoldingAConstantRepeatsIt) {
  press(window.Btext, {5, 5});
  EXPECT_EQ(ws.constants.b, 1);  // once at once
  EXPECT_TRUE(window.klok->isActive());
  EXPECT_EQ(window.klok->interval(), 300);
  // Then again and again, each time a little sooner (no timing is asserted).
  EXPECT_TRUE(QTest::qWaitFor([this] { return ws.constants.b >= 3; }, 10000));
  EXPECT_LT(window.klok->interval(), 300);
  release(window.Btext, {5, 5});
  EXPECT_FALSE(window.klok->isActive());
  const double held = ws.constants.b;
  QTest::qWait(400);
  EXPECT_EQ(ws.constants.b, held);  // released: no more steps
}

TEST_F(MainWindow, ColourBoxShowsWhatTheSlotsHold) {
  type("y=x");
  enter();
  move(window.ColorBox, {45, 45});
  EXPECT_EQ(message(), "");
  move(window.ColorBox, {5, 5});
  EXPECT_EQ(message(), "y=x");
  click(window.ColorBox, {75, 15});
  EXPECT_EQ(ws.selection.selectedSlot, 3);
}

TEST_F(MainWindow, ParametricFormulaAsksForItsDomain) {
  type("y=sin(3v);x=4cos(2v)");
  enter();
  ASSERT_TRUE(window.VdomainForm->isVisible());
  EXPECT_FALSE(window.isEnabled());
  EXPECT_EQ(window.VdomainForm->msg->text(), "<ESC> sluiten");
  window.VdomainForm->Vbegin->setText("0");
  window.VdomainForm->Vend->setText("6,28");
  window.VdomainForm->Vsteps->setText("9");
  click(window.VdomainForm->toepBtn);
  EXPECT_EQ(window.VdomainForm->msg->text(), "10 < stappen < 1000");
  EXPECT_TRUE(window.VdomainForm->isVisible());
  window.VdomainForm->Vsteps->setText("500");
  click(window.VdomainForm->toepBtn);
  EXPECT_FALSE(window.VdomainForm->isVisible());
  EXPECT_TRUE(window.isEnabled());
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotParametric);
  EXPECT_EQ(ws.formulas.formulas[1].domainSteps, 500);
  EXPECT_TRUE(graphAt(4, 0, 1));  // v = 0: (4, 0)
  // Asked again, the window shows the stored domain.
  enter();
  EXPECT_EQ(window.VdomainForm->Vend->text(), "6,28");
  QTest::keyClick(window.VdomainForm, Qt::Key_Escape);
  EXPECT_FALSE(window.VdomainForm->isVisible());
}

TEST_F(MainWindow, IntegralAsksForItsDomain) {
  type("y=i:1");
  enter();
  ASSERT_TRUE(window.XdomainForm->isVisible());
  window.XdomainForm->Edit1->setText("-12");
  window.XdomainForm->Edit2->setText("3");
  click(window.XdomainForm->toepBtn);
  EXPECT_EQ(window.XdomainForm->msg->text(), "domein buiten bereik");
  window.XdomainForm->Edit1->setText("-2");
  window.XdomainForm->Edit2->setText("2");
  click(window.XdomainForm->toepBtn);
  EXPECT_FALSE(window.XdomainForm->isVisible());
  EXPECT_TRUE(graphAt(0, 2, 1));
  EXPECT_TRUE(graphAt(1, 3, 1));
}

TEST_F(MainWindow, ScaleBarsScrollAndZoom) {
  move(window.HorScaleBox, {580, 10});  // ">>"
  click(window.HorScaleBox, {580, 10});
  EXPECT_DOUBLE_EQ(ws.graph.scale.centreX, 1);
  click(window.HorScaleBox, {580, 10}, Qt::RightButton);
  EXPECT_DOUBLE_EQ(ws.graph.scale.centreX, 0);
  move(window.vertScaleBox, {10, 235});  // zoom out y
  click(window.vertScaleBox, {10, 235});
  EXPECT_EQ(ws.graph.scale.zoomLevelY, 10);
  move(window.HorScaleBox, {46, 10});  // the first quadrant arrow: y axis at column 40
  click(window.HorScaleBox, {46, 10});
  EXPECT_EQ(ws.graph.scale.WorldToColumn(0), 40);
  click(window.initscaleBtn);
  EXPECT_EQ(ws.graph.scale.WorldToColumn(0), 400);
  EXPECT_EQ(ws.graph.scale.zoomLevelY, 9);
}

TEST_F(MainWindow, CrossHairReadsTheWorldCoordinates) {
  move(window.GrafiekBox, {440, 360});
  EXPECT_DOUBLE_EQ(ws.graph.scale.cursorWorldX, 1);
  EXPECT_DOUBLE_EQ(ws.graph.scale.cursorWorldY, 1);
}

TEST_F(MainWindow, MenuByMouse) {
  type("y=x");
  enter();
  TsubMenu* titles = window.menuBar->panels[0]->control;
  move(titles, {10, 10});  // "algemeen"
  click(titles, {10, 10});
  ASSERT_TRUE(window.menuBar->panels[1]->isVisible());
  EXPECT_EQ(window.menuBar->panels[1]->geometry(), QRect(12, 35, 115, 8 * 25 + 10));
  TsubMenu* list = window.menuBar->panels[1]->control;
  move(list, {10, 10});  // "herstart"
  answerQuestion("niet bewaren");
  click(list, {10, 10});
  EXPECT_EQ(questions, std::vector<std::string>{"grafieken gewijzigd: eerst bewaren?"});
  EXPECT_FALSE(window.menuBar->panels[1]->isVisible());
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotEmpty);
}

// "grafieken" > "exact tekenen": chosen with the mouse, checked in the list from then on, and
// kept in the platform's settings for the next run. Each test leaves the settings as it found
// them, so that no other window starts with the exact method.
class ExactMethodWindow : public testing::MainWindowTest {
 protected:
  void TearDown() override {
    QSettings("Quorvel", "quorvel").remove(kExactImplicitKey);
    MainWindowTest::TearDown();
  }
  TsubMenu* titles() const { return window.menuBar->panels[0]->control; }
  TsubMenu* list() const { return window.menuBar->panels[1]->control; }
  void openGrafieken() {
    move(titles(), {190, 10});
    click(titles(), {190, 10});
  }
  void chooseExact() {
    openGrafieken();
    move(list(), {10, 4 * 25 + 10});
    click(list(), {10, 4 * 25 + 10});
  }
  // The pixels of the list's `row` right of its texts in `colour`.
  static int markPixels(const QImage& list, int row, QColor colour) {
    int count = 0;
    for (int y = 25 * (row - 1); y < 25 * row; ++y) {
      for (int x = kRightOfTexts; x < list.width(); ++x)
        count += list.pixelColor(x, y) == colour;
    }
    return count;
  }
  static constexpr int kRightOfTexts = 88;
  static bool kept() { return QSettings("Quorvel", "quorvel").value(kExactImplicitKey).toBool(); }
  // What the next run starts with: a new window of its own.
  static bool nextRunStartsExact() {
    QtTextPainter nextText;
    Workspace next(nextText, 1);
    Controller nextController(next);
    TcontrolForm nextWindow(next, nextController);
    return next.settings.exactImplicit;
  }
};

TEST_F(ExactMethodWindow, ChosenCheckedAndKeptForTheNextRun) {
  ASSERT_FALSE(ws.settings.exactImplicit);
  openGrafieken();
  ASSERT_TRUE(window.menuBar->panels[1]->isVisible());
  EXPECT_EQ(window.menuBar->panels[1]->geometry(), QRect(192, 35, 115, 5 * 25 + 10));
  const QImage unchecked = list()->grab().toImage();
  EXPECT_EQ(markPixels(unchecked, 5, Qt::black), 0);
  click(titles(), {190, 10});  // closed again

  chooseExact();
  EXPECT_TRUE(ws.settings.exactImplicit);
  EXPECT_FALSE(window.menuBar->panels[1]->isVisible());
  EXPECT_EQ(window.windowTitle(), "Quorvel");  // no unsaved change
  EXPECT_TRUE(kept());
  EXPECT_TRUE(nextRunStartsExact());

  // The mark at the right end of the entry's row, in its colour; every other pixel of the
  // list as it was.
  openGrafieken();
  const QImage checked = list()->grab().toImage();
  ASSERT_EQ(checked.size(), unchecked.size());
  EXPECT_GT(markPixels(checked, 5, Qt::black), 10);
  for (int row = 1; row <= 4; ++row)
    EXPECT_EQ(markPixels(checked, row, Qt::black), 0) << row;
  int moved = 0;
  for (int y = 0; y < checked.height(); ++y) {
    for (int x = 0; x < checked.width(); ++x) {
      const bool mark = y >= 4 * 25 && y < 5 * 25 && x >= kRightOfTexts;
      moved += !mark && checked.pixel(x, y) != unchecked.pixel(x, y);
    }
  }
  EXPECT_EQ(moved, 0);
  click(titles(), {190, 10});

  chooseExact();  // off again, for this run and the next
  EXPECT_FALSE(ws.settings.exactImplicit);
  EXPECT_FALSE(kept());
  EXPECT_FALSE(nextRunStartsExact());
  openGrafieken();
  EXPECT_EQ(markPixels(list()->grab().toImage(), 5, Qt::black), 0);
}

TEST_F(MainWindow, MenuByKeyboard) {
  type("y=x");
  enter();
  QTest::keyClick(&window, Qt::Key_F10);
  EXPECT_EQ(message(), "<ESC> sluiten");
  EXPECT_FALSE(window.fedbox->caretVisible());
  QTest::keyClick(&window, Qt::Key_Right);
  QTest::keyClick(&window, Qt::Key_Right);
  QTest::keyClick(&window, Qt::Key_Down);  // drops "grafieken"
  EXPECT_TRUE(window.menuBar->panels[1]->isVisible());
  QTest::keyClick(&window, Qt::Key_Down);  // "wissen"
  QTest::keyClick(&window, Qt::Key_Return);
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotEmpty);
  EXPECT_FALSE(window.menuBar->panels[1]->isVisible());
  EXPECT_EQ(message(), "");
}

TEST_F(MainWindow, AltCommandsThroughTheWindow) {
  // Alt held down over several keys, as a user does it.
  auto send = [this](QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
                     QString typed = {}) {
    QKeyEvent event(type, key, modifiers, typed);
    QApplication::sendEvent(&window, &event);
  };
  send(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
  send(QEvent::KeyPress, Qt::Key_S, Qt::AltModifier, "s");
  send(QEvent::KeyRelease, Qt::Key_S, Qt::AltModifier, "s");
  send(QEvent::KeyPress, Qt::Key_Right, Qt::AltModifier);
  send(QEvent::KeyRelease, Qt::Key_Right, Qt::AltModifier);
  EXPECT_TRUE(ws.settings.keyboardMode);
  send(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
  EXPECT_DOUBLE_EQ(ws.graph.scale.centreX, 1);
  EXPECT_FALSE(ws.settings.keyboardMode);
  QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(message(), "debugMode switched ON");
  type("y");
  EXPECT_EQ(ws.editor.fedGetText(), "y");  // no stray characters from the commands
}

TEST_F(MainWindow, HighlightFollowsTheMouse) {
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(window.addtext, &enter);
  EXPECT_EQ(controller.hoverCode, kHoverAddMode);
  EXPECT_EQ(window.addtext->frameShadow(), QFrame::Sunken);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(window.addtext, &leave);
  EXPECT_EQ(controller.hoverCode, kHoverNone);
  EXPECT_EQ(window.addtext->frameShadow(), QFrame::Plain);
  // While a keyboard command runs, the mouse changes no highlight.
  ws.settings.keyboardMode = true;
  QApplication::sendEvent(window.showtext, &enter);
  EXPECT_EQ(controller.hoverCode, kHoverNone);
  EXPECT_EQ(window.showtext->frameShadow(), QFrame::Plain);
}

}  // namespace
}  // namespace quorvel
