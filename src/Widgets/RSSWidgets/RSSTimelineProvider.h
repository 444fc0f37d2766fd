#pragma once

#include "Shared/Data/RSSStore/RSSItem.h"
#include "Shared/Data/RSSStore/Refresh.h"
#include "Shared/Data/RSSStore/SampleItems.h"
#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Widgets/Shell/GalleryOrLive.h"

#include <vector>

namespace zavel {

using RSSEntry = ZavelEntry<std::vector<RSSItem>>;

// The timeline of the latest and wire widgets: the feeds fetched afresh, then one entry of the
// headlines they show.
struct RSSTimeline {
  using Intent = CasingConfigIntent;
  using Data = std::vector<RSSItem>;

  // Where the headlines are stored and fetched, and when "now" is.
  RSSStore::Environment environment;

  kit::foundation::Date now() const { return environment.clock.now(); }
  static const std::vector<RSSItem> &sample() { return RSSStore::sampleItems(); }
  // What is stored, without fetching anything.
  std::vector<RSSItem> live(const Intent &configuration, kit::foundation::Date now) const;
  kit::widgets::Timeline<RSSEntry> timeline(const Intent &configuration) const;
};

// The samples in the gallery; otherwise the stored headlines.
using RSSTimelineProvider = GalleryOrLiveProvider<RSSTimeline>;

} // namespace zavel
