#pragma once

#include "Widgets/Shell/ZavelEntry.h"

#include "kit/foundation/Date.h"

#include <vector>

namespace zavel {

// The moment `minutes` whole minutes after `date`.
inline kit::foundation::Date minutesAfter(kit::foundation::Date date, int minutes) {
  return date.addingTimeInterval(minutes * 60.0);
}

// Three entries of the same data ten minutes apart from `now`, so a face that places something
// by its entry's date moves between reloads while the data stays.
template <class Data>
std::vector<ZavelEntry<Data>> tenMinuteEntries(kit::foundation::Date now, const Data &data,
                                               CasingOption casing) {
  std::vector<ZavelEntry<Data>> entries;
  for (int offset : {0, 10, 20})
    entries.push_back({minutesAfter(now, offset), data, casing});
  return entries;
}

} // namespace zavel
