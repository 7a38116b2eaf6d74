// Regions of inequalities: the exact method's states of every pixel (ExactRegion.h) as tints
// and a boundary in the slot's colour.

#include <cmath>

#include "plot/Graph.h"

namespace quorvel {

// While a button is held or a constant moves: a pixel the first look at its tile leaves
// open stays tinted as undecided.
static constexpr ExactWork kCoarseRegionWork{2000, 0, 2000};

void Graph::PlotInequality() {
  const std::vector<RegionCondition> conditions =
      comparisonsOf(formulas_.stepTable[formulas_.evalSlot]);
  regionPlotter_.work = fastPlot ? kCoarseRegionWork : ExactWork{};
  PlotRegion(conditions);
}

// Whether the boundary at pixel (column, row) is a strict comparison's (dotted): the one of
// the comparison nearest to 0 at the pixel's middle where a chain mixes both kinds.
bool Graph::strictBoundaryAt(std::span<const RegionCondition> conditions, int column, int row) {
  const RegionCondition& first = conditions.front();
  const RegionCondition& last = conditions.back();
  if (first.orEqual == last.orEqual) return !first.orEqual;
  formulas_.registers[kRegX] = scale.columnWorldX[column];
  formulas_.registers[kRegY] = scale.rowWorldY[row];
  formulas_.runProgram();
  const bool lastNearer = formulas_.evalValid && std::fabs(formulas_.registers[last.code]) <
                                                     std::fabs(formulas_.registers[first.code]);
  return !(lastNearer ? last : first).orEqual;
}

// Row by row, so that the picture and its record of drawing calls are the same whatever the
// number of threads; the pixels of one colour next to each other in a row are one rectangle
// of the record, so a vector copy of the picture has the region as filled shapes.
void Graph::PlotRegion(std::span<const RegionCondition> conditions) {
  if (conditions.empty()) return;
  showWaitMessage();
  const int slot = formulas_.evalSlot;
  const Colour colour = slotColours_[slot];
  const ExactRegionResult& states =
      regionPlotter_.plot(formulas_.program(slot), conditions, pixelEdges(scale));
  std::array<Colour, kPictureSize> row{};
  std::array<bool, kPictureSize> changed{};
  for (int y = 0; y < kPictureSize; ++y) {
    for (int x = 0; x < kPictureSize; ++x) {
      const Colour under = picture.pixel(x, y);
      changed[x] = true;
      switch (states.at(x, y)) {
        case RegionPixel::Inside:
          row[x] = mixed(under, colour, 2);
          break;
        case RegionPixel::Undecided:
          row[x] = mixed(under, colour, 1);
          break;
        case RegionPixel::Boundary:
          // Dots along rows, columns and both diagonals: the pattern changes along each.
          row[x] = (x + 2 * y) / 2 % 2 == 1 && strictBoundaryAt(conditions, x, y)
                       ? mixed(under, colour, 2)
                       : colour;
          break;
        case RegionPixel::Outside:
          changed[x] = false;
          break;
      }
    }
    for (int x = 0; x < kPictureSize;) {
      int end = x + 1;
      while (end < kPictureSize && changed[end] == changed[x] && row[end] == row[x])
        ++end;
      if (changed[x]) picture.fillRect(x, y, end, y + 1, row[x]);
      x = end;
    }
  }
  clearWaitMessage();
}

}  // namespace quorvel
