#include "Shared/Data/ExtrasProviders/AirQualityProvider.h"

#include "Shared/Data/ExtrasProviders/CachedFetch.h"
#include "Shared/Data/SharedSuite.h"

#include "kit/foundation/net/HttpError.h"
#include "kit/foundation/net/HttpSession.h"
#include "kit/foundation/net/URLEncoding.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace zavel::AirQualityProvider {

namespace {

using kit::foundation::field;
using kit::foundation::HttpError;

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

std::string placeKey(double latitude, double longitude) {
  return coordinateText(latitude) + "," + coordinateText(longitude);
}

// The slot's record when it was written for this place; a slot of unknown place is no answer.
std::optional<AirQualitySnapshot> cached(const std::string &place,
                                         const std::filesystem::path &home) {
  auto slot = SharedSuite::read<Slot>(cacheKey, home);
  if (!slot || slot->placeKey != place)
    return std::nullopt;
  return AirQualitySnapshot{slot->aqi, slot->updated};
}

AirQualitySnapshot fetch(double latitude, double longitude, const Environment &environment) {
  if (!std::isfinite(latitude) || !std::isfinite(longitude))
    throw HttpError(HttpError::Code::badURL, "coordinates that are not numbers");
  std::string url =
      kit::foundation::urlWithQueryItems(kit::foundation::serviceURL(environment.address, path),
                                         {{"latitude", coordinateText(latitude)},
                                          {"longitude", coordinateText(longitude)},
                                          {"current", "us_aqi"}});
  // The status is not judged: an answer whose body reads is used.
  auto response = kit::foundation::HttpSession::shared().data(url);
  auto api = kit::foundation::decodeJsonData<API>(response.body);
  if (!api)
    throw kit::foundation::DecodeError("unreadable air-quality answer");
  if (!api->current.us_aqi)
    throw HttpError(HttpError::Code::cannotParseResponse, "answer without an index");
  return AirQualitySnapshot{*api->current.us_aqi, environment.clock.now()};
}

} // namespace

std::string coordinateText(double degrees) {
  char buffer[32];
  auto end = std::to_chars(buffer, buffer + sizeof buffer, degrees).ptr;
  std::string text(buffer, end);
  // Whole numbers keep a decimal point, as the usual text of a floating-point number has.
  if (std::isfinite(degrees) && text.find_first_of(".e") == std::string::npos)
    text += ".0";
  return text;
}

std::optional<AirQualitySnapshot> snapshot(double latitude, double longitude,
                                           const Environment &environment) {
  const std::string place = placeKey(latitude, longitude);
  return cachedOrFetched<AirQualitySnapshot>(
      [&] { return cached(place, environment.home); },
      [&] { return fetch(latitude, longitude, environment); },
      [&](const AirQualitySnapshot &fresh) {
        SharedSuite::write(cacheKey, Slot{fresh.aqi, fresh.updated, place}, environment.home);
      },
      environment.clock.now(), freshnessWindow);
}

} // namespace zavel::AirQualityProvider
