// Curves of functions, inverse functions and parametric formulas: where each is sampled, and
// how derivatives and integrals are formed from the samples. The samples come from the batch
// evaluator, one row at a time, and go to the pens in sampling order.

#include <cmath>

#include "plot/Graph.h"

namespace quorvel {

std::pair<double, bool> Graph::Derive(int level, bool valid, double value) {
  for (int l = level; l >= 1; --l) {
    double quotient = 0;
    bool quotientValid = false;
    if (valid && derivedValid_[l]) {
      quotient = (value - derivedValue_[l]) / scale.unitsPerPixelX;
      quotientValid = std::isfinite(quotient);  // a difference too large for a double is no point
    }
    derivedValue_[l] = value;
    derivedValid_[l] = valid;
    value = quotient;
    valid = quotientValid;
  }
  return {value, valid};
}

void Graph::plotColumns(int derivatives) {
  ColumnPenTo(false, 0, 0);
  derivedValid_.fill(false);
  sampleRow(kRegX, scale.columnWorldX, kRegY);
  for (int column = 0; column <= kLastPixel; ++column) {
    const auto [value, valid] = Derive(derivatives, valid_[column] != 0, outputs_[column]);
    ColumnPenTo(valid, column, value);
  }
}

void Graph::sampleRow(uint8_t inputCode, std::span<const double> inputs, uint8_t firstCode,
                      uint8_t secondCode) {
  if (!pointByPoint) {
    formulas_.runBatch(formulas_.evalSlot, inputCode, inputs,
                       {.valid = valid_,
                        .firstCode = firstCode,
                        .first = outputs_,
                        .secondCode = secondCode,
                        .second = secondOutputs_});
    return;
  }
  for (size_t i = 0; i < inputs.size(); ++i) {
    formulas_.registers[inputCode] = inputs[i];
    formulas_.runProgram();
    valid_[i] = formulas_.evalValid;
    outputs_[i] = formulas_.registers[firstCode];
    if (secondCode != kRegNone) secondOutputs_[i] = formulas_.registers[secondCode];
  }
}

bool Graph::evaluateAt(double x, double& y) {
  formulas_.registers[kRegX] = x;
  formulas_.runProgram();
  y = formulas_.registers[kRegY];
  return formulas_.evalValid;
}

// The running trapezoid integral from the left end of the domain, one value per column; its
// sum is kept in single precision, and the curve ends at the first invalid value. Only a
// domain that lies between columns 5 and 795 is drawn, and only one from left to right: the
// domain window makes no other, but a graph file can hold any.
void Graph::plotIntegral(const TFormule& formula) {
  const double left = formula.domainBegin;
  const double right = formula.domainEnd;
  const int first = scale.WorldToColumn(left);
  const int last = scale.WorldToColumn(right);
  if (first < 5 || first > 795 || last > 795 || last < first) return;
  double atLeft = 0;
  double previous = 0;
  if (!evaluateAt(left, atLeft) || !evaluateAt(scale.columnWorldX[first], previous)) return;
  float sum = static_cast<float>((scale.columnWorldX[first] - left) * (atLeft + previous) * 0.5);

  ColumnPenTo(false, 0, 0);
  const int count = last - first;
  if (count > 0) {
    sampleRow(kRegX, std::span<const double>(scale.columnWorldX.data() + first + 1, count), kRegY);
  }
  for (int i = 0; i < count; ++i) {
    ColumnPenTo(true, first + i, sum);
    if (!valid_[i]) return;
    sum = static_cast<float>(sum + (previous + outputs_[i]) * scale.unitsPerPixelX * 0.5);
    previous = outputs_[i];
    if (!std::isfinite(sum)) return;
  }
  double atRight = 0;
  if (!evaluateAt(right, atRight)) return;
  sum = static_cast<float>(sum + (right - scale.columnWorldX[last]) * (previous + atRight) * 0.5);
  if (std::isfinite(sum)) ColumnPenTo(true, last, sum);
}

// x = f(y), sampled per pixel row from the bottom up.
void Graph::plotRows() {
  RowPenTo(false, 0, 0);
  sampleRow(kRegY, scale.rowWorldY, kRegX);
  for (int row = kLastPixel; row >= 0; --row)
    RowPenTo(valid_[row] != 0, row, outputs_[row]);
}

// steps + 1 points from begin to end, v accumulated by addition.
void Graph::plotParametric(const TFormule& formula) {
  PointPenTo(false, 0, 0);
  const int points = formula.domainSteps + 1;
  const double dv =
      formula.domainSteps > 0 ? (formula.domainEnd - formula.domainBegin) / formula.domainSteps : 0;
  double v = formula.domainBegin;
  for (int done = 0; done < points; done += kChunk) {
    const int count = std::min(kChunk, points - done);
    for (int i = 0; i < count; ++i) {
      inputs_[i] = v;
      v += dv;
    }
    sampleRow(kRegV, std::span<const double>(inputs_.data(), count), kRegX, kRegY);
    for (int i = 0; i < count; ++i)
      PointPenTo(valid_[i] != 0, outputs_[i], secondOutputs_[i]);
  }
}

}  // namespace quorvel
