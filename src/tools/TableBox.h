#pragma once
// The box in which the value table and the analysis list show their rows: light yellow in a
// sunken frame, a header row, columns of 130 pixels divided by lines two pixels wide, and
// twenty rows of 20 pixels between dotted lines.

#include <array>
#include <span>
#include <string>

#include "common/Picture.h"

namespace quorvel {

inline constexpr int kTableBoxRows = 20;
// How the boxes write their numbers.
inline constexpr const char* kTableNumberFormat = "#####0.0#####";
inline constexpr int kTableBoxHeight = 410;

// 265 pixels for two columns, 395 for three, 525 for four.
int tableBoxWidth(int columns);

using TableRow = std::array<std::string, 4>;

// The box of `headers.size()` columns (two to four) with up to twenty rows.
Picture renderTableBox(TextPainter& text, std::span<const char* const> headers,
                       std::span<const TableRow> rows);

}  // namespace quorvel
