#include "kit/events/ItemLength.h"

#include <algorithm>

namespace kit::events {

Length nominalLength(const icaldurationtype &duration, bool allDay) {
  if (duration.is_neg)
    return {.allDay = allDay, .days = allDay ? 1 : 0, .seconds = 0};
  Length length{
      .allDay = allDay,
      .days = static_cast<int>(std::min<unsigned>(duration.weeks * 7 + duration.days, 1000000)),
      .seconds =
          allDay ? 0.0 : duration.hours * 3600.0 + duration.minutes * 60.0 + duration.seconds};
  if (allDay)
    length.days = std::max(length.days, 1);
  return length;
}

} // namespace kit::events
