#pragma once
// Lane buffers of the batch evaluator, private to the formula engine. Allocated once with
// the engine, so a batch run allocates nothing.

#include <array>
#include <cstdint>

#include "formula/FormulaEngine.h"

namespace quorvel {

struct FormulaEngine::BatchLanes {
  static constexpr int kLanes = 1024;
  // A step whose result varies from lane to lane writes into a buffer of its destination;
  // each step takes at most one new buffer, so one per step is always enough.
  static constexpr int kBuffers = kStepsPerSlot;

  alignas(64) double buffer[kBuffers][kLanes];
  alignas(64) uint8_t bad[kLanes];  // the lane has faulted
  // Per operand code: the register's value per lane, or nullptr when it holds the same value
  // for every lane (then that value is in `uniform`).
  std::array<const double*, 256> lane;
  std::array<double*, 256> owned;  // the buffer a code writes into, once it has one
  RegisterFile uniform;
};

}  // namespace quorvel
