#include "Shared/Data/WidgetIntents/WeatherPlaceEntity.h"

#include "Shared/Data/WeatherProvider/CoordinateText.h"

#include <optional>
#include <vector>

namespace zavel {

namespace {

using WeatherProvider::Place;

constexpr char kSeparator = '|';

// The pieces between separators, empty ones left out.
std::vector<std::string_view> pieces(std::string_view id) {
  std::vector<std::string_view> result;
  while (!id.empty()) {
    std::size_t end = id.find(kSeparator);
    std::string_view piece = id.substr(0, end);
    if (!piece.empty())
      result.push_back(piece);
    if (end == std::string_view::npos)
      break;
    id.remove_prefix(end + 1);
  }
  return result;
}

std::optional<Place> parsedPlace(std::string_view id) {
  auto parts = pieces(id);
  if (parts.size() != 3)
    return std::nullopt;
  auto latitude = WeatherProvider::coordinateValue(parts[1]);
  auto longitude = WeatherProvider::coordinateValue(parts[2]);
  if (!latitude || !longitude)
    return std::nullopt;
  Place place{std::string(parts[0]), *latitude, *longitude};
  if (!WeatherProvider::hasValidCoordinates(place))
    return std::nullopt;
  return place;
}

} // namespace

WeatherPlaceEntity WeatherPlaceEntity::of(const Place &place) {
  return {place.name + kSeparator + WeatherProvider::coordinateText(place.latitude) + kSeparator +
          WeatherProvider::coordinateText(place.longitude)};
}

Place WeatherPlaceEntity::place() const {
  return parsedPlace(id).value_or(WeatherProvider::fallbackPlace());
}

kit::intents::DisplayRepresentation WeatherPlaceEntity::displayRepresentation() const {
  return {place().name};
}

} // namespace zavel
