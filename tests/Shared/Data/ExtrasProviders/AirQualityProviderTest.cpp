#include "Shared/Data/ExtrasProviders/AirQualityProvider.h"

#include "Shared/Data/SharedSuite.h"
#include "support/FakeHttpServer.h"
#include "support/TempHome.h"

#include "kit/foundation/Iso8601.h"

#include <gtest/gtest.h>
#include <limits>

namespace zavel::AirQualityProvider {
namespace {

using kit::foundation::Clock;
using kit::foundation::Date;
using testsupport::FakeResponse;
using Place = WeatherProvider::Place;

const Date kNow = *kit::foundation::dateFromIso8601("2025-03-10T15:00:00Z");
const Place kKyoto{"Kyoto", 35.0116, 135.7681};

FakeResponse aqi(int value) {
  return FakeResponse::json(R"({"current":{"time":"2025-03-10T15:00","us_aqi":)" +
                            std::to_string(value) + "}}");
}

// A home, an air-quality service and a fixed clock for one test.
struct AirWorld {
  test::TempHome home;
  testsupport::FakeHttpServer server;

  Environment environment(double age = 0) const {
    return {home.path(), Clock::fixed(kNow.addingTimeInterval(-age)), server.baseURL()};
  }
  std::optional<AirQualitySnapshot> ask(const Place &place, FakeResponse answer) {
    server.serve(std::string(path), std::move(answer));
    return snapshot(place, environment());
  }
  // The slot as a successful answer for `place`, `age` seconds ago, leaves it.
  AirQualitySnapshot fill(const Place &place, int value, double age) {
    server.serve(std::string(path), aqi(value));
    auto filled = *snapshot(place, environment(age));
    server.clearRecords();
    return filled;
  }
  std::optional<std::string> slot() const { return SharedSuite::readData(cacheKey, home.path()); }
};

TEST(AirQualityProvider, RequestsTheCurrentIndexAtTheCoordinatesWhichAloneCountOnTheGlobe) {
  AirWorld world;
  auto first = world.ask({"Zero", 13, -0.5}, aqi(42));
  EXPECT_EQ(first, (AirQualitySnapshot{42, kNow}));
  // The slot still reads as a plain air-quality record.
  EXPECT_EQ(SharedSuite::read<AirQualitySnapshot>(cacheKey, world.home.path()), first);
  // The same point under another name is served from the slot.
  EXPECT_EQ(world.ask({"Elsewhere", 13, -0.5}, aqi(9)), first);
  ASSERT_EQ(world.server.requestCount(), 1u);
  EXPECT_EQ(world.server.requests().front().method + " " + world.server.requests().front().target,
            "GET /v1/air-quality?latitude=13.0&longitude=-0.5&current=us_aqi");
  // An answer with an index under an error status is still used.
  EXPECT_EQ(world.ask(kKyoto, FakeResponse::json(R"({"current":{"us_aqi":3.0}})", 500)),
            (AirQualitySnapshot{3, kNow}));
  // A place off the globe is never asked for.
  EXPECT_EQ(world.ask({"", std::numeric_limits<double>::quiet_NaN(), 0}, aqi(1)), std::nullopt);
  EXPECT_EQ(world.server.requestCount(), 2u);
}

TEST(AirQualityProvider, AFreshSlotForThePlaceAnswersWithoutARequest) {
  for (auto [age, requests] : {std::pair(1799.0, false), {1800.0, true}, {-600.0, false}}) {
    AirWorld world;
    AirQualitySnapshot old = world.fill(kKyoto, 30, age);
    auto snapshot = world.ask(kKyoto, aqi(77));
    EXPECT_EQ(world.server.requestCount(), requests ? 1u : 0u) << age;
    EXPECT_EQ(snapshot, requests ? AirQualitySnapshot({77, kNow}) : old) << age;
  }
}

TEST(AirQualityProvider, ASlotForAnotherPlaceOrNoneIsAMissWithNoFallback) {
  AirWorld world;
  world.fill(kKyoto, 30, 600);
  const Place lisbon{"Lisbon", 38.7223, -9.1393};
  EXPECT_EQ(world.ask(lisbon, aqi(12)), (AirQualitySnapshot{12, kNow}));
  // The slot now belongs to Lisbon; Kyoto asks again, and when that fails nothing is shown.
  EXPECT_EQ(world.ask(kKyoto, FakeResponse::text("down", 503)), std::nullopt);
  EXPECT_EQ(world.ask(lisbon, FakeResponse::text("down", 503)), (AirQualitySnapshot{12, kNow}));
  EXPECT_EQ(world.server.requestCount(), 2u);
  // A slot written without a place is no answer either.
  SharedSuite::write(cacheKey, AirQualitySnapshot{55, kNow}, world.home.path());
  EXPECT_EQ(world.ask(kKyoto, FakeResponse::text("down", 503)), std::nullopt);
}

TEST(AirQualityProvider, AFailedFetchFallsBackToTheSlotOfThePlaceAndLeavesItAlone) {
  std::optional<FakeResponse> answers[] = {
      std::nullopt, // the service is not configured
      FakeResponse::text("<html>Bad gateway</html>", 502, "text/html"),
      FakeResponse::json(R"({"current":{"us_aqi":42.5}})"),
  };
  for (const auto &answer : answers) {
    for (bool withSlot : {true, false}) {
      AirWorld world;
      std::optional<AirQualitySnapshot> old;
      if (withSlot)
        old = world.fill(kKyoto, 64, 7200);
      auto before = world.slot();
      auto environment = world.environment();
      if (answer)
        world.server.serve(std::string(path), *answer);
      else
        environment.address = std::nullopt;
      EXPECT_EQ(snapshot(kKyoto, environment), old) << (answer ? answer->body : "no address");
      EXPECT_EQ(world.server.requestCount(), answer ? 1u : 0u);
      EXPECT_EQ(world.slot(), before);
    }
  }
}

} // namespace
} // namespace zavel::AirQualityProvider
