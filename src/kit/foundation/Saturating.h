#pragma once

#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>
#include <type_traits>

// Arithmetic on figures that come from outside (stored records, fetched answers, the kernel's
// counters): a result beyond its type's range stops at the end it passed, and a number that is
// not a number counts as 0, so no input gives undefined behaviour.
namespace kit::foundation {

// a + b.
template <std::integral T> constexpr T saturatingAdd(T a, std::type_identity_t<T> b) {
  T sum{};
  if (!__builtin_add_overflow(a, b, &sum))
    return sum;
  return b > 0 ? std::numeric_limits<T>::max() : std::numeric_limits<T>::min();
}

// a × b.
template <std::integral T> constexpr T saturatingMultiply(T a, std::type_identity_t<T> b) {
  T product{};
  if (!__builtin_mul_overflow(a, b, &product))
    return product;
  if constexpr (std::is_signed_v<T>) {
    if ((a < 0) != (b < 0))
      return std::numeric_limits<T>::min();
  }
  return std::numeric_limits<T>::max();
}

// A double that holds a whole number, as a T.
template <std::integral T> T saturatedWhole(double whole) {
  if (std::isnan(whole))
    return 0;
  // The limits as doubles: 2^63 for int64_t's largest is the first double past the range.
  if (whole >= static_cast<double>(std::numeric_limits<T>::max()))
    return std::numeric_limits<T>::max();
  if (whole <= static_cast<double>(std::numeric_limits<T>::min()))
    return std::numeric_limits<T>::min();
  return static_cast<T>(whole);
}

// The fraction dropped (toward zero).
template <std::integral T = std::int64_t> T wholeTruncated(double value) {
  return saturatedWhole<T>(std::trunc(value));
}

// The nearest whole number, halves away from zero.
template <std::integral T = std::int64_t> T wholeRounded(double value) {
  return saturatedWhole<T>(std::round(value));
}

} // namespace kit::foundation
