#include "kit/events/EventReading.h"

#include "kit/events/ItemGroups.h"
#include "kit/events/ItemLength.h"
#include "kit/events/ItemText.h"
#include "kit/events/Recurrence.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace kit::events {

namespace {

int daysBetween(const icaltimetype &from, const icaltimetype &to) {
  return static_cast<int>(dayNumberOf({to.year, to.month, to.day}) -
                          dayNumberOf({from.year, from.month, from.day}));
}

// RFC 5545 §3.6.1: DTEND is the first moment after the event; without DTEND or DURATION an
// all-day event lasts its day and a timed one no time at all. An all-day event lasts days; a
// DTEND gives a timed event its exact length, a DURATION days and weeks as days. Every
// occurrence of a series lasts as long (§3.8.5.3).
Length lengthOf(const ItemComponent &event, const FileZones &zones, const ZonedTime &start,
                const Zone *local) {
  bool allDay = start.isDate();
  auto endProperty = event.first(PropertyName::dtend);
  if (auto end = endProperty ? zonedTimeOf(*endProperty, zones) : std::nullopt) {
    if (allDay)
      return {
          .allDay = true, .days = std::max(daysBetween(start.time, end->time), 1), .seconds = 0};
    double seconds = instantOf(*end, local).timeIntervalSince(instantOf(start, local));
    return {.allDay = false, .days = 0, .seconds = std::max(seconds, 0.0)};
  }
  auto durationProperty = event.first(PropertyName::duration);
  if (auto duration = durationProperty ? durationOf(*durationProperty, start) : std::nullopt)
    return nominalLength(*duration, allDay);
  return {.allDay = allDay, .days = allDay ? 1 : 0, .seconds = 0};
}

// An RDATE period lasts its own span: to its end exactly, or for its duration.
Length periodLength(const ZonedPeriod &period, const Zone *local) {
  if (!period.end)
    return nominalLength(period.duration, false);
  double seconds = instantOf(*period.end, local).timeIntervalSince(instantOf(period.start, local));
  return {.allDay = false, .days = 0, .seconds = std::max(seconds, 0.0)};
}

bool overlaps(Date start, Date end, Date windowStart, Date windowEnd) {
  return start < windowEnd && (end > windowStart || start >= windowStart);
}

bool recurs(const ItemComponent &event) {
  return event.first(PropertyName::rrule) || event.first(PropertyName::rdate);
}

std::optional<ZonedTime> startOf(const ItemPart &part) {
  auto start = part.item->first(PropertyName::dtstart);
  return start ? zonedTimeOf(*start, part.file->zones) : std::nullopt;
}

// The occurrences of the events, each event read alone: one whose times cost more than its
// file may spend adds nothing, and the others still read.
class EventCollector {
public:
  EventCollector(const EventQuery &query, const Zone *local) : query_(query), local_(local) {}

  void addGroup(const ItemGroup &group) {
    group.startItem();
    std::size_t before = events_.size();
    try {
      addOccurrencesOf(group);
    } catch (const ReadingExhausted &) {
      auto added = events_.begin() + static_cast<std::ptrdiff_t>(before);
      for (auto at = added; at != events_.end(); ++at)
        ids_.erase(at->id);
      events_.erase(added, events_.end());
    }
  }

  std::vector<Event> sorted() && {
    std::stable_sort(events_.begin(), events_.end(), [](const Event &a, const Event &b) {
      return a.start != b.start ? a.start < b.start : a.id < b.id;
    });
    return std::move(events_);
  }

private:
  void addOccurrencesOf(const ItemGroup &group) {
    if (group.series && isCancelled(*group.series->item))
      return;
    const std::string &base = group.id;
    bool isSeries = !group.overrides.empty() || (group.series && recurs(*group.series->item));
    // An override names the occurrence it replaces by its original start (RFC 5545 §3.8.4.4); a
    // RANGE=THISANDFUTURE on it is read as that one occurrence alone.
    std::set<Date> moved;
    auto seriesStart =
        group.series && !group.overrides.empty() ? startOf(*group.series) : std::nullopt;
    for (const auto &change : group.overrides) {
      auto recurrenceId = change.item->first(PropertyName::recurrenceId);
      auto original = zonedTimeOf(*recurrenceId, change.file->zones);
      if (!original)
        continue;
      if (seriesStart)
        original = namedOccurrence(*original, *group.series->item, group.series->file->zones,
                                   *seriesStart, local_, *group.series->file->account);
      moved.insert(instantOf(*original, local_));
      auto start = startOf(change);
      if (start && !isCancelled(*change.item))
        add(change, *start, lengthOf(*change.item, change.file->zones, *start, local_),
            base + "#" + timeKey(*original));
    }
    if (group.series)
      addSeries(*group.series, base, isSeries, moved);
  }

  // The first occurrences of the series that overlap the window and no override replaces; a
  // single event keeps the base id. An event without a start has none.
  void addSeries(const ItemPart &series, const std::string &base, bool isSeries,
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
    for (const auto &occurrence : occurrenceStarts(*series.item, series.file->zones, *start, window,
                                                   *series.file->account)) {
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

  bool add(const ItemPart &part, const ZonedTime &start, const Length &length, std::string id) {
    Date begins = instantOf(start, local_);
    Date ends = std::max(length.endAfter(start, begins, local_), begins);
    if (!overlaps(begins, ends, query_.start, query_.end) || ids_.count(id) ||
        !part.file->account->take(ReadingBudget::occurrences, 1))
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
  const Zone *local_;
  std::vector<Event> events_;
  std::set<std::string> ids_;
};

} // namespace

std::vector<Event> readEvents(const std::vector<CalendarFile> &files, const EventQuery &query,
                              const Zone *local) {
  EventCollector collector(query, local);
  ItemGroups(files, ComponentKind::event).forEach([&](const ItemGroup &group) {
    collector.addGroup(group);
  });
  return std::move(collector).sorted();
}

} // namespace kit::events
