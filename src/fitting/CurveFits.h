#pragma once
// Curves through the points that are written as formula text: the line through the first two
// points, the circle through the first three, and five exponential models. The text then goes
// into the formula edit box and is plotted like a typed formula.

#include <optional>
#include <string>

#include "common/Language.h"
#include "fitting/LeastSquares.h"

namespace quorvel {

class Points;
struct ScaleState;

// Texts of the message line.
inline constexpr const char* kNoCircle =
    QT_TRANSLATE_NOOP("quorvel", "geen cirkel mogelijk: punten op lijn");
inline constexpr const char* kYNotPositive = QT_TRANSLATE_NOOP("quorvel", "fout: y <= 0");
inline constexpr const char* kUnequalSigns =
    QT_TRANSLATE_NOOP("quorvel", "geen exp. functie, ongelijke tekens");
inline constexpr const char* kNoExponential = QT_TRANSLATE_NOOP("quorvel", "geen exp. functie");
inline constexpr const char* kFitOutOfRange =
    QT_TRANSLATE_NOOP("quorvel", "getallen buiten bereik");

// The exponential models, by their command numbers 41..45 less 40.
enum ExponentialModel : int {
  kExpPlusC = 1,      // y = a b^x + c
  kExpEPlusC = 2,     // y = a e^(bx) + c
  kExpQuadratic = 3,  // y = e^(ax^2 + bx + c)
  kExpPower = 4,      // y = a b^x
  kExpE = 5,          // y = a e^(bx)
};

// A formula to show and plot, or the message that says why there is none.
struct FitOutcome {
  std::optional<std::string> formula;
  std::string message;
  bool clearEditBox = false;  // the search failed: the edit box is emptied as well
};

FitOutcome MakeLine(const Points& points);
// The line y = m x + n as the line through the points is written ("y = 0,5 x + 1,0").
FitOutcome lineFormula(double m, double n);
// The same line with every digit of m and n that a double holds ("y = 0,5403023058681398 x +
// 0,30116867893975674"), so that the plotted line is the one computed: a tangent.
FitOutcome exactLineFormula(double m, double n);
// The defaults, with fewer than three points, come from the scale: its centre and a radius of
// 100 pixels.
FitOutcome MakeCircle(const Points& points, const ScaleState& scale);
FitOutcome FitExponential(int model, const Points& points, const ScaleState& scale,
                          LeastSquares& lsq);

}  // namespace quorvel
