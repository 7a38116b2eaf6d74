#pragma once
// Which slot the slot commands act on, and which one the mouse points at in the 3 x 3 colour
// box. Frames: the selected slot sunken, the one under the mouse raised, the others flat.

#include <optional>
#include <string>

#include "common/Colour.h"
#include "formula/FormulaEngine.h"

namespace quorvel {

enum class SlotFrame { Normal = 0, Hover = 1, Selected = 2 };

class SlotSelection {
 public:
  static constexpr int kCell = 30;  // pixels per cell of the colour box

  int selectedSlot = 0;  // 0 until the colour box is first painted
  int hoverSlot = 0;

  // The box is painted: the selection stays, or becomes slot 1 the first time.
  void paintColorBox();
  // The mouse at (x, y) in the box. When it points at another slot than before, the message
  // line's new text: the slot's formula, "POLY", or nothing for an empty slot.
  std::optional<std::string> hoverColorBox(int x, int y, const FormulaEngine& formulas);
  // The slot under the mouse (or chosen with F1..F9) becomes the selected slot.
  void selectHoveredSlot();
  // Moves the hover back to the selected slot, when the mouse leaves the box.
  std::optional<std::string> hoverSelected(const FormulaEngine& formulas);

  SlotFrame frameOf(int slot) const;
  // The slot as a screen reader names it: "vak 3: y=sin(x)", "vak 5: polynoom", "vak 7: leeg".
  static std::string slotName(int slot, const FormulaEngine& formulas);
  static int slotAt(int x, int y);
  // The slot number is written in black on a light colour (a component of 128 or more).
  static bool numberInBlack(Colour colour) { return (colour & 0x808080u) != 0; }
};

}  // namespace quorvel
