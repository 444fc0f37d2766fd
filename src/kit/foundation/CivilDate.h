#pragma once

#include <cstdint>

// Days of the proleptic Gregorian calendar, counted from 1970-01-01 in both directions: no zone
// and no clock, so any year from 1 to 9999 and beyond is exact.
namespace kit::foundation {

inline constexpr std::int64_t kSecondsPerDay = 86400;

struct CivilDate {
  int year = 1970;
  int month = 1; // 1...12
  int day = 1;   // 1...31
};

// Rounds toward negative infinity, for days and periods before 1970 as well as after.
constexpr std::int64_t floorDiv(std::int64_t value, std::int64_t divisor) {
  std::int64_t quotient = value / divisor;
  return quotient * divisor > value ? quotient - 1 : quotient;
}

constexpr std::int64_t ceilDiv(std::int64_t value, std::int64_t divisor) {
  return -floorDiv(-value, divisor);
}

// Days since 1970-01-01, and back.
std::int64_t dayNumberOf(CivilDate date);
CivilDate civilDateOf(std::int64_t dayNumber);

// 0 for Monday through 6 for Sunday.
int weekdayOf(std::int64_t dayNumber);

bool isLeapYear(int year);
int daysInMonth(int year, int month);
int daysInYear(int year);

} // namespace kit::foundation
