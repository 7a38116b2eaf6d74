// The picture in words: its ranges, each filled slot with its colour, kind and formula, and
// the roots and extrema of a function in view.

#include <gtest/gtest.h>

#include "../plot/PlotTestSupport.h"
#include "tools/GraphDescription.h"

namespace quorvel {
namespace {

class GraphDescriptionTest : public testing::PlotTest {
 protected:
  GraphDescription description{ws.formulas, ws.poly, ws.constants, ws.graph};
  std::string described() { return description.describe(ws.slotColours); }
};

TEST_F(GraphDescriptionTest, RangesAndNoGraphs) {
  EXPECT_EQ(described(), "x van -10,0 tot 10,0, y van -10,0 tot 10,0\ngeen grafieken");
}

TEST_F(GraphDescriptionTest, AFunctionWithItsRootsAndExtremum) {
  plot("y=x^2-1");
  EXPECT_EQ(described(),
            "x van -10,0 tot 10,0, y van -10,0 tot 10,0\n"
            "vak 1, rood: functie y=x^2-1; 2 nulpunten: x = -1,0; x = 1,0; "
            "1 extreem: minimum x = 0,0, y = -1,0");
  // The list and the marks of the analysis window are not touched.
  EXPECT_TRUE(ws.analysis.results.empty());
}

TEST_F(GraphDescriptionTest, OtherKindsAreNamedNotSearched) {
  plot("x=y^2", 2);
  plot("x^2+y^2<=4", 4);
  EXPECT_EQ(described(),
            "x van -10,0 tot 10,0, y van -10,0 tot 10,0\n"
            "vak 2, groen: inverse functie x=y^2\n"
            "vak 4, magenta: ongelijkheid x^2+y^2<=4");
}

TEST_F(GraphDescriptionTest, ManyResultsAreCounted) {
  plot("y=sin(x)");
  const std::string words = described();
  // Seven roots in view from -3pi to 3pi: four named, three counted.
  EXPECT_NE(words.find("7 nulpunten: x = -9,424778; x = -6,283185; x = -3,141593; x = 0,0; en 3 "
                       "meer"),
            std::string::npos)
      << words;
}

TEST_F(GraphDescriptionTest, EveryDefaultColourHasItsName) {
  const char* names[] = {"rood",  "groen",      "lichtblauw", "magenta", "zwart",
                         "grijs", "donkerrood", "oranje",     "cyaan"};
  for (int slot = 1; slot <= kSlotCount; ++slot)
    EXPECT_STREQ(GraphDescription::colourName(kDefaultSlotColours[slot]), names[slot - 1]) << slot;
}

}  // namespace
}  // namespace quorvel
