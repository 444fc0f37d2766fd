#include "Shared/Data/WidgetIntents/WeatherDeckConfigIntent.h"

#include "Shared/Data/WeatherProvider/DefaultPlace.h"

namespace zavel {

namespace {

WeatherProvider::Place placeOr(const std::optional<WeatherPlaceEntity> &entity,
                               WeatherProvider::Place otherwise) {
  return entity ? entity->place() : std::move(otherwise);
}

} // namespace

std::array<WeatherProvider::Place, 4>
WeatherDeckConfigIntent::savedPlaces(const WeatherProvider::Environment &environment) const {
  return {place ? place->place() : WeatherProvider::defaultPlace(environment),
          placeOr(city2, {"Kyoto", 35.0116, 135.7681}),
          placeOr(city3, {"Lisbon", 38.7223, -9.1393}),
          placeOr(city4, {"Sydney", -33.8688, 151.2093})};
}

} // namespace zavel
