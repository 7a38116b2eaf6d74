#include "fitting/PolyInput.h"

#include <cmath>

#include "common/Language.h"
#include "common/NumberText.h"
#include "fitting/Points.h"
#include "formula/FormulaEngine.h"
#include "plot/Constants.h"
#include "plot/Graph.h"

namespace quorvel {
namespace {

constexpr char kBackspace = 8;
constexpr char kEnter = 13;
constexpr size_t kCellLimit = 8;  // a cell longer than this takes nothing but Backspace

// The constant a grid cell names: 1 a, 2 b, 3 c, or 0.
uint8_t constantOf(const std::string& cell) {
  if (cell == "a") return kConstantA;
  if (cell == "b") return kConstantB;
  if (cell == "c") return kConstantC;
  return kNumber;
}

constexpr const char* kConstantNames[] = {"", "a", "b", "c"};

bool allFinite(const PolyWork& work) {
  for (double c : work) {
    if (!std::isfinite(c)) return false;
  }
  return true;
}

}  // namespace

PolyInput::PolyInput(FormulaEngine& formulas, Graph& graph, const Constants& constants,
                     std::string& msgText)
    : formulas_(formulas), graph_(graph), constants_(constants), msgText_(msgText) {}

void PolyInput::ResetPolyGrid() {
  for (std::string& cell : cells)
    cell.clear();
  currentRow = 1;
}

void PolyInput::StepPolyDegree(int code) {
  if (code == 8 && polyDegree < kMaxDegree) ++polyDegree;
  if (code == 9 && polyDegree > 0) --polyDegree;
}

void PolyInput::StorePolyFromGrid(int slot) {
  msgText_.clear();
  std::array<double, kCoefficients> values{};
  for (int i = 0; i < kCoefficients; ++i) {
    const std::string& cell = cells[i + 1];
    if (cell.empty() || constantOf(cell) != kNumber) continue;
    const std::optional<double> value = parseTypedNumber(cell);
    if (!value) {
      msgText_ = translated(kBadCoefficient) + " :" + cell;
      return;
    }
    values[i] = *value;
  }
  TPolynoom& p = polySlots[slot];
  for (int i = 0; i < kCoefficients; ++i) {
    const uint8_t constant = constantOf(cells[i + 1]);
    p.kind[i] = constant;
    if (constant == kNumber) p.coef[i] = values[i];  // a constant's number stays as it was
  }
  int n = kMaxDegree;
  while (n >= 1 && p.kind[n] == kNumber && p.coef[n] == 0)
    --n;
  SetPolyDegree(n);
  p.degree = static_cast<uint8_t>(n);
  plotSlot(slot);
}

void PolyInput::plotSlot(int slot) {
  formulas_.formulaType = kSlotPolynomial;
  graph_.PlotSlot(slot);
}

void PolyInput::LoadPolyToGrid(int slot) {
  const TPolynoom& p = polySlots[slot];
  SetPolyDegree(p.degree);
  for (int i = 0; i < kCoefficients; ++i) {
    std::string& cell = cells[i + 1];
    if (i > p.degree) {
      cell.clear();
    } else if (p.kind[i] != kNumber) {
      cell = kConstantNames[p.kind[i]];
    } else {
      cell = FormatFloat("####0.0###########", p.coef[i]);
    }
  }
}

bool PolyInput::ReadGridToWork() {
  PolyWork work{};
  int degree = -1;
  for (int i = 0; i < kCoefficients; ++i) {
    const std::string& cell = cells[i + 1];
    if (constantOf(cell) != kNumber) {
      msgText_ = translated(kRemoveABCFromTable);
      currentRow = i + 1;
      return false;
    }
    if (cell.empty()) continue;
    const std::optional<double> value = parseTypedNumber(cell);
    if (!value) {
      currentRow = i + 1;
      msgText_ = translated(kBadCoefficient);
      return false;
    }
    work[i] = *value;
    degree = i;
  }
  // The degree is that of the last filled cell, even one holding 0; an empty grid keeps it.
  polyWork_ = work;
  if (degree >= 0) SetPolyDegree(degree);
  return true;
}

void PolyInput::writeWorkToGrid() {
  for (int row = 1; row <= kCoefficients; ++row)
    cells[row].clear();
  const int d = highestNonZero(polyWork_);
  for (int i = 0; i <= d; ++i)
    cells[i + 1] = FormatFloat("###0.0###########", polyWork_[i]);
  SetPolyDegree(d);
}

bool PolyInput::PolyCommand(int code, int slot) {
  if (!ReadGridToWork()) return false;
  const TPolynoom& selected = polySlots[slot];
  if (code == kPolyPlus || code == kPolyMinus || code == kPolyTimes) {
    if (formulas_.slotKind[slot] < kSlotPolynomial) {
      msgText_ = translated(kNoPolynomial);
      return false;
    }
    for (int i = 0; i <= selected.degree; ++i) {
      if (selected.kind[i] != kNumber) {
        msgText_ = translated(kRemoveABCFromPolynomial) + std::to_string(slot);
        return false;
      }
    }
    if (code == kPolyTimes && polyDegree + selected.degree > kMaxDegree) {
      msgText_ = kDegreeAbove7;
      return false;
    }
  }

  PolyWork& w = polyWork_;
  PolyWork result = w;
  switch (code) {
    case kPolyPlus:
      for (int n = 0; n < kCoefficients; ++n)
        result[n] += selected.coef[n];
      break;
    case kPolyMinus:
      for (int n = 0; n < kCoefficients; ++n)
        result[n] -= selected.coef[n];
      break;
    case kPolyTimes:
      result.fill(0);
      for (int i = 0; i <= selected.degree; ++i) {
        for (int j = 0; j <= polyDegree; ++j)
          result[i + j] += selected.coef[i] * w[j];
      }
      break;
    case kPolyRound:
      for (double& c : result)
        c = parseFloat(FormatFloat("###0.0######", c)).value_or(c);
      break;
    case kPolyDerive:
      for (int i = 0; i < kMaxDegree; ++i)
        result[i] = (i + 1) * w[i + 1];
      result[kMaxDegree] = 0;
      break;
    case kPolyIntegrate:
      if (highestNonZero(w) == kMaxDegree) {
        msgText_ = translated(kDegreeTooHigh);
        return true;  // the grid keeps its text
      }
      for (int n = kMaxDegree; n >= 1; --n)
        result[n] = w[n - 1] / n;
      result[0] = 0;
      break;
    case kPolyMirrorX:
      for (double& c : result)
        c = -c;
      break;
    case kPolyMirrorY:
      for (int n = 1; n < kCoefficients; n += 2)
        result[n] = -result[n];
      break;
    case kPolyMirrorOrigin:
      for (int n = 0; n < kCoefficients; n += 2)
        result[n] = -result[n];
      break;
    default:
      return true;
  }
  // A result too large for a double would show as "INF" and could not be read back.
  if (!allFinite(result)) {
    msgText_ = translated(kNumbersOutOfRange);
    return true;
  }
  w = result;
  writeWorkToGrid();
  return true;
}

void PolyInput::SubstPolyConstants(int slot) {
  TPolynoom& p = polySlots[slot];
  const double values[] = {0, constants_.a, constants_.b, constants_.c};
  for (int i = 0; i <= p.degree; ++i) {
    if (p.kind[i] != kNumber) {
      p.coef[i] = values[p.kind[i]];
      p.kind[i] = kNumber;
    }
  }
}

void PolyInput::FitPolynomial(const Points& points, int slot, LeastSquares& lsq) {
  const int count = points.pointCount;
  if (count == 0) {
    msgText_ = translated(kNoPoints);
    return;
  }
  if (count - 1 < polyDegree) SetPolyDegree(count - 1);
  lsq.lsqN = count;
  lsq.lsqM = polyDegree + 1;
  for (int i = 0; i < count; ++i) {
    lsq.lsqX[i] = points.points[i + 1].x;
    lsq.lsqY[i] = points.points[i + 1].y;
  }
  lsq.SolveLeastSquares();
  for (int k = 0; k < lsq.lsqM; ++k) {
    if (!std::isfinite(lsq.lsqCoef[k])) {
      msgText_ = translated(kNoPolynomialPossible);  // the slot stays as it was
      return;
    }
  }
  TPolynoom& p = polySlots[slot];
  p = TPolynoom{};
  p.degree = static_cast<uint8_t>(polyDegree);
  for (int k = 0; k < lsq.lsqM; ++k)
    p.coef[k] = lsq.lsqCoef[k];
  LoadPolyToGrid(slot);
  msgText_ = translated(kPolynomialFitted);
  plotSlot(slot);
}

void PolyInput::PreparePolyEval(int slot) {
  const TPolynoom& p = polySlots[slot];
  const double values[] = {0, constants_.a, constants_.b, constants_.c};
  polyWork_.fill(0);
  for (int i = 0; i <= p.degree; ++i)
    polyWork_[i] = p.kind[i] == kNumber ? p.coef[i] : values[p.kind[i]];
}

double PolyInput::EvalPoly(int slot, double x) const {
  return horner(polyWork_, polySlots[slot].degree, x);
}

// Point by point: the pen takes nearly all of the time, so evaluating a whole row at once
// gains nothing measurable here.
void PolyInput::PlotPolySlot(int slot) {
  PreparePolyEval(slot);
  graph_.ColumnPenTo(false, 0, 0);
  for (int column = 0; column <= kLastPixel; ++column) {
    const double y = EvalPoly(slot, graph_.scale.columnWorldX[column]);
    graph_.ColumnPenTo(std::isfinite(y), column, y);
  }
}

bool PolyInput::PolyGridKeyPress(char ch) {
  std::string& cell = cells[currentRow];
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
      cell = std::string(1, ch);
      return true;
    default:
      if (ch >= '0' && ch <= '9' && constantOf(cell) != kNumber) cell.clear();
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
