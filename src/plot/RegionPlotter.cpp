// Regions of inequalities: the exact method's states of every pixel (ExactRegion.h) as tints
// and a boundary in the slot's colour.

#include "plot/Graph.h"

namespace quorvel {

// Row by row, so that the picture and its record of drawing calls are the same whatever the
// number of threads.
void Graph::PlotRegion(std::span<const RegionCondition> conditions, bool dotted) {
  showWaitMessage();
  const int slot = formulas_.evalSlot;
  const Colour colour = slotColours_[slot];
  const ExactRegionResult& states =
      regionPlotter_.plot(formulas_.program(slot), conditions, pixelEdges(scale));
  for (int row = 0; row < kPictureSize; ++row) {
    for (int column = 0; column < kPictureSize; ++column) {
      const Colour under = picture.pixel(column, row);
      switch (states.at(column, row)) {
        case RegionPixel::Inside:
          picture.setPixel(column, row, mixed(under, colour, 2));
          break;
        case RegionPixel::Undecided:
          picture.setPixel(column, row, mixed(under, colour, 1));
          break;
        case RegionPixel::Boundary:
          // Dots along rows, columns and both diagonals: the pattern changes along each.
          picture.setPixel(
              column, row,
              dotted && (column + 2 * row) / 2 % 2 == 1 ? mixed(under, colour, 2) : colour);
          break;
        case RegionPixel::Outside:
          break;
      }
    }
  }
  clearWaitMessage();
}

}  // namespace quorvel
