#include "Widgets/SystemWidgets/TickerTimelineProvider.h"

#include "Widgets/Shell/SteppedEntries.h"

namespace zavel {

using kit::foundation::Date;
using kit::widgets::ReloadPolicy;

namespace {

// Minutes until the next timeline: a sample shown for want of a quote is retried sooner.
constexpr int reloadMinutesWithQuote = 15;
constexpr int reloadMinutesWithSample = 10;

} // namespace

StockSnapshot TickerTimeline::live(const Intent &configuration, Date) const {
  return StocksProvider::snapshot(configuration.symbol, environment).value_or(sample());
}

kit::widgets::Timeline<TickerEntry> TickerTimeline::timeline(const Intent &configuration) const {
  std::optional<StockSnapshot> quote = StocksProvider::snapshot(configuration.symbol, environment);
  Date now = environment.clock.now();
  int reloadMinutes = quote ? reloadMinutesWithQuote : reloadMinutesWithSample;
  return {{{now, quote.value_or(sample()), configuration.casing}},
          ReloadPolicy::after(minutesAfter(now, reloadMinutes))};
}

} // namespace zavel
