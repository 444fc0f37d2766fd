#include "kit/events/EventReading.h"

#include "kit/events/ItemKeys.h"
#include "kit/events/ItemText.h"
#include "kit/events/Recurrence.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace kit::events {

namespace {

// How long an occurrence lasts: whole days on the calendar, which keep the wall-clock time
// across a change of the clock, then exact seconds (RFC 5545 §3.3.6: days and weeks are nominal,
// the rest exact). An all-day event lasts days; a DTEND gives a timed event its exact length, a
// DURATION days and weeks as days. Every occurrence of a series lasts as long (§3.8.5.3).
struct Length {
  bool allDay = false;
  int days = 0;
  double seconds = 0;

  // A day of the calendar is at most one day and a clock change long.
  double longestSeconds() const {
    return days > 0 ? static_cast<double>((days + 1) * kSecondsPerDay) + seconds : seconds;
  }

  Date endAfter(const ZonedTime &start, Date begins, const icaltimezone *local) const {
    Date afterDays = days > 0 ? instantAfterDays(start, days, local) : begins;
    return afterDays.addingTimeInterval(seconds);
  }
};

int daysBetween(const icaltimetype &from, const icaltimetype &to) {
  return static_cast<int>(dayNumberOf({to.year, to.month, to.day}) -
                          dayNumberOf({from.year, from.month, from.day}));
}

Length nominalLength(const icaldurationtype &duration, bool allDay) {
  if (duration.is_neg)
    return {.allDay = allDay, .days = allDay ? 1 : 0, .seconds = 0};
  Length length{
      .allDay = allDay,
      .days = static_cast<int>(std::min<unsigned>(duration.weeks * 7 + duration.days, 1000000)),
      .seconds =
          allDay ? 0.0 : duration.hours * 3600.0 + duration.minutes * 60.0 + duration.seconds};
  if (allDay)
    length.days = std::max(length.days, 1);
  return length;
}

// RFC 5545 §3.6.1: DTEND is the first moment after the event; without DTEND or DURATION an
// all-day event lasts its day and a timed one no time at all.
Length lengthOf(const ItemComponent &event, const FileZones &zones, const ZonedTime &start,
                const icaltimezone *local) {
  bool allDay = start.isDate();
  const Property *endProperty = event.first(PropertyName::dtend);
  if (auto end = endProperty ? zonedTimeOf(*endProperty, zones) : std::nullopt) {
    if (allDay)
      return {
          .allDay = true, .days = std::max(daysBetween(start.time, end->time), 1), .seconds = 0};
    double seconds = instantOf(*end, local).timeIntervalSince(instantOf(start, local));
    return {.allDay = false, .days = 0, .seconds = std::max(seconds, 0.0)};
  }
  const Property *durationProperty = event.first(PropertyName::duration);
  if (auto duration = durationProperty ? durationOf(*durationProperty) : std::nullopt)
    return nominalLength(*duration, allDay);
  return {.allDay = allDay, .days = allDay ? 1 : 0, .seconds = 0};
}

// An RDATE period lasts its own span: to its end exactly, or for its duration.
Length periodLength(const ZonedPeriod &period, const icaltimezone *local) {
  if (!period.end)
    return nominalLength(period.duration, false);
  double seconds = instantOf(*period.end, local).timeIntervalSince(instantOf(period.start, local));
  return {.allDay = false, .days = 0, .seconds = std::max(seconds, 0.0)};
}

bool overlaps(Date start, Date end, Date windowStart, Date windowEnd) {
  return start < windowEnd && (end > windowStart || start >= windowStart);
}

struct Part {
  const CalendarFile *file = nullptr;
  const ItemComponent *item = nullptr;
};

// An event of one calendar: its series (or its single occurrence) and its moved or changed
// occurrences, from whichever of the calendar's files they are written in.
struct EventGroup {
  const CalendarFile *file = nullptr; // where it was first found
  std::string uid;
  Part series;
  std::vector<Part> overrides;
};

std::vector<EventGroup> groupsOf(const std::vector<CalendarFile> &files) {
  std::vector<EventGroup> groups;
  ItemKeys keys;
  for (const auto &file : files)
    for (const auto &item : file.items) {
      if (item.kind != ComponentKind::event)
        continue;
      std::string uid = uidOf(item);
      auto [at, added] = keys.find(file, uid, groups.size());
      if (added)
        groups.push_back({.file = &file, .uid = uid, .series = {}, .overrides = {}});
      auto &group = groups[at];
      if (item.first(PropertyName::recurrenceId))
        group.overrides.push_back({&file, &item});
      else if (!group.series.item)
        group.series = {&file, &item};
    }
  return groups;
}

bool recurs(const ItemComponent &event) {
  return event.first(PropertyName::rrule) || event.first(PropertyName::rdate);
}

std::optional<ZonedTime> startOf(const Part &part) {
  const Property *start = part.item->first(PropertyName::dtstart);
  return start ? zonedTimeOf(*start, part.file->zones) : std::nullopt;
}

class EventCollector {
public:
  EventCollector(const EventQuery &query, const icaltimezone *local, ReadingBudget &budget)
      : query_(query), local_(local), budget_(budget) {}

