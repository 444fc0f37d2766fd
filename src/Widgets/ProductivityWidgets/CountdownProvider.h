#pragma once

#include "Shared/Data/ExtraModels/CountdownData.h"
#include "Shared/Data/WidgetIntents/CountdownConfigIntent.h"
#include "Widgets/Shell/GalleryOrLive.h"

#include "kit/foundation/Clock.h"

namespace zavel {

using CountdownEntry = ZavelEntry<CountdownData>;

// The countdown's timeline: one entry of the configured title and date, asked for again just
// after the next local midnight, when the count of days changes.
struct CountdownTimeline {
  using Intent = CountdownConfigIntent;
  using Data = CountdownData;

  kit::foundation::Clock clock = {};

  kit::foundation::Date now() const { return clock.now(); }
  static const CountdownData &sample() { return CountdownData::sample(); }
  // The configured title and date; nothing is stored.
  static CountdownData live(const Intent &configuration, kit::foundation::Date now);
  kit::widgets::Timeline<CountdownEntry> timeline(const Intent &configuration) const;
};

// In the gallery the sample; otherwise the configuration.
using CountdownProvider = GalleryOrLiveProvider<CountdownTimeline>;

} // namespace zavel
