#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Data/WeatherProvider/Environment.h"
#include "Shared/Data/WidgetIntents/WeatherConfigIntent.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

namespace zavel {

using WeatherEntry = ZavelEntry<WeatherSnapshot>;

// The timeline of the four forecast widgets: the configured place's weather in the configured
// unit, three entries ten minutes apart, asked for again after 30 minutes, or after 10 when
// nothing answered and nothing was stored, so only the built-in sample could be shown.
struct WeatherTimelineProvider {
  using Intent = WeatherConfigIntent;
  using Entry = WeatherEntry;

  // Where the weather is stored and fetched, and when "now" is.
  WeatherProvider::Environment environment;

  // The sample as it is, in its own unit.
  Entry placeholder(const kit::widgets::TimelineContext &context) const;
  // In the gallery the unconverted sample, reading nothing; otherwise the live weather.
  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const;
  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &context) const;
};

} // namespace zavel
