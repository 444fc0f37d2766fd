#include "kit/events/IcalTime.h"

#include "kit/events/ZoneDefinitions.h"

#include <fmt/format.h>

#include <algorithm>

namespace kit::events {

namespace {

using foundation::Date;

const Zone *zoneNamed(const std::string &tzid, const FileZones &zones) {
  if (auto *own = zones.named(tzid))
    return own;
  return systemZone(tzid);
}

int digitsAt(const std::string &text, std::size_t at, std::size_t count) {
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
std::optional<icaltimetype> basicTime(const std::string &text) {
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

ZonedTime zoned(icaltimetype time, const Property &property, const FileZones &zones) {
  ZonedTime result{.time = time, .zone = nullptr};
  if (!icaltime_is_utc(time) && !time.is_date && !property.tzid.empty())
    result.zone = zoneNamed(property.tzid, zones);
  return result;
}

} // namespace

// Which of a day and a time it is follows from its form.
std::optional<icaltimetype> timeIn(const std::string &text) {
  auto basic = basicTime(text);
  icaltimetype time = basic ? *basic : icaltime_from_string(text.c_str());
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
  icalperiodtype period = icalperiodtype_from_string(property.value.c_str());
  if (icalperiodtype_is_null_period(period) || icaltime_is_null_time(period.start) ||
      !icaltime_is_valid_time(period.start))
    return std::nullopt;
  ZonedPeriod result{.start = zoned(period.start, property, zones),
                     .end = std::nullopt,
                     .duration = period.duration};
  if (!icaltime_is_null_time(period.end) && icaltime_is_valid_time(period.end))
    result.end = zoned(period.end, property, zones);
  else if (icaldurationtype_is_bad_duration(period.duration))
    return std::nullopt;
  return result;
}

std::optional<icaldurationtype> durationOf(const Property &property) {
  icaldurationtype duration = icaldurationtype_from_string(property.value.c_str());
  if (icaldurationtype_is_bad_duration(duration))
    return std::nullopt;
  return duration;
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
  std::int64_t withOffsetBefore = reading - zone->offsetAt(reading - kSecondsPerDay);
  std::int64_t withOffsetAfter = reading - zone->offsetAt(reading + kSecondsPerDay);
  auto shows = [&](std::int64_t moment) { return moment + zone->offsetAt(moment) == reading; };
  std::int64_t moment = withOffsetBefore;
  if (shows(withOffsetAfter) && (!shows(withOffsetBefore) || withOffsetAfter < withOffsetBefore))
    moment = withOffsetAfter;
  return Date::fromUnixTime(static_cast<double>(moment));
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
