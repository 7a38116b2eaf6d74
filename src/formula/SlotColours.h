#pragma once
// The colour of each slot's graph. Every slot colour has an odd red component, so that its
// pixels differ from the background and never are pure black.

#include <array>

#include "common/Colour.h"
#include "formula/FormulaSlots.h"

namespace quorvel {

using SlotColours = std::array<Colour, kSlotCount + 1>;  // index 1..9

constexpr SlotColours kDefaultSlotColours = {
    kBlack,
    fromBgr(0x0000FF),
    fromBgr(0x00FF01),
    fromBgr(0xFFB051),
    fromBgr(0xFF00FF),
    fromBgr(0x010101),
    fromBgr(0x818181),
    fromBgr(0x000081),
    fromBgr(0x00B0FF),
    fromBgr(0xFFFF01),
};

}  // namespace quorvel
