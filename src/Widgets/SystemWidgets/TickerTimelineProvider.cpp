#include "Widgets/SystemWidgets/TickerTimelineProvider.h"

#include "Widgets/Shell/SteppedEntries.h"

namespace zavel {

using kit::widgets::ReloadPolicy;
using kit::widgets::Timeline;
using kit::widgets::TimelineContext;

namespace {

// Minutes until the next timeline: a sample shown for want of a quote is retried sooner.
constexpr int reloadMinutesWithQuote = 15;
constexpr int reloadMinutesWithSample = 10;

} // namespace

TickerEntry TickerTimelineProvider::placeholder(const TimelineContext &) const {
  return {environment.clock.now(), StockSnapshot::sample(), CasingOption::followApp};
}

TickerEntry TickerTimelineProvider::snapshot(const Intent &configuration,
                                             const TimelineContext &context) const {
  if (context.isPreview)
    return {environment.clock.now(), StockSnapshot::sample(), configuration.casing};
  std::optional<StockSnapshot> quote = StocksProvider::snapshot(configuration.symbol, environment);
  return {environment.clock.now(), quote.value_or(StockSnapshot::sample()), configuration.casing};
}

Timeline<TickerEntry> TickerTimelineProvider::timeline(const Intent &configuration,
                                                       const TimelineContext &) const {
  std::optional<StockSnapshot> quote = StocksProvider::snapshot(configuration.symbol, environment);
  kit::foundation::Date now = environment.clock.now();
  int reloadMinutes = quote ? reloadMinutesWithQuote : reloadMinutesWithSample;
  return {{{now, quote.value_or(StockSnapshot::sample()), configuration.casing}},
          ReloadPolicy::after(minutesAfter(now, reloadMinutes))};
}

} // namespace zavel
