#include "Widgets/AgendaWidgets/CalendarProvider.h"

namespace zavel {

const CalendarSnapshot &CalendarSource::sample() {
  static const CalendarSnapshot sample{.events = EventItem::samples(), .dayProgress = 0.68};
  return sample;
}

} // namespace zavel
