// The analysis's list window and the tangent's dialog, driven through the main window as a
// user drives them: by the menu's keys, Alt+F and the mouse.

#include <QClipboard>
#include <QWheelEvent>
#include <sstream>

#include "../shell/MainWindowTestSupport.h"
#include "common/NumberText.h"

namespace quorvel {
namespace {

class AnalysisWindows : public testing::MainWindowTest {
 protected:
  void TearDown() override {
    window.analyseForm->hide();
    window.raaklijnForm->hide();
    MainWindowTest::TearDown();
  }
  QString rows() const { return window.analyseForm->rijenText->text(); }
  void wheel(int notches) {
    QWheelEvent event({100, 100}, {100, 100}, {}, {0, 120 * notches}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(window.analyseForm, &event);
  }
};

TEST_F(AnalysisWindows, TheListOfRootsScrollsAndCopiesEveryDigit) {
  type("y=sin(5x)+0,5");
  enter();
  // F10 to "grafieken", down to "analyse >>", into its list: "nulpunten".
  for (Qt::Key k : {Qt::Key_F10, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down,
                    Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right})
    QTest::keyClick(&window, k);
  ASSERT_EQ(controller.menu.menuCursorId, 341);
  QTest::keyClick(&window, Qt::Key_Return);
  TanalyseForm* form = window.analyseForm;
  ASSERT_TRUE(form->isVisible());
  EXPECT_FALSE(window.isEnabled());
  EXPECT_EQ(form->windowTitle(), "analyse");
  EXPECT_EQ(message(), "32 nulpunten");
  EXPECT_EQ(form->titel->text(), "nulpunten van y=sin(5x)+0,5");
  EXPECT_EQ(rows(), "1 - 20 van 32");
  const std::vector<TableRow> first = ws.analysis.rows(0);
  ASSERT_EQ(first.size(), 20u);
  EXPECT_EQ(first[0][0], "nulpunt");
  EXPECT_EQ(first[0][1], FormatFloat("#####0.0#####", ws.analysis.results[0].x));
  EXPECT_EQ(first[0][2], "0,0");

  key(Qt::Key_Down);
  EXPECT_EQ(rows(), "2 - 21 van 32");
  key(Qt::Key_End);
  EXPECT_EQ(rows(), "13 - 32 van 32");
  key(Qt::Key_PageDown);
  EXPECT_EQ(rows(), "13 - 32 van 32");
  key(Qt::Key_PageUp);
  EXPECT_EQ(rows(), "1 - 20 van 32");
  wheel(-2);  // towards the user: down the list
  EXPECT_EQ(rows(), "7 - 26 van 32");
  click(form->minBtn);
  EXPECT_EQ(rows(), "6 - 25 van 32");
  key(Qt::Key_Home);
  EXPECT_EQ(rows(), "1 - 20 van 32");

  // The copy holds the title and every result with all its digits.
  click(form->kopieerBtn);
  EXPECT_EQ(rows(), "lijst --> klembord");
  std::istringstream copied(QGuiApplication::clipboard()->text().toStdString());
  std::string line;
  std::getline(copied, line);
  EXPECT_EQ(line, "nulpunten van y=sin(5x)+0,5");
  size_t count = 0;
  for (; std::getline(copied, line); ++count) {
    ASSERT_LT(count, ws.analysis.results.size());
    const size_t at = line.find("x = ") + 4;
    const std::string x = line.substr(at, line.find('\t', at) - at);
    EXPECT_EQ(parseFloat(x), ws.analysis.results[count].x) << line;
  }
  EXPECT_EQ(count, 32u);

  key(Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(window.isEnabled());
  // The marks stay on the picture until "herschrijven".
  const ScaleState& scale = ws.graph.scale;
  const int column = scale.WorldToColumn(ws.analysis.results[0].x);
  const int row = scale.WorldToRow(0);
  EXPECT_EQ(ws.graph.picture.pixel(column + 3, row + 3), ws.slotColours[1]);
  withAlt({Qt::Key_F, Qt::Key_H});
  EXPECT_NE(ws.graph.picture.pixel(column + 3, row + 3), ws.slotColours[1]);
}

// A stretch of zeros is two rows, its begin and its end; every text of the first column fits
// the column (130 pixels, the text from its fifth on) in the list's font.
TEST_F(AnalysisWindows, AStretchOfZerosIsTwoRows) {
  type("y=int(x)");
  enter();
  withAlt({Qt::Key_F, Qt::Key_N});
  ASSERT_TRUE(window.analyseForm->isVisible());
  EXPECT_EQ(message(), "1 interval met y = 0");
  EXPECT_EQ(rows(), "1 - 2 van 2");
  const std::vector<TableRow> shown = ws.analysis.rows(0);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], (TableRow{"y = 0 vanaf", "-0,5", "0,0"}));
  EXPECT_EQ(shown[1], (TableRow{"y = 0 tot", "0,5", "0,0"}));
  key(Qt::Key_Escape);
  for (const char* what : {"y = 0 vanaf", "y = 0 tot", "gelijk aan 9 vanaf", "gelijk aan 9 tot",
                           "snijpunt met 9", "maximum"}) {
    EXPECT_LE(text.textWidth(what, Font{"arial", 16, false}), 130 - 5 - 3) << what;
  }
}

TEST_F(AnalysisWindows, TangentAtTheCrossHairAndATypedX) {
  type("y=x^2");
  enter();
  const ScaleState& scale = ws.graph.scale;
  move(window.GrafiekBox, {scale.WorldToColumn(1), 300});
  withAlt({Qt::Key_F, Qt::Key_T});
  TraaklijnForm* dialog = window.raaklijnForm;
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_FALSE(window.isEnabled());
  EXPECT_EQ(dialog->windowTitle(), "raaklijn");
  EXPECT_EQ(dialog->Xedit->text(), "1,0");
  enter();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(window.isEnabled());
  EXPECT_EQ(ws.formulas.formulas[2].text, "y = 2 x - 1");
  EXPECT_EQ(ws.selection.selectedSlot, 2);
  EXPECT_EQ(message(), "2 : OK");
  EXPECT_TRUE(graphAt(3, 5, 2));

  selectSlot(1);
  withAlt({Qt::Key_F, Qt::Key_T});
  type("x");  // replaces the proposed x
  enter();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->statustext->text(), "fout getal");
  dialog->Xedit->setText("1e-80");  // every digit of its numbers would not fit the edit box
  click(dialog->tekenBtn);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->statustext->text(), "raaklijn te lang voor het invoervak");
  EXPECT_EQ(ws.formulas.slotKind[3], kSlotEmpty);
  dialog->Xedit->setText("-0.5");
  click(dialog->tekenBtn);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(ws.formulas.formulas[3].text, "y = - x - 0,25");
  withAlt({Qt::Key_F, Qt::Key_T});
  key(Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(window.isEnabled());
}

}  // namespace
}  // namespace quorvel
