#include "tools/Area.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"
#include "fitting/PolyInput.h"
#include "formula/FormulaEngine.h"
#include "plot/Graph.h"
#include "tools/SlotValues.h"

namespace quorvel {

AreaCalculation::AreaCalculation(FormulaEngine& formulas, PolyInput& poly, Graph& graph)
    : formulas_(formulas), poly_(poly), graph_(graph) {}

std::optional<std::string> AreaCalculation::checkSlot(int slot) const {
  const uint8_t kind = formulas_.slotKind[slot];
  if (kind == kSlotEmpty) return translated(kNoSlotSelected);
  if (kind != kSlotFunction && kind != kSlotPolynomial) return translated(kWrongType);
  if (kind == kSlotFunction && formulas_.formulas[slot].derivMarker != 0) {
    return translated(kNotDerivedOrIntegrated);
  }
  const ScaleState& scale = graph_.scale;
  if (scale.rowWorldY[0] < 0 || scale.rowWorldY[kLastPixel] > 0) return translated(kAxisOffScreen);
  return std::nullopt;
}

std::optional<AreaCalculation::DomainFault> AreaCalculation::calculate(int slot,
                                                                       std::string_view left,
                                                                       std::string_view right) {
  result.clear();
  const IntegralDomainCheck domain = checkIntegralDomain(left, right, graph_.scale);
  if (!domain.ok) {
    return DomainFault{domain.message, domain.focus == IntegralDomainCheck::Right};
  }
  ComputeArea(slot, domain.left, domain.right);
  return std::nullopt;
}

bool AreaCalculation::valueAt(int slot, double x, double& y) {
  return slotValueAt(formulas_, poly_, slot, formulas_.slotKind[slot], x, y);
}

void AreaCalculation::ComputeArea(int slot, double xl, double xr) {
  const ScaleState& scale = graph_.scale;
  startSlotValues(formulas_, poly_, slot, formulas_.slotKind[slot]);
  const int axisRow = scale.WorldToRow(0);
  const int cl = scale.WorldToColumn(xl);
  const int cr = scale.WorldToColumn(xr);
  result = translated(kCalculationStopped);
  double fl = 0, f1 = 0;
  if (!valueAt(slot, xl, fl) || !valueAt(slot, scale.columnWorldX[cl], f1)) return;
  double piece = (scale.columnWorldX[cl] - xl) * (fl + f1) * 0.5;
  double previous = f1;
  double sum = 0;
  for (int column = cl; column < cr; ++column) {
    Hatch(column, axisRow, previous, slot);
    double next = 0;
    if (!valueAt(slot, scale.columnWorldX[column + 1], next)) return;
    sum += (previous + next) * 0.5;
    previous = next;
  }
  sum *= scale.unitsPerPixelX;
  double fr = 0;
  if (!valueAt(slot, xr, fr)) return;
  piece += (xr - scale.columnWorldX[cr]) * (previous + fr) * 0.5;
  sum += piece;
  if (!std::isfinite(sum)) return;  // a sum beyond numbers is no area either
  result = translated(QT_TRANSLATE_NOOP("quorvel", "oppervlakte = %1"),
                      shownNumber(FormatFloat("#####0.0#####", sum)));
}

void AreaCalculation::Hatch(int column, int axisRow, double y, int slot) {
  if (column % 2 != 0) return;
  const ScaleState& scale = graph_.scale;
  y = std::clamp(y, scale.rowWorldY[kLastPixel], scale.rowWorldY[0]);
  const int row = scale.WorldToRow(y);
  Picture& picture = graph_.picture;
  const Colour colour = graph_.slotColour(slot);
  for (int r = std::min(row, axisRow); r <= std::max(row, axisRow); ++r) {
    if (r % 2 != 0) continue;
    if (redOf(picture.pixel(column, r)) % 2 == 0) picture.setPixel(column, r, colour);
  }
}

}  // namespace quorvel
