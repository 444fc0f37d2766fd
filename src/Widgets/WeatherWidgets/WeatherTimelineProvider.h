#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Data/WeatherProvider/Environment.h"
#include "Shared/Data/WidgetIntents/WeatherConfigIntent.h"
#include "Widgets/Shell/GalleryOrLive.h"

namespace zavel {

using WeatherEntry = ZavelEntry<WeatherSnapshot>;

// The timeline of the four forecast widgets: the configured place's weather in the configured
// unit, three entries ten minutes apart, asked for again after 30 minutes, or after 10 when
// nothing answered and nothing was stored, so only the built-in sample could be shown.
struct WeatherTimeline {
  using Intent = WeatherConfigIntent;
  using Data = WeatherSnapshot;

  // Where the weather is stored and fetched, and when "now" is.
  WeatherProvider::Environment environment;

  kit::foundation::Date now() const { return environment.clock.now(); }
  // The sample as it is, in its own unit.
  static const WeatherSnapshot &sample() { return WeatherSnapshot::sample(); }
  // The place's weather, else the sample, in the configured unit.
  WeatherSnapshot live(const Intent &configuration, kit::foundation::Date now) const;
  kit::widgets::Timeline<WeatherEntry> timeline(const Intent &configuration) const;
};

// In the gallery the unconverted sample, reading nothing; otherwise the live weather.
using WeatherTimelineProvider = GalleryOrLiveProvider<WeatherTimeline>;

} // namespace zavel
