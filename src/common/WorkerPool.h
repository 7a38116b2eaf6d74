#pragma once
// A small pool of threads, started once, that runs the bands of one job at a time: the
// calling thread takes bands too and returns when every band is done. With one thread the
// caller runs every band itself and no thread is ever started.
//
// Jobs come in bursts (a redraw plots every implicit slot in two passes, and dragging redraws
// many times a second), so a worker keeps looking for the next job for a fraction of a
// millisecond before it sleeps: waking a sleeping thread can cost more than a pass.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace quorvel {

class WorkerPool {
 public:
  // `threads` counts the caller; 0 takes the machine's hardware threads.
  explicit WorkerPool(int threads = 0);
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  int size() const { return threads_; }

  // Runs work(band, thread) for band = 0..bands-1, each exactly once, spread over the threads;
  // `thread` (0..size()-1) tells which thread runs it, for scratch of its own.
  void run(int bands, const std::function<void(int band, int thread)>& work);

 private:
  void serve(int thread);
  void takeBands(int thread);

  int threads_;
  std::vector<std::thread> workers_;
  // The job: set before its bands are published, read only by a thread that has taken one
  // of them (the job cannot end, and no other job start, before that band is done).
  std::atomic<const std::function<void(int, int)>*> work_{nullptr};
  // The job's band count (high half) and its next band (low half) in one word, taken by
  // compare-and-swap on the word as it stands: a thread left over from the previous job
  // can never take a band number beyond the new job's count, nor one taken already.
  std::atomic<uint64_t> bands_{0};
  std::atomic<int> unfinished_{0};
  std::atomic<unsigned> generation_{0};
  std::atomic<bool> stopping_{false};
  std::mutex mutex_;  // for sleeping workers only
  std::condition_variable wake_;
  int sleeping_ = 0;
};

}  // namespace quorvel
