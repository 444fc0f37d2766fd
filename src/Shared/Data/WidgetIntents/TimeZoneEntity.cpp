#include "Shared/Data/WidgetIntents/TimeZoneEntity.h"

#include <algorithm>

namespace zavel {

std::string TimeZoneEntity::cityName(std::string_view identifier) {
  const auto end = identifier.find_last_not_of('/');
  if (end == std::string_view::npos)
    return std::string(identifier);
  const auto slash = identifier.find_last_of('/', end);
  const auto start = slash == std::string_view::npos ? 0 : slash + 1;
  std::string city(identifier.substr(start, end + 1 - start));
  std::replace(city.begin(), city.end(), '_', ' ');
  return city;
}

kit::intents::DisplayRepresentation TimeZoneEntity::displayRepresentation() const {
  return {cityName(id)};
}

kit::foundation::TimeZone
TimeZoneEntity::timeZone(const kit::foundation::TimeZone &fallback) const {
  return kit::foundation::TimeZone::named(id).value_or(fallback);
}

} // namespace zavel
