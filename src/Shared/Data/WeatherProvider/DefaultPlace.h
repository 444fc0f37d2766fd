#pragma once

#include "Shared/Data/WeatherProvider/Environment.h"
#include "Shared/Data/WeatherProvider/Place.h"

#include "kit/foundation/ZavelHome.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace zavel::WeatherProvider {

// The user's own location, written by the host application.
inline constexpr std::string_view myLocationKey = "zavel.weather.mylocation.v1";
// The place used when there is no own location: written by the host application, or found by a
// search for the city of the device's zone.
inline constexpr std::string_view defaultPlaceKey = "zavel.weather.defaultplace.v1";

// The stored own location; none when absent, unreadable or off the globe.
std::optional<Place> myLocation(const std::filesystem::path &home = kit::foundation::zavelHome());

// The place of a widget that has none set, answered at once: the own location, else the stored
// default place, else the city of the device's zone when the zone is one of the well-known
// ones. For any other zone the answer is London, and a background search for the zone's city,
// awaited by nobody, stores the first place it finds as the default place for the next call,
// unless a default place was stored meanwhile (by the host application or another search).
Place defaultPlace(const Environment &environment = {});

} // namespace zavel::WeatherProvider
