// The batch evaluator: one slot's program over a row of points, step by step. Each step
// runs over all lanes before the next one starts, so the dispatch costs once per step
// instead of once per point, and steps whose operands are the same for every lane (numbers,
// a, b, c, the fixed y of an implicit row, ...) are computed once. Each step runs its row's
// lane kernel (evaluation/Operations.h), which gives every lane the bits of the point kernel,
// so each lane gets exactly the point evaluator's result.
//
// Faults are noted lazily, by each row's fault rule: most operations simply compute, because
// their faults show as a NaN or an infinity in the result, and such a value stays NaN or
// infinite through most operations. Only where a value enters an operation that could hide
// it (a divisor: x/inf is 0; exp; the angle functions; other powers) is it checked first,
// and every value still unchecked at the end of the program is checked then. A lane is valid
// exactly when no check found anything, which is exactly when no step of the point evaluator
// faults.

#include "evaluation/BatchEvaluator.h"

#include <algorithm>
#include <cassert>

#include "common/VectorState.h"
#include "evaluation/BatchLanes.h"
#include "evaluation/Operations.h"
#include "evaluation/VectorMath.h"

namespace quorvel {
namespace {

// The sign rows of n values at lanes offset.. (a multiple of 64, as the chunks are).
void writeSigns(const double* values, const uint8_t* validBytes, int n, int offset,
                const BatchOutputs& out) {
  assert(offset % 64 == 0);
  const int word = offset / 64;
  vectormath::lanes().signWords(values, validBytes, n, out.signValid + word,
                                out.signPositive + word, out.signNegative + word);
}

// The lane form of a step from its row: the power of a varying base to a whole exponent the
// same in every lane has a form of its own.
const LaneForm& laneFormOf(uint8_t op, const double* a, const double* b, double ub, int& whole) {
  if (op == kOpPow && Operation<kOpPow>::WholeExponent::applies(a, b, ub, whole)) {
    return kWholePowerLanes;
  }
  return operationInfo(op).lanes;
}

// Runs one step whose operands vary from lane to lane (args.a or args.b) by its lane form, after
// its operands were checked as the form's fault rule asks. Faults that the step's own checks
// find go to `poison()`. Returns whether the result may hold a NaN or an infinity that nobody
// has noted.
template <class Poison>
bool runLaneStep(const LaneForm& form, LaneArgs& args, bool inputDirty, Poison poison) {
  if (form.faults.result == ResultFaults::LaneByLane) args.poison = poison();
  form.kernel(args);
  switch (form.faults.result) {
    case ResultFaults::Shows:
      return true;
    case ResultFaults::Passes:
      return inputDirty;
    case ResultFaults::NaNIsFault:
      vectormath::lanes().notePoison(args.out, poison(), args.n);
      return false;
    case ResultFaults::Clean:
    case ResultFaults::LaneByLane:
      break;
  }
  return false;
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
      vectormath::lanes().notePoison(L.lane[code], poison(), n);
      L.dirty[code] = false;
    }
  };

  for (int s = 0; s < kStepsPerSlot; ++s) {
    const Step& step = program[s];
    const uint8_t op = step.opcode;
    if (op == kOpEnd) break;
    const OperationInfo& operation = operationInfo(op);
    if (!operation.writes) continue;
    const bool unary = operation.unary;
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
      if (!operation.point(ua, ub, degrees, r)) {
        allBad = true;  // the same fault in every lane
        break;
      }
      registers[step.dest] = r;
      L.lane[step.dest] = nullptr;
      L.dirty[step.dest] = false;
      continue;
    }

    int whole = 0;
    const LaneForm& form = laneFormOf(op, a, b, ub, whole);
    if (a && form.faults.check == OperandCheck::Operands) check(step.src1);
    if (b && form.faults.check != OperandCheck::None) check(step.src2);
    const bool inputDirty = (a && L.dirty[step.src1]) || (b && L.dirty[step.src2]);

    // Steps write in place, lane by lane.
    double*& out = L.owned[step.dest];
    if (!out) {
      assert(nextBuffer < BatchLanes::kBuffers);
      touch(step.dest);
      out = L.buffer[nextBuffer++];
    }
    LaneArgs args{a, ua, b, ub, out, n, degrees, nullptr, whole};
    const bool dirty = runLaneStep(form, args, inputDirty, poison);
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
    vectormath::lanes().zeroBytes(lastUnchecked, 0.0, valid,
                                  n);  // the common case: one pass, no poison row
  } else {
    for (int t = 0; t < L.touchedCount; ++t)
      check(L.touched[t]);
    if (poisonStarted) {
      vectormath::lanes().zeroBytes(L.poison, 1.0, valid, n);
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
    if (operationInfo(step.opcode).writes) rowFree[step.dest] = false;
  }

  std::array<const double*, 256> lane{};
  std::array<bool, 256> dirty{};
  lane[inputCode] = inputs;
  std::fill_n(cache.poison, n, 0.0);
  auto poison = [&cache]() { return cache.poison; };
  auto check = [&](uint8_t code) {
    if (lane[code] && dirty[code]) vectormath::lanes().notePoison(lane[code], cache.poison, n);
    dirty[code] = false;
  };

  for (int s = 0; s < kStepsPerSlot; ++s) {
    const Step& step = program[s];
    const uint8_t op = step.opcode;
    if (op == kOpEnd) break;
    const OperationInfo& operation = operationInfo(op);
    if (!operation.writes) continue;
    const bool unary = operation.unary;
    rowFree[step.dest] = (unary || rowFree[step.src1]) && rowFree[step.src2];
    if (!rowFree[step.dest]) continue;
    const double* a = unary ? nullptr : lane[step.src1];
    const double* b = lane[step.src2];
    const double ua = registers[step.src1];
    const double ub = registers[step.src2];
    if (!a && !b) {
      double r = 0;
      if (!operation.point(ua, ub, degrees, r)) return;  // every lane of every row faults
      registers[step.dest] = r;
      lane[step.dest] = nullptr;
      continue;
    }
    int whole = 0;
    const LaneForm& form = laneFormOf(op, a, b, ub, whole);
    if (a && form.faults.check == OperandCheck::Operands) check(step.src1);
    if (b && form.faults.check != OperandCheck::None) check(step.src2);
    const bool inputDirty = (a && dirty[step.src1]) || (b && dirty[step.src2]);
    double* out = L.buffer[cache.buffersUsed++];
    LaneArgs args{a, ua, b, ub, out, n, degrees, nullptr, whole};
    dirty[step.dest] = runLaneStep(form, args, inputDirty, poison);
    lane[step.dest] = out;
    cache.result[s] = out;
  }
  // Each cached value is the point evaluator's value of that step, so a NaN or an infinity
  // in one means that the point faults there or before.
  for (const double* values : cache.result) {
    if (values) vectormath::lanes().notePoison(values, cache.poison, n);
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
