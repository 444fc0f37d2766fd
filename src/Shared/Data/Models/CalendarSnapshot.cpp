#include "Shared/Data/Models/CalendarSnapshot.h"

#include <algorithm>

namespace zavel {

namespace {
constexpr double kSpanStart = 7 * 3600;
constexpr double kSpanLength = 16 * 3600;
} // namespace

double CalendarSnapshot::dayProgressAt(kit::foundation::Date now,
                                       const kit::foundation::Calendar &calendar) {
  auto spanStart = calendar.startOfDay(now).addingTimeInterval(kSpanStart);
  return std::clamp(now.timeIntervalSince(spanStart) / kSpanLength, 0.0, 1.0);
}

} // namespace zavel
