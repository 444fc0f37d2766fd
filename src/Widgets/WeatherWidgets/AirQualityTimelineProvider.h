#pragma once

#include "Shared/Data/ExtraModels/AirQualitySnapshot.h"
#include "Shared/Data/ExtrasProviders/AirQualityProvider.h"
#include "Shared/Data/WeatherProvider/Environment.h"
#include "Shared/Data/WidgetIntents/WeatherConfigIntent.h"
#include "Widgets/Shell/GalleryOrLive.h"

#include "kit/foundation/net/WebService.h"

#include <optional>
#include <string>

namespace zavel {

using AirQualityEntry = ZavelEntry<AirQualitySnapshot>;

// The timeline of the air-quality widget: one entry with the index at the configured place (its
// unit plays no part), asked for again after 30 minutes, or after 15 when nothing answered and
// nothing was kept, so only the built-in sample could be shown.
struct AirQualityTimeline {
  using Intent = WeatherConfigIntent;
  using Data = AirQualitySnapshot;

  // Where the slot is kept, when "now" is, and where the default place is looked up.
  WeatherProvider::Environment environment;
  // The air-quality service; none makes every request fail at once.
  std::optional<std::string> airQualityAddress =
      kit::foundation::serviceAddress(kit::foundation::WebService::airQuality);

  kit::foundation::Date now() const { return environment.clock.now(); }
  static const AirQualitySnapshot &sample() { return AirQualitySnapshot::sample(); }
  // The index at the configured place, else the sample.
  AirQualitySnapshot live(const Intent &configuration, kit::foundation::Date now) const;
  kit::widgets::Timeline<AirQualityEntry> timeline(const Intent &configuration) const;

private:
  std::optional<AirQualitySnapshot> airQualityOf(const Intent &configuration) const;
};

// In the gallery the sample, reading nothing; otherwise the live index.
using AirQualityTimelineProvider = GalleryOrLiveProvider<AirQualityTimeline>;

} // namespace zavel
