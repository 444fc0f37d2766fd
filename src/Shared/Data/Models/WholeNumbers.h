#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Stored and computed figures become whole numbers here; values beyond the integer range stop at
// its ends instead of overflowing, and a number that is not a number counts as 0.
namespace zavel {

namespace detail {
inline int64_t saturatedWhole(double whole) {
  // 2^63 is the first double beyond the range; -2^63 is inside it.
  constexpr double limit = 9223372036854775808.0;
  if (std::isnan(whole))
    return 0;
  if (whole >= limit)
    return std::numeric_limits<int64_t>::max();
  if (whole < -limit)
    return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(whole);
}
} // namespace detail

// The fraction dropped (toward zero).
inline int64_t wholeTruncated(double value) { return detail::saturatedWhole(std::trunc(value)); }

// The nearest whole number, halves away from zero.
inline int64_t wholeRounded(double value) { return detail::saturatedWhole(std::round(value)); }

// a + b, stopping at the ends of the range.
inline int64_t saturatingSum(int64_t a, int64_t b) {
  int64_t sum = 0;
  if (!__builtin_add_overflow(a, b, &sum))
    return sum;
  return b > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}

} // namespace zavel
