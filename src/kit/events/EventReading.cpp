#include "kit/events/EventReading.h"

#include "kit/events/ItemText.h"
#include "kit/events/Recurrence.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace kit::events {

namespace {

constexpr double kDay = 86400;

// How long each occurrence of an event lasts: whole days on the calendar for an all-day event,
// exact seconds for a timed one.
struct Length {
  bool allDay = false;
  int days = 1;
  double seconds = 0;

  double longestSeconds() const { return allDay ? (days + 1) * kDay : seconds; }
};

int daysBetween(icaltimetype from, icaltimetype to) {
  from.is_date = to.is_date = 1;
  auto *utc = icaltimezone_get_utc_timezone();
  double difference = static_cast<double>(icaltime_as_timet_with_zone(to, utc) -
                                          icaltime_as_timet_with_zone(from, utc));
  return static_cast<int>(std::lround(difference / kDay));
}

Length lengthOf(icalcomponent *event, const ZonedTime &start, const icaltimezone *local) {
  Length length{.allDay = start.isDate()};
  auto ends = propertiesOf(event, ICAL_DTEND_PROPERTY);
  auto durations = propertiesOf(event, ICAL_DURATION_PROPERTY);
  if (auto end = ends.empty() ? std::nullopt : zonedTimeOf(ends.front())) {
    length.days = daysBetween(start.time, end->time);
    length.seconds = instantOf(*end, local).timeIntervalSince(instantOf(start, local));
  } else if (!durations.empty()) {
    auto duration = icalproperty_get_duration(durations.front());
    length.days = static_cast<int>(duration.weeks * 7 + duration.days);
    length.seconds = icaldurationtype_as_int(duration);
  } else {
    length.seconds = 0;
  }
  length.days = std::max(length.days, 1);
  length.seconds = std::max(length.seconds, 0.0);
  return length;
}

bool overlaps(Date start, Date end, Date windowStart, Date windowEnd) {
  return start < windowEnd && (end > windowStart || start >= windowStart);
}

// The events of one UID in one file: the series (or the single event) and its moved or changed
// occurrences.
struct EventGroup {
  std::string uid;
  icalcomponent *series = nullptr;
  std::vector<icalcomponent *> overrides;
};

std::vector<EventGroup> groupsOf(const CalendarFile &file) {
  std::vector<EventGroup> groups;
  for (auto *calendar : file.calendars())
    for (auto *event : childComponents(calendar, ICAL_VEVENT_COMPONENT)) {
      std::string uid = uidOf(event);
      auto group = std::find_if(groups.begin(), groups.end(),
                                [&](const EventGroup &g) { return g.uid == uid; });
      if (group == groups.end())
        group =
            groups.insert(groups.end(), EventGroup{.uid = uid, .series = nullptr, .overrides = {}});
      bool isOverride = !propertiesOf(event, ICAL_RECURRENCEID_PROPERTY).empty();
      if (isOverride)
        group->overrides.push_back(event);
      else if (!group->series)
        group->series = event;
    }
  return groups;
}

bool recurs(icalcomponent *event) {
  return !propertiesOf(event, ICAL_RRULE_PROPERTY).empty() ||
         !propertiesOf(event, ICAL_RDATE_PROPERTY).empty();
}

class EventCollector {
public:
  EventCollector(Date start, Date end, const icaltimezone *local)
      : windowStart_(start), windowEnd_(end), local_(local) {}

  void addFile(const CalendarFile &file) {
    for (const auto &group : groupsOf(file))
      addGroup(file, group);
  }

  std::vector<Event> sorted() && {
    std::stable_sort(events_.begin(), events_.end(), [](const Event &a, const Event &b) {
      return a.start != b.start ? a.start < b.start : a.id < b.id;
    });
    return std::move(events_);
  }

private:
  void addGroup(const CalendarFile &file, const EventGroup &group) {
    if (group.series && isCancelled(group.series))
      return;
    std::string base = baseId(file, group.uid);
    bool isSeries = !group.overrides.empty() || (group.series && recurs(group.series));
    std::set<Date> moved;
    for (auto *change : group.overrides) {
      auto original = zonedTimeOf(propertiesOf(change, ICAL_RECURRENCEID_PROPERTY).front());
      if (!original)
        continue;
      moved.insert(instantOf(*original, local_));
      auto start = startOf(change);
      if (start && !isCancelled(change))
        add(file, change, *start, lengthOf(change, *start, local_),
            base + "#" + timeKey(*original));
    }
    if (group.series)
      addSeries(file, group.series, base, isSeries, moved);
  }

  // Every occurrence of the series not replaced by an override; a single event keeps the base id.
  void addSeries(const CalendarFile &file, icalcomponent *series, const std::string &base,
                 bool isSeries, const std::set<Date> &moved) {
    auto start = startOf(series);
    if (!start)
      return;
    Length length = lengthOf(series, *start, local_);
    for (const auto &occurrence : occurrenceStarts(series, *start, windowStart_, windowEnd_,
                                                   length.longestSeconds(), local_)) {
      if (moved.count(instantOf(occurrence, local_)))
        continue;
      add(file, series, occurrence, length, isSeries ? base + "#" + timeKey(occurrence) : base);
    }
  }

  void add(const CalendarFile &file, icalcomponent *event, const ZonedTime &start,
           const Length &length, std::string id) {
    Date begins = instantOf(start, local_);
    Date ends = length.allDay ? instantAfterDays(start, length.days, local_)
                              : begins.addingTimeInterval(length.seconds);
    ends = std::max(ends, begins);
    if (!overlaps(begins, ends, windowStart_, windowEnd_) || !ids_.insert(id).second)
      return;
    events_.push_back(Event{.id = std::move(id),
                            .calendar = file.calendar,
                            .title = itemText(icalcomponent_get_summary(event)),
                            .location = itemText(icalcomponent_get_location(event)),
                            .start = begins,
                            .end = ends,
                            .isAllDay = length.allDay});
  }

  static std::optional<ZonedTime> startOf(icalcomponent *event) {
    auto starts = propertiesOf(event, ICAL_DTSTART_PROPERTY);
    return starts.empty() ? std::nullopt : zonedTimeOf(starts.front());
  }

  Date windowStart_;
  Date windowEnd_;
  const icaltimezone *local_;
  std::vector<Event> events_;
  std::set<std::string> ids_;
};

} // namespace

std::vector<Event> readEvents(const std::vector<CalendarFile> &files, Date start, Date end,
                              const icaltimezone *local) {
  EventCollector collector(start, end, local);
  for (const auto &file : files)
    collector.addFile(file);
  return std::move(collector).sorted();
}

} // namespace kit::events
