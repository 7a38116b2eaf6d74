// The constants in motion: the values along a run (turning at the ends or starting again,
// over any step of time, a range either way round), pause and play, the sliders, a frame's
// redraw (coarse while moving, one precise redraw at the end) and the analysis marks that
// follow the curve.

#include <gtest/gtest.h>

#include "../plot/PlotTestSupport.h"
#include "motion/Motion.h"

namespace quorvel {
namespace {

class MotionTest : public testing::PlotTest {
 protected:
  Motion& motion = ws.motion;
  double& a = ws.constants.a;
};

TEST_F(MotionTest, BounceTurnsAtEachEnd) {
  // From 0 in -5..5, a sweep in 5 s: two units a second.
  a = 0;
  motion.play();
  EXPECT_TRUE(motion.playing());
  const struct {
    double seconds;
    double a;
  } steps[] = {{1, 2}, {1.5, 5}, {1, 3}, {4, -5}, {0.5, -4},
               // a long stall: two sweeps are there and back, so nothing but the rest counts
               {10.5, -3}};
  for (const auto& step : steps) {
    ASSERT_TRUE(motion.advance(step.seconds));
    EXPECT_NEAR(a, step.a, 1e-12) << "after " << step.seconds << " s";
  }
  EXPECT_EQ(ws.constantsPanel.Atext(), "-3,0");  // the panel shows the value as it moves
}

TEST_F(MotionTest, LoopStartsAgainAtTheStart) {
  motion.turn = Motion::Turn::Loop;
  motion.setSweepSeconds(10);  // one unit a second
  a = 3;
  motion.play();
  motion.advance(1.5);
  EXPECT_NEAR(a, 4.5, 1e-12);
  motion.advance(1);  // past "tot": on from "van"
  EXPECT_NEAR(a, -4.5, 1e-12);
  motion.advance(25);  // two and a half sweeps
  EXPECT_NEAR(a, 0.5, 1e-12);

  // Played again at "tot", a loop starts at "van".
  motion.pause();
  a = 5;
  motion.play();
  EXPECT_EQ(a, -5);
}

TEST_F(MotionTest, PauseKeepsTheValueAndPlayGoesOnTheSameWay) {
  a = 4;
  motion.play();
  motion.advance(1);  // 4 -> 5 -> turned: 5 - 1
  EXPECT_NEAR(a, 4, 1e-12);
  motion.pause();
  EXPECT_FALSE(motion.playing());
  EXPECT_FALSE(motion.advance(1));
  EXPECT_NEAR(a, 4, 1e-12);
  motion.play();
  motion.advance(0.5);  // still on the way down
  EXPECT_NEAR(a, 3, 1e-12);
  // At the end it ran towards, play turns back at once.
  motion.pause();
  a = -5;
  motion.play();
  motion.advance(0.5);
  EXPECT_NEAR(a, -4, 1e-12);
}

TEST_F(MotionTest, ARunGoesOnFromWhereTheConstantWasPutMeanwhile) {
  a = 0;
  motion.play();
  motion.advance(1);  // 2, upwards
  a = -3;             // a click on the panel, or undo
  motion.advance(0.5);
  EXPECT_NEAR(a, -2, 1e-12);
  // On the way back, the other turn: from where it stands, upwards from there.
  motion.advance(4);  // -2 -> 5 -> turned: 4
  EXPECT_NEAR(a, 4, 1e-12);
  motion.turn = Motion::Turn::Loop;  // upwards from 4, and again from "van"
  motion.advance(0.25);
  EXPECT_NEAR(a, 4.5, 1e-12);
  motion.advance(0.5);
  EXPECT_NEAR(a, -4.5, 1e-12);
}

TEST_F(MotionTest, RangesEitherWayRoundAndValuesOutsideThem) {
  // "van" above "tot": the run goes down first; the ends are reached exactly as typed.
  motion.ranges[1] = {10, 0.1};
  motion.choose(1);
  motion.setSweepSeconds(1);
  ws.constants.b = 50;  // outside: brought in at "tot" (the fraction is kept within 0..1)
  EXPECT_EQ(motion.fractionOf(1), 0);
  motion.play();
  EXPECT_EQ(ws.constants.b, 10);
  motion.advance(1);
  EXPECT_EQ(ws.constants.b, 0.1);
  motion.advance(0.25);
  EXPECT_NEAR(ws.constants.b, 10 - 0.75 * 9.9, 1e-12);

  // The sweep stays within 1..60 s; an empty range stands still.
  motion.setSweepSeconds(0.01);
  EXPECT_EQ(motion.sweepSeconds(), Motion::kShortestSweep);
  motion.setSweepSeconds(1e9);
  EXPECT_EQ(motion.sweepSeconds(), Motion::kLongestSweep);
  motion.ranges[2] = {2, 2};
  EXPECT_EQ(motion.fractionOf(2), 0);
  motion.slideTo(2, 0.7);
  EXPECT_EQ(ws.constants.c, 2);
}

TEST_F(MotionTest, ChoosingAnotherConstantPausesTheRun) {
  motion.play();
  motion.choose(2);
  EXPECT_FALSE(motion.playing());
  EXPECT_EQ(motion.chosen(), 2);
  motion.choose(7);  // no such constant
  EXPECT_EQ(motion.chosen(), 2);
}

TEST_F(MotionTest, FramesAreCoarseUntilTheMotionStops) {
  plot("y=a*x");
  ws.formulas.translateFormula(2, "x^2+y^2=a^2+1");
  ws.formulas.slotKind[2] = kSlotImplicit;
  graph.RedrawAll();
  const std::vector<int> before = rowsIn(600);

  motion.holdSlider();
  EXPECT_TRUE(motion.active());
  motion.slideTo(0, 0.6);  // a = 1
  EXPECT_EQ(a, 1);
  EXPECT_TRUE(graph.fastPlot);
  EXPECT_NE(rowsIn(600), before);  // y = x now: redrawn at once
  const std::vector<uint32_t> coarse(picture.data(), picture.data() + 801 * 801);

  motion.releaseSlider();
  EXPECT_FALSE(motion.active());
  EXPECT_FALSE(graph.fastPlot);
  const std::vector<uint32_t> precise(picture.data(), picture.data() + 801 * 801);
  EXPECT_NE(coarse, precise);  // the circle drawn precisely once more
  graph.RedrawAll();
  EXPECT_EQ(std::vector<uint32_t>(picture.data(), picture.data() + 801 * 801), precise);

  // A run that is paused ends the same way; stop ends whatever moves.
  motion.play();
  EXPECT_TRUE(graph.fastPlot);
  motion.stop();
  EXPECT_FALSE(motion.active());
  EXPECT_FALSE(graph.fastPlot);
}

TEST_F(MotionTest, TheAnalysisMarksFollowTheCurve) {
  plot("y=(x-a)*(x+1)");
  a = 2;
  ws.MsgText = ws.analysis.findRoots(1);
  ASSERT_EQ(ws.analysis.results.size(), 2u);
  motion.holdSlider();
  motion.slideTo(0, 0.8);  // a = 3
  ASSERT_EQ(ws.analysis.results.size(), 2u);
  EXPECT_NEAR(ws.analysis.results[1].x, 3, 1e-12);
  EXPECT_EQ(ws.analysis.slot, 1);
  // The marks are drawn: the picture's pixel at the new root holds the slot's colour.
  EXPECT_TRUE(marked(scale.WorldToColumn(3), scale.WorldToRow(0)));

  // A root that leaves the picture leaves the list, and the message line counts again.
  motion.ranges[0] = {0, 100};
  motion.slideTo(0, 1);
  EXPECT_EQ(ws.analysis.results.size(), 1u);
  EXPECT_EQ(ws.MsgText, "1 nulpunt");
  motion.releaseSlider();

  // Without a search the message line is left alone.
  ws.analysis.clear();
  ws.MsgText = "eigen tekst";
  motion.slideTo(0, 0.5);
  EXPECT_EQ(ws.MsgText, "eigen tekst");
}

}  // namespace
}  // namespace quorvel
