#pragma once

#include "kit/events/CalendarFolder.h"
#include "kit/events/CalendarItems.h"
#include "kit/events/IcalTime.h"
#include "kit/events/ItemLength.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kit::events {

// A to-do component with the file it is read from.
struct ToDoPart {
  const CalendarFile *file = nullptr;
  const ItemComponent *item = nullptr;
};

// The moment a to-do is due: DUE (RFC 5545 §3.8.2.3), a day due at its local midnight; without
// one, a DTSTART with a DURATION is due that long after it starts (§3.8.2.5), days and weeks
// counted on the calendar. None for a to-do that gives neither.
std::optional<DueDate> dueOfToDo(const ToDoPart &todo, const Zone *local);

// A repeating to-do (an RRULE or RDATE on a VTODO, RFC 5545 §3.8.5) with the occurrences other
// programs changed, completed or cancelled (its overrides, by RECURRENCE-ID, §3.8.4.4). Its
// occurrences start as its DTSTART recurs, or its DUE when it has no DTSTART, EXDATEs left out;
// each is due as long after its start as the series' DUE (or DURATION) is after its DTSTART.
// Expanding it draws on the account of the series' file; what does not fit leaves it unread
// (ReadingExhausted).
class ToDoSeries {
public:
  // None when the to-do does not repeat, or has neither a start nor a due time.
  static std::optional<ToDoSeries> of(const ToDoPart &series,
                                      const std::vector<ToDoPart> &overrides, const Zone *local);

  struct Occurrence {
    ZonedTime start; // where it stands in the series, as its RECURRENCE-ID names it
    foundation::Date moment;
    std::optional<DueDate> due;
    const ToDoPart *change = nullptr; // its override, if any

    // Completed or cancelled by its override.
    bool done() const;
  };

  // The occurrence that is current at `horizon` (the end of today): the latest one due before it
  // when that is not done (earlier ones missed are passed over), else the first after it that
  // is not; when none is due before it, the first not done. None when every occurrence is done.
  std::optional<Occurrence> current(foundation::Date horizon) const;

  // Whether the series goes on after this occurrence.
  bool hasAfter(const Occurrence &occurrence) const;

  // The occurrence an override of the series names; none when its RECURRENCE-ID holds no time.
  std::optional<Occurrence> occurrenceOf(const ToDoPart &change) const;

  // The series' latest occurrence due before `horizon`, else its first.
  std::optional<Occurrence> latestOrFirst(foundation::Date horizon) const;

  // The RECURRENCE-ID that names an occurrence, its parameters and value as the series writes
  // its start: ";TZID=Europe/Oslo:20261207T090000", ";VALUE=DATE:20261207", ":20261207T090000Z".
  std::string recurrenceIdOf(const Occurrence &occurrence) const;

  const ToDoPart &series() const { return series_; }

private:
  ToDoSeries(const ToDoPart &series, const Zone *local) : series_(series), local_(local) {}

  Occurrence occurrenceAt(const ZonedTime &start) const;
  std::optional<Occurrence> latestDueBefore(foundation::Date horizon) const;
  // The first occurrences starting after `moment`, up to `count` of them.
  std::vector<Occurrence> after(foundation::Date moment, std::size_t count) const;

  ToDoPart series_;
  const Zone *local_;
  const Property *anchor_ = nullptr; // DTSTART, else DUE
  ZonedTime start_;
  foundation::Date startMoment_;
  std::optional<Length> length_; // from start to due; none when it has no due
  bool dueHasTime_ = true;
  std::map<foundation::Date, ToDoPart> changes_; // overrides by the moment they name
};

} // namespace kit::events
