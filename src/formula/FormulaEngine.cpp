#include "formula/FormulaEngine.h"

#include <cassert>
#include <numbers>

#include "evaluation/BatchLanes.h"
#include "formula/Translation.h"

namespace quorvel {

FormulaEngine::FormulaEngine(const Settings& settings)
    : settings_(settings),
      t_(std::make_unique<Translation>()),
      lanes_(std::make_unique<BatchLanes>()) {
  registers[kRegPi] = std::numbers::pi;
  registers[kRegE] = std::numbers::e;
}

FormulaEngine::~FormulaEngine() = default;

const std::string& FormulaEngine::workingText() const {
  return t_->text;
}

std::span<const PostfixEntry> FormulaEngine::postfixEntries() const {
  return {t_->postfixtable.data() + 1, static_cast<size_t>(t_->entryCount)};
}

void FormulaEngine::runBatch(int slot, uint8_t inputCode, std::span<const double> inputs,
                             const BatchOutputs& outputs) {
  assert(slot >= 1 && slot <= kSlotCount);
  runBatchOn(stepTable[slot], settings_.degreesMode, registers, *lanes_, inputCode, inputs,
             outputs);
  evalSlot = slot;
  const int total = static_cast<int>(inputs.size());
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

BatchWorker::BatchWorker(const FormulaEngine& engine)
    : engine_(engine), lanes_(std::make_unique<BatchLanes>()) {}

BatchWorker::~BatchWorker() = default;

void BatchWorker::start() {
  registers = engine_.registers;
  lanes_->rows.ready = false;
}

void BatchWorker::startRows(int slot, uint8_t inputCode, uint8_t rowCode,
                            std::span<const double> inputs) {
  assert(slot >= 1 && slot <= kSlotCount);
  rowSlot_ = slot;
  rowInputCode_ = inputCode;
  rowInputs_ = inputs;
  startRowsOn(engine_.stepTable[slot], engine_.degrees(), registers, *lanes_, inputCode, rowCode,
              inputs);
}

void BatchWorker::runRow(const BatchOutputs& outputs) {
  runRowOn(engine_.stepTable[rowSlot_], engine_.degrees(), registers, *lanes_, rowInputCode_,
           rowInputs_, outputs);
}

void BatchWorker::runBatch(int slot, uint8_t inputCode, std::span<const double> inputs,
                           const BatchOutputs& outputs) {
  assert(slot >= 1 && slot <= kSlotCount);
  runBatchOn(engine_.stepTable[slot], engine_.degrees(), registers, *lanes_, inputCode, inputs,
             outputs);
}

}  // namespace quorvel
