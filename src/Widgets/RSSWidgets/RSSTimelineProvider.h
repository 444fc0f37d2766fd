#pragma once

#include "Shared/Data/RSSStore/RSSItem.h"
#include "Shared/Data/RSSStore/Refresh.h"
#include "Shared/Data/RSSStore/SampleItems.h"
#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

#include <vector>

namespace zavel {

using RSSEntry = ZavelEntry<std::vector<RSSItem>>;

// The timeline of the latest and wire widgets: the feeds fetched afresh, then one entry of the
// headlines they show.
struct RSSTimelineProvider {
  using Intent = CasingConfigIntent;
  using Entry = RSSEntry;

  // Where the headlines are stored and fetched, and when "now" is.
  RSSStore::Environment environment;

  // The samples.
  Entry placeholder(const kit::widgets::TimelineContext &context) const;
  // The samples in the gallery; otherwise what is stored, without fetching anything.
  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const;
  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &context) const;
};

} // namespace zavel
