#include "Shared/Data/ExtrasProviders/StocksProvider.h"

#include "Shared/Data/SharedSuite.h"
#include "support/FakeHttpServer.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include "kit/foundation/Iso8601.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

namespace zavel::StocksProvider {
namespace {

using kit::foundation::Date;
using kit::foundation::Json;
using testsupport::FakeResponse;
using Closes = std::vector<std::optional<double>>;

const Date kNow = *kit::foundation::dateFromIso8601("2025-03-10T15:00:00Z");

Closes rising(std::size_t count) {
  Closes closes;
  for (std::size_t i = 0; i < count; ++i)
    closes.push_back(100.0 + static_cast<double>(i));
  return closes;
}

// A chart answer; null closes are written as null, and the first `stamps` samples are timed
// half an hour apart from 09:30 UTC.
FakeResponse chart(std::optional<double> price, std::optional<double> previousClose,
                   const Closes &closes, std::size_t stamps = 0, int status = 200) {
  Json meta = Json::object(), close = Json::array(), timestamps = Json::array();
  if (price)
    meta["regularMarketPrice"] = *price;
  if (previousClose)
    meta["chartPreviousClose"] = *previousClose;
  for (const auto &value : closes)
    close.push_back(value ? Json(*value) : Json());
  for (std::size_t i = 0; i < stamps; ++i)
    timestamps.push_back(1741599000 + static_cast<int64_t>(i) * 1800);
  Json result = {{"meta", meta}, {"indicators", {{"quote", Json::array({{{"close", close}}})}}}};
  if (stamps)
    result["timestamp"] = timestamps;
  return FakeResponse::json(Json{{"chart", {{"result", Json::array({result})}}}}.dump(), status);
}

// "100/9AM 101": each point's value, and its label when it has one.
std::string points(const std::optional<StockSnapshot> &snapshot) {
  std::string text;
  for (const auto &point : snapshot.value().points)
    text += (text.empty() ? "" : " ") + fmt::format("{}", point.value) +
            (point.label ? "/" + *point.label : "");
  return text;
}

// A home, a chart service and a fixed clock for one test.
struct StocksWorld {
  test::TempHome home;
  testsupport::FakeHttpServer server;
  test::ScopedLocaleAndZone localeAndZone{"en_US.UTF-8", "UTC"};

