#pragma once

#include <gtest/gtest.h>
#include <set>
#include <thread>
#include <vector>

namespace zavel::test {

// Calls `get` (which returns a reference to a value built on first use) from several threads at
// once and checks that all of them see the one same value.
template <class Get> void expectBuiltOnceAndShared(Get get) {
  constexpr int kThreads = 8;
  std::vector<const void *> seen(kThreads);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i)
    threads.emplace_back([&, i] { seen[i] = &get(); });
  for (auto &thread : threads)
    thread.join();
  EXPECT_EQ(std::set<const void *>(seen.begin(), seen.end()).size(), 1u);
  EXPECT_EQ(static_cast<const void *>(&get()), seen.front());
}

} // namespace zavel::test
