#pragma once
// The signed area between the x axis and a function or polynomial over a typed x domain: the
// checks of the slot and of the domain, the trapezoid sum over the pixel columns with the two
// pieces at the ends, and the hatching of the area in the picture.

#include <optional>
#include <string>
#include <string_view>

#include "common/Language.h"
#include "plot/DomainInput.h"

namespace quorvel {

class FormulaEngine;
class Graph;
class PolyInput;

// Texts of the area window and the message line (the sources: the window gets them in the
// language in use).
inline constexpr const char* kNoSlotSelected =
    QT_TRANSLATE_NOOP("quorvel", "geen formule/polynoom geselecteerd");
inline constexpr const char* kWrongType =
    QT_TRANSLATE_NOOP("quorvel", "niet mogelijk voor dit type functie");
inline constexpr const char* kNotDerivedOrIntegrated =
    QT_TRANSLATE_NOOP("quorvel", "niet mogelijk voor diff./int. functie");
inline constexpr const char* kAxisOffScreen = QT_TRANSLATE_NOOP("quorvel", "correct X-as positie");
inline constexpr const char* kCalculationStopped =
    QT_TRANSLATE_NOOP("quorvel", "berekening gestopt");

class AreaCalculation {
 public:
  AreaCalculation(FormulaEngine& formulas, PolyInput& poly, Graph& graph);

  // The window opens for `slot`: what stops the calculation, or nothing when it can go on.
  std::optional<std::string> checkSlot(int slot) const;

  // "calculate": the domain read and checked; on a fault its message and which field gets the
  // focus (the left one, or the right one). On success the area is computed and hatched, and
  // the result text is set.
  struct DomainFault {
    std::string message;
    bool rightField = false;
  };
  std::optional<DomainFault> calculate(int slot, std::string_view left, std::string_view right);

  // "oppervlakte = ...", or "berekening gestopt"; goes to the message line when the window
  // closes.
  std::string result;

  // The area of the slot over [xl, xr], hatched as it is summed.
  void ComputeArea(int slot, double xl, double xr);
  // Every second pixel of the background between row `axisRow` and the value y in `column`
  // (even columns only) in the slot's colour.
  void Hatch(int column, int axisRow, double y, int slot);

 private:
  bool valueAt(int slot, double x, double& y);

  FormulaEngine& formulas_;
  PolyInput& poly_;
  Graph& graph_;
};

}  // namespace quorvel