  Environment environment() const {
    return {home.path(), kit::foundation::Clock::fixed(kNow), server.baseURL()};
  }
  std::optional<StockSnapshot> ask(std::string_view symbol, const std::string &served,
                                   FakeResponse answer) {
    server.serve(std::string(chartPath) + served, std::move(answer));
    return snapshot(symbol, environment());
  }
  std::optional<StockSnapshot> cached(const std::string &symbol) const {
    return SharedSuite::read<StockSnapshot>(cacheKey(symbol), home.path());
  }
};

StockSnapshot stored(const StocksWorld &world, double price, double age) {
  StockSnapshot snapshot{"NVDA", price, 0.5, {{price, "9AM"}}, kNow.addingTimeInterval(-age)};
  SharedSuite::write(cacheKey("NVDA"), snapshot, world.home.path());
  return snapshot;
}

TEST(StocksProvider, RequestsTheDaysChartOfTheSymbolAsOneEncodedSegmentAndCachesItUnderIt) {
  StocksWorld world;
  auto snapshot = world.ask(" aapl\t", "AAPL", chart(101, 100, {}));
  ASSERT_EQ(world.server.requestCount(), 1u);
  auto request = world.server.requests().front();
  EXPECT_EQ(std::tuple(request.method, request.target, request.header("User-Agent")),
            std::tuple("GET", "/v8/finance/chart/AAPL?range=1d&interval=30m&includePrePost=false",
                       "Mozilla/5.0"));
  EXPECT_EQ(std::tuple(snapshot->symbol, snapshot->updated), std::tuple("AAPL", kNow));
  EXPECT_EQ(world.cached("AAPL"), snapshot);

  EXPECT_EQ(world.ask("brk/b#1?x", "BRK/B#1?X", chart(5, 4, {}))->price, 5);
  EXPECT_EQ(world.server.requests().back().target,
            "/v8/finance/chart/BRK%2FB%231%3FX?range=1d&interval=30m&includePrePost=false");
  // A symbol of dots cannot climb out of the chart path.
  world.ask("..", "..", chart(5, 4, {}));
  EXPECT_EQ(world.server.requests().back().path, "/v8/finance/chart/..");
}

TEST(StocksProvider, AFreshCacheAnswersWithoutARequestAndAStaleOneRefetches) {
  for (auto [age, requests] : {std::pair(899.0, false), {900.0, true}, {-3600.0, false}}) {
    StocksWorld world;
    stored(world, 300, age);
    EXPECT_EQ(world.ask("NVDA", "NVDA", chart(310, 300, {}))->price, requests ? 310 : 300) << age;
    EXPECT_EQ(world.server.requestCount(), requests ? 1u : 0u) << age;
    EXPECT_EQ(world.cached("NVDA")->price, requests ? 310 : 300) << age;
  }
}

TEST(StocksProvider, AFailedFetchFallsBackToTheStaleQuoteAndElseToNone) {
  std::optional<FakeResponse> answers[] = {
      std::nullopt, // the service is not configured
      FakeResponse::text("<html>Bad gateway</html>", 502, "text/html"),
      chart(std::nullopt, 10, rising(2)),
  };
  for (const auto &answer : answers) {
    for (bool withStale : {true, false}) {
      StocksWorld world;
      auto environment = world.environment();
      if (answer)
        world.server.serve(std::string(chartPath) + "NVDA", *answer);
      else
        environment.address = std::nullopt;
      auto stale = withStale ? std::optional(stored(world, 120, 7200)) : std::nullopt;
      EXPECT_EQ(snapshot("nvda", environment), stale) << (answer ? answer->body : "no address");
      EXPECT_EQ(world.server.requestCount(), answer ? 1u : 0u);
      EXPECT_EQ(world.cached("NVDA"), stale);
    }
  }
}

TEST(StocksProvider, PriceChangeAgainstThePreviousCloseElseTheFirstCloseElseThePrice) {
  std::tuple<std::optional<double>, Closes, double> cases[] = {
      {200, {1, 2}, 5},
      {std::nullopt, {std::nullopt, 200, 300}, 5},
      {std::nullopt, {}, 0},
      {0, {1, 2}, 0},
  };
  for (const auto &[previousClose, closes, change] : cases) {
    StocksWorld world;
    EXPECT_DOUBLE_EQ(world.ask("X", "X", chart(210, previousClose, closes))->changePercent, change);
  }
  StocksWorld world; // a readable chart under an error status is used
  EXPECT_DOUBLE_EQ(world.ask("X", "X", chart(50, 40, {}, 0, 500))->changePercent, 25);
}

TEST(StocksProvider, UpToEightPointsEveryOtherLabelledWithItsOwnHourInTheCurrentZone) {
  std::tuple<Closes, std::size_t, const char *> cases[] = {
      {rising(20), 20, "100/9AM 102 104/11AM 106 108/1PM 110 112/3PM 114"},
      {rising(3), 0, "100 101 102"},
      // A missing close is dropped with its timestamp: the others keep their own hours.
      {{std::nullopt, 10, std::nullopt, 12, 13, 14}, 6, "10/10AM 12 13/11AM 14"},
  };
  for (const auto &[closes, stamps, expected] : cases) {
    StocksWorld world;
    EXPECT_EQ(points(world.ask("X", "X", chart(1, 1, closes, stamps))), expected);
  }
  StocksWorld world;
  test::ScopedLocaleAndZone tokyo{"en_AU.UTF-8", "Asia/Tokyo"};
  EXPECT_EQ(points(world.ask("X", "X", chart(1, 1, rising(1), 1))), "100/6PM"); // 18:30 there
}

} // namespace
} // namespace zavel::StocksProvider
