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

using Excluded = std::set<Date>;

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
  // How far the clock jumps forward at most over the window.
  WallSeconds forwardJump;
};

// The readings of the zone's wall clock over the window: with the smallest offset near its
// start and the largest near its end, so that no reading of an instant inside is left out
// while the clock changes there.
WallSpan wallSpanOf(const Window &window, const icaltimezone *zone) {
  std::int64_t earliest = unixSecondsOf(window.earliest, std::floor);
  std::int64_t end = unixSecondsOf(window.end, std::ceil);
  std::int64_t offsets[] = {offsetAt(earliest, zone), offsetAt(earliest + kSecondsPerDay, zone),
                            offsetAt(end - kSecondsPerDay, zone), offsetAt(end, zone)};
  auto [smallest, largest] = std::minmax_element(std::begin(offsets), std::end(offsets));
  return {earliest + std::min(offsets[0], offsets[1]), end + std::max(offsets[2], offsets[3]),
          *largest - *smallest};
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

void addRuleStarts(const std::string &text, const ZonedTime &dtstart, const Window &window,
                   const OccurrenceWindow &wanted, const Excluded &excluded, ReadingBudget &budget,
                   std::vector<OccurrenceStart> &starts) {
  icalrecurrencetype ical = icalrecurrencetype_from_string(text.c_str());
  WallSeconds first = wallSecondsOf(dtstart.time);
  auto rule = recurrenceRuleOf(ical, first, dtstart.isDate());
  if (!rule)
    return;
  WallSpan span = wallSpanOf(window, effectiveZone(dtstart, window.local));
  ExpansionLimits limits{.maxSteps = std::min(kMaxRuleSteps, budget.stepsLeft()),
                         .enough = wanted.enough,
                         .counts = {},
                         .margin = span.forwardJump};
  if (wanted.counts)
    limits.counts = [&](WallSeconds wall) {
      ZonedTime start = zonedAt(wall, dtstart);
      Date moment = instantOf(start, window.local);
      return !excluded.count(moment) && wanted.counts(start, moment);
    };
  std::int64_t steps = 0;
  auto walls = expandRule(*rule, first, span.from, span.to,
                          pastUntil(ical.until, dtstart, window.local), limits, &steps);
  budget.spendSteps(steps);
  // A rule that takes more work than that is left out of this reading; DTSTART, RDATE and the
  // other items still show.
  if (!walls)
    return;
  for (WallSeconds wall : *walls)
    starts.push_back({zonedAt(wall, dtstart), std::nullopt});
}

Excluded excludedMoments(const ItemComponent &event, const FileZones &zones,
                         const icaltimezone *local) {
  Excluded excluded;
  for (const auto *property : event.all(PropertyName::exdate))
    if (auto time = zonedTimeOf(*property, zones))
      excluded.insert(instantOf(*time, local));
  return excluded;
}

void addDates(const ItemComponent &event, const FileZones &zones,
              std::vector<OccurrenceStart> &starts) {
  for (const auto *property : event.all(PropertyName::rdate)) {
    if (auto period = zonedPeriodOf(*property, zones))
      starts.push_back({period->start, period});
    else if (auto time = zonedTimeOf(*property, zones))
      starts.push_back({*time, std::nullopt});
  }
}

// Whether a start may reach into the window: a period by its own end, any other by the
// longest an occurrence lasts.
bool mayReach(const OccurrenceStart &start, Date moment, const Window &window, Date windowStart) {
  if (moment >= window.end)
    return false;
  if (!start.period)
    return moment >= window.earliest;
  if (!start.period->end)
    return true; // its duration counts from its start; the reading checks it
  return instantOf(*start.period->end, window.local) > windowStart || moment >= windowStart;
}

} // namespace

std::vector<OccurrenceStart> occurrenceStarts(const ItemComponent &event, const FileZones &zones,
                                              const ZonedTime &dtstart,
                                              const OccurrenceWindow &wanted,
                                              ReadingBudget &budget) {
  Window window{wanted.start.addingTimeInterval(-wanted.longestSeconds), wanted.end, wanted.local};
  auto excluded = excludedMoments(event, zones, wanted.local);
  std::vector<OccurrenceStart> starts{{dtstart, std::nullopt}};
  for (const auto *property : event.all(PropertyName::rrule))
    addRuleStarts(property->value, dtstart, window, wanted, excluded, budget, starts);
  addDates(event, zones, starts);

  std::vector<std::pair<Date, OccurrenceStart>> kept;
  std::set<Date> seen;
  for (const auto &start : starts) {
    Date moment = instantOf(start.start, wanted.local);
    if (!mayReach(start, moment, window, wanted.start) || excluded.count(moment) ||
        !seen.insert(moment).second)
      continue;
    kept.emplace_back(moment, start);
  }
  std::stable_sort(kept.begin(), kept.end(),
                   [](const auto &a, const auto &b) { return a.first < b.first; });
  std::vector<OccurrenceStart> result;
  for (const auto &[moment, start] : kept)
    result.push_back(start);
  return result;
}

} // namespace kit::events
