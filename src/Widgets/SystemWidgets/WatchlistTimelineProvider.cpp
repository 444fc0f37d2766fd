#include "Widgets/SystemWidgets/WatchlistTimelineProvider.h"

#include "Shared/Views/SystemViews/WatchlistView.h"
#include "Widgets/Shell/SteppedEntries.h"

namespace zavel {

using kit::widgets::ReloadPolicy;
using kit::widgets::Timeline;
using kit::widgets::TimelineContext;

namespace {

// Minutes until the next timeline: an empty list is retried sooner.
constexpr int reloadMinutesWithQuotes = 15;
constexpr int reloadMinutesWhenEmpty = 10;

} // namespace

std::vector<StockSnapshot> WatchlistTimelineProvider::fetch(const Intent &configuration) const {
  // One symbol after another, in the configured order; a symbol without a quote is left out.
  std::vector<StockSnapshot> quotes;
  for (const std::string &symbol : configuration.symbols())
    if (auto quote = StocksProvider::snapshot(symbol, environment))
      quotes.push_back(std::move(*quote));
  return quotes;
}

WatchlistEntry WatchlistTimelineProvider::placeholder(const TimelineContext &) const {
  return {environment.clock.now(), WatchlistView::sample(), CasingOption::followApp};
}

WatchlistEntry WatchlistTimelineProvider::snapshot(const Intent &configuration,
                                                   const TimelineContext &context) const {
  if (context.isPreview)
    return {environment.clock.now(), WatchlistView::sample(), configuration.casing};
  std::vector<StockSnapshot> quotes = fetch(configuration);
  return {environment.clock.now(), std::move(quotes), configuration.casing};
}

Timeline<WatchlistEntry> WatchlistTimelineProvider::timeline(const Intent &configuration,
                                                             const TimelineContext &) const {
  std::vector<StockSnapshot> quotes = fetch(configuration);
  kit::foundation::Date now = environment.clock.now();
  int reloadMinutes = quotes.empty() ? reloadMinutesWhenEmpty : reloadMinutesWithQuotes;
  return {{{now, std::move(quotes), configuration.casing}},
          ReloadPolicy::after(minutesAfter(now, reloadMinutes))};
}

} // namespace zavel
