#pragma once

#include "kit/foundation/Saturating.h"

#include <algorithm>
#include <cstdint>

namespace zavel {

// A minute count of the usage log as the screen-time faces read it: the host's log promises no
// sign, and a negative time of use would draw bars upside down and "-1:-5".
inline int64_t shownMinutes(int64_t minutes) { return std::max<int64_t>(minutes, 0); }

// The shown minutes of every element, added up; a sum past the integer range stops at its end.
template <class Range, class Minutes> int64_t totalMinutes(const Range &elements, Minutes minutes) {
  int64_t total = 0;
  for (const auto &element : elements)
    total = kit::foundation::saturatingAdd(total, shownMinutes(minutes(element)));
  return total;
}

// The largest shown minutes of any element, and at least 1, so it can divide.
template <class Range, class Minutes> int64_t mostMinutes(const Range &elements, Minutes minutes) {
  int64_t most = 1;
  for (const auto &element : elements)
    most = std::max(most, shownMinutes(minutes(element)));
  return most;
}

} // namespace zavel
