#pragma once

#include "Shared/Data/WidgetIntents/DualClockConfigIntent.h"

#include "kit/foundation/TimeZone.h"

#include <string>

namespace zavel {

// The two zones of the dual clock and the names it prints for them.
struct DualClockZones {
  kit::foundation::TimeZone homeZone;
  kit::foundation::TimeZone awayZone;
  std::string homeName;
  std::string awayName;
};

// Home is the chosen city or the current zone; away the chosen city or Sydney. A chosen city the
// system knows no zone of gives the current zone, away too.
DualClockZones dualClockZones(const DualClockConfigIntent &configuration);

} // namespace zavel