  void addGroup(const EventGroup &group) {
    if (group.series.item && isCancelled(*group.series.item))
      return;
    std::string base = baseId(*group.file, group.uid);
    bool isSeries = !group.overrides.empty() || (group.series.item && recurs(*group.series.item));
    // An override names the occurrence it replaces by its original start (RFC 5545 §3.8.4.4); a
    // RANGE=THISANDFUTURE on it is read as that one occurrence alone.
    std::set<Date> moved;
    for (const auto &change : group.overrides) {
      const Property *recurrenceId = change.item->first(PropertyName::recurrenceId);
      auto original = zonedTimeOf(*recurrenceId, change.file->zones);
      if (!original)
        continue;
      moved.insert(instantOf(*original, local_));
      auto start = startOf(change);
      if (start && !isCancelled(*change.item))
        add(change, *start, lengthOf(*change.item, change.file->zones, *start, local_),
            base + "#" + timeKey(*original));
    }
    if (group.series.item)
      addSeries(group.series, base, isSeries, moved);
  }

  std::vector<Event> sorted() && {
    std::stable_sort(events_.begin(), events_.end(), [](const Event &a, const Event &b) {
      return a.start != b.start ? a.start < b.start : a.id < b.id;
    });
    return std::move(events_);
  }

private:
  // The first occurrences of the series that overlap the window and no override replaces; a
  // single event keeps the base id.
  void addSeries(const Part &series, const std::string &base, bool isSeries,
                 const std::set<Date> &moved) {
    auto start = startOf(series);
    if (!start)
      return;
    Length length = lengthOf(*series.item, series.file->zones, *start, local_);
    auto shows = [&](const ZonedTime &occurrence, Date moment) {
      return !moved.count(moment) && overlaps(moment, length.endAfter(occurrence, moment, local_),
                                              query_.start, query_.end);
    };
    OccurrenceWindow window{.start = query_.start,
                            .end = query_.end,
                            .longestSeconds = length.longestSeconds(),
                            .local = local_,
                            .enough = query_.perEvent,
                            .counts = shows};
    std::size_t kept = 0;
    for (const auto &occurrence :
         occurrenceStarts(*series.item, series.file->zones, *start, window, budget_)) {
      if (kept == query_.perEvent)
        return;
      if (moved.count(instantOf(occurrence.start, local_)))
        continue;
      Length own = occurrence.period ? periodLength(*occurrence.period, local_) : length;
      if (add(series, occurrence.start, own,
              isSeries ? base + "#" + timeKey(occurrence.start) : base))
        ++kept;
    }
  }

  bool add(const Part &part, const ZonedTime &start, const Length &length, std::string id) {
    Date begins = instantOf(start, local_);
    Date ends = std::max(length.endAfter(start, begins, local_), begins);
    if (!overlaps(begins, ends, query_.start, query_.end) || ids_.count(id) ||
        !budget_.takeOccurrence())
      return false;
    ids_.insert(id);
    events_.push_back(Event{.id = std::move(id),
                            .calendar = part.file->calendar,
                            .title = itemText(*part.item, PropertyName::summary),
                            .location = itemText(*part.item, PropertyName::location),
                            .start = begins,
                            .end = ends,
                            .isAllDay = length.allDay});
    return true;
  }

  const EventQuery &query_;
  const icaltimezone *local_;
  ReadingBudget &budget_;
  std::vector<Event> events_;
  std::set<std::string> ids_;
};

} // namespace

std::vector<Event> readEvents(const std::vector<CalendarFile> &files, const EventQuery &query,
                              const icaltimezone *local, ReadingBudget &budget) {
  EventCollector collector(query, local, budget);
  for (const auto &group : groupsOf(files))
    collector.addGroup(group);
  return std::move(collector).sorted();
}

} // namespace kit::events
