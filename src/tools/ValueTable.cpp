#include "tools/ValueTable.h"

#include <algorithm>
#include <cmath>

#include "common/Language.h"
#include "common/NumberText.h"
#include "fitting/PolyInput.h"
#include "formula/FormulaEngine.h"
#include "plot/ScaleState.h"
#include "tools/Quadrature.h"
#include "tools/SlotValues.h"
#include "tools/TableBox.h"

namespace quorvel {
namespace {

constexpr double kStartLimit = 90000;
constexpr double kLargest = 1e12;  // larger values show "buiten bereik"

std::string cellText(bool valid, double value) {
  if (!valid) return kInvalidValue;
  if (std::abs(value) > kLargest) return translated(kOutOfRange);
  return shownNumber(FormatFloat(kTableNumberFormat, value));
}

double stepOfIndex(int index) {
  static constexpr double kMantissa[] = {1, 2, 5};
  static constexpr double kPower[] = {0.001, 0.01, 0.1, 1, 10};
  return kMantissa[index % 3] * kPower[index / 3];
}

}  // namespace

ValueTable::ValueTable(FormulaEngine& formulas, PolyInput& poly, const ScaleState& scale)
    : formulas_(formulas), poly_(poly), scale_(scale) {}

int ValueTable::columns() const {
  return kind == kSlotPolar ? 4 : kind == kSlotParametric ? 3 : 2;
}

std::string ValueTable::slotTitle() const {
  if (kind == kSlotPolynomial) return "poly  " + std::to_string(slot);
  return formulas_.formulas[slot].text;
}

void ValueTable::reset(int forSlot) {
  slot = forSlot;
  kind = formulas_.slotKind[slot];
  title = slotTitle();
  const TFormule& formula = formulas_.formulas[slot];
  switch (kind) {
    case kSlotFunction:
    case kSlotPolynomial:
      startLabel = QT_TRANSLATE_NOOP("quorvel", "start X");
      start = scale_.columnWorldX[scale_.originColumn];
      step = scale_.unitsPerPixelX;
      break;
    case kSlotInverse:
      startLabel = QT_TRANSLATE_NOOP("quorvel", "start Y");
      start = scale_.rowWorldY[scale_.originRow];
      step = scale_.unitsPerPixelY;
      break;
    case kSlotParametric:
    case kSlotPolar:
      startLabel = QT_TRANSLATE_NOOP("quorvel", "start V");
      start = formula.domainBegin;
      step = formula.domainSteps > 0
                 ? (formula.domainEnd - formula.domainBegin) / formula.domainSteps
                 : 0;
      break;
    default:
      break;
  }
  edited = false;
  writeEdits();
  fillRows();
}

void ValueTable::writeEdits() {
  beginText = shownNumber(FormatFloat(kTableNumberFormat, start));
  stepText = shownNumber(FormatFloat(kTableNumberFormat, step));
}

bool ValueTable::validate() {
  if (!edited) return true;
  title = slotTitle();
  const std::optional<double> typedStart = parseTypedNumber(beginText);
  if (!typedStart) {
    title = translated(kBadStart);
    return false;
  }
  const std::optional<double> typedStep = parseTypedNumber(stepText);
  if (!typedStep) {
    title = translated(kBadStep);
    return false;
  }
  // A typed "0,001" is the smallest step there is.
  if (*typedStep > 50 || *typedStep < 0.001) {
    title = translated(kStepLimits);
    return false;
  }
  if (*typedStart > kStartLimit || *typedStart < -kStartLimit) {
    title = translated(kStartLimits);
    return false;
  }
  step = *typedStep;
  start = std::nearbyint(*typedStart / step) * step;  // halves to even
  writeEdits();
  return true;
}

bool ValueTable::press(bool up) {
  if (!validate()) return false;
  up_ = up;
  move();
  return true;
}

void ValueTable::repeat() {
  move();
}

void ValueTable::move() {
  if (!edited) {
    if (up_ && start < kStartLimit) start += step;
    if (!up_ && start > -kStartLimit) start -= step;
  }
  edited = false;
  writeEdits();
  fillRows();
}

void ValueTable::showAgain() {
  if (!edited) writeEdits();
  fillRows();
}

void ValueTable::changeStepIndex(int delta) {
  stepIndex = std::clamp(stepIndex + delta, 0, kSteps - 1);
  step = stepOfIndex(stepIndex);
  edited = true;
  writeEdits();
}

bool ValueTable::valueAt(double x, double& y) {
  ++evaluations;
  return slotValueAt(formulas_, poly_, slot, static_cast<uint8_t>(kind), x, y);
}

// Central differences of `order` around x with spacing h, both halves valid.
bool ValueTable::derivativeAt(int order, double x, double h, double& value) {
  if (order == 0) return valueAt(x, value);
  double right = 0, left = 0;
  if (!derivativeAt(order - 1, x + h, h, right) || !derivativeAt(order - 1, x - h, h, left)) {
    return false;
  }
  value = (right - left) / (2 * h);
  return std::isfinite(value);
}

// The integral of f from the domain's begin to x, for rows in increasing x: each row adds
// the integral from the row before, so the work does not grow with the distance from the
// begin, and the whole table spends at most kIntegralBudget evaluations. Outside the domain,
// as where the plot draws nothing, there is no value; past a piece that could not be
// integrated honestly there is none either.
bool ValueTable::integralAt(double x, double& value) {
  const TFormule& formula = formulas_.formulas[slot];
  if (x < formula.domainBegin || x > formula.domainEnd || !integral_.known) return false;
  const Integral piece = integrate([this](double at, double& y) { return valueAt(at, y); },
                                   integral_.upTo, x, integral_.budget);
  if (!piece.valid) {
    integral_.known = false;
    return false;
  }
  integral_.sum += piece.value;
  if (std::isnan(integral_.sum)) integral_.sum = INFINITY;  // overflowed both ways
  integral_.upTo = x;
  value = integral_.sum;  // an infinite sum shows as out of range
  return true;
}

void ValueTable::fillRows() {
  rows = {};
  evaluations = 0;
  integral_ = {formulas_.formulas[slot].domainBegin, 0, true, kIntegralBudget};
  startSlotValues(formulas_, poly_, slot, static_cast<uint8_t>(kind));
  const uint8_t marker = formulas_.formulas[slot].derivMarker;
  double input = start;
  for (int i = 1; i <= kRows; ++i, input += step) {
    Row& row = rows[i];
    double value = 0;
    bool valid = false;
    switch (kind) {
      case kSlotFunction:
        row.x = cellText(true, input);
        if (marker == kIntegralMarker) {
          valid = integralAt(input, value);
        } else if (marker > 0) {
          // The spacing follows the size of the plain value.
          double plain = 0;
          const bool plainValid = valueAt(input, plain);
          const double h = plainValid && std::abs(plain) > 10 ? plain * 0.0001 : 0.001;
          valid = derivativeAt(marker, input, h, value);
        } else {
          valid = valueAt(input, value);
        }
        row.y = cellText(valid, value);
        break;
      case kSlotPolynomial:
        row.x = cellText(true, input);
        valid = valueAt(input, value);
        row.y = cellText(valid, value);
        break;
      case kSlotInverse:
        row.y = cellText(true, input);
        formulas_.registers[kRegY] = input;
        formulas_.runProgram();
        row.x = cellText(formulas_.evalValid, formulas_.registers[kRegX]);
        break;
      case kSlotParametric:
      case kSlotPolar:  // its program leaves r beside x and y
        row.v = cellText(true, input);
        formulas_.registers[kRegV] = input;
        formulas_.runProgram();
        if (kind == kSlotPolar)
          row.r = cellText(formulas_.evalValid, formulas_.registers[kRegPolarRadius]);
        row.x = cellText(formulas_.evalValid, formulas_.registers[kRegX]);
        row.y = cellText(formulas_.evalValid, formulas_.registers[kRegY]);
        break;
      default:
        break;  // an implicit equation has no rows
    }
  }
}

Picture renderValueTable(const ValueTable& table, TextPainter& text) {
  static constexpr const char* kHeaders[] = {"X", "Y", "V"};
  static constexpr const char* kPolarHeaders[] = {"V", "R", "X", "Y"};
  const bool polar = table.columns() == 4;
  std::array<TableRow, ValueTable::kRows> rows;
  for (int i = 1; i <= ValueTable::kRows; ++i) {
    const ValueTable::Row& row = table.rows[i];
    rows[i - 1] = polar ? TableRow{row.v, row.r, row.x, row.y} : TableRow{row.x, row.y, row.v, ""};
  }
  if (polar) return renderTableBox(text, kPolarHeaders, rows);
  return renderTableBox(text, std::span(kHeaders, static_cast<size_t>(table.columns())), rows);
}

}  // namespace quorvel
