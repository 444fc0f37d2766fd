#pragma once

#include "kit/foundation/Clock.h"
#include "kit/foundation/ZavelHome.h"
#include "kit/foundation/net/WebService.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zavel::WeatherProvider {

// Where the weather provider stores, what time it takes, and which services it asks; tests
// replace any of them.
struct Environment {
  std::filesystem::path home = kit::foundation::zavelHome();
  kit::foundation::Clock clock = {};
  std::optional<std::string> forecastAddress =
      kit::foundation::serviceAddress(kit::foundation::WebService::forecast);
  std::optional<std::string> geocodingAddress =
      kit::foundation::serviceAddress(kit::foundation::WebService::geocoding);
};

} // namespace zavel::WeatherProvider
