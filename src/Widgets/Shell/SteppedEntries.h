#pragma once

#include "Widgets/Shell/ZavelEntry.h"

#include "kit/foundation/Date.h"

#include <vector>

namespace zavel {

// The moment `minutes` whole minutes after `date`. Minutes are added in absolute time, which is
// what the calendar does for them: 23:30 and 60 give 00:30 the next day, and 01:50 and 15 on a
// night the clocks spring from 02:00 to 03:00 give 03:05.
inline kit::foundation::Date minutesAfter(kit::foundation::Date date, int minutes) {
  return date.addingTimeInterval(minutes * 60.0);
}

// `count` entries of the same data, `stepSeconds` apart from `start`, so a face that places
// something by its entry's date moves between reloads while the data stays.
template <class Data>
std::vector<ZavelEntry<Data>> steppedEntries(kit::foundation::Date start, double stepSeconds,
                                             int count, const Data &data, CasingOption casing) {
  std::vector<ZavelEntry<Data>> entries;
  for (int i = 0; i < count; ++i)
    entries.push_back({start.addingTimeInterval(i * stepSeconds), data, casing});
  return entries;
}

// Three entries ten minutes apart from `now`.
template <class Data>
std::vector<ZavelEntry<Data>> tenMinuteEntries(kit::foundation::Date now, const Data &data,
                                               CasingOption casing) {
  return steppedEntries(now, 600, 3, data, casing);
}

} // namespace zavel
