#include "Widgets/SystemWidgets/TickerTimelineProvider.h"

#include "Widgets/Shell/ReloadMinutes.h"

namespace zavel {

using kit::foundation::Date;

// A sample shown for want of a quote is retried sooner.
constexpr ReloadMinutes tickerReload{.withData = 15, .withoutData = 10};

StockSnapshot TickerTimeline::live(const Intent &configuration, Date) const {
  return StocksProvider::snapshot(configuration.symbol, environment).value_or(sample());
}

kit::widgets::Timeline<TickerEntry> TickerTimeline::timeline(const Intent &configuration) const {
  std::optional<StockSnapshot> quote = StocksProvider::snapshot(configuration.symbol, environment);
  Date now = environment.clock.now();
  return {{{now, quote.value_or(sample()), configuration.casing}},
          tickerReload.after(now, quote.has_value())};
}

} // namespace zavel
