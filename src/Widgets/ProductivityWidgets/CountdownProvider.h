#pragma once

#include "Shared/Data/WidgetIntents/CountdownConfigIntent.h"
#include "Shared/Views/ProductivityViews/CountdownData.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/foundation/Clock.h"
#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

namespace zavel {

using CountdownEntry = ZavelEntry<CountdownData>;

// The countdown's timeline: one entry of the configured title and date, asked for again just
// after the next local midnight, when the count of days changes.
struct CountdownProvider {
  using Intent = CountdownConfigIntent;
  using Entry = CountdownEntry;

  kit::foundation::Clock clock = {};

  Entry placeholder(const kit::widgets::TimelineContext &context) const;
  // In the gallery the sample; otherwise the configuration.
  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const;
  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &context) const;
};

} // namespace zavel
