#pragma once

#include "Widgets/AgendaWidgets/AgendaProvider.h"

namespace zavel {

// The calendar widgets read today's timed events.
struct CalendarSource {
  using Snapshot = CalendarSnapshot;

  // The three sample events, with the day 68% through.
  static const CalendarSnapshot &sample();
  static std::optional<CalendarSnapshot> load(const EventSync::Environment &environment) {
    return EventSync::loadCalendar(environment);
  }
};

using CalendarProvider = AgendaProvider<CalendarSource>;
using CalendarEntry = CalendarProvider::Entry;

} // namespace zavel
