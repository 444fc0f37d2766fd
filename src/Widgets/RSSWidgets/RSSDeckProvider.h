#pragma once

#include "Shared/Data/ExtraModels/RSSDeckData.h"
#include "Shared/Data/RSSStore/Refresh.h"
#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Widgets/Shell/GalleryOrLive.h"

namespace zavel {

using RSSDeckEntry = ZavelEntry<RSSDeckData>;

// The timeline of the feed deck: the feeds fetched afresh, then one entry of the headlines it
// steps through at the stored position.
struct RSSDeckTimeline {
  using Intent = CasingConfigIntent;
  using Data = RSSDeckData;

  // Where the headlines and the position are stored and fetched, and when "now" is.
  RSSStore::Environment environment;

  kit::foundation::Date now() const { return environment.clock.now(); }
  // The samples at the first.
  static const RSSDeckData &sample() { return RSSDeckData::sample(); }
  // The shown headlines at the stored position, held within them, without fetching anything.
  RSSDeckData live(const Intent &configuration, kit::foundation::Date now) const;
  kit::widgets::Timeline<RSSDeckEntry> timeline(const Intent &configuration) const;
};

// The samples at the first in the gallery; otherwise the stored deck.
using RSSDeckProvider = GalleryOrLiveProvider<RSSDeckTimeline>;

} // namespace zavel
