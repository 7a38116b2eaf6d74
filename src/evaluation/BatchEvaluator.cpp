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
#include <array>
#include <cassert>

#include "common/VectorState.h"
#include "evaluation/BatchLanes.h"
#include "evaluation/Operations.h"
#include "evaluation/VectorMath.h"

namespace quorvel {
namespace {

using RowCache = BatchLanes::RowCache;

// A step once its row and its operands are looked up: the same in every lane (no lane form:
// computed once, into the register file), or run over the lanes by a lane form of its row.
struct StepSetup {
  const OperationInfo* operation = nullptr;
  const LaneForm* form = nullptr;  // nullptr: the same in every lane
  LaneArgs args;
};

// One pass of a program's steps over n lanes: a chunk of a batch run, or the steps that a
// row cache keeps. For the registers that vary from lane to lane it keeps, in the lanes'
// tables, their values, the buffer each writes into and whether they may still hold a fault
// that is not noted; a register without lane values holds one value for all lanes, in the
// register file. Faults are noted in a fault row, 0 while a lane is valid and NaN once a fault
// of the lane is noted, started when first needed: many programs never need it. The tables
// are reset when the pass ends.
class LanePass {
 public:
  LanePass(BatchLanes& lanes, RegisterFile& registers, bool degrees, int n, double* faultRow,
           int firstBuffer)
      : L_(lanes),
        registers_(registers),
        degrees_(degrees),
        n_(n),
        faultRow_(faultRow),
        nextBuffer_(firstBuffer) {}
  ~LanePass() { reset(); }
  LanePass(const LanePass&) = delete;
  LanePass& operator=(const LanePass&) = delete;

  // Register `code` varies from lane to lane with these values.
  void bind(uint8_t code, const double* values) {
    L_.lane[code] = values;
    touch(code);
  }
  // Register `code` writes straight into the caller's row.
  void bindOutput(uint8_t code, double* row) {
    L_.owned[code] = row;
    touch(code);
  }

  // The fault row, started when first needed: from `startFaultsFrom`'s faults when given,
  // cleared otherwise.
  double* faults() {
    if (!faultsStarted_) {
      if (startFaults_) {
        std::copy_n(startFaults_, n_, faultRow_);
      } else {
        std::fill_n(faultRow_, n_, 0.0);
      }
      faultsStarted_ = true;
    }
    return faultRow_;
  }
  void startFaultsFrom(const double* faults) {
    startFaults_ = faults;
    this->faults();
  }
  bool faultsStarted() const { return faultsStarted_; }

  // Notes the faults that the lane values of `code` may still hold.
  void check(uint8_t code) {
    if (L_.lane[code] && L_.dirty[code]) {
      vectormath::lanes().notePoison(L_.lane[code], faults(), n_);
      L_.dirty[code] = false;
    }
  }

  StepSetup setUp(const Step& step, const OperationInfo& operation) const;
  bool runUniform(const Step& step, const StepSetup& setup);
  void runLanes(const Step& step, StepSetup& setup, double* out);
  void takeCached(uint8_t code, const double* values);

  // The buffer register `code` writes into: its own, or the next free one. Steps write in
  // place, lane by lane.
  double* bufferOf(uint8_t code) {
    double*& out = L_.owned[code];
    if (!out) {
      out = newBuffer();
      touch(code);
    }
    return out;
  }
  double* newBuffer() {
    assert(nextBuffer_ < BatchLanes::kBuffers);
    return L_.buffer[nextBuffer_++];
  }
  int buffersUsed() const { return nextBuffer_; }

  const double* valuesOf(uint8_t code) const { return L_.lane[code]; }
  void fill(uint8_t code, std::span<double> values, int offset) const;
  const double* onlyUnchecked(int& count) const;
  void checkAll();

 private:
  void touch(uint8_t code) {
    if (L_.isTouched[code]) return;
    L_.isTouched[code] = true;
    L_.touched[L_.touchedCount++] = code;
  }
  void reset();

