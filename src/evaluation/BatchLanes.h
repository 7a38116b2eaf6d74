#pragma once
// Lane buffers of the batch evaluator, owned by its callers (the formula engine and each of
// its batch workers). Allocated once with their owner, so a batch run allocates nothing.

#include <array>
#include <cstdint>

#include "evaluation/Program.h"

namespace quorvel {

struct BatchLanes {
  static constexpr int kLanes = 1024;
  // A step whose result varies from lane to lane writes into a buffer of its destination;
  // each step takes at most one new buffer, so one per step is always enough.
  static constexpr int kBuffers = kStepsPerSlot;

  alignas(64) double buffer[kBuffers][kLanes];
  // 0 while the lane is valid, NaN once a fault of the lane has been noted.
  alignas(64) double poison[kLanes];

  // Per operand code, for the registers that vary from lane to lane in this chunk: their
  // values, the buffer the code writes into, and whether the values may still hold a fault
  // (a NaN or an infinity) that is not yet noted in `poison`. A code with no lane values
  // holds one value for all lanes, in the caller's register file.
  std::array<const double*, 256> lane{};
  std::array<double*, 256> owned{};
  std::array<bool, 256> dirty{};
  // The codes whose entries above are set, to reset them after the chunk.
  std::array<uint8_t, 256> touched{};
  std::array<bool, 256> isTouched{};
  int touchedCount = 0;

  // For a series of rows that differ only in one register (the y of an implicit plot's
  // rows), the lane steps that do not depend on it, run once over the row's inputs. All
  // their values are checked, with the faults in `poison`; each keeps its own buffer (the
  // first `buffersUsed`), which the rows only read.
  struct RowCache {
    bool ready = false;
    int buffersUsed = 0;
    bool faults = false;                                // some lane of `poison` is noted
    std::array<const double*, kStepsPerSlot> result{};  // per step; nullptr: not cached
    alignas(64) double poison[kLanes];
  } rows;
};

}  // namespace quorvel
