// The area under a function or polynomial: the checks, the trapezoid sum and the hatching.

#include <gtest/gtest.h>

#include "../plot/PlotTestSupport.h"
#include "common/NumberText.h"
#include "tools/Area.h"

namespace quorvel {
namespace {

class AreaTest : public testing::PlotTest {
 protected:
  AreaCalculation& area = ws.area;

  std::string areaOf(std::string_view formula, const char* left, const char* right, int slot = 1) {
    plot(formula, slot);
    const auto fault = area.calculate(slot, left, right);
    return fault ? fault->message : area.result;
  }
  bool hatched(int column, int row, int slot = 1) const { return marked(column, row, slot); }
};

TEST_F(AreaTest, SignedAreas) {
  EXPECT_EQ(areaOf("y=x", "-2", "2"), "oppervlakte = 0,0");
  EXPECT_EQ(areaOf("y=1", "0", "3", 2), "oppervlakte = 3,0");
  EXPECT_EQ(areaOf("y=-1", "0", "3", 3), "oppervlakte = -3,0");
  // Domain ends between pixel columns: the end pieces count.
  EXPECT_EQ(areaOf("y=2", "0,01", "1,005", 4), "oppervlakte = 1,99");
  EXPECT_EQ(areaOf("y=2", "0.01", "1.005", 4), "oppervlakte = 1,99");  // a full stop too
  // A polynomial against its exact integral: x^3 - 2x + 1 over -1..2 is 3,75.
  ws.poly.cells = {"", "1", "-2", "", "1"};
  ws.poly.StorePolyFromGrid(5);
  ASSERT_FALSE(area.calculate(5, "-1", "2"));
  const double value = *parseFloat(area.result.substr(std::string("oppervlakte = ").size()));
  EXPECT_NEAR(value, 3.75, 1e-3);  // trapezoids of one pixel column
  EXPECT_EQ(areaOf("y=sqrt(x)", "-1", "1", 6), "berekening gestopt");
}

TEST_F(AreaTest, TheHatching) {
  areaOf("y=1", "0", "3");
  const int axis = scale.WorldToRow(0);  // 400
  const int top = scale.WorldToRow(1);   // 360
  const Colour background = picture.pixel(401, 381);
  // Every second pixel of the background in both directions, from the axis to the curve.
  EXPECT_TRUE(hatched(402, 382));
  EXPECT_TRUE(hatched(402, top));
  EXPECT_FALSE(hatched(403, 382));  // odd column
  EXPECT_FALSE(hatched(402, 383));  // odd row
  EXPECT_EQ(picture.pixel(401, 381), background);
  EXPECT_FALSE(hatched(402, top - 2));                     // above the curve
  EXPECT_FALSE(hatched(scale.WorldToColumn(3) + 2, 382));  // right of the domain
  // Grid lines and the axis keep their colours.
  EXPECT_NE(picture.pixel(402, axis), colourOf(1));
  EXPECT_EQ(redOf(picture.pixel(420, 382)) % 2, 1);  // a grid column
  // Below the axis for a negative function.
  areaOf("y=-1", "-3", "0", 2);
  EXPECT_TRUE(hatched(382, 422, 2));
  EXPECT_FALSE(hatched(382, 382, 2));
}

TEST_F(AreaTest, WhichSlotsAndDomains) {
  EXPECT_EQ(area.checkSlot(1), "geen formule/polynoom geselecteerd");
  plot("x=y", 1);
  EXPECT_EQ(area.checkSlot(1), "niet mogelijk voor dit type functie");
  plot("y=d:x^2", 2);
  EXPECT_EQ(area.checkSlot(2), "niet mogelijk voor diff./int. functie");
  plot("y=i:x", 3, -1, 1);
  EXPECT_EQ(area.checkSlot(3), "niet mogelijk voor diff./int. functie");
  plot("y=x", 4);
  EXPECT_EQ(area.checkSlot(4), std::nullopt);
  for (int i = 0; i < 11; ++i)
    graph.ScrollZoom(kScrollUp);  // the x axis leaves the window
  EXPECT_EQ(area.checkSlot(4), "correct X-as positie");
  graph.ResetScale();

  struct Case {
    const char* left;
    const char* right;
    const char* message;
    bool rightField;
  };
  const Case faults[] = {
      {"a", "1", "fout in X-links", false},
      {"1", "b", "fout in X-rechts", true},
      {"0.5.1", "1", "fout in X-links", false},
      {"2", "2", "fout domein", false},
      {"3", "1", "fout domein", false},
      {"-12", "3", "domein buiten bereik", false},
      {"0", "10,5", "domein buiten bereik", false},
  };
  for (const Case& c : faults) {
    const auto fault = area.calculate(4, c.left, c.right);
    ASSERT_TRUE(fault) << c.left << " " << c.right;
    EXPECT_EQ(fault->message, c.message);
    EXPECT_EQ(fault->rightField, c.rightField);
  }
}

}  // namespace
}  // namespace quorvel