  BatchLanes& L_;
  RegisterFile& registers_;
  const bool degrees_;
  const int n_;
  double* const faultRow_;
  const double* startFaults_ = nullptr;
  bool faultsStarted_ = false;
  int nextBuffer_;
};

// The step set-up of chunks and row caches alike: the step's row, its operands as lane values
// or one value for all lanes, and the lane form it takes (the power of a varying base to a
// whole exponent the same in every lane has a form of its own).
StepSetup LanePass::setUp(const Step& step, const OperationInfo& operation) const {
  StepSetup setup;
  setup.operation = &operation;
  LaneArgs& args = setup.args;
  args.a = setup.operation->unary ? nullptr : L_.lane[step.src1];
  args.b = L_.lane[step.src2];
  args.ua = registers_[step.src1];
  args.ub = registers_[step.src2];
  args.n = n_;
  args.degrees = degrees_;
  if (!args.a && !args.b) return setup;
  if (step.opcode == kOpPow &&
      Operation<kOpPow>::WholeExponent::applies(args.a, args.b, args.ub, args.whole)) {
    setup.form = &kWholePowerLanes;
  } else {
    setup.form = &setup.operation->lanes;
  }
  return setup;
}

// A step the same in every lane, computed once into the register file. False when it faults,
// and so faults in every lane.
bool LanePass::runUniform(const Step& step, const StepSetup& setup) {
  double r = 0;
  if (!setup.operation->point(setup.args.ua, setup.args.ub, degrees_, r)) return false;
  registers_[step.dest] = r;
  L_.lane[step.dest] = nullptr;
  L_.dirty[step.dest] = false;
  return true;
}

// A step over the lanes into `out`: its operands checked first as its fault rule asks, its
// lane kernel, then what its result may hold that is not noted.
void LanePass::runLanes(const Step& step, StepSetup& setup, double* out) {
  LaneArgs& args = setup.args;
  const FaultRule rule = setup.form->faults;
  if (args.a && rule.check == OperandCheck::Operands) check(step.src1);
  if (args.b && rule.check != OperandCheck::None) check(step.src2);
  const bool inputDirty = (args.a && L_.dirty[step.src1]) || (args.b && L_.dirty[step.src2]);
  args.out = out;
  if (rule.result == ResultFaults::LaneByLane) args.poison = faults();
  setup.form->kernel(args);
  bool dirty = false;
  switch (rule.result) {
    case ResultFaults::Shows:
      dirty = true;
      break;
    case ResultFaults::Passes:
      dirty = inputDirty;
      break;
    case ResultFaults::NaNIsFault:
      vectormath::lanes().notePoison(out, faults(), n_);
      break;
    case ResultFaults::Clean:
    case ResultFaults::LaneByLane:
      break;
  }
  // A temporary is read once; whatever it held is now in the result or noted.
  if (args.a && isTemporary(step.src1)) L_.dirty[step.src1] = false;
  if (args.b && isTemporary(step.src2)) L_.dirty[step.src2] = false;
  touch(step.dest);
  L_.lane[step.dest] = out;
  L_.dirty[step.dest] = dirty;
}

// A step a row cache computed and checked once for all rows. The buffer is the cache's, so a
// later step writing this register takes a buffer of its own instead of writing in place.
void LanePass::takeCached(uint8_t code, const double* values) {
  touch(code);
  L_.lane[code] = values;
  L_.dirty[code] = false;
}

// Register `code`'s values of the pass's lanes into values[offset..], from its lanes or its
// one value.
void LanePass::fill(uint8_t code, std::span<double> values, int offset) const {
  if (code == kRegNone) return;
  double* target = values.data() + offset;
  if (const double* source = L_.lane[code]) {
    if (source != target) std::copy_n(source, n_, target);
  } else {
    std::fill_n(target, n_, registers_[code]);
  }
}

// How many registers' lane values are still unchecked, and the last of them: the results, and
// in odd formulas a value nobody used.
const double* LanePass::onlyUnchecked(int& count) const {
  const double* last = nullptr;
  count = 0;
  for (int t = 0; t < L_.touchedCount; ++t) {
    const uint8_t code = L_.touched[t];
    if (L_.lane[code] && L_.dirty[code]) {
      last = L_.lane[code];
      ++count;
    }
  }
  return last;
}

void LanePass::checkAll() {
  for (int t = 0; t < L_.touchedCount; ++t)
    check(L_.touched[t]);
}

void LanePass::reset() {
  for (int t = 0; t < L_.touchedCount; ++t) {
    const uint8_t code = L_.touched[t];
    L_.lane[code] = nullptr;
    L_.owned[code] = nullptr;
    L_.dirty[code] = false;
    L_.isTouched[code] = false;
  }
  L_.touchedCount = 0;
}

// ---- A chunk of a batch run.

// Runs a chunk's steps, those a row cache holds taken from it. False when a step the same in
// every lane faults: then every lane does.
bool runChunkSteps(LanePass& pass, const StepList& steps, const RowCache* cache) {
  for (int s = 0; s < kStepsPerSlot; ++s) {
    const Step& step = steps[s];
    if (step.opcode == kOpEnd) break;
    const OperationInfo& operation = operationInfo(step.opcode);
    if (!operation.writes) continue;
    // A value about to be overwritten without being read (odd formulas such as
    // 'y=1/0=;x=v' assign y twice) must have its faults noted first.
    if (step.dest != step.src2 && (operation.unary || step.dest != step.src1)) {
      pass.check(step.dest);
    }
    // The steps a row cache holds need no set-up: most of an implicit row's steps are these.
    if (const double* cached = cache ? cache->result[s] : nullptr) {
      pass.takeCached(step.dest, cached);
      continue;
    }
    StepSetup setup = pass.setUp(step, operation);
    if (!setup.form) {
      if (!pass.runUniform(step, setup)) return false;
    } else {
      pass.runLanes(step, setup, pass.bufferOf(step.dest));
    }
  }
  return true;
}

// The sign rows of n values at lanes offset.. (a multiple of 64, as the chunks are).
void writeSigns(const double* values, const uint8_t* validBytes, int n, int offset,
                const BatchOutputs& out) {
  assert(offset % 64 == 0);
  const int word = offset / 64;
  vectormath::lanes().signWords(values, validBytes, n, out.signValid + word,
                                out.signPositive + word, out.signNegative + word);
}

// The validity of a chunk's lanes, and the sign rows when asked for, once its steps have run:
// whatever is still unchecked is checked now.
void writeValidity(LanePass& pass, int n, const BatchOutputs& outputs, int offset, bool allBad) {
  bool signs = outputs.signValid != nullptr;
  const double* firstValues =
      outputs.firstCode == kRegNone ? nullptr : outputs.first.data() + offset;
  uint8_t* valid = outputs.valid.data() + offset;
  int unchecked = 0;
  const double* lastUnchecked = allBad ? nullptr : pass.onlyUnchecked(unchecked);
  if (allBad) {
    std::fill_n(valid, n, 0);
  } else if (signs && !pass.faultsStarted() && unchecked == 1 &&
             lastUnchecked == pass.valuesOf(outputs.firstCode)) {
    // The common case of an implicit plot: signs and validity in one pass over the result.
    writeSigns(firstValues, nullptr, n, offset, outputs);
    signs = false;  // written
  } else if (!pass.faultsStarted() && unchecked == 1) {
    // The common case: one pass, no fault row.
    vectormath::lanes().zeroBytes(lastUnchecked, 0.0, valid, n);
  } else {
    pass.checkAll();
    if (pass.faultsStarted()) {
      vectormath::lanes().zeroBytes(pass.faults(), 1.0, valid, n);
    } else {
      std::fill_n(valid, n, 1);
    }
  }
  if (signs) writeSigns(firstValues, valid, n, offset, outputs);
}

// Runs the steps over the n lanes from offset on; with the steps of a row cache, only the
// rest, starting from the cache's faults (its results keep their buffers).
void runChunk(const StepList& steps, bool degrees, RegisterFile& registers, BatchLanes& L,
              uint8_t inputCode, const double* inputs, int n, const BatchOutputs& outputs,
              int offset, const RowCache* cache = nullptr) {
  LanePass pass(L, registers, degrees, n, L.poison, cache ? cache->buffersUsed : 0);
  if (cache && cache->faults) pass.startFaultsFrom(cache->poison);
  pass.bind(inputCode, inputs);
  // Output registers are written straight into the caller's rows.
  if (outputs.firstCode != kRegNone) {
    pass.bindOutput(outputs.firstCode, outputs.first.data() + offset);
  }
  if (outputs.secondCode != kRegNone) {
    pass.bindOutput(outputs.secondCode, outputs.second.data() + offset);
  }
  const bool allBad = !runChunkSteps(pass, steps, cache);
  pass.fill(outputs.firstCode, outputs.first, offset);
  pass.fill(outputs.secondCode, outputs.second, offset);
  writeValidity(pass, n, outputs, offset, allBad);
}

// ---- The row cache.

// Which registers count as the same in every row before the steps run: a value a row's steps
// have not written yet may still hold the last row's, so a register that any step writes
// counts as depending on the row until a step that does not writes it.
std::array<bool, 256> rowFreeAtStart(const StepList& steps, uint8_t rowCode) {
  std::array<bool, 256> rowFree;
  rowFree.fill(true);
  rowFree[rowCode] = false;
  for (const Step& step : steps) {
    if (step.opcode == kOpEnd) break;
    if (operationInfo(step.opcode).writes) rowFree[step.dest] = false;
  }
  return rowFree;
}

// Fills `L.rows` for rows over `inputs` that differ only in register `rowCode`: runs the lane
// steps whose operands do not depend on it, each into a buffer of its own, and checks every
// value they made. On a register file of its own: the rows compute the steps that are the
// same for all lanes themselves, and see the registers as they stand.
void prepareRowCache(const StepList& steps, bool degrees, RegisterFile registers, BatchLanes& L,
                     uint8_t inputCode, uint8_t rowCode, const double* inputs, int n) {
  RowCache& cache = L.rows;
  cache.ready = false;
  cache.buffersUsed = 0;
  cache.faults = false;
  cache.result.fill(nullptr);
  if (n > BatchLanes::kLanes) return;  // longer rows run without a cache

  std::array<bool, 256> rowFree = rowFreeAtStart(steps, rowCode);
  LanePass pass(L, registers, degrees, n, cache.poison, 0);
  pass.faults();  // cleared: every fault of the cached values is noted
  pass.bind(inputCode, inputs);
  for (int s = 0; s < kStepsPerSlot; ++s) {
    const Step& step = steps[s];
    if (step.opcode == kOpEnd) break;
    const OperationInfo& operation = operationInfo(step.opcode);
    if (!operation.writes) continue;
    rowFree[step.dest] = (operation.unary || rowFree[step.src1]) && rowFree[step.src2];
    if (!rowFree[step.dest]) continue;
    StepSetup setup = pass.setUp(step, operation);
    if (!setup.form) {
      if (!pass.runUniform(step, setup)) return;  // every lane of every row faults
      continue;
    }
    double* out = pass.newBuffer();
    pass.runLanes(step, setup, out);
    cache.result[s] = out;
  }
  cache.buffersUsed = pass.buffersUsed();
  // Each cached value is the point evaluator's value of that step, so a NaN or an infinity
  // in one means that the point faults there or before.
  for (const double* values : cache.result) {
    if (values) vectormath::lanes().notePoison(values, cache.poison, n);
  }
  cache.faults = std::any_of(cache.poison, cache.poison + n, [](double p) { return p != 0.0; });
  cache.ready = true;
}

void checkOutputs(const BatchOutputs& outputs, size_t n) {
  assert(outputs.valid.size() >= n);
  assert(outputs.firstCode == kRegNone || outputs.first.size() >= n);
  assert(outputs.secondCode == kRegNone || outputs.second.size() >= n);
  (void)outputs;
  (void)n;
}

}  // namespace

void runBatchOn(const StepList& steps, bool degrees, RegisterFile& registers, BatchLanes& lanes,
                uint8_t inputCode, std::span<const double> inputs, const BatchOutputs& outputs) {
  checkOutputs(outputs, inputs.size());
  assert(outputs.firstCode != inputCode && outputs.secondCode != inputCode);
  clearUpperVectorState();
  const int total = static_cast<int>(inputs.size());
  for (int offset = 0; offset < total; offset += BatchLanes::kLanes) {
    const int count = std::min(BatchLanes::kLanes, total - offset);
    runChunk(steps, degrees, registers, lanes, inputCode, inputs.data() + offset, count, outputs,
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
  checkOutputs(outputs, inputs.size());
  clearUpperVectorState();
  runChunk(steps, degrees, registers, lanes, inputCode, inputs.data(),
           static_cast<int>(inputs.size()), outputs, 0, &lanes.rows);
}

}  // namespace quorvel
