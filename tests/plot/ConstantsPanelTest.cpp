// The constants a, b, c and their step: clicks, snapping, limits, texts and autoplot.

#include <gtest/gtest.h>

#include "PlotTestSupport.h"

namespace quorvel {
namespace {

class Constants : public testing::PlotTest {
 protected:
  ConstantsPanel& panel = ws.constantsPanel;
};

TEST_F(Constants, StartTexts) {
  EXPECT_EQ(panel.deltatext(), "1");
  EXPECT_EQ(panel.Atext(), "0,0");
  EXPECT_EQ(panel.Btext(), "0,0");
  EXPECT_EQ(panel.Ctext(), "0,0");
}

TEST_F(Constants, ValuesSnapToTheStep) {
  ws.constants.a = 0.3;
  panel.StepConstant(3);
  EXPECT_EQ(ws.constants.a, 1);  // 1,3 snaps to 1
  ws.constants.a = 0.3;
  panel.StepConstant(2);
  EXPECT_EQ(ws.constants.a, -1);  // -0,7 snaps to -1
  EXPECT_EQ(panel.Atext(), "-1,0");
  for (int i = 0; i < 3; ++i)
    panel.StepConstant(0);  // step 0,1
  EXPECT_EQ(panel.deltatext(), "0,1");
  for (int i = 0; i < 3; ++i)
    panel.StepConstant(5);
  EXPECT_NEAR(ws.constants.b, 0.3, 1e-15);
  EXPECT_EQ(panel.Btext(), "0,3");
  panel.StepConstant(6);
  EXPECT_EQ(panel.Ctext(), "-0,1");
}

TEST_F(Constants, StepLimits) {
  for (int i = 0; i < 12; ++i)
    panel.StepConstant(0);
  EXPECT_EQ(panel.deltatext(), "0,0001");
  panel.StepConstant(0);
  EXPECT_EQ(panel.deltatext(), "0,0001");
  panel.ResetConstants();
  for (int i = 0; i < 5; ++i)
    panel.StepConstant(1);
  EXPECT_EQ(panel.deltatext(), "50");
  panel.StepConstant(1);
  EXPECT_EQ(panel.deltatext(), "50");
}

TEST_F(Constants, ValueLimits) {
  for (int i = 0; i < 5; ++i)
    panel.StepConstant(1);  // step 50
  for (int i = 0; i < 30; ++i)
    panel.StepConstant(3);
  EXPECT_EQ(ws.constants.a, 1000);  // the guard is tested before the step
  ws.constants.a = 999;
  panel.StepConstant(3);
  EXPECT_EQ(ws.constants.a, 1050);  // 1049 snapped: up to a step beyond
  for (int i = 0; i < 60; ++i)
    panel.StepConstant(2);
  EXPECT_EQ(ws.constants.a, -1000);
}

TEST_F(Constants, AutoplotOffOnlyUpdatesTheFields) {
  plot("y = a*x");
  int shown = 0;
  graph.hooks.ShowPicture = [&] { ++shown; };
  panel.StepConstant(3);
  EXPECT_EQ(shown, 0);
  EXPECT_TRUE(marked(600, 400));  // the curve still shows a = 0
}

TEST_F(Constants, AutoplotInAddModeDrawsAFan) {
  plot("y = a*x");
  ws.settings.autoplotMode = true;
  panel.StepConstant(3);
  panel.StepConstant(3);
  EXPECT_TRUE(graph.fastPlot);
  EXPECT_TRUE(marked(600, 400));                  // a = 0 stays
  EXPECT_TRUE(marked(440, scale.WorldToRow(1)));  // a = 1
  EXPECT_TRUE(marked(440, scale.WorldToRow(2)));  // a = 2
  ws.settings.replaceMode = true;
  panel.StepConstant(3);
  EXPECT_FALSE(marked(600, 400));
  EXPECT_FALSE(marked(440, scale.WorldToRow(2)));
  EXPECT_TRUE(marked(440, scale.WorldToRow(3)));
}

TEST_F(Constants, ResetRestoresEverything) {
  ws.constants = {3, 4, 5, 2};
  ws.formulas.registers[kRegPi] = 0;
  panel.ResetConstants();
  EXPECT_EQ(ws.constants.a, 0);
  EXPECT_EQ(ws.constants.stepIndex, 12);
  EXPECT_EQ(ws.formulas.registers[kRegPi], 3.141592653589793);
  EXPECT_EQ(panel.texts()[1], "0,0");
}

TEST_F(Constants, HeldFieldsRepeatFaster) {
  ws.klok.start(RepeatRate::kConstantStartMs);
  panel.StepConstant(3);
  EXPECT_EQ(ws.klok.intervalMs(), 275);
}

}  // namespace
}  // namespace quorvel
