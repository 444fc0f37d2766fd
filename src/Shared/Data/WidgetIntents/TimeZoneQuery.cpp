#include "Shared/Data/WidgetIntents/TimeZoneQuery.h"

#include "kit/foundation/Locale.h"
#include "kit/foundation/TextOperations.h"
#include "kit/foundation/TimeZone.h"

#include <algorithm>

namespace zavel {

const std::array<std::string_view, 20> &TimeZoneQuery::suggestions() {
  static constexpr std::array<std::string_view, 20> list{
      "Europe/London",    "America/New_York",  "America/Los_Angeles", "America/Chicago",
      "America/Denver",   "Europe/Paris",      "Europe/Berlin",       "Europe/Madrid",
      "Europe/Amsterdam", "Asia/Tokyo",        "Asia/Shanghai",       "Asia/Hong_Kong",
      "Asia/Singapore",   "Asia/Dubai",        "Asia/Kolkata",        "Australia/Sydney",
      "Pacific/Auckland", "America/Sao_Paulo", "America/Mexico_City", "America/Toronto",
  };
  return list;
}

std::vector<TimeZoneEntity> TimeZoneQuery::entitiesFor(const std::vector<std::string> &ids) const {
  std::vector<TimeZoneEntity> entities;
  entities.reserve(ids.size());
  for (const auto &id : ids)
    entities.push_back({id});
  return entities;
}

std::vector<TimeZoneEntity> TimeZoneQuery::entitiesMatching(std::string_view text) const {
  const auto locale = kit::foundation::Locale::current();
  std::vector<TimeZoneEntity> matches;
  for (const auto &id : kit::foundation::TimeZone::knownIdentifiers()) {
    if (matches.size() == maxMatches)
      break;
    if (kit::foundation::localizedCaseInsensitiveContains(TimeZoneEntity::cityName(id), text,
                                                          locale))
      matches.push_back({id});
  }
  return matches;
}

std::vector<TimeZoneEntity> TimeZoneQuery::suggestedEntities() const {
  const std::string current = kit::foundation::TimeZone::current().identifier();
  std::vector<TimeZoneEntity> entities;
  const auto &list = suggestions();
  if (std::find(list.begin(), list.end(), current) == list.end())
    entities.push_back({current});
  for (auto id : list)
    entities.push_back({std::string(id)});
  return entities;
}

std::optional<TimeZoneEntity> TimeZoneQuery::defaultResult() const {
  return TimeZoneEntity{kit::foundation::TimeZone::current().identifier()};
}

} // namespace zavel
