#include "kit/events/ToDoSeries.h"

#include "kit/events/ItemText.h"
#include "kit/events/Recurrence.h"

#include <algorithm>
#include <limits>

namespace kit::events {

namespace {

using foundation::Date;

std::optional<ZonedTime> timeOf(const ToDoPart &todo, PropertyName name) {
  auto property = todo.item->first(name);
  return property ? zonedTimeOf(*property, todo.file->zones) : std::nullopt;
}

std::optional<Length> durationLength(const ToDoPart &todo, const ZonedTime &start) {
  auto property = todo.item->first(PropertyName::duration);
  auto duration = property ? durationOf(*property, start) : std::nullopt;
  if (!duration || duration->is_neg)
    return std::nullopt;
  return nominalLength(*duration, start.isDate());
}

// How long after its start a to-do is due: to a DUE day, days on the calendar; to a floating DUE
// time from a floating start, time on the wall clock; to any other DUE time, exact seconds; by a
// DURATION, its days nominal and the rest exact.
Length dueLength(const ZonedTime &start, const ZonedTime &due, const Zone *local) {
  if (start.isFloating() && due.isFloating())
    return Length{.allDay = false,
                  .days = 0,
                  .seconds = static_cast<double>(std::max<WallSeconds>(
                      wallSecondsOf(due.time) - wallSecondsOf(start.time), 0)),
                  .onWallClock = true};
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

// Whether a time is written as `like` is: both days, or both times on one clock (UTC, one zone,
// or the wall clock of no zone).
bool sameForm(const ZonedTime &time, const ZonedTime &like) {
  if (time.isDate() || like.isDate())
    return time.isDate() && like.isDate();
  return icaltime_is_utc(time.time) == icaltime_is_utc(like.time) && time.zone == like.zone;
}

std::string quotedIfNeeded(std::string_view parameter) {
  if (parameter.find_first_of(";:,") == std::string_view::npos)
    return std::string(parameter);
  return "\"" + std::string(parameter) + "\"";
}

} // namespace

std::optional<DueDate> dueOfToDo(const ToDoPart &todo, const Zone *local) {
  if (auto due = timeOf(todo, PropertyName::due))
    return DueDate{.date = instantOf(*due, local), .hasTime = !due->isDate()};
  auto start = timeOf(todo, PropertyName::dtstart);
  auto length = start ? durationLength(todo, *start) : std::nullopt;
  if (!length)
    return std::nullopt;
  return DueDate{.date = length->endAfter(*start, instantOf(*start, local), local),
                 .hasTime = !start->isDate()};
}

bool ToDoSeries::Occurrence::completed() const {
  return change && !isCancelled(*change->item) && isCompleted(*change->item);
}

bool ToDoSeries::Occurrence::cancelled() const { return change && isCancelled(*change->item); }

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
  if (due)
    made.dueProperty_ = series.item->first(PropertyName::due);
  if (!start) {
    made.length_ = Length{};
    made.dueHasTime_ = !due->isDate();
  } else if (due) {
    made.length_ = dueLength(*start, *due, local);
    made.dueHasTime_ = !due->isDate();
  } else {
    made.length_ = durationLength(series, *start);
    made.dueHasTime_ = !start->isDate();
    if (made.length_)
      made.durationProperty_ = series.item->first(PropertyName::duration);
  }
  for (const auto &change : overrides) {
    auto recurrenceId = change.item->first(PropertyName::recurrenceId);
    auto written = recurrenceId ? zonedTimeOf(*recurrenceId, change.file->zones) : std::nullopt;
    if (!written)
      continue;
    ZonedTime named = namedOccurrence(*written, *series.item, series.file->zones, made.start_,
                                      local, *series.file->account);
    made.changes_.try_emplace(instantOf(named, local), Change{.named = named, .part = change});
  }
  return made;
}

ToDoSeries::Occurrence ToDoSeries::occurrenceAt(const ZonedTime &start) const {
  Occurrence occurrence{.start = start, .moment = instantOf(start, local_), .due = std::nullopt};
  auto change = changes_.find(occurrence.moment);
  if (change != changes_.end())
    occurrence.change = &change->second.part;
  // An override that gives its own due time moves the occurrence's.
  if (occurrence.change)
    occurrence.due = dueOfToDo(*occurrence.change, local_);
  if (!occurrence.due && length_)
    occurrence.due = DueDate{.date = length_->endAfter(start, occurrence.moment, local_),
                             .hasTime = dueHasTime_};
  return occurrence;
}

std::optional<ToDoSeries::Occurrence> ToDoSeries::lastChanged() const {
  for (auto change = changes_.rbegin(); change != changes_.rend(); ++change) {
    auto occurrence = occurrenceAt(change->second.named);
    if (occurrence.cancelled())
      continue;
    if (hasAfter(occurrence))
      return std::nullopt;
    return occurrence;
  }
  return std::nullopt;
}

std::optional<ToDoSeries::Occurrence> ToDoSeries::latestDue(Date now) const {
  auto dueByNow = [&](const Occurrence &occurrence) {
    return !occurrence.cancelled() && occurrence.dueMoment() <= now;
  };
  // Nothing starts later than it is due, unless its override moves its due time (below).
  Date end = now.addingTimeInterval(1);
  std::optional<Occurrence> latest;
  double longest = length_ ? length_->longestSeconds() : 0;
  for (std::size_t step = 0; !latest; ++step) {
    bool whole = step == std::size(kLookBack);
    Date from = whole ? startMoment_ : now.addingTimeInterval(-kLookBack[step] - longest);
    OccurrenceWindow window{.start = std::max(from, startMoment_),
                            .end = end,
                            .longestSeconds = 0,
                            .local = local_,
                            .enough = std::numeric_limits<std::size_t>::max(),
                            .counts = {}};
    auto starts = occurrenceStarts(*series_.item, series_.file->zones, start_, window,
                                   *series_.file->account);
    for (auto at = starts.rbegin(); at != starts.rend() && !latest; ++at)
      if (auto occurrence = occurrenceAt(at->start); dueByNow(occurrence))
        latest = occurrence;
    if (whole || from <= startMoment_)
      break;
  }
  // An override may have moved a later occurrence's due time to now or before.
  for (const auto &[moment, change] : changes_)
    if (!latest || moment > latest->moment)
      if (auto occurrence = occurrenceAt(change.named); dueByNow(occurrence))
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

std::optional<ToDoSeries::Occurrence>
ToDoSeries::firstAfter(Date moment, bool (*passedOver)(const Occurrence &)) const {
  // Occurrences are passed over only where an override says so: one more than the overrides
  // after the moment is enough to find one that is not, if the series has one.
  auto changed = static_cast<std::size_t>(std::count_if(
      changes_.begin(), changes_.end(), [&](const auto &entry) { return entry.first > moment; }));
  for (const auto &occurrence : after(moment, changed + 1))
    if (!passedOver(occurrence))
      return occurrence;
  return std::nullopt;
}

std::optional<ToDoSeries::Occurrence> ToDoSeries::current(Date now) const {
  auto latest = latestDue(now);
  if (latest && !latest->completed())
    return latest;
  Date from = latest ? latest->moment : startMoment_.addingTimeInterval(-1);
  return firstAfter(from, [](const Occurrence &occurrence) {
    return occurrence.completed() || occurrence.cancelled();
  });
}

bool ToDoSeries::hasAfter(const Occurrence &occurrence) const {
  return firstAfter(occurrence.moment, [](const Occurrence &next) { return next.cancelled(); })
      .has_value();
}

std::optional<ToDoSeries::Occurrence> ToDoSeries::latestOrFirst(Date now) const {
  if (auto latest = latestDue(now))
    return latest;
  return firstAfter(startMoment_.addingTimeInterval(-1),
                    [](const Occurrence &occurrence) { return occurrence.cancelled(); });
}

std::optional<ZonedTime> ToDoSeries::inFormOf(const Property &form,
                                              const std::optional<ZonedTime> &time,
                                              Date moment) const {
  auto like = zonedTimeOf(form, series_.file->zones);
  if (!like)
    return std::nullopt;
  if (time && sameForm(*time, *like))
    return ZonedTime{.time = timeAt(wallSecondsOf(time->time), like->time), .zone = like->zone};
  const Zone *zone = like->isDate() ? local_ : effectiveZone(*like, local_);
  auto seconds = static_cast<std::int64_t>(moment.unixTime());
  ZonedTime written{.time = timeAt(seconds + zone->offsetAt(seconds), like->time),
                    .zone = like->zone};
  if (instantOf(written, local_) != moment)
    return std::nullopt;
  return written;
}

std::optional<ZonedTime> ToDoSeries::unambiguous(const std::optional<ZonedTime> &time) const {
  if (time && time->zone && isShownTwice(*time, local_))
    return std::nullopt;
  return time;
}

std::string ToDoSeries::written(const Property &form, const std::optional<ZonedTime> &time,
                                Date moment) const {
  if (!time)
    return ":" + basicForm(timeAt(static_cast<std::int64_t>(moment.unixTime()))) + "Z";
  std::string text = basicForm(time->time);
  if (time->isDate())
    return ";VALUE=DATE:" + text;
  if (icaltime_is_utc(time->time))
    return ":" + text + "Z";
  if (!form.tzid.empty())
    return ";TZID=" + quotedIfNeeded(form.tzid) + ":" + text;
  return ":" + text;
}

std::vector<std::string> ToDoSeries::linesNaming(const Occurrence &occurrence) const {
  auto named = inFormOf(*anchor_, occurrence.start, occurrence.moment);
  std::vector<std::string> lines{"RECURRENCE-ID" + written(*anchor_, named, occurrence.moment)};
  if (anchor_->name == PropertyName::dtstart)
    lines.push_back("DTSTART" + written(*anchor_, unambiguous(named), occurrence.moment));
  if (dueProperty_ && occurrence.due) {
    Date due = occurrence.due->date;
    lines.push_back("DUE" + written(*dueProperty_,
                                    unambiguous(inFormOf(*dueProperty_, std::nullopt, due)), due));
  } else if (durationProperty_) {
    lines.push_back("DURATION:" + std::string(durationProperty_->value));
  }
  return lines;
}

} // namespace kit::events
