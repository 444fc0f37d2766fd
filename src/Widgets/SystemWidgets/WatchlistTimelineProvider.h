#pragma once

#include "Shared/Data/ExtraModels/StockSnapshot.h"
#include "Shared/Data/ExtrasProviders/StocksProvider.h"
#include "Shared/Data/WidgetIntents/WatchlistConfigIntent.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

#include <vector>

namespace zavel {

using WatchlistEntry = ZavelEntry<std::vector<StockSnapshot>>;

// The timeline of the watchlist: one entry with the quotes of the configured symbols that have
// one, in their order, asked for again after 15 minutes, or after 10 when the list is empty.
struct WatchlistTimelineProvider {
  using Intent = WatchlistConfigIntent;
  using Entry = WatchlistEntry;

  // Where the quotes are cached, when "now" is, and where the chart service is.
  StocksProvider::Environment environment;

  Entry placeholder(const kit::widgets::TimelineContext &context) const;
  // In the gallery the sample list, asking nothing; otherwise the quotes, even none.
  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const;
  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &context) const;

private:
  std::vector<StockSnapshot> fetch(const Intent &configuration) const;
};

} // namespace zavel
