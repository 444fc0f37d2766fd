#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Data/WeatherProvider/Environment.h"
#include "Shared/Data/WeatherProvider/Place.h"

#include "kit/foundation/ZavelHome.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zavel::WeatherProvider {

// Snapshots are kept in the shared suite per place, under this prefix followed by the place's
// coordinates in hundredths of a degree, cut toward zero: "5150,-12" for 51.5072, -0.1276.
inline constexpr std::string_view cacheKeyPrefix = "zavel.weather.cache.v1";

// How long a stored snapshot is served without asking the service again.
inline constexpr double freshnessSeconds = 1500;

// The suite key of the place's entry; none for a place off the globe, which is never cached.
std::optional<std::string> cacheKey(const Place &place);

// The weather of the place: the stored snapshot while it is younger than the freshness window
// (one dated in the future counts as fresh), else a new one from the service, stored before it
// is returned, else, when the service fails, the stored one of any age. None when nothing
// answered and nothing is stored. Never throws.
std::optional<WeatherSnapshot> snapshot(const Place &place, const Environment &environment = {});

// The snapshot stored for the place, of any age, under the name it was fetched with (a nearby
// place with the same key shares it); none when absent or unreadable.
std::optional<WeatherSnapshot>
cached(const Place &place, const std::filesystem::path &home = kit::foundation::zavelHome());

} // namespace zavel::WeatherProvider
