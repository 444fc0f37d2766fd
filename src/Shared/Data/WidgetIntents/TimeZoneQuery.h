#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zavel {

struct TimeZoneEntity;

// The cities a clock's configuration offers: suggestions, a search over the known zones, and
// entities for stored identifiers.
struct TimeZoneQuery {
  // Suggested before anything is typed, in this order.
  static const std::array<std::string_view, 20> &suggestions();
  // The most entities a search gives.
  static constexpr std::size_t maxMatches = 12;

  // One entity per identifier, in order, each kept as given: a stored city always resolves.
  std::vector<TimeZoneEntity> entitiesFor(const std::vector<std::string> &ids) const;
  // The first known zones, in the zone list's order, whose city name contains the text, case
  // ignored by the current locale's rules; only the city is searched, never the region.
  std::vector<TimeZoneEntity> entitiesMatching(std::string_view text) const;
  // The suggestions, with the current zone in front when they lack it.
  std::vector<TimeZoneEntity> suggestedEntities() const;
  // The current zone.
  std::optional<TimeZoneEntity> defaultResult() const;
};

} // namespace zavel

// The entity completes the query's declarations.
#include "Shared/Data/WidgetIntents/TimeZoneEntity.h"
