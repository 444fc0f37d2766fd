#pragma once

#include "Shared/Data/ExtraModels/WeatherDeckData.h"
#include "Shared/Data/WeatherProvider/Environment.h"
#include "Shared/Data/WidgetIntents/WeatherDeckConfigIntent.h"
#include "Widgets/Shell/GalleryOrLive.h"

#include "kit/foundation/Date.h"

#include <optional>

namespace zavel {

using WeatherDeckEntry = ZavelEntry<WeatherDeckData>;

// The timeline of the weather deck: the home place's weather (else the built-in sample, as it
// is), the current temperature of the four saved places fetched side by side, the saved marks
// and screen the keys chose, and the sun's place in the day; three entries ten minutes apart,
// the sun moving on, asked for again after 30 minutes whatever could be fetched.
struct WeatherDeckTimeline {
  using Intent = WeatherDeckConfigIntent;
  using Data = WeatherDeckData;

  // Where the weather and the deck's state are kept, what is fetched from where, and "now".
  WeatherProvider::Environment environment;

  kit::foundation::Date now() const { return environment.clock.now(); }
  // The Oslo sample, whatever the configuration.
  static const WeatherDeckData &sample() { return WeatherDeckData::sample(); }
  // The live deck.
  WeatherDeckData live(const Intent &configuration, kit::foundation::Date now) const;
  kit::widgets::Timeline<WeatherDeckEntry> timeline(const Intent &configuration) const;

private:
  // How far the sun has run at `date` through today's daylight at the snapshot's coordinates;
  // none without coordinates or without both a sunrise and a sunset today.
  std::optional<double> sunPosition(const WeatherSnapshot &snapshot,
                                    kit::foundation::Date date) const;
};

// In the gallery the Oslo sample, reading nothing; otherwise the live deck.
using WeatherDeckProvider = GalleryOrLiveProvider<WeatherDeckTimeline>;

} // namespace zavel
