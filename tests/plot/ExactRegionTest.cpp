// The regions of inequalities against references of their own: for every pixel, whether its
// box lies wholly inside the region, wholly outside it, or holds points of both, decided from
// the region's geometry in MPFR, the box's edges taken exactly as the doubles they are. Every
// pixel wholly inside is inside, every one wholly outside outside, and the boundary is where
// it belongs.

#include "plot/ExactRegion.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "MpfrRanges.h"
#include "PlotTestSupport.h"

namespace quorvel {
namespace {

using testing::Range;
using testing::Real;

// A region s(x, y) in [lo, hi] with s = g(x) + h(y), whose ranges over intervals are known:
// over a box s takes every value between the ends of g(X) + h(Y).
struct Region {
  const char* formula;  // the inequality as typed
  std::function<Range(const Real&, const Real&)> g, h;
  Real lo, hi;
};

Range square(const Real& a, const Real& b) {
  return testing::square(Range{a, b});
}

// What the reference knows of a box: the ranges of g over its columns and of h over its rows,
// each grown or shrunk by `margin` of a pixel, computed once for the whole picture.
enum class Truth { Inside, Outside, Both };
struct Reference {
  std::vector<Range> columns, rows;

  Reference(const Region& region, const PixelEdges& edges, double margin) {
    for (int i = 0; i < kPictureSize; ++i) {
      const Real x0 = edges.columns[i], x1 = edges.columns[i + 1];
      const Real dx = (x1 - x0) * Real(margin);
      columns.push_back(region.g(x0 - dx, x1 + dx));
      const Real y0 = edges.rows[i + 1], y1 = edges.rows[i];
      const Real dy = (y1 - y0) * Real(margin);
      rows.push_back(region.h(y0 - dy, y1 + dy));
    }
  }

  Truth at(const Region& region, int column, int row) const {
    const Range s = columns[static_cast<size_t>(column)] + rows[static_cast<size_t>(row)];
    if (region.lo <= s.lo && s.hi <= region.hi) return Truth::Inside;
    if (s.hi < region.lo || region.hi < s.lo) return Truth::Outside;
    return Truth::Both;
  }
};

class ExactRegion : public testing::PlotTest {
 protected:
  ExactRegionPlotter plotter{ws.pool};

  // Every pixel against the reference; the counts for the record.
  void check(const Region& region, const std::string& view) {
    ASSERT_EQ(ws.formulas.translateFormula(1, region.formula).next, AfterTranslation::Plot);
    ASSERT_EQ(ws.formulas.formulaType, kSlotInequality);
    const PixelEdges edges = pixelEdges(scale);
    const ExactRegionResult& r =
        plotter.plot(ws.formulas.program(1), comparisonsOf(ws.formulas.stepTable[1]), edges);
    constexpr double kMargin = 0x1p-30;  // of a pixel: far beyond the program's rounding
    const Reference grown(region, edges, kMargin), shrunk(region, edges, -kMargin);
    int both = 0, boundary = 0;
    for (int row = 0; row < kPictureSize; ++row) {
      for (int column = 0; column < kPictureSize; ++column) {
        const RegionPixel state = r.at(column, row);
        auto where = [&] {
          return std::string(region.formula) + " " + view + " at " + std::to_string(column) + "," +
                 std::to_string(row);
        };
        switch (grown.at(region, column, row)) {
          case Truth::Inside:
            ASSERT_EQ(state, RegionPixel::Inside) << where();
            break;
          case Truth::Outside:
            ASSERT_EQ(state, RegionPixel::Outside) << where();
            break;
          case Truth::Both:
            if (shrunk.at(region, column, row) != Truth::Both) break;  // on the edge: either
            ASSERT_NE(state, RegionPixel::Inside) << where();
            ASSERT_NE(state, RegionPixel::Outside) << where();
            ++both;
            boundary += state == RegionPixel::Boundary;
            break;
        }
      }
    }
    std::cout << "  " << region.formula << " " << view << ": inside " << r.inside << ", boundary "
              << r.boundary << " of " << both << ", undecided " << r.undecided << "\n";
    EXPECT_GE(boundary, both * 97 / 100) << region.formula << " " << view;
  }

