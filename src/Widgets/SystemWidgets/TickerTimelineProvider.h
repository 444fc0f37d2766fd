#pragma once

#include "Shared/Data/ExtraModels/StockSnapshot.h"
#include "Shared/Data/ExtrasProviders/StocksProvider.h"
#include "Shared/Data/WidgetIntents/StockConfigIntent.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

namespace zavel {

using TickerEntry = ZavelEntry<StockSnapshot>;

// The timeline of the ticker: one entry with the configured symbol's quote, asked for again after
// 15 minutes; without a quote the built-in sample stands in and the retry comes after 10.
struct TickerTimelineProvider {
  using Intent = StockConfigIntent;
  using Entry = TickerEntry;

  // Where the quotes are cached, when "now" is, and where the chart service is.
  StocksProvider::Environment environment;

  Entry placeholder(const kit::widgets::TimelineContext &context) const;
  // In the gallery the sample, asking nothing; otherwise the quote, or the sample.
  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const;
  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &context) const;
};

} // namespace zavel
