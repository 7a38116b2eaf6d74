#pragma once
// Analysis of a function slot over the x-range the picture shows (or the slot's domain, where
// it is narrower): its roots, its extrema, its intersections with the other function slots,
// and the tangent at a point. Values come from the slot's program (or polynomial) as the
// plot evaluates them, derivatives from the program run on Taylor series, so every result is
// exact but for rounding; a value within the bound of its rounding counts as zero. The results
// stay marked on the picture, redraw after redraw, until "herschrijven" or until the slot
// changes.

#include <optional>
#include <string>
#include <vector>

#include "common/Language.h"
#include "fitting/CurveFits.h"
#include "tools/TableBox.h"

namespace quorvel {

class FormulaEngine;
class Graph;
class PolyInput;
struct Constants;

inline constexpr const char* kOnlyFunctionsOfX =
    QT_TRANSLATE_NOOP("quorvel", "alleen voor y = f(x) en polynomen");
// A tangent whose numbers, written with every digit, do not fit the formula edit box.
inline constexpr const char* kTangentTooLong =
    QT_TRANSLATE_NOOP("quorvel", "raaklijn te lang voor het invoervak");

// Texts of the message line that the searches add to their counts.
inline constexpr const char* kAllZero = QT_TRANSLATE_NOOP("quorvel", "y = 0 in beeld");
inline constexpr const char* kLostInRounding =
    QT_TRANSLATE_NOOP("quorvel", "y verloren in afronding");
inline constexpr const char* kPartlyLost =
    QT_TRANSLATE_NOOP("quorvel", ", deels verloren in afronding");
inline constexpr const char* kSearchStopped = QT_TRANSLATE_NOOP("quorvel", " (zoeken afgebroken)");

class Analysis {
 public:
  // A stretch where f is zero (or equal to another slot) is two results: where it begins and
  // where it ends.
  enum class Kind { Root, Minimum, Maximum, Intersection, RootsFrom, RootsTo, EqualFrom, EqualTo };
  struct Result {
    Kind kind;
    double x = 0;
    double y = 0;
    int otherSlot = 0;  // of an intersection
  };

  // What one search may spend, in steps of the programs it runs (a step on Taylor series
  // counts once, one with its rounding bound twice): about 0,3 s on the dearest steps there
  // are, powers (bench/AnalysisBench.cpp), and far more than any search of ordinary formulas
  // needs. A search that reaches its budget stops and says so.
  static constexpr long kWorkBudget = 5000000;
  long workBudget = kWorkBudget;  // lower for the tests

  Analysis(FormulaEngine& formulas, PolyInput& poly, const Constants& constants, Graph& graph);

  // Why the slot cannot be analysed ("geen formule/polynoom", kOnlyFunctionsOfX), if so.
  std::optional<std::string> whyNot(int slot) const;
  // Each finds and lists (the next redraw marks them), and returns the message line's text
  // ("3 nulpunten", "geen extremen in beeld", "y = 0 in beeld", or why nothing could be
  // looked for).
  std::string findRoots(int slot);
  std::string findExtrema(int slot);
  std::string findIntersections(int slot);
  // The tangent at x0 as a formula text to plot, or the message why there is none.
  FitOutcome tangentAt(int slot, double x0);

  // What was found last, in increasing x, for the list window and the marks.
  int slot = 0;
  // What the list shows above its rows ("extremen van y=x^2"), in the language in use.
  std::string title() const;
  std::vector<Result> results;
  // The list's rows from `first` on (what, x and y as the value table writes them), and all
  // results with every digit a double holds, as text to copy.
  std::vector<TableRow> rows(size_t first) const;
  std::string fullPrecisionText() const;
  // Marks the results in the slot's colour; forgets them first when the slot changed.
  void DrawMarks();
  void clear();
  // The last search again, on its slot as it now is (the constants in motion move the curve
  // under its marks): its message, or nothing when there is no search to repeat.
  std::optional<std::string> searchAgain();

  // The work of the last search, in the units of kWorkBudget (for the tests' bound on it).
  long evaluations = 0;

 private:
  const char* titleWhat_ = nullptr;  // the marked plural of what was looked for
  std::string titleOf_;              // the slot's formula, or "poly  n"
  class SlotFunction;
  std::string signature(int s) const;
  void start();
  // Takes `work` from the search's budget; false, and the search stops, when it is spent.
  bool spend(long work);
  long workLeft() const { return workBudget - evaluations; }
  std::string found(int s, const char* many, std::string message);

  FormulaEngine& formulas_;
  PolyInput& poly_;
  const Constants& constants_;
  Graph& graph_;
  std::string signature_;  // of the slot the results belong to
  // The search that found the results, for searchAgain.
  std::string (Analysis::*search_)(int) = nullptr;
  bool stopped_ = false;  // the last search ran out of its budget
};

// Where the list window's twenty rows start when a scroll asks for `wanted`: within the list.
size_t listStart(long wanted, size_t count);
// The list window's box: the rows from `first` on.
Picture renderAnalysisList(const Analysis& analysis, size_t first, TextPainter& text);

// "3 nulpunten", "1 nulpunt", "geen nulpunten in beeld", and so on, in the language in use
// (`one` and `many` marked texts).
std::string countText(int count, const char* one, const char* many);

}  // namespace quorvel
