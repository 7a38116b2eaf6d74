// The scale commands of the graph: each redraws, held buttons draw implicit graphs coarsely,
// and the release draws them precisely again.

#include <gtest/gtest.h>

#include "PlotTestSupport.h"
#include "plot/GridDrawing.h"

namespace quorvel {
namespace {

class GraphCommands : public testing::PlotTest {
 protected:
  int shown = 0;
  void SetUp() override {
    testing::PlotTest::SetUp();
    graph.hooks.ShowPicture = [this] { ++shown; };
  }
};

TEST_F(GraphCommands, ScaleChangesRedrawWithTheCoarseMethod) {
  plot("x^2 + y^2 = 25");
  shown = 0;
  graph.ScrollZoom(kScrollRight);
  EXPECT_TRUE(graph.fastPlot);
  EXPECT_EQ(shown, 1);
  // The ring moved 40 pixels left, drawn with plus marks on the grid of eight.
  EXPECT_TRUE(marked(160, 400) && marked(159, 400) && marked(161, 400) && marked(160, 399));
  EXPECT_FALSE(marked(600, 400));
  const int coarse = count(colourOf(1));
  graph.RefineAfterRelease();
  EXPECT_FALSE(graph.fastPlot);
  EXPECT_EQ(shown, 2);
  EXPECT_NE(count(colourOf(1)), coarse);
  EXPECT_FALSE(marked(159, 400) && marked(161, 400));  // single pixels again
  EXPECT_TRUE(ws.MsgText.empty());
}

TEST_F(GraphCommands, ReleaseRedrawsOnlyWhenAnImplicitSlotExists) {
  plot("y = x");
  graph.ScrollZoom(kZoomInY);
  shown = 0;
  ws.MsgText = "1 : OK";
  graph.RefineAfterRelease();
  EXPECT_EQ(shown, 0);
  EXPECT_EQ(ws.MsgText, "1 : OK");
}

TEST_F(GraphCommands, RefusedStepsStillRedraw) {
  for (int i = 0; i < 6; ++i)
    graph.ScrollZoom(kZoomOutX);
  EXPECT_EQ(scale.zoomLevelX, 15);
  shown = 0;
  graph.ScrollZoom(kZoomOutX);
  EXPECT_EQ(scale.zoomLevelX, 15);
  EXPECT_EQ(shown, 1);
}

TEST_F(GraphCommands, HeldButtonsAccelerate) {
  ws.klok.start(RepeatRate::kScaleStartMs);
  graph.ScrollZoom(kScrollUp);
  graph.ScrollZoom(kScrollUp);
  EXPECT_EQ(ws.klok.intervalMs(), 283);
}

TEST_F(GraphCommands, QuadrantsAndReset) {
  plot("y = x");
  graph.SelectQuadrant(1);
  EXPECT_FALSE(graph.fastPlot);
  EXPECT_TRUE(marked(40, 760));  // the origin
  EXPECT_TRUE(marked(80, 720));
  graph.ResetScale();
  EXPECT_TRUE(marked(400, 400));
  EXPECT_TRUE(graph.fastPlot);
}

TEST_F(GraphCommands, LoadedScaleShowsTheGrid) {
  graph.scale.centreX = 6;
  graph.scale.zoomLevelX = 10;
  graph.ApplyLoadedScale();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(picture.pixel(280, 3), kAxisLine);  // x = 0 at column 280
  EXPECT_EQ(text.calls.back().text, "Y");
}

TEST_F(GraphCommands, RetranslateAllPlotsTheLoadedSlots) {
  ws.formulas.formulas[2].text = "y=2";
  ws.formulas.slotKind[2] = kSlotFunction;
  ws.formulas.formulas[4].text = "x^2+y^2=4";
  ws.formulas.slotKind[4] = kSlotImplicit;
  ws.formulas.formulas[5].text = "y=0.5";
  ws.formulas.slotKind[5] = kSlotFunction;
  const FormulaEngine::SlotMessages messages = ws.retranslateAll();
  EXPECT_TRUE(marked(100, scale.WorldToRow(2), 2));
  EXPECT_TRUE(marked(480, 400, 4) || marked(481, 400, 4));  // the ring of radius 2
  EXPECT_EQ(ws.formulas.slotKind[5], kSlotEmpty);
  EXPECT_EQ(messages[5], "5 : fout getal  0.5");
}

}  // namespace
}  // namespace quorvel
