#include "kit/events/Recurrence.h"

#include "kit/events/RuleExpansion.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace kit::events {

namespace {

using foundation::Date;

// Instants are held to the years 1 to 9999, the calendar both libical and the wall clock know.
constexpr double kFirstUnixSecond = -62135596800.0;
constexpr double kLastUnixSecond = 253402300799.0;

struct Window {
  Date earliest; // the first start that can still reach into the window
  Date end;
  const icaltimezone *local;
};

// The time `like` is written as (a day, or a wall time in its zone), read `wall` on its clock.
ZonedTime zonedAt(WallSeconds wall, const ZonedTime &like) {
  ZonedTime result = like;
  std::int64_t day = floorDiv(wall, kSecondsPerDay);
  CivilDate date = civilDateOf(day);
  result.time.year = date.year;
  result.time.month = date.month;
  result.time.day = date.day;
  if (!like.isDate()) {
    auto time = static_cast<int>(wall - day * kSecondsPerDay);
    result.time.hour = time / 3600;
    result.time.minute = time / 60 % 60;
    result.time.second = time % 60;
  }
  return result;
}

std::int64_t unixSecondsOf(Date date, double (*round)(double)) {
  return static_cast<std::int64_t>(
      round(std::clamp(date.unixTime(), kFirstUnixSecond, kLastUnixSecond)));
}

struct WallSpan {
  WallSeconds from;
  WallSeconds to;
};

// The readings of the zone's wall clock over the window: with the smallest offset near its
// start and the largest near its end, so that no reading of an instant inside is left out
// while the clock changes there.
WallSpan wallSpanOf(const Window &window, const icaltimezone *zone) {
  std::int64_t earliest = unixSecondsOf(window.earliest, std::floor);
  std::int64_t end = unixSecondsOf(window.end, std::ceil);
  return {earliest + std::min(offsetAt(earliest, zone), offsetAt(earliest + kSecondsPerDay, zone)),
          end + std::max(offsetAt(end - kSecondsPerDay, zone), offsetAt(end, zone))};
}

// Whether a start lies beyond the rule's UNTIL: a UTC one is a moment, anything else is read
// on the series' own wall clock (a day as its midnight).
std::function<bool(WallSeconds)> pastUntil(const icaltimetype &until, const ZonedTime &dtstart,
                                           const icaltimezone *local) {
  if (icaltime_is_null_time(until))
    return {};
  if (icaltime_is_utc(until) && !until.is_date) {
    Date last = instantOf({.time = until, .zone = nullptr}, local);
    return [=](WallSeconds wall) { return instantOf(zonedAt(wall, dtstart), local) > last; };
  }
  WallSeconds last = wallSecondsOf(until);
  return [=](WallSeconds wall) { return wall > last; };
}

void addRuleStarts(const icalrecurrencetype &ical, const ZonedTime &dtstart, const Window &window,
                   std::vector<ZonedTime> &starts) {
  WallSeconds first = wallSecondsOf(dtstart.time);
  auto rule = recurrenceRuleOf(ical, first, dtstart.isDate());
  if (!rule)
    return;
  WallSpan span = wallSpanOf(window, effectiveZone(dtstart, window.local));
  auto walls =
      expandRule(*rule, first, span.from, span.to, pastUntil(ical.until, dtstart, window.local));
  // A rule that takes more work than that is left out of this reading; DTSTART, RDATE and the
  // other items still show.
  if (!walls)
    return;
  for (WallSeconds wall : *walls)
    starts.push_back(zonedAt(wall, dtstart));
}

std::set<Date> excludedMoments(icalcomponent *event, const icaltimezone *local) {
  std::set<Date> excluded;
  for (auto *property : propertiesOf(event, ICAL_EXDATE_PROPERTY))
    if (auto time = zonedTimeOf(property))
      excluded.insert(instantOf(*time, local));
  return excluded;
}

} // namespace

std::vector<ZonedTime> occurrenceStarts(icalcomponent *event, const ZonedTime &dtstart,
                                        Date windowStart, Date windowEnd, double longestSeconds,
                                        const icaltimezone *local) {
  Window window{windowStart.addingTimeInterval(-longestSeconds), windowEnd, local};
  std::vector<ZonedTime> starts{dtstart};
  for (auto *property : propertiesOf(event, ICAL_RRULE_PROPERTY))
    addRuleStarts(icalproperty_get_rrule(property), dtstart, window, starts);
  for (auto *property : propertiesOf(event, ICAL_RDATE_PROPERTY))
    if (auto time = zonedTimeOf(property))
      starts.push_back(*time);

  auto excluded = excludedMoments(event, local);
  std::vector<std::pair<Date, ZonedTime>> kept;
  std::set<Date> seen;
  for (const auto &start : starts) {
    Date moment = instantOf(start, local);
    if (moment < window.earliest || moment >= windowEnd || excluded.count(moment) ||
        !seen.insert(moment).second)
      continue;
    kept.emplace_back(moment, start);
  }
  std::stable_sort(kept.begin(), kept.end(),
                   [](const auto &a, const auto &b) { return a.first < b.first; });
  std::vector<ZonedTime> result;
  for (const auto &[moment, start] : kept)
    result.push_back(start);
  return result;
}

} // namespace kit::events
