// The points table without its window: checking, sorting, deleting and closing.

#include <gtest/gtest.h>

#include "../plot/PlotTestSupport.h"
#include "fitting/PointsTable.h"

namespace quorvel {
namespace {

class PointsTableTest : public testing::PlotTest {
 protected:
  PointsTable& table = ws.pointsTable;
  Points& points = ws.points;

  void type(std::initializer_list<std::pair<const char*, const char*>> rows) {
    int row = 1;
    for (auto [x, y] : rows)
      table.cells[row++] = {x, y};
  }
  std::pair<int, int> current() const { return {table.currentColumn, table.currentRow}; }
};

TEST_F(PointsTableTest, OpensWithTheListAndCloses) {
  points.points[1] = {1.23456, -2};
  points.points[2] = {3, 4.5};
  points.pointCount = 2;
  table.open();
  EXPECT_EQ(table.cells[0][0], "X");
  EXPECT_EQ(table.cells[1][0], "1,2346");
  EXPECT_EQ(table.cells[1][1], "-2,0");
  EXPECT_EQ(table.cells[2][1], "4,5");
  EXPECT_EQ(table.cells[3][0], "");
  EXPECT_EQ(table.msg, "<ESC> sluiten");
  EXPECT_EQ(current(), std::make_pair(0, 1));
  // Closing without an edit takes the values the cells show.
  EXPECT_TRUE(table.close());
  EXPECT_EQ(points.pointCount, 2);
  EXPECT_EQ(points.points[1].x, 1.2346);
}

TEST_F(PointsTableTest, FaultsKeepTheTableOpen) {
  type({{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}, {"", ""}, {"6", "6"}, {"7", "7"}});
  EXPECT_FALSE(table.close());
  EXPECT_EQ(table.msg, "fout getal");
  EXPECT_EQ(current(), std::make_pair(1, 5));  // the last faulty cell of the gap
  EXPECT_TRUE(table.pointsError);

  type({{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}, {"5", "5"}, {"2.0", "9"}, {"7", "x"}});
  EXPECT_FALSE(table.close());
  EXPECT_EQ(current(), std::make_pair(1, 7));
  table.cells[7][1] = "7";
  EXPECT_FALSE(table.close());  // "2.0" is the x of row 2 again
  EXPECT_EQ(table.msg, "fout: identieke X");
  EXPECT_EQ(current(), std::make_pair(0, 2));
  table.cells[6] = {"6", "6"};
  table.cells[3] = {"1,5", "100000"};
  EXPECT_FALSE(table.close());
  EXPECT_EQ(table.msg, "fout: buiten bereik");
  EXPECT_EQ(current(), std::make_pair(0, 1));
  table.cells[3] = {"3", "3"};
  EXPECT_TRUE(table.close());
  EXPECT_EQ(table.msg, "");
  EXPECT_EQ(points.pointCount, 7);
  EXPECT_EQ(points.points[7].y, 7);
}

TEST_F(PointsTableTest, SortKeepsThePairs) {
  type({{"4", "-4"}, {"3", "9"}, {"2,5", "0"}, {"-1", "1"}});
  table.currentRow = 3;
  table.sortPoints();
  EXPECT_EQ(table.cells[1][0], "-1,0");
  EXPECT_EQ(table.cells[1][1], "1,0");
  EXPECT_EQ(table.cells[2][0], "2,5");
  EXPECT_EQ(table.cells[3][1], "9,0");
  EXPECT_EQ(table.cells[4][1], "-4,0");
  EXPECT_EQ(current(), std::make_pair(0, 1));
  EXPECT_EQ(points.points[1].x, -1);
  // A faulty table is not sorted.
  table.cells[2][1] = "?";
  table.sortPoints();
  EXPECT_EQ(table.msg, "fout getal");
  EXPECT_EQ(table.cells[1][0], "-1,0");
}

TEST_F(PointsTableTest, DeleteARow) {
  type({{"1", "1"}, {"2", "2"}, {"3", "3"}});
  ASSERT_TRUE(table.ValidateTable());
  table.currentColumn = 1;
  table.currentRow = 2;
  table.deletePoint();
  EXPECT_EQ(points.pointCount, 2);
  EXPECT_EQ(table.cells[2][0], "3");
  EXPECT_EQ(table.cells[3][0], "");
  EXPECT_EQ(current(), std::make_pair(1, 2));
  EXPECT_EQ(table.msg, "");
  // Below the last point: the current cell moves up to it.
  table.currentRow = 9;
  table.deletePoint();
  EXPECT_EQ(points.pointCount, 2);
  EXPECT_EQ(current(), std::make_pair(1, 2));
  // Deleting the faulty row of an earlier fault: "punten OK".
  table.cells[3] = {"3", "5"};
  EXPECT_FALSE(table.ValidateTable());
  table.currentRow = 3;
  table.deletePoint();
  EXPECT_EQ(table.msg, "punten OK");
  EXPECT_EQ(points.pointCount, 2);
  // The last one and an empty table.
  table.currentRow = 1;
  table.deletePoint();
  table.deletePoint();
  EXPECT_EQ(points.pointCount, 0);
  EXPECT_EQ(current(), std::make_pair(0, 1));
  table.deletePoint();
  EXPECT_EQ(points.pointCount, 0);
}

TEST_F(PointsTableTest, EnterMovesAndClearEmpties) {
  table.currentColumn = 0;
  table.currentRow = 39;
  table.enterKey();
  EXPECT_EQ(current(), std::make_pair(1, 39));
  table.enterKey();
  EXPECT_EQ(current(), std::make_pair(0, 40));
  table.enterKey();
  table.enterKey();
  EXPECT_EQ(current(), std::make_pair(0, 1));  // after row 40, row 1

  type({{"1", "1"}});
  points.pointCount = 1;
  table.ClearPoints();
  EXPECT_EQ(table.cells[1][0], "");
  EXPECT_EQ(table.cells[0][1], "Y");
  EXPECT_EQ(points.pointCount, 0);
}

}  // namespace
}  // namespace quorvel
