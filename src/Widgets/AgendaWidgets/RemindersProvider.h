#pragma once

#include "Widgets/AgendaWidgets/AgendaProvider.h"

namespace zavel {

// The reminders widgets read today's reminders.
struct RemindersSource {
  using Snapshot = RemindersSnapshot;

  // The five sample reminders, counting down 28 minutes to the 17:00 call.
  static const RemindersSnapshot &sample();
  static std::optional<RemindersSnapshot> load(const EventSync::Environment &environment) {
    return EventSync::loadReminders(environment);
  }
};

using RemindersProvider = AgendaProvider<RemindersSource>;
using RemindersEntry = RemindersProvider::Entry;

} // namespace zavel
