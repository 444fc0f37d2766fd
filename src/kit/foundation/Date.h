#pragma once

#include <compare>

namespace kit::foundation {

// A point in time, as seconds since 2001-01-01 00:00:00 UTC: the form every stored record uses.
struct Date {
  double secondsSinceReferenceDate = 0;

  // Seconds from the Unix epoch to the reference date.
  static constexpr double unixEpochOffset = 978307200.0;

  static constexpr Date fromUnixTime(double seconds) { return Date{seconds - unixEpochOffset}; }
  constexpr double unixTime() const { return secondsSinceReferenceDate + unixEpochOffset; }

  constexpr Date addingTimeInterval(double seconds) const {
    return Date{secondsSinceReferenceDate + seconds};
  }
  constexpr double timeIntervalSince(Date other) const {
    return secondsSinceReferenceDate - other.secondsSinceReferenceDate;
  }

  auto operator<=>(const Date &) const = default;
};

} // namespace kit::foundation
