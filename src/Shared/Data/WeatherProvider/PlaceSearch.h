#pragma once

#include "Shared/Data/WeatherProvider/Place.h"

#include "kit/foundation/net/WebService.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zavel::WeatherProvider {

// The places the geocoding service finds for the text as typed (up to eight, in its order),
// each named with its country code when the service gives one ("Lisbon, PT"). Throws
// kit::foundation::HttpError when no answer came and kit::foundation::DecodeError when the
// answer is not a list of places.
std::vector<Place>
searchPlaces(std::string_view text,
             const std::optional<std::string> &geocodingAddress =
                 kit::foundation::serviceAddress(kit::foundation::WebService::geocoding));

// The places of the geocoding service's answer, as searchPlaces gives them. Throws
// kit::foundation::DecodeError when the body is not a list of places.
std::vector<Place> placesFromAnswer(std::string_view body);

} // namespace zavel::WeatherProvider
