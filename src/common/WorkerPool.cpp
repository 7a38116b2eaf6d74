#include "common/WorkerPool.h"

#include <algorithm>

namespace quorvel {

WorkerPool::WorkerPool(int threads)
    : threads_(threads > 0 ? threads
                           : std::max(1, static_cast<int>(std::thread::hardware_concurrency()))) {
  for (int t = 1; t < threads_; ++t)
    workers_.emplace_back([this, t] { serve(t); });
}

WorkerPool::~WorkerPool() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
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
  {
    std::lock_guard lock(mutex_);
    work_ = &work;
    bands_ = bands;
    nextBand_ = 0;
    unfinished_ = bands;
    ++generation_;
  }
  wake_.notify_all();
  takeBands(0);
  std::unique_lock lock(mutex_);
  finished_.wait(lock, [this] { return unfinished_ == 0; });
  work_ = nullptr;
}

// Takes bands until none is left.
void WorkerPool::takeBands(int thread) {
  for (;;) {
    int band = 0;
    const std::function<void(int, int)>* work = nullptr;
    {
      std::lock_guard lock(mutex_);
      if (work_ == nullptr || nextBand_ >= bands_) return;
      band = nextBand_++;
      work = work_;
    }
    (*work)(band, thread);
    std::lock_guard lock(mutex_);
    if (--unfinished_ == 0) finished_.notify_one();
  }
}

void WorkerPool::serve(int thread) {
  unsigned seen = 0;
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
      if (stopping_) return;
      seen = generation_;
    }
    takeBands(thread);
  }
}

}  // namespace quorvel
