#pragma once
// Analysis of a function slot over the x-range the picture shows (or the slot's domain, where
// it is narrower): its roots, its extrema, its intersections with the other function slots,
// and the tangent at a point. Values come from the slot's program (or polynomial) as the
// plot evaluates them, derivatives from the program run on Taylor series, so every result is
// exact but for rounding. The results stay marked on the picture, redraw after redraw, until
// "herschrijven" or until the slot changes.

#include <optional>
#include <string>
#include <vector>

#include "fitting/CurveFits.h"
#include "tools/TableBox.h"

namespace quorvel {

class FormulaEngine;
class Graph;
class PolyInput;
struct Constants;

inline constexpr const char* kOnlyFunctionsOfX = "alleen voor y = f(x) en polynomen";
// A tangent whose numbers, written with every digit, do not fit the formula edit box.
inline constexpr const char* kTangentTooLong = "raaklijn te lang voor het invoervak";

class Analysis {
 public:
  enum class Kind { Root, Minimum, Maximum, Intersection };
  struct Result {
    Kind kind;
    double x = 0;
    double y = 0;
    int otherSlot = 0;  // of an intersection
  };

  Analysis(FormulaEngine& formulas, PolyInput& poly, const Constants& constants, Graph& graph);

  // Why the slot cannot be analysed ("geen formule/polynoom", kOnlyFunctionsOfX), if so.
  std::optional<std::string> whyNot(int slot) const;
  // Each finds and lists (the next redraw marks them), and returns the message line's text
  // ("3 nulpunten", "geen extremen in beeld", or why nothing could be looked for).
  std::string findRoots(int slot);
  std::string findExtrema(int slot);
  std::string findIntersections(int slot);
  // The tangent at x0 as a formula text to plot, or the message why there is none.
  FitOutcome tangentAt(int slot, double x0);

  // What was found last, in increasing x, for the list window and the marks.
  int slot = 0;
  std::string title;  // what the list shows above its rows
  std::vector<Result> results;
  // The list's rows from `first` on (what, x and y as the value table writes them), and all
  // results with every digit a double holds, as text to copy.
  std::vector<TableRow> rows(size_t first) const;
  std::string fullPrecisionText() const;
  // Marks the results in the slot's colour; forgets them first when the slot changed.
  void DrawMarks();
  void clear();

  // How many evaluations the last search made (for the tests' bound on the work).
  long evaluations = 0;

 private:
  class SlotFunction;
  std::string signature(int s) const;
  std::string found(int s, const char* one, const char* many);

  FormulaEngine& formulas_;
  PolyInput& poly_;
  const Constants& constants_;
  Graph& graph_;
  std::string signature_;  // of the slot the results belong to
};

// Where the list window's twenty rows start when a scroll asks for `wanted`: within the list.
size_t listStart(long wanted, size_t count);
// The list window's box: the rows from `first` on.
Picture renderAnalysisList(const Analysis& analysis, size_t first, TextPainter& text);

// "3 nulpunten", "1 nulpunt", "geen nulpunten in beeld", and so on.
std::string countText(int count, const char* one, const char* many);

}  // namespace quorvel
