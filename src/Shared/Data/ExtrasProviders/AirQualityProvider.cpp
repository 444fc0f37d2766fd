#include "Shared/Data/ExtrasProviders/AirQualityProvider.h"

#include "Shared/Data/ExtrasProviders/CachedFetch.h"
#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/WeatherProvider/CoordinateText.h"

#include "kit/foundation/net/HttpError.h"
#include "kit/foundation/net/HttpSession.h"
#include "kit/foundation/net/URLEncoding.h"

#include <cstdint>

namespace zavel::AirQualityProvider {

namespace {

using kit::foundation::field;
using kit::foundation::HttpError;
using WeatherProvider::coordinateText;
using WeatherProvider::Place;

struct Current {
  std::optional<int64_t> us_aqi;
  static constexpr auto jsonFields() { return std::tuple{field("us_aqi", &Current::us_aqi)}; }
};

struct API {
  Current current;
  static constexpr auto jsonFields() { return std::tuple{field("current", &API::current)}; }
};

// The slot's stored form: an air-quality record with the coordinates it was fetched for, so a
// reader of the plain record still reads it.
struct Slot {
  int64_t aqi = 0;
  kit::foundation::Date updated;
  std::optional<std::string> placeKey;
  static constexpr auto jsonFields() {
    return std::tuple{field("aqi", &Slot::aqi), field("updated", &Slot::updated),
                      field("placeKey", &Slot::placeKey)};
  }
};

// The coordinates as they are requested.
std::string placeKey(const Place &place) {
  return coordinateText(place.latitude) + "," + coordinateText(place.longitude);
}

// The slot's record when it was written for this place; a slot of unknown place is no answer.
std::optional<AirQualitySnapshot> cached(const std::string &place,
                                         const std::filesystem::path &home) {
  auto slot = SharedSuite::read<Slot>(cacheKey, home);
  if (!slot || slot->placeKey != place)
    return std::nullopt;
  return AirQualitySnapshot{slot->aqi, slot->updated};
}

AirQualitySnapshot fetch(const Place &place, const Environment &environment) {
  if (!WeatherProvider::hasValidCoordinates(place))
    throw HttpError(HttpError::Code::badURL, "a place off the globe");
  std::string url =
      kit::foundation::urlWithQueryItems(kit::foundation::serviceURL(environment.address, path),
                                         {{"latitude", coordinateText(place.latitude)},
                                          {"longitude", coordinateText(place.longitude)},
                                          {"current", "us_aqi"}});
  // The status is not judged: an answer whose body reads is used.
  auto response = kit::foundation::HttpSession::shared().data(url);
  return airQualityFromAnswer(response.body, environment.clock.now());
}

} // namespace

AirQualitySnapshot airQualityFromAnswer(std::string_view body, kit::foundation::Date now) {
  auto api = kit::foundation::decodeJsonData<API>(body);
  if (!api)
    throw kit::foundation::DecodeError("unreadable air-quality answer");
  if (!api->current.us_aqi)
    throw HttpError(HttpError::Code::cannotParseResponse, "answer without an index");
  return AirQualitySnapshot{*api->current.us_aqi, now};
}

std::optional<AirQualitySnapshot> snapshot(const WeatherProvider::Place &place,
                                           const Environment &environment) {
  const std::string key = placeKey(place);
  return cachedOrFetched<AirQualitySnapshot>(
      [&] { return cached(key, environment.home); }, [&] { return fetch(place, environment); },
      [&](const AirQualitySnapshot &fresh) {
        SharedSuite::write(cacheKey, Slot{fresh.aqi, fresh.updated, key}, environment.home);
      },
      environment.clock.now(), freshnessWindow);
}

} // namespace zavel::AirQualityProvider
