#include "Shared/Data/WidgetIntents/WeatherPlaceQuery.h"

#include "Shared/Data/WeatherProvider/DefaultPlace.h"
#include "Shared/Data/WeatherProvider/PlaceSearch.h"
#include "Shared/Data/WidgetIntents/WeatherPlaceEntity.h"

#include <exception>

namespace zavel {

std::vector<WeatherPlaceEntity>
WeatherPlaceQuery::entitiesFor(const std::vector<std::string> &ids) const {
  std::vector<WeatherPlaceEntity> entities;
  for (const auto &id : ids)
    entities.push_back({id});
  return entities;
}

std::vector<WeatherPlaceEntity> WeatherPlaceQuery::entitiesMatching(std::string_view text) const {
  std::vector<WeatherPlaceEntity> entities;
  try {
    for (const auto &place : WeatherProvider::searchPlaces(text, environment.geocodingAddress))
      entities.push_back(WeatherPlaceEntity::of(place));
  } catch (const std::exception &) {
    // The editor shows an empty list.
    return {};
  }
  return entities;
}

std::vector<WeatherPlaceEntity> WeatherPlaceQuery::suggestedEntities() const {
  return {*defaultResult()};
}

std::optional<WeatherPlaceEntity> WeatherPlaceQuery::defaultResult() const {
  return WeatherPlaceEntity::of(WeatherProvider::defaultPlace(environment));
}

} // namespace zavel
