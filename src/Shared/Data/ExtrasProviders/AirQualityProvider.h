#pragma once

#include "Shared/Data/ExtraModels/AirQualitySnapshot.h"

#include "kit/foundation/Clock.h"
#include "kit/foundation/ZavelHome.h"
#include "kit/foundation/net/WebService.h"

#include <filesystem>
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

// Where the slot is kept and the service is, and when "now" is; tests replace any of them.
struct Environment {
  std::filesystem::path home = kit::foundation::zavelHome();
  kit::foundation::Clock clock = {};
  // None: every request fails at once and the slot answers.
  std::optional<std::string> address =
      kit::foundation::serviceAddress(kit::foundation::WebService::airQuality);
};

// A coordinate as it is requested and remembered: the shortest decimal text that reads back as
// the same number ("35.0116", "-0.1276", "13.0").
std::string coordinateText(double degrees);

// The air quality at the coordinates: the slot while it holds these coordinates and is younger
// than 30 minutes, else a fresh answer (then kept in the slot), else the slot of any age when it
// holds these coordinates, else none. The slot never answers for another place. Never throws.
std::optional<AirQualitySnapshot> snapshot(double latitude, double longitude,
                                           const Environment &environment = {});

} // namespace zavel::AirQualityProvider
