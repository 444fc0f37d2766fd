#include "Widgets/SystemWidgets/TickerTimelineProvider.h"
#include "Widgets/SystemWidgets/WatchlistTimelineProvider.h"

#include "Shared/Views/SystemViews/WatchlistView.h"
#include "support/FakeHttpServer.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include "kit/foundation/Iso8601.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zavel {
namespace {

using kit::foundation::Date;
using kit::foundation::Json;
using kit::widgets::TimelineContext;
using testsupport::FakeResponse;
using Symbols = std::vector<std::string>;

const Date kNow = *kit::foundation::dateFromIso8601("2025-03-10T15:00:00Z");
const TimelineContext kOnScreen = TimelineContext::of(kit::widgets::WidgetFamily::systemMedium);
const TimelineContext kInGallery =
    TimelineContext::of(kit::widgets::WidgetFamily::systemMedium, true);

// The chart service's answer for a symbol trading at `price`.
FakeResponse quoteAt(double price) {
  Json result = {{"meta", {{"regularMarketPrice", price}, {"chartPreviousClose", price}}},
                 {"indicators", {{"quote", Json::array({{{"close", {price, price}}}})}}}};
  return FakeResponse::json(Json{{"chart", {{"result", Json::array({result})}}}}.dump());
}

// A home, a chart service answering for some symbols, and a fixed clock.
struct StockWorld {
  test::TempHome home;
  testsupport::FakeHttpServer server;
  test::ScopedLocaleAndZone localeAndZone{"en_US.UTF-8", "UTC"};

  explicit StockWorld(const std::vector<std::pair<std::string, double>> &quotes) {
    for (const auto &[symbol, price] : quotes)
      server.serve(std::string(StocksProvider::chartPath) + symbol, quoteAt(price));
  }
  StocksProvider::Environment environment() const {
    return {home.path(), kit::foundation::Clock::fixed(kNow), server.baseURL()};
  }
  // The symbols asked for, in order.
  Symbols asked() const {
    Symbols symbols;
    for (const auto &request : server.requests())
      symbols.push_back(request.path.substr(StocksProvider::chartPath.size()));
    return symbols;
  }
};

double reloadMinutes(const kit::widgets::ReloadPolicy &policy) {
  return policy.date().value_or(kNow).timeIntervalSince(kNow) / 60;
}

TEST(TickerTimelineProvider, TheQuoteForAQuarterHourElseTheSampleRetriedAfterTen) {
  struct Case {
    const char *symbol = "";
    std::string shown;
    double minutes = 0;
  };
  for (const Case &c : {Case{.symbol = " msft\t", .shown = "MSFT", .minutes = 15},
                        Case{.symbol = "ZZZZ", .shown = "AAPL", .minutes = 10},
                        Case{.symbol = "", .shown = "AAPL", .minutes = 10}}) {
    StockWorld world({{"MSFT", 410.5}});
    TickerTimelineProvider provider{world.environment()};
    StockConfigIntent configuration{c.symbol, CasingOption::cream};
    auto timeline = provider.timeline(configuration, kOnScreen);
    ASSERT_EQ(timeline.entries.size(), 1u);
    EXPECT_EQ(timeline.entries[0].data.symbol, c.shown) << c.symbol;
    EXPECT_EQ(timeline.entries[0].casing, CasingOption::cream);
    EXPECT_EQ(reloadMinutes(timeline.policy), c.minutes) << c.symbol;
    EXPECT_EQ(provider.snapshot(configuration, kOnScreen).data.symbol, c.shown);
  }
  // The gallery and the placeholder show the sample and ask nothing.
  StockWorld world({{"MSFT", 410.5}});
  TickerTimelineProvider provider{world.environment()};
  EXPECT_EQ(provider.snapshot({"MSFT", CasingOption::cream}, kInGallery).data,
            StockSnapshot::sample());
  EXPECT_EQ(provider.placeholder(kOnScreen).casing, CasingOption::followApp);
  EXPECT_EQ(world.server.requestCount(), 0u);
}

TEST(WatchlistTimelineProvider, AsksOneSymbolAfterAnotherInOrderAndLeavesOutThoseWithoutAQuote) {
  struct Case {
    const char *name = "";
    WatchlistConfigIntent configuration;
    Symbols asked;
    Symbols shown;
    double minutes = 0;
  };
  const Case cases[] = {
      Case{.name = "all three",
           .configuration = {"nvda", "aapl", "msft"},
           .asked = {"NVDA", "AAPL", "MSFT"},
           .shown = {"NVDA", "AAPL", "MSFT"},
           .minutes = 15},
      Case{.name = "one dropped",
           .configuration = {"AAPL", "ZZZZ", "MSFT"},
           .asked = {"AAPL", "ZZZZ", "MSFT"},
           .shown = {"AAPL", "MSFT"},
           .minutes = 15},
      Case{.name = "one symbol",
           .configuration = {"", " aapl ", ""},
           .asked = {"AAPL"},
           .shown = {"AAPL"},
           .minutes = 15},
      // The second asking is answered from the cache the first filled.
      Case{.name = "twice the same",
           .configuration = {"AAPL", "AAPL", ""},
           .asked = {"AAPL"},
           .shown = {"AAPL", "AAPL"},
           .minutes = 15},
      Case{.name = "none quoted",
           .configuration = {"XXXX", "YYYY", "ZZZZ"},
           .asked = {"XXXX", "YYYY", "ZZZZ"},
           .shown = {},
           .minutes = 10},
      Case{.name = "no symbols",
           .configuration = {"", " ", "\t"},
           .asked = {},
           .shown = {},
           .minutes = 10},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    StockWorld world({{"NVDA", 120}, {"AAPL", 243.18}, {"MSFT", 410.5}});
    auto timeline =
        WatchlistTimelineProvider{world.environment()}.timeline(c.configuration, kInGallery);
    ASSERT_EQ(timeline.entries.size(), 1u);
    Symbols shown;
    for (const StockSnapshot &quote : timeline.entries[0].data)
      shown.push_back(quote.symbol);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(world.asked(), c.asked);
    EXPECT_LE(world.server.maxInFlight(), 1);
    EXPECT_EQ(reloadMinutes(timeline.policy), c.minutes);
  }
}

TEST(WatchlistTimelineProvider, TheGalleryShowsTheSampleAndAnEmptyListStaysEmptyElsewhere) {
  StockWorld world({});
  WatchlistTimelineProvider provider{world.environment()};
  WatchlistConfigIntent configuration{"XXXX", "", "", CasingOption::cream};
  EXPECT_EQ(provider.snapshot(configuration, kInGallery).data, WatchlistView::sample());
  EXPECT_EQ(provider.placeholder(kOnScreen).data, WatchlistView::sample());
  EXPECT_EQ(world.server.requestCount(), 0u);
  EXPECT_EQ(provider.snapshot(configuration, kOnScreen).data, std::vector<StockSnapshot>{});
  EXPECT_EQ(world.asked(), Symbols{"XXXX"});
}

} // namespace
} // namespace zavel
