#include "kit/system/MemoryUsage.h"
#include "kit/system/ProcessorTicks.h"

#include "support/ScratchTree.h"

#include <gtest/gtest.h>

using kit::system::MemoryUsage;
using kit::system::ProcessorTicks;
using kit::system::readMemoryUsage;
using kit::system::readProcessorTicks;
using test_support::ScratchTree;

TEST(ProcessorTicks, FoldsTheKernelStatesIntoFour) {
  struct Case {
    const char *stat;
    std::optional<ProcessorTicks> expected;
  } cases[] = {
      // user nice system idle iowait irq softirq steal guest guest_nice
      {"cpu  100 20 300 4000 50 6 7 8 90 10\ncpu0 1 2 3 4 5 6 7 8 9 10\nintr 1 2\n",
       ProcessorTicks{.user = 100, .nice = 20, .system = 321, .idle = 4050}},
      {"cpu0 1 1 1 1\ncpu  10 20 30 40\n",
       ProcessorTicks{.user = 10, .nice = 20, .system = 30, .idle = 40}},
      {"cpu  18446744073709551615 0 18446744073709551615 5 0 1 0 0\n",
       ProcessorTicks{.user = UINT64_MAX, .nice = 0, .system = UINT64_MAX, .idle = 5}},
      {"cpu  10 20 30\n", std::nullopt},
  };
  for (const auto &c : cases) {
    ScratchTree tree;
    tree.write("proc/stat", c.stat);
    EXPECT_EQ(readProcessorTicks(tree.root()), c.expected) << c.stat;
  }
  ScratchTree missing;
  missing.folder("proc/stat");
  EXPECT_EQ(readProcessorTicks(missing.root()), std::nullopt);
}

TEST(MemoryUsage, ReadsTotalAndAvailableInBytes) {
  struct Case {
    const char *meminfo;
    std::optional<MemoryUsage> expected;
  } cases[] = {
      {"MemTotal:       16000000 kB\nMemFree:  1000 kB\nMemAvailable:    4000000 kB\n",
       MemoryUsage{.totalBytes = 16384000000, .availableBytes = 4096000000}},
      // Older kernels: free + buffers + cached + reclaimable slab - shared memory.
      {"MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\nCached: 300 kB\nShmem: 40 kB\n"
       "SReclaimable: 10 kB\n",
       MemoryUsage{.totalBytes = 1024000, .availableBytes = 420 * 1024}},
      {"MemTotal: 1000 kB\nMemFree: 10 kB\nShmem: 40 kB\n",
       MemoryUsage{.totalBytes = 1024000, .availableBytes = 0}},
      {"MemTotal: 0 kB\n", std::nullopt},
      {"MemTotal: lots\n", std::nullopt},
  };
  for (const auto &c : cases) {
    ScratchTree tree;
    tree.write("proc/meminfo", c.meminfo);
    EXPECT_EQ(readMemoryUsage(tree.root()), c.expected) << c.meminfo;
  }
}

TEST(MemoryUsage, UsedNeverGoesBelowZero) {
  EXPECT_EQ((MemoryUsage{.totalBytes = 100, .availableBytes = 30}).usedBytes(), 70u);
  EXPECT_EQ((MemoryUsage{.totalBytes = 100, .availableBytes = 300}).usedBytes(), 0u);
}
