#include "Shared/Data/ClockFormat.h"
#include "Shared/Data/EventSync/DayWindow.h"
#include "Shared/Data/EventSync/EventStoreAccess.h"
#include "Shared/Data/EventSync/EventSync.h"
#include "kit/foundation/Utf8.h"

#include <algorithm>

namespace zavel::EventSync {

namespace {

using kit::events::Event;
using kit::foundation::Date;

// The first six timed events by start; equal starts keep the store's order.
std::vector<Event> timedEvents(std::vector<Event> events) {
  std::erase_if(events, [](const Event &event) { return event.isAllDay; });
  std::stable_sort(events.begin(), events.end(),
                   [](const Event &a, const Event &b) { return a.start < b.start; });
  if (events.size() > maximumEvents)
    events.resize(maximumEvents);
  return events;
}

} // namespace

CalendarSnapshot readCalendar(const Environment &environment) {
  auto now = environment.clock.now();
  auto calendar = kit::foundation::Calendar::current();
  auto day = DayWindow::of(now, calendar);
  const auto &zone = calendar.timeZone();
  CalendarSnapshot snapshot{.events = {},
                            .dayProgress = CalendarSnapshot::dayProgressAt(now, calendar)};
  // Only the first event of the list that starts later is next; one in progress is neither.
  bool nextFound = false;
  bool twentyFourHour = ClockFormat::uses24Hour(environment.home);
  // No event can show more than the snapshot keeps of the day.
  auto events = openEventStore(environment).events(day.start, day.end, maximumEvents);
  for (const auto &event : timedEvents(std::move(events))) {
    bool isPast = event.end < now;
    bool isNext = !isPast && !nextFound && event.start > now;
    nextFound = nextFound || isNext;
    snapshot.events.push_back(
        // A calendar's folder name may be any bytes; the stored snapshot needs text.
        {.id = kit::foundation::sanitizedUtf8(event.id),
         .start = ClockFormat::hhmm(event.start, zone, twentyFourHour),
         .end = ClockFormat::hhmm(event.end, zone, twentyFourHour),
         .title = event.title.value_or("Untitled"),
         .detail =
             EventItem::detailText(isPast, event.start, event.end, event.location.value_or("")),
         .isPast = isPast,
         .isNext = isNext});
  }
  return snapshot;
}

} // namespace zavel::EventSync
