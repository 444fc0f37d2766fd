#include "Shared/Data/WeatherProvider/PlaceSearch.h"

#include "Shared/Data/WeatherProvider/ServiceAnswer.h"

#include "kit/foundation/JsonCoding.h"
#include "kit/foundation/net/HttpSession.h"
#include "kit/foundation/net/URLEncoding.h"

#include <tuple>

namespace zavel::WeatherProvider {

namespace {

using namespace kit::foundation;

struct GeoResponse {
  struct Result {
    std::string name;
    double latitude = 0;
    double longitude = 0;
    std::optional<std::string> country_code;

    static constexpr auto jsonFields() {
      return std::tuple{field("name", &Result::name), field("latitude", &Result::latitude),
                        field("longitude", &Result::longitude),
                        field("country_code", &Result::country_code)};
    }
  };

  // Left out by the service when nothing matches.
  std::optional<std::vector<Result>> results;

  static constexpr auto jsonFields() { return std::tuple{field("results", &GeoResponse::results)}; }
};

Place place(const GeoResponse::Result &result) {
  std::string name = result.name;
  if (result.country_code)
    name += ", " + *result.country_code;
  return {std::move(name), result.latitude, result.longitude};
}

} // namespace

std::vector<Place> searchPlaces(std::string_view text,
                                const std::optional<std::string> &geocodingAddress) {
  std::string url =
      urlWithQueryItems(serviceURL(geocodingAddress, "/v1/search"),
                        {{"name", std::string(text)}, {"count", "8"}, {"language", "en"}});
  return placesFromAnswer(HttpSession::shared().data(url).body);
}

std::vector<Place> placesFromAnswer(std::string_view body) {
  auto answer = decodeAnswer<GeoResponse>(body);
  std::vector<Place> places;
  for (const auto &result : answer.results.value_or(std::vector<GeoResponse::Result>{}))
    places.push_back(place(result));
  return places;
}

} // namespace zavel::WeatherProvider
