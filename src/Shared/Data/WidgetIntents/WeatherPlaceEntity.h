#pragma once

#include "Shared/Data/WeatherProvider/Place.h"
#include "Shared/Data/WidgetIntents/WeatherPlaceQuery.h"

#include "kit/intents/AppEntity.h"

#include <string>
#include <string_view>

namespace zavel {

// A place chosen for a weather widget. Its id is the place itself, name, latitude and longitude
// joined by "|" ("Berlin|52.52|13.0"), so a stored configuration needs no lookup.
struct WeatherPlaceEntity {
  static constexpr std::string_view typeName = "WeatherPlaceEntity";
  static constexpr std::string_view typeDisplayRepresentation = "Place";
  using DefaultQuery = WeatherPlaceQuery;

  std::string id;

  static WeatherPlaceEntity of(const WeatherProvider::Place &place);

  // The place the id names; the fallback place (London) for an id that is not three pieces
  // with coordinates on the globe.
  WeatherProvider::Place place() const;

  // Titled with the place's name.
  kit::intents::DisplayRepresentation displayRepresentation() const;

  bool operator==(const WeatherPlaceEntity &) const = default;
};

} // namespace zavel
