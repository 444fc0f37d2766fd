#pragma once

#include "Shared/Data/ExtraModels/AirQualitySnapshot.h"
#include "Shared/Data/ExtrasProviders/ServiceEnvironment.h"
#include "Shared/Data/WeatherProvider/Place.h"

#include <optional>
#include <string>
#include <string_view>

// The current US air-quality index at a place, from the air-quality service, kept in one slot of
// the shared suite for 30 minutes.
namespace zavel::AirQualityProvider {

// The one slot: the last answer, with the place it was fetched for.
inline constexpr std::string_view cacheKey = "zavel.aq.cache.v1";
// Seconds the slot is used without asking the service.
inline constexpr double freshnessWindow = 1800;
inline constexpr std::string_view path = "/v1/air-quality";

// Where the cache is, when "now" is, and where the service is.
using Environment = ServiceEnvironment<kit::foundation::WebService::airQuality>;

// The index the service's answer gives, dated `now`. Throws kit::foundation::DecodeError when the
// body is not an answer, and kit::foundation::HttpError when it holds no index.
AirQualitySnapshot airQualityFromAnswer(std::string_view body, kit::foundation::Date now);

// The air quality at the place's coordinates (its name plays no part): the slot while it was
// filled for these coordinates and is younger than 30 minutes, else a fresh answer (then kept in
// the slot), else the slot of any age when it was filled for these coordinates, else none. The
// slot never answers for another place; a place off the globe is never asked for. Never throws.
std::optional<AirQualitySnapshot> snapshot(const WeatherProvider::Place &place,
                                           const Environment &environment = {});

} // namespace zavel::AirQualityProvider
