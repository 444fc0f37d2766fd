#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace kit::system {

// Counters from the kernel are trusted for nothing: sums and products stop at the largest value.

constexpr std::uint64_t saturatingAdd(std::uint64_t a, std::uint64_t b) {
  std::uint64_t sum = a + b;
  return sum < a ? std::numeric_limits<std::uint64_t>::max() : sum;
}

constexpr std::uint64_t saturatingMultiply(std::uint64_t a, std::uint64_t b) {
  std::uint64_t product = 0;
  return __builtin_mul_overflow(a, b, &product) ? std::numeric_limits<std::uint64_t>::max()
                                                : product;
}

// Nearest integer, halves away from zero, clamped to the int range; NaN gives 0.
inline int saturatingRound(double value) {
  if (std::isnan(value))
    return 0;
  double rounded = std::round(value);
  if (rounded >= static_cast<double>(std::numeric_limits<int>::max()))
    return std::numeric_limits<int>::max();
  if (rounded <= static_cast<double>(std::numeric_limits<int>::min()))
    return std::numeric_limits<int>::min();
  return static_cast<int>(rounded);
}

} // namespace kit::system
