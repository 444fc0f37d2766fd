#include "kit/events/IcalTime.h"

#include "kit/events/ZoneDefinitions.h"

#include <fmt/format.h>

#include <algorithm>
#include <climits>

namespace kit::events {

namespace {

using foundation::Date;

const Zone *zoneNamed(std::string_view tzid, const FileZones &zones) {
  if (auto *own = zones.named(tzid))
    return own;
  return systemZone(tzid);
}

int digitsAt(std::string_view text, std::size_t at, std::size_t count) {
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9')
      return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// The forms nearly every file writes, "20260310", "20260310T090000" and "20260310T090000Z",
// read without libical's scanf; none for any other form.
std::optional<icaltimetype> basicTime(std::string_view text) {
  bool isDate = text.size() == 8;
  bool utc = text.size() == 16 && text[15] == 'Z';
  if ((!isDate && text.size() != 15 && !utc) || (!isDate && text[8] != 'T'))
    return std::nullopt;
  icaltimetype time = icaltime_null_time();
  time.year = digitsAt(text, 0, 4);
  time.month = digitsAt(text, 4, 2);
  time.day = digitsAt(text, 6, 2);
  if (!isDate) {
    time.hour = digitsAt(text, 9, 2);
    time.minute = digitsAt(text, 11, 2);
    time.second = digitsAt(text, 13, 2);
  }
  if (time.year < 0 || time.month < 0 || time.day < 0 || time.hour < 0 || time.minute < 0 ||
      time.second < 0)
    return std::nullopt;
  time.is_date = isDate ? 1 : 0;
  if (utc)
    time.zone = icaltimezone_get_utc_timezone();
  return time;
}

// The last reading a time of the calendar may have: 9999-12-31 23:59:59.
const WallSeconds kLastWall = (dayNumberOf({9999, 12, 31}) + 1) * kSecondsPerDay - 1;

// A duration as written (RFC 5545 §3.3.6), its weeks counted as days, in numbers that hold every
// value exactly (libical keeps each in 32 bits and wraps a larger one); none when a number or
// the whole in seconds passes a signed 64-bit count.
struct ExactDuration {
  std::int64_t days = 0;
  std::int64_t seconds = 0;
};

std::optional<ExactDuration> exactDuration(std::string_view text) {
  ExactDuration exact;
  std::int64_t number = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      if (__builtin_mul_overflow(number, 10, &number) ||
          __builtin_add_overflow(number, c - '0', &number))
        return std::nullopt;
      continue;
    }
    if (c == 'W' || c == 'D' || c == 'H' || c == 'M' || c == 'S') {
      std::int64_t &total = c == 'W' || c == 'D' ? exact.days : exact.seconds;
      std::int64_t unit = c == 'W' ? 7 : c == 'H' ? 3600 : c == 'M' ? 60 : 1;
      std::int64_t part = 0;
      if (__builtin_mul_overflow(number, unit, &part) ||
          __builtin_add_overflow(total, part, &total))
        return std::nullopt;
    }
    number = 0;
  }
  std::int64_t whole = 0;
  if (__builtin_mul_overflow(exact.days, kSecondsPerDay, &whole) ||
      __builtin_add_overflow(whole, exact.seconds, &whole))
    return std::nullopt;
  return exact;
}

// The duration of the text from `start`; none when it is none, or passes a signed 64-bit count
// of seconds, or ends after the calendar's last day. Its days are kept as days, its time in hours
// and seconds, so that libical's 32-bit fields hold it.
std::optional<icaldurationtype> durationFrom(std::string_view text, const ZonedTime &start) {
  icaldurationtype duration = icaldurationtype_from_string(std::string(text).c_str());
  auto exact = exactDuration(text);
  if (icaldurationtype_is_bad_duration(duration) || !exact)
    return std::nullopt;
  if (!duration.is_neg &&
      exact->days * kSecondsPerDay + exact->seconds > kLastWall - wallSecondsOf(start.time))
    return std::nullopt;
  duration.weeks = 0;
  duration.days = static_cast<unsigned>(std::min<std::int64_t>(exact->days, UINT_MAX));
  duration.hours = static_cast<unsigned>(std::min<std::int64_t>(exact->seconds / 3600, UINT_MAX));
  duration.minutes = 0;
  duration.seconds = static_cast<unsigned>(exact->seconds % 3600);
  return duration;
}

ZonedTime zoned(icaltimetype time, const Property &property, const FileZones &zones) {
  ZonedTime result{.time = time, .zone = nullptr};
  if (!icaltime_is_utc(time) && !time.is_date && !property.tzid.empty())
    result.zone = zoneNamed(property.tzid, zones);
  return result;
}

// The moments the zone's clock may show a reading at: read with the offset before a change near
// it, and with the offset after.
struct Readings {
  std::int64_t withOffsetBefore;
  std::int64_t withOffsetAfter;
  bool showsBefore;
  bool showsAfter;
};

Readings readingsOf(WallSeconds reading, const Zone *zone) {
  Readings readings{.withOffsetBefore = reading - zone->offsetAt(reading - kSecondsPerDay),
                    .withOffsetAfter = reading - zone->offsetAt(reading + kSecondsPerDay),
                    .showsBefore = false,
                    .showsAfter = false};
  auto shows = [&](std::int64_t moment) { return moment + zone->offsetAt(moment) == reading; };
  readings.showsBefore = shows(readings.withOffsetBefore);
  readings.showsAfter = shows(readings.withOffsetAfter);
  return readings;
}

} // namespace

