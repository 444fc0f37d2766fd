#include "Widgets/SystemWidgets/WatchlistTimelineProvider.h"

#include "Shared/Views/SystemViews/WatchlistView.h"
#include "Widgets/Shell/ReloadMinutes.h"

namespace zavel {

using kit::foundation::Date;

namespace {

// An empty list is retried sooner.
constexpr ReloadMinutes watchlistReload{.withData = 15, .withoutData = 10};

// One symbol after another, in the configured order; a symbol without a quote is left out.
std::vector<StockSnapshot> quotesOf(const WatchlistConfigIntent &configuration,
                                    const StocksProvider::Environment &environment) {
  std::vector<StockSnapshot> quotes;
  for (const std::string &symbol : configuration.symbols())
    if (auto quote = StocksProvider::snapshot(symbol, environment))
      quotes.push_back(std::move(*quote));
  return quotes;
}

} // namespace

const std::vector<StockSnapshot> &WatchlistTimeline::sample() { return WatchlistView::sample(); }

std::vector<StockSnapshot> WatchlistTimeline::live(const Intent &configuration, Date) const {
  return quotesOf(configuration, environment);
}

kit::widgets::Timeline<WatchlistEntry>
WatchlistTimeline::timeline(const Intent &configuration) const {
  std::vector<StockSnapshot> quotes = quotesOf(configuration, environment);
  Date now = environment.clock.now();
  bool any = !quotes.empty();
  return {{{now, std::move(quotes), configuration.casing}}, watchlistReload.after(now, any)};
}

} // namespace zavel
