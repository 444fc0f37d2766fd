#include "kit/foundation/CivilDate.h"

namespace kit::foundation {

// Days counted in 400-year eras that start on 1 March, so the leap day ends each year.
std::int64_t dayNumberOf(CivilDate date) {
  std::int64_t year = date.month <= 2 ? std::int64_t{date.year} - 1 : date.year;
  std::int64_t era = floorDiv(year, 400);
  std::int64_t yearOfEra = year - era * 400;
  std::int64_t dayOfYear =
      (153 * (date.month > 2 ? date.month - 3 : date.month + 9) + 2) / 5 + date.day - 1;
  std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

CivilDate civilDateOf(std::int64_t dayNumber) {
  std::int64_t days = dayNumber + 719468;
  std::int64_t era = floorDiv(days, 146097);
  std::int64_t dayOfEra = days - era * 146097;
  std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  auto year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day};
}

int weekdayOf(std::int64_t dayNumber) {
  // 1970-01-01 was a Thursday.
  return static_cast<int>(dayNumber + 3 - floorDiv(dayNumber + 3, 7) * 7);
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

int daysInYear(int year) { return isLeapYear(year) ? 366 : 365; }

} // namespace kit::foundation
