#include "kit/foundation/Calendar.h"

#include <cmath>
#include <unicode/calendar.h>
#include <unicode/gregocal.h>

namespace kit::foundation {

namespace {

UDate udate(Date date) { return date.unixTime() * 1000.0; }

Date dateOf(const icu::Calendar &calendar, Date fallback) {
  UErrorCode status = U_ZERO_ERROR;
  UDate time = calendar.getTime(status);
  return U_FAILURE(status) ? fallback : Date::fromUnixTime(time / 1000.0);
}

int field(const icu::Calendar &calendar, UCalendarDateFields which) {
  UErrorCode status = U_ZERO_ERROR;
  int value = calendar.get(which, status);
  return U_FAILURE(status) ? 0 : value;
}

std::shared_ptr<const icu::Calendar> prepared(icu::Calendar *calendar) {
  if (calendar) {
    calendar->setRepeatedWallTimeOption(UCAL_WALLTIME_FIRST);
    calendar->setSkippedWallTimeOption(UCAL_WALLTIME_NEXT_VALID);
  }
  return std::shared_ptr<const icu::Calendar>(calendar);
}

void setTimeOfDay(icu::Calendar &calendar, int hour, int minute, int second) {
  calendar.set(UCAL_HOUR_OF_DAY, hour);
  calendar.set(UCAL_MINUTE, minute);
  calendar.set(UCAL_SECOND, second);
  calendar.set(UCAL_MILLISECOND, 0);
}

} // namespace

Calendar::Calendar(std::shared_ptr<const icu::Calendar> prototype, TimeZone zone)
    : prototype_(std::move(prototype)), zone_(std::move(zone)) {}

Calendar Calendar::gregorian(const TimeZone &zone) {
  UErrorCode status = U_ZERO_ERROR;
  auto *calendar = new icu::GregorianCalendar(zone.icuZone(), Locale::posix().icuLocale(), status);
  return Calendar(prepared(calendar), zone);
}

Calendar Calendar::forLocale(const Locale &locale, const TimeZone &zone) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Calendar> calendar(
      icu::Calendar::createInstance(zone.icuZone(), locale.icuLocale(), status));
  if (U_FAILURE(status) || !calendar)
    return gregorian(zone);
  return Calendar(prepared(calendar.release()), zone);
}

Calendar Calendar::current() { return forLocale(Locale::current(), TimeZone::current()); }

std::unique_ptr<icu::Calendar> Calendar::at(Date date) const {
  std::unique_ptr<icu::Calendar> calendar(prototype_->clone());
  UErrorCode status = U_ZERO_ERROR;
  calendar->setTime(udate(date), status);
  return calendar;
}

Date Calendar::startOfDay(Date date) const {
  auto calendar = at(date);
  setTimeOfDay(*calendar, 0, 0, 0);
  return dateOf(*calendar, date);
}

Date Calendar::startOfMinute(Date date) const {
  // Rebuilding the wall time with zero seconds would pick the first of two repeated hours. The
  // reference date is a whole minute of UTC, so local minutes start at multiples of 60.
  int offset = zone_.secondsFromGMT(date);
  double local = date.secondsSinceReferenceDate + offset;
  return Date{60 * std::floor(local / 60) - offset};
}

Date Calendar::addingDays(int days, Date date) const {
  auto calendar = at(date);
  UErrorCode status = U_ZERO_ERROR;
  calendar->add(UCAL_DATE, days, status);
  return U_FAILURE(status) ? date : dateOf(*calendar, date);
}

Date Calendar::startOfWeekStartingMonday(Date date) const {
  Date dayStart = startOfDay(date);
  int daysSinceMonday = (components(dayStart).weekday - UCAL_MONDAY + 7) % 7;
  // Stepping back whole days from a midnight, then taking that day's start, stays right on days
  // whose midnight does not exist.
  return startOfDay(addingDays(-daysSinceMonday, dayStart));
}

Date Calendar::dateBySettingTime(int hour, int minute, int second, Date date) const {
  auto calendar = at(date);
  setTimeOfDay(*calendar, hour, minute, second);
  return dateOf(*calendar, date);
}

Date Calendar::date(int year, int month, int day, int hour, int minute, int second) const {
  std::unique_ptr<icu::Calendar> calendar(prototype_->clone());
  calendar->clear();
  calendar->set(year, month - 1, day, hour, minute, second);
  return dateOf(*calendar, Date{});
}

DateComponents Calendar::components(Date date) const {
  auto calendar = at(date);
  return {field(*calendar, UCAL_YEAR),       field(*calendar, UCAL_MONTH) + 1,
          field(*calendar, UCAL_DATE),       field(*calendar, UCAL_HOUR_OF_DAY),
          field(*calendar, UCAL_MINUTE),     field(*calendar, UCAL_SECOND),
          field(*calendar, UCAL_DAY_OF_WEEK)};
}

int Calendar::dayOfYear(Date date) const { return field(*at(date), UCAL_DAY_OF_YEAR); }

int Calendar::daysInYear(Date date) const {
  UErrorCode status = U_ZERO_ERROR;
  int days = at(date)->getActualMaximum(UCAL_DAY_OF_YEAR, status);
  return U_FAILURE(status) ? 0 : days;
}

int Calendar::daysInMonth(Date date) const {
  UErrorCode status = U_ZERO_ERROR;
  int days = at(date)->getActualMaximum(UCAL_DATE, status);
  return U_FAILURE(status) ? 0 : days;
}

int Calendar::daysBetween(Date from, Date to) const {
  // Day numbers, not a field difference of day starts: stepping a day from a start at 01:00
  // (a midnight that does not exist) lands past the next day's start at 00:00.
  return field(*at(to), UCAL_JULIAN_DAY) - field(*at(from), UCAL_JULIAN_DAY);
}

int64_t Calendar::dayOfEra(Date date) const {
  auto calendar = at(date);
  int era = field(*calendar, UCAL_ERA);
  int64_t julianDay = field(*calendar, UCAL_JULIAN_DAY);
  // Year 1 of the era with no month or day set is the era's first day.
  calendar->clear();
  calendar->set(UCAL_ERA, era);
  calendar->set(UCAL_YEAR, 1);
  UErrorCode status = U_ZERO_ERROR;
  int64_t firstDay = calendar->get(UCAL_JULIAN_DAY, status);
  return U_FAILURE(status) ? 0 : julianDay - firstDay + 1;
}

} // namespace kit::foundation
