#include "Shared/Data/WeatherProvider/DefaultPlace.h"

#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/WeatherProvider/PlaceSearch.h"
#include "Shared/Data/WidgetIntents/TimeZoneEntity.h"

#include "kit/foundation/TimeZone.h"
#include "kit/foundation/tasks/BackgroundTasks.h"

#include <map>
#include <string>
#include <utility>

namespace zavel::WeatherProvider {

namespace {

struct Coordinates {
  double latitude;
  double longitude;
};

const std::map<std::string, Coordinates, std::less<>> &timeZoneCoords() {
  static const std::map<std::string, Coordinates, std::less<>> table{
      {"America/Los_Angeles", {34.0522, -118.2437}}, {"America/Denver", {39.7392, -104.9903}},
      {"America/Phoenix", {33.4484, -112.074}},      {"America/Chicago", {41.8781, -87.6298}},
      {"America/New_York", {40.7128, -74.006}},      {"America/Toronto", {43.6532, -79.3832}},
      {"America/Vancouver", {49.2827, -123.1207}},   {"America/Mexico_City", {19.4326, -99.1332}},
      {"America/Sao_Paulo", {-23.5505, -46.6333}},   {"Europe/London", {51.5072, -0.1276}},
      {"Europe/Paris", {48.8566, 2.3522}},           {"Europe/Berlin", {52.52, 13.405}},
      {"Europe/Madrid", {40.4168, -3.7038}},         {"Europe/Rome", {41.9028, 12.4964}},
      {"Europe/Amsterdam", {52.3676, 4.9041}},       {"Asia/Tokyo", {35.6762, 139.6503}},
      {"Asia/Shanghai", {31.2304, 121.4737}},        {"Asia/Hong_Kong", {22.3193, 114.1694}},
      {"Asia/Singapore", {1.3521, 103.8198}},        {"Asia/Dubai", {25.2048, 55.2708}},
      {"Asia/Kolkata", {28.6139, 77.209}},           {"Australia/Sydney", {-33.8688, 151.2093}},
      {"Pacific/Auckland", {-36.8509, 174.7645}},
  };
  return table;
}

std::optional<Place> storedPlace(std::string_view key, const std::filesystem::path &home) {
  auto place = SharedSuite::read<Place>(key, home);
  if (!place || !hasValidCoordinates(*place))
    return std::nullopt;
  return place;
}

// Stores the place found only where nothing is stored yet: whatever was written while the search
// ran, a default the host application chose above all, is kept.
void storeSearchedPlace(const Place &found, const std::filesystem::path &home) {
  SharedSuite::updateRecord<Place>(
      defaultPlaceKey,
      [&](std::optional<Place> &stored) {
        if (stored)
          return false;
        stored = found;
        return true;
      },
      home, SharedSuite::Unreadable::isKept);
}

// Looks the city up and stores the first place found; any failure leaves the suite as it was,
// and the next call that needs it searches again.
void searchDefaultPlaceInBackground(std::string city, const Environment &environment) {
  kit::foundation::runDetached(
      [city = std::move(city), address = environment.geocodingAddress, home = environment.home] {
        auto places = searchPlaces(city, address);
        if (!places.empty())
          storeSearchedPlace(places.front(), home);
      });
}

// Reached with no usable place stored: a search may store one only where nothing is, never over
// a value the host application wrote that cannot be read as a place.
bool nothingStored(const std::filesystem::path &home) {
  return !SharedSuite::open(home).object(defaultPlaceKey);
}

} // namespace

std::optional<Place> myLocation(const std::filesystem::path &home) {
  return storedPlace(myLocationKey, home);
}

Place defaultPlace(const Environment &environment) {
  if (auto own = myLocation(environment.home))
    return *own;
  if (auto stored = storedPlace(defaultPlaceKey, environment.home))
    return *stored;
  std::string zone = kit::foundation::TimeZone::current().identifier();
  std::string city = TimeZoneEntity::cityName(zone);
  auto row = timeZoneCoords().find(zone);
  if (row != timeZoneCoords().end())
    return {city, row->second.latitude, row->second.longitude};
  // Without a place service there is nothing to search with.
  if (environment.geocodingAddress && nothingStored(environment.home))
    searchDefaultPlaceInBackground(std::move(city), environment);
  // London's weather must not be labelled with the local city's name.
  return fallbackPlace();
}

} // namespace zavel::WeatherProvider
