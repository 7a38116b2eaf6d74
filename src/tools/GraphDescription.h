#pragma once
// The picture in words, for those who cannot see it: the x and y it shows, and each filled
// slot's number, colour, kind and formula, with the roots and extrema a function or
// polynomial has in view. A screen reader reads it as the graph's description.

#include <string>

#include "common/Colour.h"
#include "formula/SlotColours.h"
#include "tools/Analysis.h"

namespace quorvel {

class GraphDescription {
 public:
  GraphDescription(FormulaEngine& formulas, PolyInput& poly, const Constants& constants,
                   Graph& graph);

  // What one search may spend: a tenth of the analysis window's, as the description is read
  // again after every change of the picture. A search that runs out says so.
  static constexpr long kSearchBudget = Analysis::kWorkBudget / 10;
  // The results named of each search; more are counted.
  static constexpr size_t kNamedResults = 4;

  // In the language in use, one line for the picture and one for each filled slot.
  std::string describe(const SlotColours& colours);

  // The name of the nearest of the common colours (a marked source): "rood", "donkerrood" ...
  static const char* colourName(Colour colour);

 private:
  std::string slotLine(int slot, Colour colour);
  std::string found(int slot, std::string (Analysis::*find)(int));

  FormulaEngine& formulas_;
  Graph& graph_;
  Analysis search_;  // its own: the analysis list and marks stay as they are
};

}  // namespace quorvel
