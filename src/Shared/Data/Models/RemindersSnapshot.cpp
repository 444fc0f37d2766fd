#include "Shared/Data/Models/RemindersSnapshot.h"

#include "Shared/Data/Models/WholeNumbers.h"

#include <algorithm>

namespace zavel {

int64_t RemindersSnapshot::minutesUntil(kit::foundation::Date due, kit::foundation::Date now) {
  return std::max<int64_t>(1, wholeTruncated(due.timeIntervalSince(now) / 60));
}

} // namespace zavel
