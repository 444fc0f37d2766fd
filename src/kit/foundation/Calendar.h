#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/Locale.h"
#include "kit/foundation/TimeZone.h"

#include <cstdint>
#include <memory>

U_NAMESPACE_BEGIN
class Calendar;
U_NAMESPACE_END

namespace kit::foundation {

// The fields of a date in one calendar and zone.
struct DateComponents {
  int year = 0;
  int month = 0; // 1…12 (13 in calendars with a leap month)
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int weekday = 0; // 1 = Sunday … 7 = Saturday
  bool operator==(const DateComponents &) const = default;
};

// Calendar arithmetic in one calendar system and zone. A wall time that occurs twice resolves to
// its first occurrence, one that is skipped to the next valid time. Immutable; every call works
// on its own copy, so one instance may be used from any thread.
class Calendar {
public:
  // The Gregorian calendar in `zone`.
  static Calendar gregorian(const TimeZone &zone);
  // The locale's own calendar system (Buddhist for th_TH, …) in `zone`.
  static Calendar forLocale(const Locale &locale, const TimeZone &zone);
  // The current locale's calendar in the current zone.
  static Calendar current();

  const TimeZone &timeZone() const { return zone_; }

  // The first moment of the date's local day.
  Date startOfDay(Date date) const;
  // The first moment of the minute the date's clock shows, found on absolute time: stays in the
  // same occurrence of a repeated hour, and holds in zones whose offset has seconds.
  Date startOfMinute(Date date) const;
  // The same wall time `days` calendar days away.
  Date addingDays(int days, Date date) const;
  // The first moment of the Monday that starts the date's week.
  Date startOfWeekStartingMonday(Date date) const;
  // The date's local day at the given wall time.
  Date dateBySettingTime(int hour, int minute, int second, Date date) const;
  // The moment of the given fields; fields beyond their range carry over (month 13 is January).
  Date date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) const;

  DateComponents components(Date date) const;
  int year(Date date) const { return components(date).year; }
  int dayOfYear(Date date) const;
  int daysInYear(Date date) const;
  // The number of days in the date's month (29 for a leap February).
  int daysInMonth(Date date) const;
  // Whole local days from `from`'s day to `to`'s, whatever the hours of those days (a day with a
  // clock change counts as one); negative when `to` is earlier.
  int daysBetween(Date from, Date to) const;
  // The running number of the date's day in its era; the era's first day is 1.
  int64_t dayOfEra(Date date) const;

  const icu::Calendar &icuCalendar() const { return *prototype_; }

private:
  Calendar(std::shared_ptr<const icu::Calendar> prototype, TimeZone zone);
  std::unique_ptr<icu::Calendar> at(Date date) const;

  std::shared_ptr<const icu::Calendar> prototype_;
  TimeZone zone_;
};

} // namespace kit::foundation
