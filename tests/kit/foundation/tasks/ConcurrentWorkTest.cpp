#include "kit/foundation/tasks/ConcurrentWork.h"

#include <algorithm>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace kit::foundation {
namespace {

// Every position is worked once, whatever the width, and no more threads than the width run the
// work at the same time.
TEST(ConcurrentWork, EveryPositionRunsOnceWithinTheWidth) {
  struct Case {
    std::size_t count;
    std::size_t width;
  };
  for (auto c : {Case{0, 4}, Case{1, 4}, Case{5, 0}, Case{5, 1}, Case{40, 3}, Case{3, 40}}) {
    std::vector<std::atomic<int>> runs(c.count);
    std::atomic<std::size_t> running = 0;
    std::atomic<std::size_t> most = 0;
    forEachConcurrently(c.count, c.width, [&](std::size_t position) {
      std::size_t now = ++running;
      std::size_t seen = most.load();
      while (now > seen && !most.compare_exchange_weak(seen, now)) {
      }
      std::this_thread::yield();
      ++runs[position];
      --running;
    });
    for (std::size_t position = 0; position < c.count; ++position)
      EXPECT_EQ(runs[position].load(), 1) << c.count << " by " << c.width << " at " << position;
    EXPECT_LE(most.load(), std::max<std::size_t>(c.width, 1)) << c.count << " by " << c.width;
  }
}

// A width of one (or none) keeps the work on the caller's thread.
TEST(ConcurrentWork, NarrowWorkStaysOnTheCallersThread) {
  for (std::size_t width : {0, 1}) {
    std::vector<std::thread::id> threads;
    forEachConcurrently(3, width,
                        [&](std::size_t) { threads.push_back(std::this_thread::get_id()); });
    EXPECT_EQ(threads, std::vector<std::thread::id>(3, std::this_thread::get_id())) << width;
  }
}

} // namespace
} // namespace kit::foundation
