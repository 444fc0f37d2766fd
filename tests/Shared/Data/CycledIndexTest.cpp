#include "Shared/Data/CycledIndex.h"

#include <gtest/gtest.h>

#include <limits>

namespace zavel {
namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

TEST(CycledIndex, ShownPositionsStayInRangeWhateverIsStoredWithoutOverflowing) {
  struct Case {
    int64_t index, count, position;
  } positions[] = {{9, 3, 2}, {-4, 3, 0}, {kMax, 5, 4}, {kMin, 5, 0}, {5, 0, 0}};
  for (const auto &c : positions)
    EXPECT_EQ(shownIndex(c.index, c.count), c.position) << c.index << "/" << c.count;
}

TEST(CycledIndex, StepsAroundTheListFromThePositionShownWithoutOverflowing) {
  struct Step {
    int64_t index, step, count, next;
  } steps[] = {
      {4, 1, 5, 0},
      {0, -1, 5, 4},
      {3, -13, 5, 0},
      {2, 0, 5, 2},
      {6, 3, 0, 0},
      {9, 2, -3, 0},
      {0, kMax, 1, 0},
      // Stored past the end (a list that shrank) or below the start: the step starts from the
      // last or the first shown.
      {40, 1, 8, 0},
      {40, -1, 8, 6},
      {-3, 1, 8, 1},
      {-3, -1, 8, 7},
      // 2^63 - 1 is a multiple of 7; -2^63 leaves 2 after a multiple of 5.
      {kMax, kMax, 7, 6},
      {kMin, kMin, 5, 2},
  };
  for (const auto &c : steps)
    EXPECT_EQ(cycledIndex(c.index, c.step, c.count), c.next)
        << c.index << " + " << c.step << " in " << c.count;
}

} // namespace
} // namespace zavel