  void checkBothViews(const Region& region) {
    check(region, "(start)");
    ws.graph.scale.centreX += scale.unitsPerPixelX / 3;
    ws.graph.scale.centreY -= scale.unitsPerPixelY / 3;
    ws.graph.scale.FillColumnTable();
    ws.graph.scale.FillRowTable();
    check(region, "(shifted)");
  }
};

const Real kNone = Real::infinity(-1);
const Real kAll = Real::infinity(1);

TEST_F(ExactRegion, HalfPlanes) {
  // y - 0,3x < 0,7
  checkBothViews({"y<0,3*x+0,7",
                  [](const Real& a, const Real& b) {
                    return Range{Real(-0.3) * b, Real(-0.3) * a};
                  },
                  [](const Real& a, const Real& b) {
                    return Range{a, b};
                  },
                  kNone, Real(0.7)});
}

TEST_F(ExactRegion, DiscsAndAnnuli) {
  checkBothViews({"x^2+y^2<=25", square, square, kNone, Real(25)});
  // The annulus as a chain, and as one inequality: (x^2 + y^2 - 1)(x^2 + y^2 - 4) <= 0.
  checkBothViews({"1<=x^2+y^2<=4", square, square, Real(1), Real(4)});
  checkBothViews(
      {"(x^2+y^2-1)*(x^2+y^2-4)\xE2\x89\xA4"
       "0",
       square, square, Real(1), Real(4)});
}

TEST_F(ExactRegion, BelowASine) {
  checkBothViews({"y<sin(x)",
                  [](const Real& a, const Real& b) {
                    const Range s = testing::sineOver(a, b);
                    return Range{-s.hi, -s.lo};
                  },
                  [](const Real& a, const Real& b) {
                    return Range{a, b};
                  },
                  kNone, Real(0)});
}

// Two conditions: the region is where both hold, and where the program faults is outside.
TEST_F(ExactRegion, ConditionsMeetAndFaultsAreOutside) {
  ws.formulas.translateFormula(1, "sqrt(x)<y");  // above the root, x >= 0
  const PixelEdges edges = pixelEdges(scale);
  const std::vector<RegionCondition> conditions = comparisonsOf(ws.formulas.stepTable[1]);
  ASSERT_EQ(conditions.size(), 1u);
  const RegionCondition above = conditions.front();
  EXPECT_FALSE(above.orEqual);
  const ExactRegionResult r = plotter.plot(ws.formulas.program(1), std::span(&above, 1), edges);
  EXPECT_EQ(r.at(200, 200), RegionPixel::Outside);  // x = -5: no root
  EXPECT_EQ(r.at(600, 100), RegionPixel::Inside);   // x = 5, y = 7,5
  EXPECT_EQ(r.at(600, 600), RegionPixel::Outside);  // x = 5, y = -5
  const RegionCondition twice[] = {above, above};
  const ExactRegionResult& same = plotter.plot(ws.formulas.program(1), twice, edges);
  EXPECT_TRUE(same.pixels == r.pixels);
}

TEST_F(ExactRegion, WorkThatRunsOutLeavesPixelsUndecided) {
  ws.formulas.translateFormula(1, "sin(x^2+y^2)<0");
  ws.graph.scale.zoomAt(400, 400, -6, true, true);
  const RegionCondition below = comparisonsOf(ws.formulas.stepTable[1]).front();
  const PixelEdges edges = pixelEdges(scale);
  const ExactRegionResult full = plotter.plot(ws.formulas.program(1), std::span(&below, 1), edges);
  plotter.work = {.firstPerTile = 2000, .secondTotal = 0, .mostPerTile = 2000};
  const ExactRegionResult& little =
      plotter.plot(ws.formulas.program(1), std::span(&below, 1), edges);
  EXPECT_TRUE(little.workRanOut);
  EXPECT_GT(little.undecided, full.undecided);
  for (size_t i = 0; i < full.pixels.size(); ++i) {
    if (little.pixels[i] != RegionPixel::Undecided) {
      ASSERT_EQ(little.pixels[i], full.pixels[i]) << i;
    }
  }
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

// The graph's drawing of a region: the inside tinted over what lies under it, the boundary
// solid or dotted, the outside untouched, and two slots' regions both visible where they meet.
class RegionPicture : public testing::PlotTest {
 protected:
  void region(int slot, const char* formula) {
    ASSERT_EQ(ws.formulas.translateFormula(slot, formula).next, AfterTranslation::Plot);
    graph.PlotSlot(slot);
  }
};

TEST_F(RegionPicture, TintBoundaryAndOverlap) {
  const Picture before = picture;
  region(1, "x^2+y^2<=25");
  const Colour colour = colourOf(1);
  EXPECT_EQ(picture.pixel(600, 400), colour);  // (5, 0) on the boundary
  EXPECT_EQ(picture.pixel(400, 200), colour);
  EXPECT_EQ(picture.pixel(700, 400), before.pixel(700, 400));  // outside: untouched
  const Colour inside = picture.pixel(450, 450);
  EXPECT_EQ(inside, mixed(before.pixel(450, 450), colour, 2));
  // The grid stays visible through the tint.
  EXPECT_NE(picture.pixel(400, 450), inside);

  // A second region over the first: where both hold, both colours are in the pixel.
  region(2, "y<0");  // strict: a dotted boundary
  const Colour both = picture.pixel(450, 450);
  EXPECT_EQ(both, mixed(inside, colourOf(2), 2));
  EXPECT_EQ(picture.pixel(450, 310), mixed(before.pixel(450, 310), colour, 2));  // y > 0: one
  int solid = 0, gaps = 0;
  for (int column = 0; column < kPictureSize; ++column) {
    const Colour c = picture.pixel(column, 400);  // y = 0: the dotted boundary
    solid += c == colourOf(2);
    gaps += c != colourOf(2);
  }
  EXPECT_GT(solid, 300);
  EXPECT_GT(gaps, 300);
}

// 0 < y <= x: the boundary on y = 0 is dotted (strict), the one on y = x solid.
TEST_F(RegionPicture, AChainDrawsEachBoundaryInItsOwnPen) {
  const Picture before = picture;
  region(1, "0<y<=x");
  int onAxis = 0, gapsOnAxis = 0, onDiagonal = 0, gapsOnDiagonal = 0;
  for (int column = 450; column < 790; ++column) {
    (marked(column, 400) ? onAxis : gapsOnAxis) += 1;
    (marked(column, 800 - column) ? onDiagonal : gapsOnDiagonal) += 1;
  }
  EXPECT_GT(onAxis, 100);
  EXPECT_GT(gapsOnAxis, 100);
  EXPECT_EQ(gapsOnDiagonal, 0);
  EXPECT_EQ(picture.pixel(300, 410), before.pixel(300, 410));  // x < 0: no region, no boundary
  EXPECT_EQ(picture.pixel(710, 330), mixed(before.pixel(710, 330), colourOf(1), 2));  // inside
}

// The record of the drawing holds a region as rectangles of rows, not as pixels, so a vector
// copy shows it as filled shapes; drawn again from the record it is the same picture.
TEST_F(RegionPicture, TheRecordHoldsRowsOfTheRegion) {
  auto pixelsAndRects = [&] {
    std::pair<size_t, size_t> n{0, 0};
    for (const DisplayList::Op& op : graph.drawing.ops) {
      n.first += op.kind == DisplayList::Kind::Pixel;
      n.second += op.kind == DisplayList::Kind::Rect;
    }
    return n;
  };
  const auto [pixelsBefore, rectsBefore] = pixelsAndRects();
  region(1, "x^2+y^2<=25");
  const auto [pixelsAfter, rectsAfter] = pixelsAndRects();
  EXPECT_EQ(pixelsAfter, pixelsBefore);
  // 401 rows of disc, broken where the grid shows through the tint and at the boundary.
  EXPECT_GT(rectsAfter - rectsBefore, 401u);
  EXPECT_LT(rectsAfter - rectsBefore, 20000u);  // the disc has about 125,000 pixels
}

// While a button is held the region is decided coarsely; released, exactly again.
TEST_F(RegionPicture, CoarseWhileHeldExactAfter) {
  ws.graph.scale.zoomAt(400, 400, -6, true, true);
  region(1, "sin(x^2+y^2)<0");
  auto same = [&](const Picture& a) {
    return std::equal(a.data(), a.data() + kPictureSize * kPictureSize, picture.data());
  };
  const Picture exact = picture;
  graph.AfterScaleChange();  // as a held scroll button does: fastPlot
  EXPECT_FALSE(same(exact));
  graph.RefineAfterRelease();
  EXPECT_TRUE(same(exact));
}

}  // namespace
}  // namespace quorvel
