#pragma once
// The polynomial input: each slot's polynomial record, the degree beside the grid, and the
// coefficient grid's texts with its key filter. A coefficient may be one of the constants a,
// b, c, which the record marks per row.

#include <array>
#include <string>

#include "formula/FormulaSlots.h"

namespace quorvel {

constexpr int kMaxDegree = 7;
constexpr int kCoefficients = kMaxDegree + 1;

struct TPolynoom {
  std::array<double, kCoefficients> coef{};
  std::array<uint8_t, kCoefficients> kind{};  // 0 the number, 1 a, 2 b, 3 c
  uint8_t degree = 0;
};

class PolyInput {
 public:
  std::array<TPolynoom, kSlotCount + 1> polySlots{};  // index 1..9
  int polyDegree = 2;

  // The grid: rows 1..8 hold the coefficients of x^0 .. x^7.
  std::array<std::string, kCoefficients + 1> cells{};  // index 1..8
  int currentRow = 1;

  void ResetPolyGrid();
  void StepPolyDegree(int code);  // 8 up, 9 down

  // A typed character on the current cell, filtered as the grid has always filtered:
  // nothing longer than nine characters, one ".", "-" only first, "a", "b", "c" make the
  // coefficient that constant (in the record of `slot`), a digit after such a letter starts
  // the cell anew; Enter moves to the next row. Returns whether the character was taken.
  bool PolyGridKeyPress(char ch, int slot);
};

}  // namespace quorvel
