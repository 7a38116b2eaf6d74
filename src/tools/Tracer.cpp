#include "tools/Tracer.h"

#include <algorithm>

#include "common/NumberText.h"
#include "formula/FormulaEngine.h"
#include "plot/Graph.h"
#include "tools/SlotValues.h"
#include "tools/TableBox.h"

namespace quorvel {

Tracer::Tracer(FormulaEngine& formulas, PolyInput& poly, const Constants& constants, Graph& graph)
    : formulas_(formulas), poly_(poly), graph_(graph), search_(formulas, poly, constants, graph) {}

std::optional<std::string> Tracer::start(int slot) {
  if (auto reason = search_.whyNot(slot)) return reason;
  slot_ = slot;
  x_ = graph_.scale.columnWorldX[kPictureSize / 2];
  return std::nullopt;
}

void Tracer::findNotablePoints() {
  notable_.clear();
  for (auto find : {&Analysis::findRoots, &Analysis::findExtrema, &Analysis::findIntersections}) {
    (search_.*find)(slot_);
    for (const Analysis::Result& result : search_.results)
      notable_.push_back(result.x);
  }
  std::sort(notable_.begin(), notable_.end());
  notable_.erase(std::unique(notable_.begin(), notable_.end()), notable_.end());
}

void Tracer::step(int columns) {
  const int to = std::clamp(column() + columns, 0, kLastPixel);
  x_ = graph_.scale.columnWorldX[to];
}

bool Tracer::jump(bool forward) {
  // Beyond the point by more than rounding: a point jumped to is not found again.
  const double margin = graph_.scale.unitsPerPixelX * 1e-6;
  findNotablePoints();
  if (forward) {
    const auto next = std::upper_bound(notable_.begin(), notable_.end(), x_ + margin);
    if (next == notable_.end()) return false;
    x_ = *next;
  } else {
    const auto next = std::lower_bound(notable_.begin(), notable_.end(), x_ - margin);
    if (next == notable_.begin()) return false;
    x_ = *(next - 1);
  }
  return true;
}

std::optional<double> Tracer::y() const {
  const uint8_t kind = formulas_.slotKind[slot_];
  startSlotValues(formulas_, poly_, slot_, kind);
  double y = 0;
  if (!slotValueAt(formulas_, poly_, slot_, kind, x_, y)) return std::nullopt;
  return y;
}

int Tracer::column() const {
  return std::clamp(graph_.scale.WorldToColumn(x_), 0, kLastPixel);
}

int Tracer::row() const {
  const std::optional<double> value = y();
  if (!value) return kPictureSize / 2;
  return std::clamp(graph_.scale.WorldToRow(*value), 0, kLastPixel);
}

std::string Tracer::announcement() const {
  const std::string x = shownNumber(FormatFloat(kTableNumberFormat, x_));
  const std::optional<double> value = y();
  if (!value) return translated(kTraceNoValue, x);
  return translated(kTracePoint, x, shownNumber(FormatFloat(kTableNumberFormat, *value)));
}

}  // namespace quorvel
