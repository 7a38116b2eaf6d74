// Points by mouse presses on the picture: added, rounded, refused, removed, and drawn.

#include <gtest/gtest.h>

#include "../plot/PlotTestSupport.h"
#include "fitting/Points.h"

namespace quorvel {
namespace {

class PointsByMouse : public testing::PlotTest {
 protected:
  Points& points = ws.points;
  const TPoint& point(int i) const { return points.points[i]; }
  // A dark mark pixel of the diamond ring around (column, row).
  bool markAt(int column, int row) const {
    return picture.pixel(column + 3, row) == rgb(15, 15, 15) &&
           picture.pixel(column, row - 4) == rgb(15, 15, 15);
  }
};

TEST_F(PointsByMouse, APressAddsAPointOnTheTenPixelGrid) {
  points.ClickPoint(415, 414, false);  // to column 420, row 410
  ASSERT_EQ(points.pointCount, 1);
  EXPECT_DOUBLE_EQ(point(1).x, scale.columnWorldX[420]);
  EXPECT_DOUBLE_EQ(point(1).y, scale.rowWorldY[410]);
  EXPECT_EQ(ws.MsgText, "punt 1 toegevoegd");
  EXPECT_TRUE(markAt(420, 410));
  points.ClickPoint(203, 597, true);  // Shift: exactly there
  EXPECT_DOUBLE_EQ(point(2).x, scale.columnWorldX[203]);
  EXPECT_DOUBLE_EQ(point(2).y, scale.rowWorldY[597]);
  EXPECT_EQ(ws.MsgText, "punt 2 toegevoegd");
  EXPECT_TRUE(markAt(203, 597));
}

TEST_F(PointsByMouse, APressNearAPointRemovesIt) {
  points.ClickPoint(200, 300, false);
  points.ClickPoint(600, 500, false);
  // Judged at the unrounded position: less than three pixels in both directions.
  points.ClickPoint(203, 300, false);  // three columns away: a new point? no, the same x
  EXPECT_EQ(points.pointCount, 2);
  EXPECT_EQ(ws.MsgText, "dupl. X:  punt geweigerd");
  points.ClickPoint(202, 297, false);
  EXPECT_EQ(points.pointCount, 2);  // three rows away: not removed, and refused again
  points.ClickPoint(198, 302, false);
  EXPECT_EQ(points.pointCount, 1);
  EXPECT_EQ(ws.MsgText, "punten = 1");
  EXPECT_DOUBLE_EQ(point(1).x, scale.columnWorldX[600]);
  EXPECT_FALSE(markAt(200, 300));  // redrawn without it
  EXPECT_TRUE(markAt(600, 500));
}

TEST_F(PointsByMouse, PairTest) {
  EXPECT_EQ(pairTest({1, 0}, {1.0000001, 5}), 1);
  EXPECT_EQ(pairTest({1, 0}, {2, 100000}), 2);
  EXPECT_EQ(pairTest({1, 0}, {2, 100}), 0);
  EXPECT_EQ(pairTest({-3, 7}, {2, -1}), 0);
  // By the mouse: a line that meets the y-axis beyond 50000 needs a steep pair far out.
  for (int i = 0; i < 12; ++i)
    graph.ScrollZoom(kZoomOutY);
  for (int i = 0; i < 4; ++i)
    graph.ScrollZoom(kZoomInX);
  points.ClickPoint(790, 10, false);
  ASSERT_EQ(points.pointCount, 1);
  const TPoint far = {scale.columnWorldX[800], scale.rowWorldY[790]};
  ASSERT_EQ(pairTest(far, point(1)), 2);
  points.ClickPoint(800, 790, false);
  EXPECT_EQ(ws.MsgText, "buiten bereik: punt geweigerd");
  EXPECT_EQ(points.pointCount, 1);
}

TEST_F(PointsByMouse, TheTableHoldsForty) {
  for (int i = 0; i < 40; ++i)
    points.ClickPoint(10 + 10 * i, 400, false);
  ASSERT_EQ(points.pointCount, 40);
  points.ClickPoint(700, 600, false);
  EXPECT_EQ(ws.MsgText, "tabel is vol");
  EXPECT_EQ(points.pointCount, 40);
  points.ClickPoint(100, 401, false);  // removing still works
  EXPECT_EQ(points.pointCount, 39);
}

TEST_F(PointsByMouse, OnlyPointsInsideTheWindowAreDrawn) {
  points.points[1] = {3, 2};
  points.points[2] = {25, 0};                     // right of the window
  points.points[3] = {scale.columnWorldX[0], 1};  // on its left edge
  points.pointCount = 3;
  graph.RedrawAll();
  EXPECT_TRUE(markAt(scale.WorldToColumn(3), scale.WorldToRow(2)));
  EXPECT_FALSE(markAt(0, scale.WorldToRow(1)));
  // The mark: a ring of the dark colour whose inside and outside are left alone.
  const int c = scale.WorldToColumn(3), r = scale.WorldToRow(2);
  EXPECT_NE(picture.pixel(c, r), rgb(15, 15, 15));
  EXPECT_EQ(picture.pixel(c - 4, r + 1), rgb(15, 15, 15));
  EXPECT_NE(picture.pixel(c - 4, r - 4), rgb(15, 15, 15));
}

}  // namespace
}  // namespace quorvel
