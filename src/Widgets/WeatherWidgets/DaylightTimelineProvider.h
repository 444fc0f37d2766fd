#pragma once

#include "Shared/Data/ExtraModels/DaylightInfo.h"
#include "Shared/Data/WeatherProvider/Environment.h"
#include "Shared/Data/WidgetIntents/WeatherConfigIntent.h"
#include "Widgets/Shell/GalleryOrLive.h"

namespace zavel {

using DaylightEntry = ZavelEntry<DaylightInfo>;

// The timeline of the daylight widget: today's sunrise and sunset at the configured place (its
// unit plays no part), worked out on the device and shown in the place's zone once a forecast
// of the place has been stored; three entries ten minutes apart, so the sun moves on its arc,
// asked for again after 30 minutes. Where the sun does not both rise and set today, the sample
// day stands in.
struct DaylightTimeline {
  using Intent = WeatherConfigIntent;
  using Data = DaylightInfo;

  // Where the stored forecasts are read (never fetched), when "now" is, and where the default
  // place is looked up.
  WeatherProvider::Environment environment;

  kit::foundation::Date now() const { return environment.clock.now(); }
  static const DaylightInfo &sample() { return DaylightInfo::sample(); }
  // The day of `now` at the configured place.
  DaylightInfo live(const Intent &configuration, kit::foundation::Date now) const;
  kit::widgets::Timeline<DaylightEntry> timeline(const Intent &configuration) const;
};

// In the gallery the sample; otherwise today's day at the place.
using DaylightTimelineProvider = GalleryOrLiveProvider<DaylightTimeline>;

} // namespace zavel