// Which of a day and a time it is follows from its form.
std::optional<icaltimetype> timeIn(std::string_view text) {
  auto basic = basicTime(text);
  icaltimetype time = basic ? *basic : icaltime_from_string(std::string(text).c_str());
  if (icaltime_is_null_time(time) || !icaltime_is_valid_time(time))
    return std::nullopt;
  return time;
}

WallSeconds wallSecondsOf(const icaltimetype &time) {
  WallSeconds midnight = dayNumberOf({time.year, time.month, time.day}) * kSecondsPerDay;
  return time.is_date ? midnight : midnight + time.hour * 3600 + time.minute * 60 + time.second;
}

icaltimetype timeAt(WallSeconds wall, icaltimetype like) {
  std::int64_t day = floorDiv(wall, kSecondsPerDay);
  CivilDate date = civilDateOf(day);
  like.year = date.year;
  like.month = date.month;
  like.day = date.day;
  if (!like.is_date) {
    auto time = static_cast<int>(wall - day * kSecondsPerDay);
    like.hour = time / 3600;
    like.minute = time / 60 % 60;
    like.second = time % 60;
  }
  return like;
}

const Zone *effectiveZone(const ZonedTime &time, const Zone *local) {
  if (icaltime_is_utc(time.time))
    return utcZone();
  return time.zone ? time.zone : local;
}

std::optional<ZonedTime> zonedTimeOf(const Property &property, const FileZones &zones) {
  auto time = property.periodValue ? std::nullopt : timeIn(property.value);
  if (!time)
    return std::nullopt;
  return zoned(*time, property, zones);
}

std::optional<ZonedPeriod> zonedPeriodOf(const Property &property, const FileZones &zones) {
  if (!property.periodValue)
    return std::nullopt;
  icalperiodtype period = icalperiodtype_from_string(std::string(property.value).c_str());
  if (icalperiodtype_is_null_period(period) || icaltime_is_null_time(period.start) ||
      !icaltime_is_valid_time(period.start))
    return std::nullopt;
  ZonedPeriod result{.start = zoned(period.start, property, zones),
                     .end = std::nullopt,
                     .duration = period.duration};
  if (!icaltime_is_null_time(period.end) && icaltime_is_valid_time(period.end)) {
    result.end = zoned(period.end, property, zones);
    return result;
  }
  std::size_t slash = property.value.find('/');
  auto duration = slash == std::string_view::npos
                      ? std::nullopt
                      : durationFrom(property.value.substr(slash + 1), result.start);
  if (!duration)
    return std::nullopt;
  result.duration = *duration;
  return result;
}

std::optional<icaldurationtype> durationOf(const Property &property, const ZonedTime &start) {
  return durationFrom(property.value, start);
}

bool holdsTime(const Property &property) {
  return !property.periodValue && timeIn(property.value).has_value();
}

Date instantOf(const ZonedTime &time, const Zone *local) {
  const Zone *zone = effectiveZone(time, local);
  WallSeconds reading = wallSecondsOf(time.time);
  if (zone == utcZone())
    return Date::fromUnixTime(static_cast<double>(reading));
  // RFC 5545 §3.3.5: a time the clock shows twice is the first of them, one it skips is read
  // with the offset in force before the change.
  Readings readings = readingsOf(reading, zone);
  std::int64_t moment = readings.withOffsetBefore;
  if (readings.showsAfter &&
      (!readings.showsBefore || readings.withOffsetAfter < readings.withOffsetBefore))
    moment = readings.withOffsetAfter;
  return Date::fromUnixTime(static_cast<double>(moment));
}

bool isShownTwice(const ZonedTime &time, const Zone *local) {
  const Zone *zone = effectiveZone(time, local);
  if (time.isDate() || zone == utcZone())
    return false;
  Readings readings = readingsOf(wallSecondsOf(time.time), zone);
  return readings.showsBefore && readings.showsAfter &&
         readings.withOffsetBefore != readings.withOffsetAfter;
}

Date instantAfterDays(const ZonedTime &time, int days, const Zone *local) {
  ZonedTime later = time;
  later.time = timeAt(wallSecondsOf(time.time) + days * kSecondsPerDay, time.time);
  return instantOf(later, local);
}

std::string basicForm(const icaltimetype &t) {
  if (t.is_date)
    return fmt::format("{:04}{:02}{:02}", t.year, t.month, t.day);
  return fmt::format("{:04}{:02}{:02}T{:02}{:02}{:02}", t.year, t.month, t.day, t.hour, t.minute,
                     t.second);
}

std::string timeKey(const ZonedTime &time) {
  if (time.isDate() || (!time.zone && !icaltime_is_utc(time.time)))
    return basicForm(time.time);
  // A UTC reading is the moment's Unix seconds.
  auto moment = static_cast<WallSeconds>(instantOf(time, utcZone()).unixTime());
  return basicForm(timeAt(moment)) + "Z";
}

} // namespace kit::events
