#include "common/WorkerPool.h"

#include <algorithm>
#include <chrono>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quorvel {
namespace {

constexpr auto kSpinBeforeSleep = std::chrono::microseconds(300);

void pause() {
#if defined(__SSE2__)
  _mm_pause();
#else
  std::this_thread::yield();
#endif
}

}  // namespace

WorkerPool::WorkerPool(int threads)
    : threads_(threads > 0 ? threads
                           : std::max(1, static_cast<int>(std::thread::hardware_concurrency()))) {
  for (int t = 1; t < threads_; ++t)
    workers_.emplace_back([this, t] { serve(t); });
}

WorkerPool::~WorkerPool() {
  {
    std::lock_guard lock(mutex_);
    stopping_.store(true);
  }
  wake_.notify_all();
  for (std::thread& worker : workers_)
    worker.join();
}

void WorkerPool::run(int bands, const std::function<void(int band, int thread)>& work) {
  if (bands <= 0) return;
  if (workers_.empty()) {
    for (int band = 0; band < bands; ++band)
      work(band, 0);
    return;
  }
  work_.store(&work);
  unfinished_.store(bands);
  bands_.store(static_cast<uint64_t>(bands) << 32);  // from here on a band may be taken
  generation_.fetch_add(1);
  {
    std::lock_guard lock(mutex_);
    if (sleeping_ > 0) wake_.notify_all();
  }
  takeBands(0);
  while (unfinished_.load() != 0)
    pause();
}

void WorkerPool::takeBands(int thread) {
  uint64_t bands = bands_.load();
  for (;;) {
    const auto next = static_cast<uint32_t>(bands);
    if (next >= bands >> 32) return;
    // Fails, reloading `bands`, when another thread took this band or a new job began.
    if (!bands_.compare_exchange_weak(bands, bands + 1)) continue;
    (*work_.load())(static_cast<int>(next), thread);
    unfinished_.fetch_sub(1);
    bands = bands_.load();
  }
}

void WorkerPool::serve(int thread) {
  unsigned seen = 0;
  for (;;) {
    // Look for the next job a little while, then sleep until one comes.
    const auto until = std::chrono::steady_clock::now() + kSpinBeforeSleep;
    for (int i = 0; generation_.load() == seen && !stopping_.load(); ++i) {
      if (i % 64 == 63 && std::chrono::steady_clock::now() > until) {
        std::unique_lock lock(mutex_);
        ++sleeping_;
        wake_.wait(lock, [&] { return stopping_.load() || generation_.load() != seen; });
        --sleeping_;
        break;
      }
      pause();
    }
    if (stopping_.load()) return;
    seen = generation_.load();
    takeBands(thread);
  }
}

}  // namespace quorvel
