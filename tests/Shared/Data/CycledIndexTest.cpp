#include "Shared/Data/CycledIndex.h"

#include <gtest/gtest.h>

#include <limits>

namespace zavel {
namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

TEST(CycledIndex, StepsAroundTheListFromAnyStoredPositionWithoutOverflowing) {
  struct Step {
    int64_t index, step, count, next;
  } steps[] = {
      {4, 1, 5, 0}, {0, -1, 5, 4},      {3, -13, 5, 0}, {2, 0, 5, 2},  {kMax, kMax, 7, 0},
      {6, 3, 0, 0}, {kMin, kMin, 5, 4}, {-7, 1, 5, 4},  {9, 2, -3, 0}, {0, kMax, 1, 0},
  };
  for (const auto &c : steps)
    EXPECT_EQ(cycledIndex(c.index, c.step, c.count), c.next)
        << c.index << " + " << c.step << " in " << c.count;
}

} // namespace
} // namespace zavel
