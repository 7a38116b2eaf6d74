// The batch evaluator: one slot's program over a row of points, step by step. Each step
// runs over all lanes before the next one starts, so the dispatch costs once per step
// instead of once per point, and steps whose operands are the same for every lane (numbers,
// a, b, c, the fixed y of an implicit row, ...) are computed once. Every value goes through
// the same kernels as in runProgram, so each lane gets exactly the point evaluator's result.

#include <algorithm>
#include <cassert>

#include "formula/BatchLanes.h"
#include "formula/EvalKernels.h"
#include "formula/FormulaEngine.h"

namespace quorvel {
namespace {

namespace k = kernels;

// Loops over the lanes; `a` or `b` is nullptr when that operand is the same for all lanes.
template <class Op>
void binaryLoop(Op op, const double* a, double ua, const double* b, double ub, double* out,
                uint8_t* bad, int n) {
  if (a && b) {
    for (int i = 0; i < n; ++i) {
      double r = 0;
      bad[i] |= !op(a[i], b[i], r);
      out[i] = r;
    }
  } else if (a) {
    for (int i = 0; i < n; ++i) {
      double r = 0;
      bad[i] |= !op(a[i], ub, r);
      out[i] = r;
    }
  } else {
    for (int i = 0; i < n; ++i) {
      double r = 0;
      bad[i] |= !op(ua, b[i], r);
      out[i] = r;
    }
  }
}

template <class Op>
void unaryLoop(Op op, const double* b, double* out, uint8_t* bad, int n) {
  for (int i = 0; i < n; ++i) {
    double r = 0;
    bad[i] |= !op(b[i], r);
    out[i] = r;
  }
}

void powerStep(const double* a, double ua, const double* b, double ub, double* out, uint8_t* bad,
               int n) {
  int whole = 0;
  if (a && !b && k::smallWholeExponent(ub, whole)) {
    // The common case, x^2 and friends: the rule is decided once for all lanes.
    if (whole == 2) {
      binaryLoop([](double x, double, double& r) { r = x * x; return k::inRange(r); }, a, ua,
                 nullptr, ub, out, bad, n);
    } else {
      binaryLoop([whole](double x, double, double& r) {
        r = k::wholePower(x, whole);
        return k::inRange(r);
      }, a, ua, nullptr, ub, out, bad, n);
    }
    return;
  }
  binaryLoop(k::power, a, ua, b, ub, out, bad, n);
}

void varyingStep(uint8_t opcode, const double* a, double ua, const double* b, double ub,
                 bool degrees, double* out, uint8_t* bad, int n) {
  switch (opcode) {
    case kOpAdd: binaryLoop(k::add, a, ua, b, ub, out, bad, n); return;
    case kOpSub: binaryLoop(k::sub, a, ua, b, ub, out, bad, n); return;
    case kOpMul: binaryLoop(k::mul, a, ua, b, ub, out, bad, n); return;
    case kOpDiv: binaryLoop(k::div, a, ua, b, ub, out, bad, n); return;
    case kOpPow: powerStep(a, ua, b, ub, out, bad, n); return;
    case kOpNeg: unaryLoop(k::negate, b, out, bad, n); return;
    case kOpAssign: std::copy_n(b, n, out); return;
    case kOpSqrt: unaryLoop(k::squareRoot, b, out, bad, n); return;
    case kOpLog: unaryLoop(k::logarithm10, b, out, bad, n); return;
    case kOpAbs: unaryLoop(k::absolute, b, out, bad, n); return;
    case kOpExp: unaryLoop(k::exponential, b, out, bad, n); return;
    case kOpLn: unaryLoop(k::logarithm, b, out, bad, n); return;
    case kOpInt: unaryLoop(k::wholeNumber, b, out, bad, n); return;
    default: break;
  }
  // The angle functions, for one angle unit.
  auto withUnit = [degrees](auto kernel) {
    return [degrees, kernel](double x, double& r) { return kernel(x, degrees, r); };
  };
  switch (opcode) {
    case kOpAsin: unaryLoop(withUnit(k::arcsine), b, out, bad, n); return;
    case kOpAcos: unaryLoop(withUnit(k::arccosine), b, out, bad, n); return;
    case kOpAtan: unaryLoop(withUnit(k::arctangent), b, out, bad, n); return;
    case kOpSin: unaryLoop(withUnit(k::sine), b, out, bad, n); return;
    case kOpCos: unaryLoop(withUnit(k::cosine), b, out, bad, n); return;
    case kOpTan: unaryLoop(withUnit(k::tangent), b, out, bad, n); return;
    default: assert(false && "no such opcode"); return;
  }
}

}  // namespace

void FormulaEngine::runBatch(int slot, uint8_t inputCode, std::span<const double> inputs,
                             const BatchOutputs& outputs) {
  assert(slot >= 1 && slot <= kSlotCount);
  assert(outputs.valid.size() >= inputs.size());
  assert(outputs.firstCode == kRegNone || outputs.first.size() >= inputs.size());
  assert(outputs.secondCode == kRegNone || outputs.second.size() >= inputs.size());
  const int total = static_cast<int>(inputs.size());
  for (int offset = 0; offset < total; offset += BatchLanes::kLanes) {
    const int count = std::min(BatchLanes::kLanes, total - offset);
    runChunk(slot, inputCode, inputs.data() + offset, count, outputs, offset);
  }
  evalSlot = slot;
  if (total == 0) return;
  registers[inputCode] = inputs[total - 1];
  // Like a run point by point, the outputs keep the values of the last valid point.
  for (int i = total - 1; i >= 0; --i) {
    if (!outputs.valid[i]) continue;
    if (outputs.firstCode != kRegNone) registers[outputs.firstCode] = outputs.first[i];
    if (outputs.secondCode != kRegNone) registers[outputs.secondCode] = outputs.second[i];
    break;
  }
  evalValid = outputs.valid[total - 1] != 0;
}

void FormulaEngine::runChunk(int slot, uint8_t inputCode, const double* inputs, int count,
                             const BatchOutputs& outputs, int offset) {
  BatchLanes& L = *lanes_;
  const bool degrees = settings_.degreesMode;
  L.uniform = registers;
  L.lane.fill(nullptr);
  L.owned.fill(nullptr);
  std::fill_n(L.bad, count, 0);
  L.lane[inputCode] = inputs;
  int nextBuffer = 0;
  bool allBad = false;

  for (const Step& step : stepTable[slot]) {
    if (step.opcode == kOpEnd) break;
    if (!kernels::writesResult(step.opcode)) continue;
    const bool unary = step.opcode >= kOpNeg;
    const double* a = unary ? nullptr : L.lane[step.src1];
    const double* b = L.lane[step.src2];
    if (!a && !b) {
      double r = 0;
      if (!kernels::evaluate(step.opcode, L.uniform[step.src1], L.uniform[step.src2], degrees, r)) {
        allBad = true;  // the same fault in every lane
        break;
      }
      L.uniform[step.dest] = r;
      L.lane[step.dest] = nullptr;
      continue;
    }
    double*& out = L.owned[step.dest];
    if (!out) {
      assert(nextBuffer < BatchLanes::kBuffers);
      out = L.buffer[nextBuffer++];
    }
    varyingStep(step.opcode, a, L.uniform[step.src1], b, L.uniform[step.src2], degrees, out,
                L.bad, count);
    L.lane[step.dest] = out;
  }

  auto fill = [&](uint8_t code, std::span<double> values) {
    if (code == kRegNone) return;
    double* target = values.data() + offset;
    if (const double* source = L.lane[code]) {
      std::copy_n(source, count, target);
    } else {
      std::fill_n(target, count, L.uniform[code]);
    }
  };
  fill(outputs.firstCode, outputs.first);
  fill(outputs.secondCode, outputs.second);
  uint8_t* valid = outputs.valid.data() + offset;
  for (int i = 0; i < count; ++i) valid[i] = !allBad && !L.bad[i];
}

}  // namespace quorvel
