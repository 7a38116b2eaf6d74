#include "colours/SlotSelection.h"

#include "common/Language.h"

#include <algorithm>

namespace quorvel {

int SlotSelection::slotAt(int x, int y) {
  const int column = std::clamp(x, 0, 3 * kCell - 1) / kCell;
  const int row = std::clamp(y, 0, 3 * kCell - 1) / kCell;
  return column + 1 + 3 * row;
}

void SlotSelection::paintColorBox() {
  hoverSlot = selectedSlot != 0 ? selectedSlot : 1;
  selectHoveredSlot();
}

std::optional<std::string> SlotSelection::hoverColorBox(int x, int y,
                                                        const FormulaEngine& formulas) {
  const int slot = slotAt(x, y);
  if (slot == hoverSlot) return std::nullopt;
  hoverSlot = slot;
  switch (formulas.slotKind[slot]) {
    case kSlotEmpty:
      return std::string();
    case kSlotPolynomial:
      return std::string("POLY");
    default:
      return formulas.formulas[slot].text;
  }
}

std::string SlotSelection::slotName(int slot, const FormulaEngine& formulas) {
  const char* kind = nullptr;
  if (formulas.slotKind[slot] == kSlotEmpty) kind = QT_TRANSLATE_NOOP("quorvel", "leeg");
  if (formulas.slotKind[slot] == kSlotPolynomial) kind = QT_TRANSLATE_NOOP("quorvel", "polynoom");
  return translated(QT_TRANSLATE_NOOP("quorvel", "vak %1: %2"), std::to_string(slot),
                    kind != nullptr ? translated(kind) : formulas.formulas[slot].text);
}

void SlotSelection::selectHoveredSlot() {
  selectedSlot = hoverSlot;
}

std::optional<std::string> SlotSelection::hoverSelected(const FormulaEngine& formulas) {
  if (selectedSlot == 0) return std::nullopt;
  const int centre = kCell / 2;
  return hoverColorBox(kCell * ((selectedSlot - 1) % 3) + centre,
                       kCell * ((selectedSlot - 1) / 3) + centre, formulas);
}

SlotFrame SlotSelection::frameOf(int slot) const {
  if (slot == selectedSlot) return SlotFrame::Selected;
  if (slot == hoverSlot) return SlotFrame::Hover;
  return SlotFrame::Normal;
}

}  // namespace quorvel
