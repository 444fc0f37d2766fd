#pragma once

#include "Shared/Data/WidgetIntents/ClockConfigIntent.h"
#include "Shared/Data/WidgetIntents/DualClockConfigIntent.h"
#include "Shared/Data/WidgetIntents/WorldClockConfigIntent.h"
#include "Widgets/ClockWidgets/MinuteEntries.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/foundation/Calendar.h"
#include "kit/foundation/Clock.h"
#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

namespace zavel {

// The provider of the clocks. Entries carry the configuration itself: the zones are worked out
// when an entry is drawn, so a change of the device's zone shows at the next minute. The gallery
// shows the configured zones live; there is no sample.
template <class Configuration> struct MinuteTimelineProvider {
  using Intent = Configuration;
  using Entry = ZavelEntry<Configuration>;

  kit::foundation::Clock clock = {};

  // The default configuration: every city unset.
  Entry placeholder(const kit::widgets::TimelineContext &) const {
    return {clock.now(), Configuration{}, CasingOption::followApp};
  }

  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &) const {
    return {clock.now(), configuration, configuration.casing};
  }

  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &) const {
    return minuteEntries(clock.now(), kit::foundation::Calendar::current(), configuration);
  }
};

using ClockProvider = MinuteTimelineProvider<ClockConfigIntent>;
using WorldClockProvider = MinuteTimelineProvider<WorldClockConfigIntent>;
using DualClockProvider = MinuteTimelineProvider<DualClockConfigIntent>;

using ClockEntry = ClockProvider::Entry;
using WorldClockEntry = WorldClockProvider::Entry;
using DualClockEntry = DualClockProvider::Entry;

} // namespace zavel
