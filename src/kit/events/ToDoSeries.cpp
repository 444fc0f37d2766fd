#include "kit/events/ToDoSeries.h"

#include "kit/events/ItemText.h"
#include "kit/events/Recurrence.h"

#include <fmt/format.h>

#include <algorithm>
#include <limits>

namespace kit::events {

namespace {

using foundation::Date;

std::optional<ZonedTime> timeOf(const ToDoPart &todo, PropertyName name) {
  const Property *property = todo.item->first(name);
  return property ? zonedTimeOf(*property, todo.file->zones) : std::nullopt;
}

std::optional<Length> durationLength(const ToDoPart &todo, bool allDay) {
  const Property *property = todo.item->first(PropertyName::duration);
  auto duration = property ? durationOf(*property) : std::nullopt;
  if (!duration || duration->is_neg)
    return std::nullopt;
  return nominalLength(*duration, allDay);
}

// How long after its start a to-do is due: to a DUE day, days on the calendar; to a DUE time,
// exact seconds; by a DURATION, its days nominal and the rest exact.
Length dueLength(const ZonedTime &start, const ZonedTime &due, const Zone *local) {
  if (start.isDate() && due.isDate())
    return Length{.allDay = true,
                  .days = static_cast<int>(std::max<std::int64_t>(
                      dayNumberOf({due.time.year, due.time.month, due.time.day}) -
                          dayNumberOf({start.time.year, start.time.month, start.time.day}),
                      0)),
                  .seconds = 0};
  double seconds = instantOf(due, local).timeIntervalSince(instantOf(start, local));
  return Length{.allDay = false, .days = 0, .seconds = std::max(seconds, 0.0)};
}

bool repeats(const ItemComponent &item) {
  return item.first(PropertyName::rrule) || item.first(PropertyName::rdate);
}

// Occurrences looked for before a moment: in windows growing back from it, so that a series of
// seconds costs no more than one of years.
constexpr double kLookBack[] = {3600.0, 2 * 86400.0, 40 * 86400.0, 400 * 86400.0, 4000 * 86400.0};

const Date kLastMoment = Date::fromUnixTime(static_cast<double>(kLatestZoneReading));

std::string quotedIfNeeded(const std::string &parameter) {
  if (parameter.find_first_of(";:,") == std::string::npos)
    return parameter;
  return "\"" + parameter + "\"";
}

} // namespace

std::optional<DueDate> dueOfToDo(const ToDoPart &todo, const Zone *local) {
  if (auto due = timeOf(todo, PropertyName::due))
    return DueDate{.date = instantOf(*due, local), .hasTime = !due->isDate()};
  auto start = timeOf(todo, PropertyName::dtstart);
  auto length = start ? durationLength(todo, start->isDate()) : std::nullopt;
  if (!length)
    return std::nullopt;
  return DueDate{.date = length->endAfter(*start, instantOf(*start, local), local),
                 .hasTime = !start->isDate()};
}

bool ToDoSeries::Occurrence::done() const {
  return change && (isCompleted(*change->item) || isCancelled(*change->item));
}

std::optional<ToDoSeries>
ToDoSeries::of(const ToDoPart &series, const std::vector<ToDoPart> &overrides, const Zone *local) {
  if (!repeats(*series.item))
    return std::nullopt;
  ToDoSeries made(series, local);
  auto start = timeOf(series, PropertyName::dtstart);
  auto due = timeOf(series, PropertyName::due);
  // RFC 5545 leaves a to-do without DTSTART open to choice: it repeats from its DUE.
  made.anchor_ = series.item->first(start ? PropertyName::dtstart : PropertyName::due);
  if (!start && !due)
    return std::nullopt;
  made.start_ = start ? *start : *due;
  made.startMoment_ = instantOf(made.start_, local);
  if (!start) {
    made.length_ = Length{};
    made.dueHasTime_ = !due->isDate();
  } else if (due) {
    made.length_ = dueLength(*start, *due, local);
    made.dueHasTime_ = !due->isDate();
  } else {
    made.length_ = durationLength(series, start->isDate());
    made.dueHasTime_ = !start->isDate();
  }
  for (const auto &change : overrides) {
    const Property *recurrenceId = change.item->first(PropertyName::recurrenceId);
    auto named = recurrenceId ? zonedTimeOf(*recurrenceId, change.file->zones) : std::nullopt;
    if (named)
      made.changes_.try_emplace(instantOf(*named, local), change);
  }
  return made;
}

ToDoSeries::Occurrence ToDoSeries::occurrenceAt(const ZonedTime &start) const {
  Occurrence occurrence{.start = start, .moment = instantOf(start, local_), .due = std::nullopt};
  auto change = changes_.find(occurrence.moment);
  if (change != changes_.end())
    occurrence.change = &change->second;
  // An override that gives its own due time moves the occurrence's.
  if (occurrence.change)
    occurrence.due = dueOfToDo(*occurrence.change, local_);
  if (!occurrence.due && length_)
    occurrence.due = DueDate{.date = length_->endAfter(start, occurrence.moment, local_),
                             .hasTime = dueHasTime_};
  return occurrence;
}

std::optional<ToDoSeries::Occurrence> ToDoSeries::occurrenceOf(const ToDoPart &change) const {
  const Property *recurrenceId = change.item->first(PropertyName::recurrenceId);
  auto named = recurrenceId ? zonedTimeOf(*recurrenceId, change.file->zones) : std::nullopt;
  if (!named)
    return std::nullopt;
  return occurrenceAt(*named);
}

std::optional<ToDoSeries::Occurrence> ToDoSeries::latestDueBefore(Date horizon) const {
  auto dueBefore = [&](const Occurrence &occurrence) {
    return (occurrence.due ? occurrence.due->date : occurrence.moment) < horizon;
  };
  std::optional<Occurrence> latest;
  double longest = length_ ? length_->longestSeconds() : 0;
  for (std::size_t step = 0; !latest; ++step) {
    bool whole = step == std::size(kLookBack);
    Date from = whole ? startMoment_ : horizon.addingTimeInterval(-kLookBack[step] - longest);
    OccurrenceWindow window{.start = std::max(from, startMoment_),
                            .end = horizon,
                            .longestSeconds = 0,
                            .local = local_,
                            .enough = std::numeric_limits<std::size_t>::max(),
                            .counts = {}};
    auto starts = occurrenceStarts(*series_.item, series_.file->zones, start_, window,
                                   *series_.file->account);
    for (auto at = starts.rbegin(); at != starts.rend() && !latest; ++at)
      if (auto occurrence = occurrenceAt(at->start); dueBefore(occurrence))
        latest = occurrence;
    if (whole || from <= startMoment_)
      break;
  }
  // An override may have moved a later occurrence's due time before the horizon.
  for (const auto &[moment, change] : changes_)
    if (!latest || moment > latest->moment)
      if (auto occurrence = occurrenceOf(change); occurrence && dueBefore(*occurrence))
        latest = occurrence;
  return latest;
}

std::vector<ToDoSeries::Occurrence> ToDoSeries::after(Date moment, std::size_t count) const {
  // Counting only what EXDATEs leave, the expansion stops once it has enough.
  OccurrenceWindow window{.start = moment.addingTimeInterval(1),
                          .end = kLastMoment,
                          .longestSeconds = 0,
                          .local = local_,
                          .enough = count,
                          .counts = [](const ZonedTime &, Date) { return true; }};
  std::vector<Occurrence> occurrences;
  for (const auto &start : occurrenceStarts(*series_.item, series_.file->zones, start_, window,
                                            *series_.file->account)) {
    if (occurrences.size() == count)
      break;
    occurrences.push_back(occurrenceAt(start.start));
  }
  return occurrences;
}

std::optional<ToDoSeries::Occurrence> ToDoSeries::current(Date horizon) const {
  auto latest = latestDueBefore(horizon);
  if (latest && !latest->done())
    return latest;
  Date from = latest ? latest->moment : startMoment_.addingTimeInterval(-1);
  // Those done ahead of time are passed over: one more than them is enough to find one that
  // is not, if the series has one.
  auto doneAfter = static_cast<std::size_t>(
      std::count_if(changes_.begin(), changes_.end(), [&](const auto &entry) {
        return entry.first > from &&
               (isCompleted(*entry.second.item) || isCancelled(*entry.second.item));
      }));
  for (const auto &occurrence : after(from, doneAfter + 1))
    if (!occurrence.done())
      return occurrence;
  return std::nullopt;
}

bool ToDoSeries::hasAfter(const Occurrence &occurrence) const {
  return !after(occurrence.moment, 1).empty();
}

std::optional<ToDoSeries::Occurrence> ToDoSeries::latestOrFirst(Date horizon) const {
  if (auto latest = latestDueBefore(horizon))
    return latest;
  auto first = after(startMoment_.addingTimeInterval(-1), 1);
  return first.empty() ? std::nullopt : std::optional(first.front());
}

std::string ToDoSeries::recurrenceIdOf(const Occurrence &occurrence) const {
  const auto &t = occurrence.start.time;
  if (t.is_date)
    return fmt::format(";VALUE=DATE:{:04}{:02}{:02}", t.year, t.month, t.day);
  std::string value = fmt::format("{:04}{:02}{:02}T{:02}{:02}{:02}", t.year, t.month, t.day, t.hour,
                                  t.minute, t.second);
  if (icaltime_is_utc(t))
    return ":" + value + "Z";
  if (!anchor_->tzid.empty())
    return ";TZID=" + quotedIfNeeded(anchor_->tzid) + ":" + value;
  return ":" + value;
}

} // namespace kit::events
