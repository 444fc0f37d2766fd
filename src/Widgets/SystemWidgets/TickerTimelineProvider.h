#pragma once

#include "Shared/Data/ExtraModels/StockSnapshot.h"
#include "Shared/Data/ExtrasProviders/StocksProvider.h"
#include "Shared/Data/WidgetIntents/StockConfigIntent.h"
#include "Widgets/Shell/GalleryOrLive.h"

namespace zavel {

using TickerEntry = ZavelEntry<StockSnapshot>;

// The timeline of the ticker: one entry with the configured symbol's quote, asked for again after
// 15 minutes; without a quote the built-in sample stands in and the retry comes after 10.
struct TickerTimeline {
  using Intent = StockConfigIntent;
  using Data = StockSnapshot;

  // Where the quotes are cached, when "now" is, and where the chart service is.
  StocksProvider::Environment environment;

  kit::foundation::Date now() const { return environment.clock.now(); }
  static const StockSnapshot &sample() { return StockSnapshot::sample(); }
  // The symbol's quote, else the sample.
  StockSnapshot live(const Intent &configuration, kit::foundation::Date now) const;
  kit::widgets::Timeline<TickerEntry> timeline(const Intent &configuration) const;
};

// In the gallery the sample, asking nothing; otherwise the quote, or the sample.
using TickerTimelineProvider = GalleryOrLiveProvider<TickerTimeline>;

} // namespace zavel
