// A formula the edit box plots is one a graph file keeps: typed with superscripts into the
// box, plotted, saved and opened again, it comes back as it was; one character more than a
// file holds is refused when it is plotted, and the slot keeps what it had.

#include <filesystem>

#include "ControllerTestSupport.h"

namespace quorvel {
namespace {

class FormulaLength : public testing::ControllerTest {
 protected:
  std::string folder;

  void SetUp() override {
    ControllerTest::SetUp();
    folder = ::testing::TempDir() + "formula-length-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  // "y=", nineteen "(", "x", then nineteen times a raised number and ")": each raised run
  // costs three characters more in the formula text ("^(" and ")") than in the box. The
  // numbers have `digits` digits in all.
  void typeNestedPowers(int digits) {
    typeText("y=" + std::string(19, '(') + "x");
    for (int run = 0; run < 19; ++run) {
      const int length = digits / 19 + (run < digits % 19 ? 1 : 0);
      key(keys::kUp);
      typeText(std::string(static_cast<size_t>(length), '1'));
      key(keys::kDown);
      typeText(")");
    }
  }
};

TEST_F(FormulaLength, ThePlottedFormulaIsTheSavedOne) {
  typeNestedPowers(157);  // 198 characters in the box, 255 in the formula text
  ASSERT_EQ(ws.editor.count(), 198);
  const std::string formula = ws.editor.fedGetText();
  ASSERT_EQ(formula.size(), 255u);
  controller.PlotBtnClick();
  ASSERT_EQ(ws.MsgText, "1 : OK");

  const std::string path = folder + "/lang.qvl";
  ASSERT_TRUE(ws.SaveGraphFile(path));
  ws.formulas.slotKind[1] = kSlotEmpty;
  ws.formulas.formulas[1].text.clear();
  ASSERT_EQ(ws.LoadGraphFile(path), Workspace::LoadStatus::Loaded);
  EXPECT_EQ(ws.MsgText, "grafieken geladen");
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotFunction);
  EXPECT_EQ(ws.formulas.formulas[1].text, formula);
  EXPECT_EQ(ws.editor.fedGetText(), formula);
}

TEST_F(FormulaLength, AFormulaTooLongToSaveIsNotPlotted) {
  typeText("y=2x");
  controller.PlotBtnClick();
  ASSERT_EQ(ws.formulas.slotKind[1], kSlotFunction);
  controller.clearBtnClick();

  typeNestedPowers(159);  // the 200 characters of the box: 257 in the formula text
  ASSERT_EQ(ws.editor.count(), 200);
  ASSERT_EQ(ws.editor.fedGetText().size(), 257u);
  EXPECT_EQ(controller.PlotBtnClick(), AfterTranslation::Nothing);
  EXPECT_EQ(ws.MsgText, "1 : formule te lang om te bewaren");
  EXPECT_EQ(ws.formulas.formulas[1].text, "y=2x");
  EXPECT_EQ(ws.formulas.slotKind[1], kSlotFunction);

  // One raised digit less: 256 characters, still one too many.
  key(keys::kLeft);
  key(keys::kBackspace);
  ASSERT_EQ(ws.editor.fedGetText().size(), 256u);
  controller.PlotBtnClick();
  EXPECT_EQ(ws.MsgText, "1 : formule te lang om te bewaren");
  key(keys::kLeft);
  key(keys::kBackspace);
  controller.PlotBtnClick();
  EXPECT_EQ(ws.MsgText, "1 : OK");
}

}  // namespace
}  // namespace quorvel
