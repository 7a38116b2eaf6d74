#include "fitting/PolyInput.h"

namespace quorvel {
namespace {

constexpr char kBackspace = 8;
constexpr char kEnter = 13;
constexpr size_t kCellLimit = 8;  // a cell longer than this takes nothing but Backspace

}  // namespace

void PolyInput::ResetPolyGrid() {
  for (std::string& cell : cells)
    cell.clear();
  currentRow = 1;
}

void PolyInput::StepPolyDegree(int code) {
  if (code == 8 && polyDegree < kMaxDegree) ++polyDegree;
  if (code == 9 && polyDegree > 0) --polyDegree;
}

bool PolyInput::PolyGridKeyPress(char ch, int slot) {
  std::string& cell = cells[currentRow];
  TPolynoom& polynomial = polySlots[slot];
  const int index = currentRow - 1;
  if (ch != kBackspace && cell.size() > kCellLimit) return false;
  switch (ch) {
    case '.':
      if (cell.find('.') != std::string::npos) return false;
      break;
    case kEnter:
      currentRow = currentRow % kCoefficients + 1;
      return true;
    case '-':
      if (!cell.empty()) return false;
      break;
    case 'a':
    case 'b':
    case 'c':
      polynomial.kind[index] = static_cast<uint8_t>(ch - 'a' + 1);
      polynomial.coef[index] = 0;
      cell = std::string(1, ch);
      return true;
    default:
      if (ch >= '0' && ch <= '9' && polynomial.kind[index] != 0) {
        cell.clear();
        polynomial.kind[index] = 0;
      }
      break;
  }
  // What passes the filter edits the cell as any grid cell is edited.
  if (ch == kBackspace) {
    if (!cell.empty()) cell.pop_back();
  } else if (static_cast<unsigned char>(ch) >= ' ') {
    cell += ch;
  }
  return true;
}

}  // namespace quorvel
