// The batch evaluator: one slot's program over a row of points, step by step. Each step
// runs over all lanes before the next one starts, so the dispatch costs once per step
// instead of once per point, and steps whose operands are the same for every lane (numbers,
// a, b, c, the fixed y of an implicit row, ...) are computed once. Every value comes from
// the same kernel as in the point evaluator, so each lane gets exactly its result.
//
// Faults are noted lazily. The point evaluator checks every result; here most operations
// simply compute, because a fault of +, -, *, /, sqrt, ln, log, exp or a whole power shows
// as a NaN or an infinity in the result, and such a value stays NaN or infinite through
// +, -, *, the dividend of /, sqrt, ln, log, whole powers, unary minus, abs and copies.
// Only where a value enters an operation that could hide it (a divisor: x/inf is 0; exp;
// the angle functions; other powers) is it checked first, and every value still unchecked
// at the end of the program is checked then. A lane is valid exactly when no check found
// anything, which is exactly when no step of the point evaluator faults.

#include <algorithm>
#include <cassert>
#include <limits>

#include "evaluation/BatchEvaluator.h"

#include "common/VectorState.h"
#include "evaluation/BatchLanes.h"
#include "evaluation/EvalKernels.h"
#include "evaluation/VectorMath.h"

namespace quorvel {
namespace {

namespace k = kernels;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A kernel with its own fault checks, lane by lane; faults go to `poison`.
template <class K>
void checked1(K kernel, const double* a, double* out, double* poison, int n) {
  for (int i = 0; i < n; ++i) {
    double r = 0;
    const bool ok = kernel(a[i], r);
    out[i] = r;
    poison[i] += ok ? 0.0 : kNaN;
  }
}

template <class K>
void checked2(K kernel, const double* a, double ua, const double* b, double ub, double* out,
              double* poison, int n) {
  for (int i = 0; i < n; ++i) {
    double r = 0;
    const bool ok = kernel(a ? a[i] : ua, b ? b[i] : ub, r);
    out[i] = r;
    poison[i] += ok ? 0.0 : kNaN;
  }
}

// base^N over the lanes: the vectorised chain, then the rare lanes it cannot serve again
// the way the point evaluator does them.
template <int N>
void wholePowerLanes(const double* a, double* out, int n) {
  uint32_t unusable = 0;
  for (int i = 0; i < n; ++i) {
    out[i] = k::wholePowerChain<N>(a[i]);
    unusable |= !k::wholePowerChainUsable(out[i]);
  }
  if (!unusable) return;
  for (int i = 0; i < n; ++i) {
    if (!k::wholePowerChainUsable(out[i])) out[i] = k::wholePowerExtended(a[i], N);
  }
}

using LaneFunction = void (*)(const double*, double*, int);
constexpr LaneFunction kWholePowerLanes[] = {
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    wholePowerLanes<4>,
    wholePowerLanes<5>,
    wholePowerLanes<6>,
    wholePowerLanes<7>,
    wholePowerLanes<8>,
    wholePowerLanes<9>,
};

// The sign rows of n values at lanes offset.. (a multiple of 64, as the chunks are).
void writeSigns(const double* values, const uint8_t* validBytes, int n, int offset,
                const BatchOutputs& out) {
  assert(offset % 64 == 0);
  const int word = offset / 64;
  vectormath::signWords(values, validBytes, n, out.signValid + word, out.signPositive + word,
                        out.signNegative + word);
}

// Does a NaN or infinity in this operand of this operation need checking before the
// operation runs? (Otherwise the operation keeps it NaN or infinite, or checks it itself.)
bool needsCheckedOperand(uint8_t opcode, bool second, bool wholePowerRule) {
  switch (opcode) {
    case kOpDiv:
      return second;
    case kOpPow:
      return !wholePowerRule;
    case kOpExp:
    case kOpSin:
    case kOpCos:
    case kOpAtan:
      return true;
    default:
      return false;
  }
}

// Runs one step whose operands vary from lane to lane (a or b; the other may be the same for
// all lanes, ua or ub) into `out`. Faults that the step's own checks find go to `poison()`.
// Returns whether the result may hold a NaN or an infinity that nobody has noted.
template <class Poison>
bool runLaneStep(uint8_t op, const double* a, double ua, const double* b, double ub, double* out,
                 int n, bool degrees, bool wholePowerRule, int whole, bool inputDirty,
                 Poison poison) {
  bool dirty = true;
  switch (op) {
    case kOpAdd:
      vectormath::add(a, ua, b, ub, out, n);
      break;
    case kOpSub:
      vectormath::subtract(a, ua, b, ub, out, n);
      break;
    case kOpMul:
      vectormath::multiply(a, ua, b, ub, out, n);
      break;
    case kOpDiv:
      vectormath::divide(a, ua, b, ub, out, n);
      break;
    case kOpPow:
      if (wholePowerRule && whole == 1) {
        std::copy_n(a, n, out);
        dirty = inputDirty;
      } else if (wholePowerRule && whole == 2) {
        vectormath::square(a, out, n);
      } else if (wholePowerRule && whole == 3) {
        vectormath::cube(a, out, n);
      } else if (wholePowerRule) {
        kWholePowerLanes[whole](a, out, n);
      } else {
        checked2(k::power, a, ua, b, ub, out, poison(), n);
        dirty = false;
      }
      break;
    case kOpNeg:
      vectormath::negate(b, out, n);
      dirty = inputDirty;
      break;
    case kOpAssign:
      std::copy_n(b, n, out);
      dirty = inputDirty;
      break;
    case kOpAbs:
      vectormath::absolute(b, out, n);
      dirty = inputDirty;
      break;
    // A fault of these shows as NaN or -inf, and they keep NaN and infinities.
    case kOpSqrt:
      vectormath::squareRoot(b, out, n);
      break;
    case kOpLn:
      vectormath::logarithm(b, out, n);
      break;
    case kOpLog:
      vectormath::logarithm10(b, out, n);
      break;
    case kOpExp:
      vectormath::exponential(b, out, n);
      break;  // may overflow
    // No faults of their own, on checked operands.
    case kOpSin:
      vectormath::sine(b, out, n, degrees);
      dirty = false;
      break;
    case kOpCos:
      vectormath::cosine(b, out, n, degrees);
      dirty = false;
      break;
    case kOpAtan:
      vectormath::arctangent(b, out, n, degrees);
      dirty = false;
      break;
    // Their own checks also catch a NaN or infinite operand; a fault is a NaN result.
    case kOpTan:
    case kOpAsin:
    case kOpAcos: {
      const auto function = op == kOpTan    ? vectormath::tangent
                            : op == kOpAsin ? vectormath::arcsine
                                            : vectormath::arccosine;
      function(b, out, n, degrees);
      vectormath::notePoison(out, poison(), n);
      dirty = false;
      break;
    }
    case kOpInt:
      checked1(k::wholeNumber, b, out, poison(), n);
      dirty = false;
      break;
    default:
      assert(false && "no such opcode");
      break;
  }
  return dirty;
}

}  // namespace

namespace {

void runChunk(const StepList& program, bool degrees, RegisterFile& registers, BatchLanes& L,
              uint8_t inputCode, const double* inputs, int n, const BatchOutputs& outputs,
              int offset, const BatchLanes::RowCache* cache = nullptr) {
  // The poison row is cleared when first needed: many programs never need it. With the
  // steps of a row cache, it starts from their faults.
  bool poisonStarted = false;
  auto poison = [&]() {
    if (!poisonStarted) {
      if (cache && cache->faults) {
        std::copy_n(cache->poison, n, L.poison);
      } else {
        std::fill_n(L.poison, n, 0.0);
      }
    }
    poisonStarted = true;
    return L.poison;
  };
  if (cache && cache->faults) poison();
  // The cached results keep their buffers.
  int nextBuffer = cache ? cache->buffersUsed : 0;
  bool allBad = false;

  auto touch = [&L](uint8_t code) {
    if (L.isTouched[code]) return;
    L.isTouched[code] = true;
    L.touched[L.touchedCount++] = code;
  };
  L.lane[inputCode] = inputs;
  touch(inputCode);
  // Output registers are written straight into the caller's rows.
  if (outputs.firstCode != kRegNone) {
    L.owned[outputs.firstCode] = outputs.first.data() + offset;
    touch(outputs.firstCode);
  }
  if (outputs.secondCode != kRegNone) {
    L.owned[outputs.secondCode] = outputs.second.data() + offset;
    touch(outputs.secondCode);
  }
  auto check = [&](uint8_t code) {
    if (L.lane[code] && L.dirty[code]) {
      vectormath::notePoison(L.lane[code], poison(), n);
      L.dirty[code] = false;
    }
  };

  for (int s = 0; s < kStepsPerSlot; ++s) {
    const Step& step = program[s];
    const uint8_t op = step.opcode;
    if (op == kOpEnd) break;
    if (!k::writesResult(op)) continue;
    const bool unary = op >= kOpNeg;
    // A value about to be overwritten without being read (odd formulas such as
    // 'y=1/0=;x=v' assign y twice) must have its faults noted first.
    if (step.dest != step.src2 && (unary || step.dest != step.src1)) check(step.dest);
    if (const double* cached = cache ? cache->result[s] : nullptr) {
      // Computed and checked once for all rows; the buffer is the cache's, so a later step
      // writing this register takes a buffer of its own instead of writing in place.
      touch(step.dest);
      L.lane[step.dest] = cached;
      L.dirty[step.dest] = false;
      continue;
    }
    const double* a = unary ? nullptr : L.lane[step.src1];
    const double* b = L.lane[step.src2];
    const double ua = registers[step.src1];
    const double ub = registers[step.src2];

    if (!a && !b) {  // the same for every lane: compute once
      double r = 0;
      if (!k::evaluate(op, ua, ub, degrees, r)) {
        allBad = true;  // the same fault in every lane
        break;
      }
      registers[step.dest] = r;
      L.lane[step.dest] = nullptr;
      L.dirty[step.dest] = false;
      continue;
    }

    int whole = 0;
    const bool wholePowerRule =
        op == kOpPow && a && !b && k::smallWholeExponent(ub, whole) && whole > 0;
    if (a && needsCheckedOperand(op, false, wholePowerRule)) check(step.src1);
    if (b && needsCheckedOperand(op, true, wholePowerRule)) check(step.src2);
    const bool inputDirty = (a && L.dirty[step.src1]) || (b && L.dirty[step.src2]);

    double*& out = L.owned[step.dest];
    // Steps write in place, lane by lane; only the higher whole powers read their operand
    // again afterwards (for their rare lanes), so they never overwrite it.
    const bool keepOperand = wholePowerRule && whole >= 4 && out == a;
    if (!out || keepOperand) {
      assert(nextBuffer < BatchLanes::kBuffers);
      touch(step.dest);
      out = L.buffer[nextBuffer++];
    }
    const bool dirty =
        runLaneStep(op, a, ua, b, ub, out, n, degrees, wholePowerRule, whole, inputDirty, poison);
    // A temporary is read once; whatever it held is now in the result or noted.
    if (a && isTemporary(step.src1)) L.dirty[step.src1] = false;
    if (b && isTemporary(step.src2)) L.dirty[step.src2] = false;
    L.lane[step.dest] = out;
    L.dirty[step.dest] = dirty;
  }

  auto fill = [&](uint8_t code, std::span<double> values) {
    if (code == kRegNone) return;
    double* target = values.data() + offset;
    if (const double* source = L.lane[code]) {
      if (source != target) std::copy_n(source, n, target);
    } else {
      std::fill_n(target, n, registers[code]);
    }
  };
  fill(outputs.firstCode, outputs.first);
  fill(outputs.secondCode, outputs.second);

  bool signs = outputs.signValid != nullptr;
  const double* firstValues =
      outputs.firstCode == kRegNone ? nullptr : outputs.first.data() + offset;

  // Whatever is still unchecked: the results, and in odd formulas a value nobody used.
  uint8_t* valid = outputs.valid.data() + offset;
  const double* lastUnchecked = nullptr;
  int unchecked = 0;
  for (int t = 0; t < L.touchedCount && !allBad; ++t) {
    const uint8_t code = L.touched[t];
    if (L.lane[code] && L.dirty[code]) {
      lastUnchecked = L.lane[code];
      ++unchecked;
    }
  }
  if (allBad) {
    std::fill_n(valid, n, 0);
  } else if (signs && !poisonStarted && unchecked == 1 &&
             lastUnchecked == L.lane[outputs.firstCode]) {
    // The common case of an implicit plot: signs and validity in one pass over the result.
    writeSigns(firstValues, nullptr, n, offset, outputs);
    signs = false;  // written
  } else if (!poisonStarted && unchecked == 1) {
    vectormath::zeroBytes(lastUnchecked, 0.0, valid,
                          n);  // the common case: one pass, no poison row
  } else {
    for (int t = 0; t < L.touchedCount; ++t)
      check(L.touched[t]);
    if (poisonStarted) {
      vectormath::zeroBytes(L.poison, 1.0, valid, n);
    } else {
      std::fill_n(valid, n, 1);
    }
  }

  if (signs) writeSigns(firstValues, valid, n, offset, outputs);

  for (int t = 0; t < L.touchedCount; ++t) {
    const uint8_t code = L.touched[t];
    L.lane[code] = nullptr;
    L.owned[code] = nullptr;
    L.dirty[code] = false;
    L.isTouched[code] = false;
  }
  L.touchedCount = 0;
}

// Fills `L.rows` for rows over `inputs` that differ only in register `rowCode`: runs the
// lane steps whose operands do not depend on it, each into a buffer of its own, and checks
// every value they made. A value a row's steps have not written yet may still hold the last
// row's, so a register that any step writes counts as depending on the row until a step
// that does not writes it. On a register file of its own: the rows compute the steps that
// are the same for all lanes themselves, and see the registers as they stand.
void prepareRowCache(const StepList& program, bool degrees, RegisterFile registers, BatchLanes& L,
                     uint8_t inputCode, uint8_t rowCode, const double* inputs, int n) {
  BatchLanes::RowCache& cache = L.rows;
  cache.ready = false;
  cache.buffersUsed = 0;
  cache.faults = false;
  cache.result.fill(nullptr);
  if (n > BatchLanes::kLanes) return;  // longer rows run without a cache

  std::array<bool, 256> rowFree;
  rowFree.fill(true);
  rowFree[rowCode] = false;
  for (const Step& step : program) {
    if (step.opcode == kOpEnd) break;
    if (k::writesResult(step.opcode)) rowFree[step.dest] = false;
  }

  std::array<const double*, 256> lane{};
  std::array<bool, 256> dirty{};
  lane[inputCode] = inputs;
  std::fill_n(cache.poison, n, 0.0);
  auto poison = [&cache]() { return cache.poison; };
  auto check = [&](uint8_t code) {
    if (lane[code] && dirty[code]) vectormath::notePoison(lane[code], cache.poison, n);
    dirty[code] = false;
  };

  for (int s = 0; s < kStepsPerSlot; ++s) {
    const Step& step = program[s];
    const uint8_t op = step.opcode;
    if (op == kOpEnd) break;
    if (!k::writesResult(op)) continue;
    const bool unary = op >= kOpNeg;
    rowFree[step.dest] = (unary || rowFree[step.src1]) && rowFree[step.src2];
    if (!rowFree[step.dest]) continue;
    const double* a = unary ? nullptr : lane[step.src1];
    const double* b = lane[step.src2];
    const double ua = registers[step.src1];
    const double ub = registers[step.src2];
    if (!a && !b) {
      double r = 0;
      if (!k::evaluate(op, ua, ub, degrees, r)) return;  // every lane of every row faults
      registers[step.dest] = r;
      lane[step.dest] = nullptr;
      continue;
    }
    int whole = 0;
    const bool wholePowerRule =
        op == kOpPow && a && !b && k::smallWholeExponent(ub, whole) && whole > 0;
    if (a && needsCheckedOperand(op, false, wholePowerRule)) check(step.src1);
    if (b && needsCheckedOperand(op, true, wholePowerRule)) check(step.src2);
    const bool inputDirty = (a && dirty[step.src1]) || (b && dirty[step.src2]);
    double* out = L.buffer[cache.buffersUsed++];
    dirty[step.dest] =
        runLaneStep(op, a, ua, b, ub, out, n, degrees, wholePowerRule, whole, inputDirty, poison);
    lane[step.dest] = out;
    cache.result[s] = out;
  }
  // Each cached value is the point evaluator's value of that step, so a NaN or an infinity
  // in one means that the point faults there or before.
  for (const double* values : cache.result) {
    if (values) vectormath::notePoison(values, cache.poison, n);
  }
  cache.faults = std::any_of(cache.poison, cache.poison + n, [](double p) { return p != 0.0; });
  cache.ready = true;
}

}  // namespace

void runBatchOn(const StepList& program, bool degrees, RegisterFile& registers, BatchLanes& lanes,
                uint8_t inputCode, std::span<const double> inputs, const BatchOutputs& outputs) {
  assert(outputs.valid.size() >= inputs.size());
  assert(outputs.firstCode == kRegNone || outputs.first.size() >= inputs.size());
  assert(outputs.secondCode == kRegNone || outputs.second.size() >= inputs.size());
  assert(outputs.firstCode != inputCode && outputs.secondCode != inputCode);
  clearUpperVectorState();
  const int total = static_cast<int>(inputs.size());
  for (int offset = 0; offset < total; offset += BatchLanes::kLanes) {
    const int count = std::min(BatchLanes::kLanes, total - offset);
    runChunk(program, degrees, registers, lanes, inputCode, inputs.data() + offset, count, outputs,
             offset);
  }
}

void startRowsOn(const StepList& steps, bool degrees, const RegisterFile& registers,
                 BatchLanes& lanes, uint8_t inputCode, uint8_t rowCode,
                 std::span<const double> inputs) {
  clearUpperVectorState();
  prepareRowCache(steps, degrees, registers, lanes, inputCode, rowCode, inputs.data(),
                  static_cast<int>(inputs.size()));
}

void runRowOn(const StepList& steps, bool degrees, RegisterFile& registers, BatchLanes& lanes,
              uint8_t inputCode, std::span<const double> inputs, const BatchOutputs& outputs) {
  if (!lanes.rows.ready) {
    runBatchOn(steps, degrees, registers, lanes, inputCode, inputs, outputs);
    return;
  }
  assert(outputs.valid.size() >= inputs.size());
  assert(outputs.firstCode == kRegNone || outputs.first.size() >= inputs.size());
  assert(outputs.secondCode == kRegNone || outputs.second.size() >= inputs.size());
  clearUpperVectorState();
  runChunk(steps, degrees, registers, lanes, inputCode, inputs.data(),
           static_cast<int>(inputs.size()), outputs, 0, &lanes.rows);
}

}  // namespace quorvel
