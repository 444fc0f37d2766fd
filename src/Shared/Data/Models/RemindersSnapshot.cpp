#include "Shared/Data/Models/RemindersSnapshot.h"

#include "kit/foundation/Saturating.h"

#include <algorithm>

namespace zavel {

using kit::foundation::wholeTruncated;

int64_t RemindersSnapshot::minutesUntil(kit::foundation::Date due, kit::foundation::Date now) {
  return std::max<int64_t>(1, wholeTruncated(due.timeIntervalSince(now) / 60));
}

} // namespace zavel
