#include "kit/foundation/Saturating.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace kit::foundation {
namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
constexpr uint64_t kUnsignedMax = std::numeric_limits<uint64_t>::max();
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

TEST(Saturating, SumsAndProductsStopAtTheEndTheyPassed) {
  static_assert(saturatingAdd<int64_t>(kMax, 1) == kMax);
  EXPECT_EQ(saturatingAdd<int64_t>(kMax - 1, 1), kMax);
  EXPECT_EQ(saturatingAdd<int64_t>(kMin, -1), kMin);
  EXPECT_EQ(saturatingAdd<int64_t>(kMax, kMin), -1);
  EXPECT_EQ(saturatingAdd<uint64_t>(kUnsignedMax, 1), kUnsignedMax);
  EXPECT_EQ(saturatingAdd<uint64_t>(40, 2), 42u);

  EXPECT_EQ(saturatingMultiply<int64_t>(kMax, 2), kMax);
  EXPECT_EQ(saturatingMultiply<int64_t>(kMin, -1), kMax);
  EXPECT_EQ(saturatingMultiply<int64_t>(kMax, -2), kMin);
  EXPECT_EQ(saturatingMultiply<int64_t>(-3, kMax), kMin);
  EXPECT_EQ(saturatingMultiply<int64_t>(-6, 7), -42);
  EXPECT_EQ(saturatingMultiply<uint64_t>(uint64_t{1} << 40, 1024), uint64_t{1} << 50);
  EXPECT_EQ(saturatingMultiply<uint64_t>(uint64_t{1} << 60, 1024), kUnsignedMax);
}

TEST(Saturating, WholeNumbersOfDoublesStayInTheirTypesRangeAndNaNIsZero) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    int64_t truncated, rounded;
    int roundedInt;
  } cases[] = {
      {2.5, 2, 3, 3},
      {-2.5, -2, -3, -3},
      {-0.4, 0, 0, 0},
      {1e300, kMax, kMax, kIntMax},
      {-1e300, kMin, kMin, kIntMin},
      {inf, kMax, kMax, kIntMax},
      {-inf, kMin, kMin, kIntMin},
      {std::nan(""), 0, 0, 0},
      // 2^63 is one past the largest int64_t; -2^63 is the smallest.
      {9223372036854775808.0, kMax, kMax, kIntMax},
      {-9223372036854775808.0, kMin, kMin, kIntMin},
      {2147483647.6, 2147483647, 2147483648, kIntMax},
      {-2147483648.6, -2147483648, -2147483649, kIntMin},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(wholeTruncated(c.value), c.truncated) << c.value;
    EXPECT_EQ(wholeRounded(c.value), c.rounded) << c.value;
    EXPECT_EQ(wholeRounded<int>(c.value), c.roundedInt) << c.value;
  }
}

} // namespace
} // namespace kit::foundation
