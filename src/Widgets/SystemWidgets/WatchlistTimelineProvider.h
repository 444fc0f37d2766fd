#pragma once

#include "Shared/Data/ExtraModels/StockSnapshot.h"
#include "Shared/Data/ExtrasProviders/StocksProvider.h"
#include "Shared/Data/WidgetIntents/WatchlistConfigIntent.h"
#include "Widgets/Shell/GalleryOrLive.h"

#include <vector>

namespace zavel {

using WatchlistEntry = ZavelEntry<std::vector<StockSnapshot>>;

// The timeline of the watchlist: one entry with the quotes of the configured symbols that have
// one, in their order, asked for again after 15 minutes, or after 10 when the list is empty.
struct WatchlistTimeline {
  using Intent = WatchlistConfigIntent;
  using Data = std::vector<StockSnapshot>;

  // Where the quotes are cached, when "now" is, and where the chart service is.
  StocksProvider::Environment environment;

  kit::foundation::Date now() const { return environment.clock.now(); }
  static const std::vector<StockSnapshot> &sample();
  // The quotes of the symbols that have one; the list may be empty.
  std::vector<StockSnapshot> live(const Intent &configuration, kit::foundation::Date now) const;
  kit::widgets::Timeline<WatchlistEntry> timeline(const Intent &configuration) const;
};

// In the gallery the sample list, asking nothing; otherwise the quotes, even none.
using WatchlistTimelineProvider = GalleryOrLiveProvider<WatchlistTimeline>;

} // namespace zavel
