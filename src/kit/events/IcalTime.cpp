#include "kit/events/IcalTime.h"

#include <fmt/format.h>

namespace kit::events {

namespace {

using foundation::Date;

const icaltimezone *zoneNamed(icalproperty *property, const char *tzid) {
  auto *owner = icalproperty_get_parent(property);
  auto *calendar = owner ? icalcomponent_get_parent(owner) : nullptr;
  if (calendar && icalcomponent_isa(calendar) == ICAL_VCALENDAR_COMPONENT)
    if (auto *own = icalcomponent_get_timezone(calendar, tzid))
      return own;
  if (auto *system = icaltimezone_get_builtin_timezone(tzid))
    return system;
  return icaltimezone_get_builtin_timezone_from_tzid(tzid);
}

icaltimetype valueTime(icalproperty *property) {
  auto *value = icalproperty_get_value(property);
  if (!value)
    return icaltime_null_time();
  if (icalvalue_isa(value) == ICAL_DATETIMEPERIOD_VALUE) {
    auto both = icalvalue_get_datetimeperiod(value);
    return icaltime_is_null_time(both.time) ? both.period.start : both.time;
  }
  if (icalvalue_isa(value) == ICAL_DATETIME_VALUE || icalvalue_isa(value) == ICAL_DATE_VALUE)
    return icalvalue_get_datetime(value);
  return icaltime_null_time();
}

} // namespace

WallSeconds wallSecondsOf(const icaltimetype &time) {
  WallSeconds midnight = dayNumberOf({time.year, time.month, time.day}) * kSecondsPerDay;
  return time.is_date ? midnight : midnight + time.hour * 3600 + time.minute * 60 + time.second;
}

std::int64_t offsetAt(std::int64_t unixSeconds, const icaltimezone *zone) {
  auto instant = static_cast<time_t>(unixSeconds);
  return wallSecondsOf(icaltime_from_timet_with_zone(instant, 0, zone)) - unixSeconds;
}

const icaltimezone *effectiveZone(const ZonedTime &time, const icaltimezone *local) {
  if (icaltime_is_utc(time.time))
    return icaltimezone_get_utc_timezone();
  return time.zone ? time.zone : local;
}

const icaltimezone *namedZone(const std::string &id) {
  if (auto *zone = id.empty() ? nullptr : icaltimezone_get_builtin_timezone(id.c_str()))
    return zone;
  return icaltimezone_get_utc_timezone();
}

std::optional<ZonedTime> zonedTimeOf(icalproperty *property) {
  icaltimetype time = valueTime(property);
  if (icaltime_is_null_time(time) || !icaltime_is_valid_time(time))
    return std::nullopt;
  ZonedTime zoned{.time = time, .zone = nullptr};
  if (icaltime_is_utc(time) || time.is_date)
    return zoned;
  if (auto *tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER))
    if (const char *name = icalparameter_get_tzid(tzid))
      zoned.zone = zoneNamed(property, name);
  return zoned;
}

Date instantOf(const ZonedTime &time, const icaltimezone *local) {
  const icaltimezone *zone = effectiveZone(time, local);
  WallSeconds reading = wallSecondsOf(time.time);
  if (zone == icaltimezone_get_utc_timezone())
    return Date::fromUnixTime(static_cast<double>(reading));
  // As the format reads a clock change: a time the clock shows twice is the first of them, one
  // it skips is read with the offset in force before the change.
  std::int64_t withOffsetBefore = reading - offsetAt(reading - kSecondsPerDay, zone);
  std::int64_t withOffsetAfter = reading - offsetAt(reading + kSecondsPerDay, zone);
  auto shows = [&](std::int64_t moment) { return moment + offsetAt(moment, zone) == reading; };
  std::int64_t moment = withOffsetBefore;
  if (shows(withOffsetAfter) && (!shows(withOffsetBefore) || withOffsetAfter < withOffsetBefore))
    moment = withOffsetAfter;
  return Date::fromUnixTime(static_cast<double>(moment));
}

ZonedTime zonedLike(Date date, const ZonedTime &like, const icaltimezone *local) {
  auto seconds = static_cast<time_t>(date.unixTime());
  auto *zone = effectiveZone(like, local);
  ZonedTime result{.time = icaltime_from_timet_with_zone(seconds, like.time.is_date, zone),
                   .zone = like.zone};
  result.time.zone = like.time.zone;
  return result;
}

Date instantAfterDays(const ZonedTime &time, int days, const icaltimezone *local) {
  ZonedTime later = time;
  icaltime_adjust(&later.time, days, 0, 0, 0);
  return instantOf(later, local);
}

std::string timeKey(const ZonedTime &time) {
  const auto &t = time.time;
  if (t.is_date)
    return fmt::format("{:04}{:02}{:02}", t.year, t.month, t.day);
  if (!time.zone && !icaltime_is_utc(t))
    return fmt::format("{:04}{:02}{:02}T{:02}{:02}{:02}", t.year, t.month, t.day, t.hour, t.minute,
                       t.second);
  auto *utcZone = icaltimezone_get_utc_timezone();
  auto moment = static_cast<time_t>(instantOf(time, utcZone).unixTime());
  auto utc = icaltime_from_timet_with_zone(moment, 0, utcZone);
  return fmt::format("{:04}{:02}{:02}T{:02}{:02}{:02}Z", utc.year, utc.month, utc.day, utc.hour,
                     utc.minute, utc.second);
}

} // namespace kit::events
