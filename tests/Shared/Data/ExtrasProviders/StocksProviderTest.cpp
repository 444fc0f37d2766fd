#include "Shared/Data/ExtrasProviders/StocksProvider.h"

#include "Shared/Data/SharedSuite.h"
#include "support/FakeHttpServer.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include "kit/foundation/Iso8601.h"

#include <gtest/gtest.h>

using kit::foundation::Clock;
using kit::foundation::Date;
using kit::foundation::Json;
using testsupport::FakeHttpServer;
using testsupport::FakeResponse;
using zavel::StockSnapshot;
using zavel::test::ScopedLocaleAndZone;
using zavel::test::TempHome;
namespace StocksProvider = zavel::StocksProvider;

namespace {

const Date kNow = *kit::foundation::dateFromIso8601("2025-03-10T15:00:00Z");
// 09:30 UTC of that day, where the chart's samples start, half an hour apart.
const int64_t kOpen = 1741599000;

// A chart answer; null closes are written as null.
std::string chartBody(std::optional<double> price, std::optional<double> previousClose,
                      const std::vector<std::optional<double>> &closes,
                      std::optional<std::vector<int64_t>> timestamps = std::nullopt) {
  Json meta = Json::object();
  if (price)
    meta["regularMarketPrice"] = *price;
  if (previousClose)
    meta["chartPreviousClose"] = *previousClose;
  Json closeArray = Json::array();
  for (const auto &close : closes)
    closeArray.push_back(close ? Json(*close) : Json(nullptr));
  Json quote = Json::object();
  quote["close"] = closeArray;
  Json result = Json::object();
  result["meta"] = meta;
  result["indicators"]["quote"] = Json::array();
  result["indicators"]["quote"].push_back(quote);
  if (timestamps)
    result["timestamp"] = *timestamps;
  Json body = Json::object();
  body["chart"]["result"] = Json::array();
  body["chart"]["result"].push_back(result);
  return body.dump();
}

std::vector<int64_t> halfHours(std::size_t count) {
  std::vector<int64_t> stamps;
  for (std::size_t i = 0; i < count; ++i)
    stamps.push_back(kOpen + static_cast<int64_t>(i) * 1800);
  return stamps;
}

std::vector<std::optional<double>> rising(std::size_t count) {
  std::vector<std::optional<double>> closes;
  for (std::size_t i = 0; i < count; ++i)
    closes.push_back(100.0 + static_cast<double>(i));
  return closes;
}

StockSnapshot stored(const std::string &symbol, double price, Date updated) {
  return StockSnapshot{symbol, price, 0.5, {{price, "9AM"}}, updated};
}

// A home, a chart service and a fixed clock for one test.
struct StocksWorld {
  TempHome home;
  FakeHttpServer server;
  ScopedLocaleAndZone localeAndZone{"en_US.UTF-8", "UTC"};

  StocksProvider::Environment environment(Date now = kNow) const {
    return {home.path(), Clock::fixed(now), server.baseURL()};
  }
  void answer(const std::string &symbol, FakeResponse response) {
    server.serve(std::string(StocksProvider::chartPath) + symbol, std::move(response));
  }
  void store(const StockSnapshot &snapshot) const {
    zavel::SharedSuite::write(StocksProvider::cacheKey(snapshot.symbol), snapshot, home.path());
  }
  std::optional<StockSnapshot> cached(const std::string &symbol) const {
    return zavel::SharedSuite::read<StockSnapshot>(StocksProvider::cacheKey(symbol), home.path());
  }
};

std::vector<double> values(const StockSnapshot &snapshot) {
  std::vector<double> result;
  for (const auto &point : snapshot.points)
    result.push_back(point.value);
  return result;
}

std::vector<std::optional<std::string>> labels(const StockSnapshot &snapshot) {
  std::vector<std::optional<std::string>> result;
  for (const auto &point : snapshot.points)
    result.push_back(point.label);
  return result;
}

} // namespace

TEST(StocksProvider, RequestsTheDaysChartOfTheNormalisedSymbolAndCachesItUnderIt) {
  StocksWorld world;
  world.answer("AAPL", FakeResponse::json(chartBody(101, 100, rising(3), halfHours(3))));

  auto snapshot = StocksProvider::snapshot(" aapl\t", world.environment());

  ASSERT_EQ(world.server.requestCount(), 1u);
  auto request = world.server.requests().front();
  EXPECT_EQ(request.method, "GET");
  EXPECT_EQ(request.target, "/v8/finance/chart/AAPL?range=1d&interval=30m&includePrePost=false");
  using Items = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(request.query,
            (Items{{"range", "1d"}, {"interval", "30m"}, {"includePrePost", "false"}}));
  EXPECT_EQ(request.header("User-Agent"), "Mozilla/5.0");
  ASSERT_TRUE(snapshot);
  EXPECT_EQ(snapshot->symbol, "AAPL");
  EXPECT_EQ(snapshot->updated, kNow);
  EXPECT_EQ(world.cached("AAPL"), snapshot);
}

