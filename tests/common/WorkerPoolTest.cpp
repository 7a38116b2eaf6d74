// The worker pool runs every band of a job exactly once, on a thread index nobody else is
// using at that moment, and returns only when all of them are done, also when jobs follow
// each other as fast as a drag makes them.

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "common/WorkerPool.h"

namespace quorvel {
namespace {

TEST(WorkerPool, OneThreadRunsEverythingOnTheCaller) {
  WorkerPool pool(1);
  EXPECT_EQ(pool.size(), 1);
  const std::thread::id caller = std::this_thread::get_id();
  std::vector<int> order;
  pool.run(5, [&](int band, int thread) {
    EXPECT_EQ(std::this_thread::get_id(), caller);
    EXPECT_EQ(thread, 0);
    order.push_back(band);
  });
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
  pool.run(0, [&](int, int) { ADD_FAILURE() << "no bands, no calls"; });
}

TEST(WorkerPool, EveryBandOnceAndDoneBeforeRunReturns) {
  for (int threads : {2, 3, 5}) {
    WorkerPool pool(threads);
    ASSERT_EQ(pool.size(), threads);
    std::vector<std::atomic<bool>> busy(threads);
    int failures = 0;
    for (int job = 0; job < 20000 && failures == 0; ++job) {
      const int bands = 1 + job % 9;
      // Fresh for every job: a band of an old job still running, or run twice, shows here.
      auto runs = std::make_unique<std::atomic<int>[]>(bands);
      pool.run(bands, [&](int band, int thread) {
        ++runs[band];
        if (thread < 0 || thread >= threads) {
          ++runs[band];  // counted as a fault below
          return;
        }
        if (busy[thread].exchange(true)) ++runs[band];  // two bands on one thread's scratch
        busy[thread] = false;
      });
      for (int band = 0; band < bands; ++band) {
        if (runs[band].load() != 1) ++failures;
      }
    }
    EXPECT_EQ(failures, 0) << threads << " threads";
  }
}

}  // namespace
}  // namespace quorvel
