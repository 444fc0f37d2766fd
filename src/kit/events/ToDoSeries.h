#pragma once

#include "kit/events/CalendarFolder.h"
#include "kit/events/CalendarItems.h"
#include "kit/events/IcalTime.h"
#include "kit/events/ItemGroups.h"
#include "kit/events/ItemLength.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kit::events {

// A to-do component with the file it is read from.
using ToDoPart = ItemPart;

// The moment a to-do is due: DUE (RFC 5545 §3.8.2.3), a day due at its local midnight; without
// one, a DTSTART with a DURATION is due that long after it starts (§3.8.2.5), days and weeks
// counted on the calendar. None for a to-do that gives neither.
std::optional<DueDate> dueOfToDo(const ToDoPart &todo, const Zone *local);

// A repeating to-do (an RRULE or RDATE on a VTODO, RFC 5545 §3.8.5) with the occurrences other
// programs changed, completed or cancelled (its overrides, by RECURRENCE-ID, §3.8.4.4), in
// whichever file of the calendar they are kept. Its occurrences start as its DTSTART recurs, or
// its DUE when it has no DTSTART, in the series' order (by the moment each RECURRENCE-ID names);
// one an EXDATE leaves out or an override cancels is no occurrence. Each is due as long after
// its start as the series' DUE (or DURATION) is after its DTSTART (on the wall clock when both
// are floating), unless its override gives a due time of its own. Expanding it draws on the account
// of the series' file; what does not fit leaves it unread (ReadingExhausted).
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

    bool completed() const;
    bool cancelled() const;
    // Due at this moment; one without a due time when it starts.
    foundation::Date dueMoment() const { return due ? due->date : moment; }
  };

  // The occurrence current at `now`: of the latest occurrence due at or before it and those
  // after it in the series' order, the first not completed; when none is due yet, the first not
  // completed. So missed ones before the latest due are passed over, the one most recently due
  // stays until it is completed, and several due in a day come in turn. None when every
  // occurrence from there on is completed.
  std::optional<Occurrence> current(foundation::Date now) const;

  // Whether an occurrence follows this one.
  bool hasAfter(const Occurrence &occurrence) const;

  // An override with the start of the occurrence it names (namedOccurrence).
  struct Change {
    ZonedTime named;
    ToDoPart part;
  };
  // The overrides by the moment each names; of two naming one occurrence, the first.
  const std::map<foundation::Date, Change> &changes() const { return changes_; }

  // The occurrence that starts at `start`, with its override, if any.
  Occurrence occurrenceAt(const ZonedTime &start) const;

  // The occurrence the latest override not cancelling one names, when no occurrence follows it:
  // the series' last, which completes and reopens with the series as a whole.
  std::optional<Occurrence> lastChanged() const;

  // The series' latest occurrence due at or before `now`, else its first.
  std::optional<Occurrence> latestOrFirst(foundation::Date now) const;

  // The lines an override of the occurrence names it and gives its times with, as the series
  // writes its own: its RECURRENCE-ID and DTSTART in the form of the series' start
  // ("RECURRENCE-ID;TZID=Europe/Oslo:20261207T090000"), then its DUE in the form of the series'
  // DUE, or the series' DURATION. An occurrence of the series' own form is named by its original
  // value, as the series writes it (RFC 5545 §3.8.4.4), a time its clock skips or shows twice
  // included; a floating series' due time is as far on the wall clock after its start as the
  // series' own. A moment the form cannot name exactly (an RDATE's in another form), and a start
  // or due time its zone's clock shows twice, are written in UTC.
  std::vector<std::string> linesNaming(const Occurrence &occurrence) const;

  const ToDoPart &series() const { return series_; }

private:
  ToDoSeries(const ToDoPart &series, const Zone *local) : series_(series), local_(local) {}

  std::optional<Occurrence> latestDue(foundation::Date now) const;
  // The first occurrence after `moment` for which `passedOver` does not hold.
  std::optional<Occurrence> firstAfter(foundation::Date moment,
                                       bool (*passedOver)(const Occurrence &)) const;
  // The first occurrences starting after `moment`, up to `count` of them.
  std::vector<Occurrence> after(foundation::Date moment, std::size_t count) const;
  // `time` in the form of `form`: as it is when it has that form, else its `moment` in that form;
  // none where that form cannot name the moment exactly.
  std::optional<ZonedTime> inFormOf(const Property &form, const std::optional<ZonedTime> &time,
                                    foundation::Date moment) const;
  // None for a time in a zone whose clock shows it twice, which readers take for either.
  std::optional<ZonedTime> unambiguous(const std::optional<ZonedTime> &time) const;
  // A property like `form` giving `time`, its parameters and value; `moment` in UTC without one.
  std::string written(const Property &form, const std::optional<ZonedTime> &time,
                      foundation::Date moment) const;

  ToDoPart series_;
  const Zone *local_;
  std::optional<Property> anchor_; // DTSTART, else DUE
  std::optional<Property> dueProperty_;
  std::optional<Property> durationProperty_; // when it gives its length so
  ZonedTime start_;
  foundation::Date startMoment_;
  std::optional<Length> length_; // from start to due; none when it has no due
  bool dueHasTime_ = true;
  std::map<foundation::Date, Change> changes_;
};

} // namespace kit::events
