// The value table without its window: the rows of every kind of slot, the start and step,
// their checks, the moves and the step index, and the table box as drawn.

#include <gtest/gtest.h>

#include <cmath>

#include "../plot/PlotTestSupport.h"
#include "common/Language.h"
#include "common/NumberText.h"
#include "tools/ValueTable.h"

namespace quorvel {
namespace {

class ValueTableTest : public testing::PlotTest {
 protected:
  ValueTable& table = ws.valueTable;

  void open(std::string_view formula, int slot = 1, double begin = 0, double end = 0,
            int steps = 0) {
    plot(formula, slot, begin, end, steps);
    table.reset(slot);
  }
  // Start and step as the user types them, then "+".
  bool typeAndMove(const char* start, const char* step) {
    table.beginText = start;
    table.stepText = step;
    table.typed();
    return table.press(true);
  }
  double y(int row) const { return *parseFloat(table.rows[row].y); }
};

TEST_F(ValueTableTest, StartAndStepComeFromTheScaleOrTheDomain) {
  open("y=x");
  EXPECT_EQ(table.title, "y=x");
  EXPECT_EQ(table.startLabel, "start X");
  EXPECT_EQ(table.beginText, "0,0");
  EXPECT_EQ(table.stepText, "0,025");
  EXPECT_EQ(table.rows[1].x, "0,0");
  EXPECT_EQ(table.rows[20].x, "0,475");
  EXPECT_EQ(table.rows[20].y, "0,475");

  open("x=y^2", 2);
  EXPECT_EQ(table.startLabel, "start Y");
  EXPECT_EQ(table.rows[3].y, "0,05");
  EXPECT_EQ(table.rows[3].x, "0,0025");

  open("y=v^2;x=2v", 3, -1, 1, 8);
  EXPECT_EQ(table.columns(), 3);
  EXPECT_EQ(table.startLabel, "start V");
  EXPECT_EQ(table.beginText, "-1,0");
  EXPECT_EQ(table.stepText, "0,25");
  EXPECT_EQ(table.rows[2].v, "-0,75");
  EXPECT_EQ(table.rows[2].y, "0,5625");
  EXPECT_EQ(table.rows[2].x, "-1,5");

  ws.poly.cells = {"", "1", "0", "-2"};
  ws.poly.StorePolyFromGrid(4);
  table.reset(4);
  EXPECT_EQ(table.title, "poly  4");
  ASSERT_TRUE(typeAndMove("1", "1"));
  EXPECT_EQ(table.rows[1].y, "-1,0");  // 1 - 2x^2 at 1
  EXPECT_EQ(table.rows[2].y, "-7,0");

  open("x^2+y^2=4", 5);  // an implicit equation: no rows
  EXPECT_EQ(table.rows[1].x, "");
  EXPECT_EQ(table.rows[1].y, "");
  open("x^2+y^2<4", 6);  // nor an inequality
  EXPECT_EQ(table.rows[1].x, "");
  EXPECT_EQ(table.rows[1].y, "");

  // A polar curve: v, r, x and y.
  open("r=2v", 7, -1, 1, 8);
  EXPECT_EQ(table.columns(), 4);
  EXPECT_EQ(table.startLabel, "start V");
  EXPECT_EQ(table.rows[2].v, "-0,75");
  EXPECT_EQ(table.rows[2].r, "-1,5");
  EXPECT_NEAR(*parseFloat(table.rows[2].x), -1.5 * std::cos(-0.75), 1e-6);
  EXPECT_EQ(*parseFloat(table.rows[5].x), 0);  // v = 0: r = 0
  EXPECT_NEAR(*parseFloat(table.rows[2].y), -1.5 * std::sin(-0.75), 1e-6);
}

// In English the table writes the decimal point, and what is typed may have either.
TEST_F(ValueTableTest, EnglishWritesTheDecimalPoint) {
  setLanguage(Language::English, nullptr);
  open("y=x");
  EXPECT_EQ(table.stepText, "0.025");
  EXPECT_EQ(table.rows[20].x, "0.475");
  const bool moved = typeAndMove("1,5", "0.5");
  setLanguage(Language::Dutch, nullptr);
  ASSERT_TRUE(moved);
  EXPECT_EQ(table.rows[1].x, "1.5");
  EXPECT_EQ(table.beginText, "1.5");
  open("y=x");
  EXPECT_EQ(table.stepText, "0,025");  // Dutch again
}

TEST_F(ValueTableTest, InvalidAndHugeValues) {
  open("y=1/x");
  ASSERT_TRUE(typeAndMove("-1", "0,5"));
  EXPECT_EQ(table.rows[3].x, "0,0");
  EXPECT_EQ(table.rows[3].y, "x-x-x-x");
  EXPECT_EQ(table.rows[4].y, "2,0");
  open("y=10^(13)*x");
  ASSERT_TRUE(typeAndMove("0", "1"));
  EXPECT_EQ(table.rows[1].y, "0,0");
  EXPECT_EQ(table.rows[2].y, "buiten bereik");
}

TEST_F(ValueTableTest, DerivativesByCentralDifferences) {
  open("y=d:x^2");
  ASSERT_TRUE(typeAndMove("1", "1"));
  EXPECT_NEAR(y(1), 2, 1e-6);
  EXPECT_NEAR(y(3), 6, 1e-6);
  open("y=dd:x^3");
  ASSERT_TRUE(typeAndMove("2", "1"));
  EXPECT_NEAR(y(1), 12, 1e-4);
  open("y=ddd:sin(x)");
  ASSERT_TRUE(typeAndMove("0", "1"));
  EXPECT_NEAR(y(1), -1, 1e-3);
  // A large value chooses a spacing in proportion: 1E6 x^2 at 3 has slope 6E6.
  open("y=d:1000000x^2");
  ASSERT_TRUE(typeAndMove("3", "1"));
  EXPECT_NEAR(y(1), 6e6, 1);
  // Where one side of the difference has no value, neither has the derivative.
  open("y=d:sqrt(x)");
  ASSERT_TRUE(typeAndMove("0", "1"));
  EXPECT_EQ(table.rows[1].y, "x-x-x-x");
  EXPECT_NEAR(y(2), 0.5, 1e-6);
}

TEST_F(ValueTableTest, IntegralsFromTheDomainsBegin) {
  open("y=i:2x", 1, -2, 3);  // x^2 - 4 from -2
  ASSERT_TRUE(typeAndMove("-3", "1"));
  EXPECT_EQ(table.rows[1].y, "x-x-x-x");  // left of the domain
  EXPECT_NEAR(y(2), 0, 1e-9);
  EXPECT_NEAR(y(4), -4, 1e-9);
  EXPECT_NEAR(y(6), 0, 1e-9);
  EXPECT_NEAR(y(7), 5, 1e-9);
  EXPECT_EQ(table.rows[8].y, "x-x-x-x");  // right of it
  open("y=i:cos(x)", 2, 0, 3);
  ASSERT_TRUE(typeAndMove("0", "0,5"));
  for (int row = 1; row <= 7; ++row)
    EXPECT_EQ(table.rows[row].y, FormatFloat("#####0.0#####", std::sin((row - 1) * 0.5))) << row;
  // Where the integrand has no value on the way, nor has any row after it.
  open("y=i:1/x", 3, -1, 1);
  ASSERT_TRUE(typeAndMove("-1", "0,5"));
  EXPECT_EQ(table.rows[1].y, "0,0");
  EXPECT_EQ(table.rows[2].y, FormatFloat("#####0.0#####", std::log(0.5)));
  EXPECT_EQ(table.rows[3].y, "x-x-x-x");  // across the pole at 0
  EXPECT_EQ(table.rows[4].y, "x-x-x-x");
}

// Whatever domain a slot holds, filling the rows spends a bounded number of evaluations:
// far from the begin the integral is taken in pieces as large as its accuracy allows.
TEST_F(ValueTableTest, IntegralsOfAnyDomainWithinBoundedWork) {
  // Zoomed in fifteen steps after plotting over -1000..1000: millions of pixel columns away.
  open("y=i:x", 1, -1000, 1000);
  for (int i = 0; i < 15; ++i)
    graph.ScrollZoom(kZoomInX);
  table.reset(1);
  EXPECT_LE(table.evaluations, ValueTable::kIntegralBudget);
  for (int row = 1; row <= 20; ++row) {
    const double x = *parseFloat(table.rows[row].x);
    EXPECT_EQ(table.rows[row].y, FormatFloat("#####0.0#####", x * x / 2 - 500000)) << row;
  }
  struct Case {
    const char* formula;
    double begin, end;
    const char* first;  // the row at 0
    const char* last;   // the row at 19
  };
  const Case cases[] = {
      {"y=i:x", -1e12, 1, "buiten bereik", "x-x-x-x"},             // -5e23; beyond the end
      {"y=i:x", -1e300, 1e300, "buiten bereik", "buiten bereik"},  // beyond a double
      {"y=i:1", -2e12, 1e12, "buiten bereik", "buiten bereik"},
      {"y=i:1", -1e6, 1e12, "1000000,0", "1000019,0"},
      {"y=i:sin(x)", -1e12, 1, "x-x-x-x", "x-x-x-x"},  // cannot be told in double precision
      {"y=i:sqrt(x)", -1e12, 1, "x-x-x-x", "x-x-x-x"},
  };
  for (const Case& c : cases) {
    open(c.formula, 2, c.begin, c.end);
    ASSERT_TRUE(typeAndMove("0", "1")) << c.formula;
    EXPECT_LE(table.evaluations, ValueTable::kIntegralBudget) << c.formula << " " << c.begin;
    EXPECT_EQ(table.rows[1].y, c.first) << c.formula << " " << c.begin;
    EXPECT_EQ(table.rows[20].y, c.last) << c.formula << " " << c.begin;
  }
}

TEST_F(ValueTableTest, WhatIsTypedIsChecked) {
  open("y=x");
  struct Case {
    const char* start;
    const char* step;
    const char* message;
  };
  const Case faults[] = {
      {"abc", "1", "fout in start"},
      {"1.2.3", "1", "fout in start"},
      {"1", "0.5.", "fout in stapgrootte"},
      {"1", "", "fout in stapgrootte"},
      {"1", "0,0009", "0.001 <= stap <= 50"},
      {"1", "60", "0.001 <= stap <= 50"},
      {"1", "-1", "0.001 <= stap <= 50"},
      {"100000", "1", "-90000 <= waarde <= 90000"},
      {"-90001", "1", "-90000 <= waarde <= 90000"},
  };
  for (const Case& c : faults) {
    table.reset(1);
    EXPECT_FALSE(typeAndMove(c.start, c.step));
    EXPECT_EQ(table.title, c.message) << c.start << " " << c.step;
    EXPECT_EQ(table.rows[1].x, "0,0");  // nothing moved
  }
  // Accepted: the smallest step, and the start rounded to a multiple of the step.
  EXPECT_TRUE(typeAndMove("1", "0,001"));
  EXPECT_EQ(table.title, "y=x");
  EXPECT_TRUE(typeAndMove("1,3", "0,5"));
  EXPECT_EQ(table.beginText, "1,5");
  EXPECT_EQ(table.rows[1].x, "1,5");  // the typed values are applied, not moved
  EXPECT_TRUE(typeAndMove("1,25", "0,5"));
  EXPECT_EQ(table.beginText, "1,0");  // 2,5 rounds to 2: halves to even
  EXPECT_TRUE(typeAndMove("-90000", "50"));
  // A full stop is the decimal comma, as in the coefficient grid.
  EXPECT_TRUE(typeAndMove("1.3", "0.5"));
  EXPECT_EQ(table.beginText, "1,5");
  EXPECT_EQ(table.stepText, "0,5");
}

TEST_F(ValueTableTest, MovesAndTheirLimits) {
  open("y=x");
  ASSERT_TRUE(typeAndMove("1", "1"));
  ASSERT_TRUE(table.press(true));
  EXPECT_EQ(table.beginText, "2,0");
  table.repeat();
  EXPECT_EQ(table.beginText, "3,0");
  ASSERT_TRUE(table.press(false));
  EXPECT_EQ(table.beginText, "2,0");
  ASSERT_TRUE(typeAndMove("89990", "20"));
  EXPECT_EQ(table.beginText, "90000,0");
  table.repeat();  // at the limit the start stays
  EXPECT_EQ(table.beginText, "90000,0");
  ASSERT_TRUE(table.press(false));
  EXPECT_EQ(table.beginText, "89980,0");
}

TEST_F(ValueTableTest, StepIndexAndRhythm) {
  open("y=x");
  for (int i = 0; i < 7; ++i)
    table.changeStepIndex(+1);
  EXPECT_EQ(table.stepIndex, 14);
  EXPECT_EQ(table.stepText, "50,0");
  table.changeStepIndex(+1);
  EXPECT_EQ(table.stepText, "50,0");
  EXPECT_TRUE(table.edited);
  for (int i = 0; i < 20; ++i)
    table.changeStepIndex(-1);
  EXPECT_EQ(table.stepText, "0,001");
  table.changeStepIndex(+1);
  EXPECT_EQ(table.stepText, "0,002");
  table.changeStepIndex(+1);
  EXPECT_EQ(table.stepText, "0,005");

  std::vector<int> intervals{ValueTable::kRepeatStartMs};
  for (int i = 0; i < 13; ++i)
    intervals.push_back(ValueTable::nextRepeatMs(intervals.back()));
  EXPECT_EQ(intervals,
            (std::vector<int>{330, 305, 280, 255, 230, 205, 180, 155, 130, 105, 80, 55, 55, 55}));
}

TEST_F(ValueTableTest, TheTableBoxAsDrawn) {
  open("y=1/x");
  ASSERT_TRUE(typeAndMove("-1", "0,5"));
  text.calls.clear();
  const Picture box = renderValueTable(table, text);
  EXPECT_EQ(box.width(), 265);
  EXPECT_EQ(box.height(), 410);
  EXPECT_EQ(box.pixel(100, 100), rgb(0xFF, 0xFF, 0xE4));
  EXPECT_EQ(box.pixel(0, 100), kBlack);  // sunken frame
  EXPECT_EQ(box.pixel(264, 100), kWhite);
  EXPECT_EQ(box.pixel(100, 25), rgb(0, 0, 0xD0));   // header line
  EXPECT_EQ(box.pixel(130, 200), rgb(0, 0, 0xD0));  // column line
  auto written = [&](int x, int y) {
    for (const auto& call : text.calls) {
      if (call.x == x && call.y == y) return call.text;
    }
    return std::string("(none)");
  };
  EXPECT_EQ(written(65, 5), "X");
  EXPECT_EQ(written(195, 5), "Y");
  EXPECT_EQ(written(5, 67), "0,0");
  EXPECT_EQ(written(135, 67), "x-x-x-x");
  EXPECT_EQ(written(325, 5), "(none)");

  open("y=v;x=v", 2, 0, 10, 10);
  EXPECT_EQ(renderValueTable(table, text).width(), 395);
  open("r=v", 3, 0, 10, 10);
  text.calls.clear();
  EXPECT_EQ(renderValueTable(table, text).width(), 525);
  EXPECT_EQ(written(65, 5), "V");
  EXPECT_EQ(written(195, 5), "R");
  EXPECT_EQ(written(325, 5), "X");
  EXPECT_EQ(written(455, 5), "Y");
  EXPECT_EQ(written(135, 47), "1,0");  // r at v = 1
}

}  // namespace
}  // namespace quorvel
