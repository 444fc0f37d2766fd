#pragma once

#include "Shared/Data/WeatherProvider/Environment.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zavel {

struct WeatherPlaceEntity;

// The places a weather widget's editor offers: the default place as the suggestion, places
// found by name as the user types, and stored ids turned back into places.
struct WeatherPlaceQuery {
  WeatherProvider::Environment environment = {};

  // One entity per id, in order; ids are not checked (a malformed one shows as the fallback
  // place).
  std::vector<WeatherPlaceEntity> entitiesFor(const std::vector<std::string> &ids) const;
  // The places the geocoding service finds, in its order; none when the search fails.
  std::vector<WeatherPlaceEntity> entitiesMatching(std::string_view text) const;
  // Why no search can be made: no geocoding address; empty when there is one.
  std::string searchUnavailable() const {
    if (environment.geocodingAddress)
      return {};
    return std::string("searching places needs the geocoding service's address in ") +
           kit::foundation::environmentVariable(kit::foundation::WebService::geocoding);
  }
  // The default place alone.
  std::vector<WeatherPlaceEntity> suggestedEntities() const;
  // The default place, as the editor's default.
  std::optional<WeatherPlaceEntity> defaultResult() const;
};

} // namespace zavel
