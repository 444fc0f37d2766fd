#pragma once

#include "Shared/Data/Models/EventItem.h"
#include "kit/foundation/Calendar.h"

namespace zavel {

// The day's timed events in the reader's order, with how far the day has run.
struct CalendarSnapshot {
  std::vector<EventItem> events;
  // Where now lies between 07:00 and 23:00 of today, 0 to 1.
  double dayProgress = 0;

  bool operator==(const CalendarSnapshot &) const = default;

  // The share of the 16 hours from 7 hours after the start of `now`'s day that has passed, held
  // to 0…1. The hours are counted in seconds, so on a day with a clock change they end an hour
  // off the wall clock.
  static double dayProgressAt(kit::foundation::Date now, const kit::foundation::Calendar &calendar);

  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("events", &CalendarSnapshot::events),
                      field("dayProgress", &CalendarSnapshot::dayProgress)};
  }
};

} // namespace zavel