TEST(StocksProvider, TheSymbolIsOnePercentEncodedPathSegment) {
  StocksWorld world;
  world.answer("BRK/B#1?X", FakeResponse::json(chartBody(5, 4, {})));

  auto snapshot = StocksProvider::snapshot("brk/b#1?x", world.environment());

  ASSERT_EQ(world.server.requestCount(), 1u);
  auto request = world.server.requests().front();
  EXPECT_EQ(request.target,
            "/v8/finance/chart/BRK%2FB%231%3FX?range=1d&interval=30m&includePrePost=false");
  ASSERT_TRUE(snapshot);
  EXPECT_EQ(snapshot->price, 5);
  EXPECT_TRUE(world.cached("BRK/B#1?X"));

  // A symbol of dots cannot climb out of the chart path.
  world.server.clearRecords();
  StocksProvider::snapshot("..", world.environment());
  ASSERT_EQ(world.server.requestCount(), 1u);
  EXPECT_EQ(world.server.requests().front().path, "/v8/finance/chart/..");
}

TEST(StocksProvider, AFreshCacheAnswersWithoutARequestAndAStaleOneRefetches) {
  struct Case {
    const char *name;
    double age;
    bool requests;
  } cases[] = {
      {"just written", 0, false},
      {"899 s old", 899, false},
      {"900 s old", 900, true},
      {"two days old", 172800, true},
      {"dated in the future", -3600, false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    StocksWorld world;
    world.store(stored("MSFT", 300, kNow.addingTimeInterval(-c.age)));
    world.answer("MSFT", FakeResponse::json(chartBody(310, 300, {})));

    auto snapshot = StocksProvider::snapshot("MSFT", world.environment());

    EXPECT_EQ(world.server.requestCount(), c.requests ? 1u : 0u);
    ASSERT_TRUE(snapshot);
    EXPECT_EQ(snapshot->price, c.requests ? 310 : 300);
    EXPECT_EQ(world.cached("MSFT")->price, c.requests ? 310 : 300);
  }
}

TEST(StocksProvider, AFailedFetchFallsBackToTheStaleQuoteAndElseToNone) {
  struct Case {
    const char *name;
    std::optional<FakeResponse> answer; // none: the service is not configured
  } cases[] = {
      {"no service address", std::nullopt},
      {"an error page", FakeResponse::text("<html>Bad gateway</html>", 502, "text/html")},
      {"the service's error body",
       FakeResponse::json(R"({"chart":{"result":null,"error":{"code":"Not Found",)"
                          R"("description":"No data found, symbol may be delisted"}}})",
                          404)},
      {"an empty result", FakeResponse::json(R"({"chart":{"result":[]}})")},
      {"no price", FakeResponse::json(chartBody(std::nullopt, 10, rising(2)))},
      {"a result without indicators",
       FakeResponse::json(R"({"chart":{"result":[{"meta":{"regularMarketPrice":3}}]}})")},
      {"a close that is text",
       FakeResponse::json(R"({"chart":{"result":[{"meta":{"regularMarketPrice":3},)"
                          R"("indicators":{"quote":[{"close":["3"]}]}}]}})")},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    for (bool withStale : {true, false}) {
      StocksWorld world;
      auto environment = world.environment();
      if (c.answer)
        world.answer("NVDA", *c.answer);
      else
        environment.address = std::nullopt;
      StockSnapshot stale = stored("NVDA", 120, kNow.addingTimeInterval(-7200));
      if (withStale)
        world.store(stale);

      auto snapshot = StocksProvider::snapshot("nvda", environment);

      EXPECT_EQ(world.server.requestCount(), c.answer ? 1u : 0u);
      if (withStale)
        EXPECT_EQ(snapshot, stale);
      else
        EXPECT_EQ(snapshot, std::nullopt);
      EXPECT_EQ(world.cached("NVDA"), withStale ? std::optional(stale) : std::nullopt);
    }
  }
}

TEST(StocksProvider, AnErrorStatusWithAReadableChartIsUsed) {
  StocksWorld world;
  world.answer("AAPL", FakeResponse::json(chartBody(50, 40, {}), 500));
  auto snapshot = StocksProvider::snapshot("AAPL", world.environment());
  ASSERT_TRUE(snapshot);
  EXPECT_EQ(snapshot->price, 50);
  EXPECT_DOUBLE_EQ(snapshot->changePercent, 25);
}

TEST(StocksProvider, PriceChangeAgainstThePreviousClose) {
  struct Case {
    const char *name;
    std::optional<double> previousClose;
    std::vector<std::optional<double>> closes;
    double changePercent;
  } cases[] = {
      {"previous close given", 200, {1, 2}, 5},
      {"first close without a previous close", std::nullopt, {std::nullopt, 200, 300}, 5},
      {"price itself without closes", std::nullopt, {}, 0},
      {"previous close of zero", 0, {1, 2}, 0},
      {"negative previous close", -4, {}, 0},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    StocksWorld world;
    world.answer("X", FakeResponse::json(chartBody(210, c.previousClose, c.closes)));
    auto snapshot = StocksProvider::snapshot("X", world.environment());
    ASSERT_TRUE(snapshot);
    EXPECT_DOUBLE_EQ(snapshot->changePercent, c.changePercent);
  }
}

TEST(StocksProvider, UpToEightPointsEveryOtherLabelledWithItsHour) {
  using Labels = std::vector<std::optional<std::string>>;
  const std::optional<std::string> none;
  struct Case {
    const char *name;
    std::size_t closes;
    std::size_t timestamps;
    std::vector<double> values;
    Labels labels;
  } cases[] = {
      {"5 closes", 5, 5, {100, 101, 102, 103, 104}, {"9AM", none, "10AM", none, "11AM"}},
      {"13 closes",
       13,
       13,
       {100, 101, 102, 103, 104, 105, 106, 107},
       {"9AM", none, "10AM", none, "11AM", none, "12PM", none}},
      {"20 closes",
       20,
       20,
       {100, 102, 104, 106, 108, 110, 112, 114},
       {"9AM", none, "11AM", none, "1PM", none, "3PM", none}},
      {"24 closes",
       24,
       24,
       {100, 103, 106, 109, 112, 115, 118, 121},
       {"9AM", none, "12PM", none, "3PM", none, "6PM", none}},
      {"fewer timestamps",
       6,
       3,
       {100, 101, 102, 103, 104, 105},
       {"9AM", none, "10AM", none, none, none}},
      {"no timestamps", 3, 0, {100, 101, 102}, {none, none, none}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    StocksWorld world;
    world.answer("X",
                 FakeResponse::json(chartBody(1, 1, rising(c.closes), halfHours(c.timestamps))));
    auto snapshot = StocksProvider::snapshot("X", world.environment());
    ASSERT_TRUE(snapshot);
    EXPECT_EQ(values(*snapshot), c.values);
    EXPECT_EQ(labels(*snapshot), c.labels);
  }
}

TEST(StocksProvider, AMissingCloseIsDroppedWithItsTimestamp) {
  StocksWorld world;
  // 09:30 has no close: the 10:00 close is the first point and keeps its own hour.
  world.answer("X", FakeResponse::json(chartBody(1, 1, {std::nullopt, 10, std::nullopt, 12, 13, 14},
                                                 halfHours(6))));
  auto snapshot = StocksProvider::snapshot("X", world.environment());
  ASSERT_TRUE(snapshot);
  EXPECT_EQ(values(*snapshot), (std::vector<double>{10, 12, 13, 14}));
  // The third point is the 11:30 close, labelled with its own hour.
  EXPECT_EQ(labels(*snapshot),
            (std::vector<std::optional<std::string>>{"10AM", std::nullopt, "11AM", std::nullopt}));
}

TEST(StocksProvider, HourLabelsFollowTheCurrentZoneAndAreUpperCase) {
  StocksWorld world;
  ScopedLocaleAndZone tokyo{"en_AU.UTF-8", "Asia/Tokyo"};
  world.answer("X", FakeResponse::json(chartBody(1, 1, rising(1), halfHours(1))));
  auto snapshot = StocksProvider::snapshot("X", world.environment());
  ASSERT_TRUE(snapshot);
  // 09:30 UTC is 18:30 in Tokyo.
  EXPECT_EQ(labels(*snapshot), (std::vector<std::optional<std::string>>{"6PM"}));
}
