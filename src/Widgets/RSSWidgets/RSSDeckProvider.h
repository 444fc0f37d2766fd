#pragma once

#include "Shared/Data/RSSStore/Refresh.h"
#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Shared/Views/RSSViews/RSSDeckData.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

namespace zavel {

using RSSDeckEntry = ZavelEntry<RSSDeckData>;

// The timeline of the feed deck: the feeds fetched afresh, then one entry of the headlines it
// steps through at the stored position.
struct RSSDeckProvider {
  using Intent = CasingConfigIntent;
  using Entry = RSSDeckEntry;

  // Where the headlines and the position are stored and fetched, and when "now" is.
  RSSStore::Environment environment;

  // The samples at the first.
  Entry placeholder(const kit::widgets::TimelineContext &context) const;
  // The samples at the first in the gallery; otherwise what is stored, without fetching anything.
  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const;
  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &context) const;

private:
  // The shown headlines at the stored position, held within them.
  RSSDeckData currentDeck() const;
};

} // namespace zavel
