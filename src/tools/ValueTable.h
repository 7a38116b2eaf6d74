#pragma once
// The value table without its window: twenty values of the selected slot's graph from a start
// value in steps, for every kind of slot (derivatives by central differences, integrals from
// the domain's begin), the start and step the user types or moves, and the checks of what is
// typed.

#include <array>
#include <string>
#include <string_view>

#include "common/Language.h"
#include "common/Picture.h"

namespace quorvel {

class FormulaEngine;
class PolyInput;
struct ScaleState;

// Texts of the table.
inline constexpr const char* kInvalidValue = "x-x-x-x";
inline constexpr const char* kOutOfRange = QT_TRANSLATE_NOOP("quorvel", "buiten bereik");
inline constexpr const char* kBadStart = QT_TRANSLATE_NOOP("quorvel", "fout in start");
inline constexpr const char* kBadStep = QT_TRANSLATE_NOOP("quorvel", "fout in stapgrootte");
inline constexpr const char* kStepLimits = QT_TRANSLATE_NOOP("quorvel", "0.001 <= stap <= 50");
inline constexpr const char* kStartLimits =
    QT_TRANSLATE_NOOP("quorvel", "-90000 <= waarde <= 90000");

class ValueTable {
 public:
  static constexpr int kRows = 20;
  static constexpr int kSteps = 15;  // step indices 0..14: 0,001 0,002 0,005 ... 20 50

  ValueTable(FormulaEngine& formulas, PolyInput& poly, const ScaleState& scale);

  // What the window shows.
  int slot = 1;
  int kind = 0;       // the slot's kind when the table opened
  std::string title;  // the formula, "poly  " + slot, or a message
  std::string startLabel = "start X";
  std::string beginText;  // the edits; the window writes what the user types into them
  std::string stepText;
  struct Row {
    std::string x, y, v, r;
  };
  std::array<Row, kRows + 1> rows{};  // 1..20

  double start = 0;
  double step = 0;
  int stepIndex = 7;
  bool edited = false;   // typed into an edit, or the step changed by key, since the last move
  long evaluations = 0;  // of the slot's formula, by the last filling of the rows

  // What the rows of an integral may spend together, whatever the domain: well within one
  // frame of the window.
  static constexpr long kIntegralBudget = 20000;

  // The table opens for `slot`, or "R": start and step from the scale or the parametric
  // domain, the rows computed.
  void reset(int slot);
  // "+" (up) or "-" pressed: the typed values checked and applied, or the start moved a step.
  // False when what was typed is wrong (the title says why); nothing moves then.
  bool press(bool up);
  // One more move in the direction of the last press (the repeat while a button is held).
  void repeat();
  // Left and Right: the step through 0,001 .. 50.
  void changeStepIndex(int delta);
  // The user typed into an edit.
  void typed() { edited = true; }
  // The language changed: the rows, and the edits unless typed into, in its numbers.
  void showAgain();
  // Columns of the rows: x and y; v, x and y of a parametric curve; v, r, x and y of a polar
  // one.
  int columns() const;

  // The repeat's rhythm: 330 ms first, 25 ms shorter each time down to 55 ms.
  static constexpr int kRepeatStartMs = 330;
  static int nextRepeatMs(int interval) { return interval > 75 ? interval - 25 : interval; }

 private:
  bool validate();
  void move();
  void writeEdits();
  void fillRows();
  std::string slotTitle() const;
  // y of the slot at x (function or polynomial); false when the point is invalid.
  bool valueAt(double x, double& y);
  bool derivativeAt(int order, double x, double h, double& value);
  bool integralAt(double x, double& value);

  FormulaEngine& formulas_;
  PolyInput& poly_;
  const ScaleState& scale_;
  bool up_ = true;
  struct RunningIntegral {
    double upTo = 0;  // the integral is known from the domain's begin up to here
    double sum = 0;
    bool known = true;
    long budget = 0;  // evaluations left
  } integral_;
};

// The table box, 265 (parametric 395, polar 525) x 410 pixels, as the window shows it.
Picture renderValueTable(const ValueTable& table, TextPainter& text);

}  // namespace quorvel
