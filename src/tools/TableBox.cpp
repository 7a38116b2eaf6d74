#include "tools/TableBox.h"

#include <algorithm>

namespace quorvel {
namespace {

constexpr Colour kTableBackground = rgb(0xFF, 0xFF, 0xE4);
constexpr Colour kTableLines = rgb(0x00, 0x00, 0xD0);
constexpr Font kTableFont{"arial", 16, false};
constexpr int kColumnWidth = 130;

}  // namespace

int tableBoxWidth(int columns) {
  return kColumnWidth * columns + 5;
}

Picture renderTableBox(TextPainter& text, std::span<const char* const> headers,
                       std::span<const TableRow> rows) {
  const int columns = static_cast<int>(std::min(headers.size(), TableRow{}.size()));
  const int width = tableBoxWidth(columns);
  Picture box(width, kTableBoxHeight);
  box.fillRect(0, 0, width, kTableBoxHeight, kTableBackground);
  // A sunken frame of two pixels.
  for (int i = 0; i < 2; ++i)
    box.bevel(i, i, width - 1 - i, kTableBoxHeight - 1 - i, kBlack, kWhite);
  // The grid: a header line and the column lines two pixels wide, the rows dotted.
  box.fillRect(5, 24, width - 5, 26, kTableLines);
  for (int c = 1; c < columns; ++c)
    box.fillRect(kColumnWidth * c - 1, 5, kColumnWidth * c + 1, kTableBoxHeight - 5, kTableLines);
  for (int c = 0; c < columns; ++c)
    text.textOut(box, kColumnWidth * c + 65, 5, headers[c], kTableFont, kTableLines);
  box.setPen(kTableLines, PenStyle::Dotted);
  for (int i = 2; i <= kTableBoxRows; ++i) {
    box.moveTo(5, 20 * i + 5);
    box.lineTo(width - 5, 20 * i + 5);
  }
  const size_t shown = std::min<size_t>(rows.size(), kTableBoxRows);
  for (size_t i = 0; i < shown; ++i) {
    const int top = 20 * static_cast<int>(i + 1) + 7;
    for (int c = 0; c < columns; ++c)
      text.textOut(box, kColumnWidth * c + 5, top, rows[i][c], kTableFont, kBlack);
  }
  return box;
}

}  // namespace quorvel
