#include "Shared/Views/ClockViews/ZoneCityName.h"

#include "Shared/Data/WidgetIntents/TimeZoneEntity.h"
#include "kit/foundation/TextOperations.h"

namespace zavel {

std::string zoneCityName(const kit::foundation::TimeZone &zone) {
  return kit::foundation::uppercased(TimeZoneEntity::cityName(zone.identifier()));
}

} // namespace zavel
