#pragma once
// A small pool of threads, started once, that runs the bands of one job at a time: the
// calling thread takes bands too and returns when every band is done. With one thread the
// caller runs every band itself and no thread is ever started.

#include <condition_variable>
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
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable finished_;
  const std::function<void(int, int)>* work_ = nullptr;
  int bands_ = 0;
  int nextBand_ = 0;
  int unfinished_ = 0;
  unsigned generation_ = 0;
  bool stopping_ = false;
};

}  // namespace quorvel
