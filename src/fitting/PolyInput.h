#pragma once
// The polynomial input: each slot's polynomial, the degree beside the grid and the coefficient
// grid's texts with its key filter; storing the grid into a slot and loading it back, the nine
// editing commands on the grid, the least-squares fit through the points, and the evaluation
// and plotting of polynomial slots.

#include <array>
#include <string>

#include "common/Language.h"
#include "fitting/LeastSquares.h"
#include "fitting/Polynomial.h"
#include "formula/FormulaSlots.h"

namespace quorvel {

class FormulaEngine;
class Graph;
class Points;
struct Constants;

// Texts of the message line.
inline constexpr const char* kBadCoefficient = QT_TRANSLATE_NOOP("quorvel", "fout in coefficient");
inline constexpr const char* kRemoveABCFromTable =
    QT_TRANSLATE_NOOP("quorvel", "verwijder a,b,c uit tabel");
inline constexpr const char* kNoPolynomial = QT_TRANSLATE_NOOP("quorvel", "geen polynoom");
inline constexpr const char* kRemoveABCFromPolynomial =
    QT_TRANSLATE_NOOP("quorvel", "verwijder abc uit polynoom  ");
inline constexpr const char* kDegreeAbove7 = "graad  > 7";
inline constexpr const char* kDegreeTooHigh = QT_TRANSLATE_NOOP("quorvel", "graad te hoog");
inline constexpr const char* kNumbersOutOfRange =
    QT_TRANSLATE_NOOP("quorvel", "getallen buiten bereik");
inline constexpr const char* kNoPoints = QT_TRANSLATE_NOOP("quorvel", "punten ontbreken");
inline constexpr const char* kPolynomialFitted = QT_TRANSLATE_NOOP("quorvel", "polynoom berekend");
inline constexpr const char* kNoPolynomialPossible =
    QT_TRANSLATE_NOOP("quorvel", "geen polynoom mogelijk");

// The editing commands, by their command numbers.
enum PolyCode : int {
  kPolyPlus = 11,
  kPolyMinus = 12,
  kPolyTimes = 13,
  kPolyRound = 14,
  kPolyDerive = 15,
  kPolyIntegrate = 16,
  kPolyMirrorX = 17,       // about the x-axis: y -> -y
  kPolyMirrorY = 18,       // about the y-axis: x -> -x
  kPolyMirrorOrigin = 19,  // in the origin
};

class PolyInput {
 public:
  PolyInput(FormulaEngine& formulas, Graph& graph, const Constants& constants,
            std::string& msgText);

  std::array<TPolynoom, kSlotCount + 1> polySlots{};  // index 1..9
  int polyDegree = 2;

  // The grid: rows 1..8 hold the coefficients of x^0 .. x^7; "" is 0, "a", "b", "c" the
  // constants.
  std::array<std::string, kCoefficients + 1> cells{};  // index 1..8
  int currentRow = 1;

  void SetPolyDegree(int n) { polyDegree = n; }
  void StepPolyDegree(int code);  // 8 up, 9 down
  void ResetPolyGrid();

  // "plot" with the grid as input: checks the grid, stores it into `slot` and plots it.
  void StorePolyFromGrid(int slot);
  // "laad" on a polynomial slot, and after a fit: the slot into the grid.
  void LoadPolyToGrid(int slot);
  // An editing command (PolyCode) on the grid, with `slot` for plus, min and keer. Returns
  // whether it got so far that the grid becomes the input (it may still refuse after that).
  bool PolyCommand(int code, int slot);
  // "subst. abc": the slot's a, b, c coefficients get the constants' present values.
  void SubstPolyConstants(int slot);
  // The least-squares polynomial of degree polyDegree (lower with few points) through the
  // points, into `slot`.
  void FitPolynomial(const Points& points, int slot, LeastSquares& lsq);

  // Evaluation of a slot, with a, b, c at their present values: PreparePolyEval once, then
  // EvalPoly for any number of x.
  void PreparePolyEval(int slot);
  double EvalPoly(int slot, double x) const;
  // The slot's curve into the picture, one sample per pixel column; values that overflow are
  // points not drawn.
  void PlotPolySlot(int slot);

  // A typed character on the current cell, filtered as the grid has always filtered:
  // nothing longer than nine characters, one ".", "-" only first, "a", "b", "c" make the
  // coefficient that constant, a digit after such a letter starts the cell anew; Enter moves
  // to the next row. Returns whether the character was taken. The cells alone hold what is
  // typed: a slot changes only when the grid is plotted into it.
  bool PolyGridKeyPress(char ch);

 private:
  bool ReadGridToWork();
  void writeWorkToGrid();
  void plotSlot(int slot);

  FormulaEngine& formulas_;
  Graph& graph_;
  const Constants& constants_;
  std::string& msgText_;
  PolyWork polyWork_{};
};

}  // namespace quorvel
