#pragma once

#include "Shared/Data/ExtraModels/DaylightInfo.h"
#include "Shared/Data/WeatherProvider/Environment.h"
#include "Shared/Data/WidgetIntents/WeatherConfigIntent.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

namespace zavel {

using DaylightEntry = ZavelEntry<DaylightInfo>;

// The timeline of the daylight widget: today's sunrise and sunset at the configured place (its
// unit plays no part), worked out on the device and shown in the place's zone once a forecast
// of the place has been stored; three entries ten minutes apart, so the sun moves on its arc,
// asked for again after 30 minutes. Where the sun does not both rise and set today, the sample
// day stands in.
struct DaylightTimelineProvider {
  using Intent = WeatherConfigIntent;
  using Entry = DaylightEntry;

  // Where the stored forecasts are read (never fetched), when "now" is, and where the default
  // place is looked up.
  WeatherProvider::Environment environment;

  Entry placeholder(const kit::widgets::TimelineContext &context) const;
  // In the gallery the sample; otherwise today's day at the place.
  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const;
  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &context) const;

private:
  DaylightInfo info(const Intent &configuration, kit::foundation::Date now) const;
};

} // namespace zavel
