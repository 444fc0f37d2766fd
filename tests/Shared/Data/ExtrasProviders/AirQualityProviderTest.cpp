#include "Shared/Data/ExtrasProviders/AirQualityProvider.h"

#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/WeatherProvider/CoordinateText.h"
#include "support/FakeHttpServer.h"
#include "support/TempHome.h"

#include "kit/foundation/Iso8601.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using kit::foundation::Clock;
using kit::foundation::Date;
using testsupport::FakeHttpServer;
using testsupport::FakeResponse;
using zavel::AirQualitySnapshot;
using zavel::test::TempHome;
namespace AirQualityProvider = zavel::AirQualityProvider;

namespace {

const Date kNow = *kit::foundation::dateFromIso8601("2025-03-10T15:00:00Z");

using Place = zavel::WeatherProvider::Place;
const Place kKyoto{"Kyoto", 35.0116, 135.7681};
const Place kLisbon{"Lisbon", 38.7223, -9.1393};

std::string aqiBody(int aqi) {
  return R"({"current":{"time":"2025-03-10T15:00","us_aqi":)" + std::to_string(aqi) + "}}";
}

// A home, an air-quality service and a fixed clock for one test.
struct AirWorld {
  TempHome home;
  FakeHttpServer server;

  AirQualityProvider::Environment environment() const {
    return {home.path(), Clock::fixed(kNow), server.baseURL()};
  }
  void answer(FakeResponse response) {
    server.serve(std::string(AirQualityProvider::path), std::move(response));
  }
  std::optional<AirQualitySnapshot> ask(const Place &place) const {
    return AirQualityProvider::snapshot(place, environment());
  }
  // The slot as the provider leaves it after a successful answer for `place`, `age` seconds ago.
  AirQualitySnapshot fill(const Place &place, int aqi, double age) {
    AirWorld past;
    past.answer(FakeResponse::json(aqiBody(aqi)));
    auto environment = past.environment();
    environment.home = home.path();
    environment.clock = Clock::fixed(kNow.addingTimeInterval(-age));
    return *AirQualityProvider::snapshot(place, environment);
  }
  std::optional<std::string> slot() const {
    return zavel::SharedSuite::readData(AirQualityProvider::cacheKey, home.path());
  }
};

} // namespace

TEST(AirQualityProvider, RequestsTheCurrentIndexAtThePlacesCoordinates) {
  AirWorld world;
  world.answer(FakeResponse::json(aqiBody(42)));

  auto snapshot = world.ask(kKyoto);

  ASSERT_EQ(world.server.requestCount(), 1u);
  auto request = world.server.requests().front();
  EXPECT_EQ(request.method, "GET");
  EXPECT_EQ(request.target, "/v1/air-quality?latitude=35.0116&longitude=135.7681&current=us_aqi");
  EXPECT_EQ(snapshot, (AirQualitySnapshot{42, kNow}));
  // The slot still reads as a plain air-quality record.
  EXPECT_EQ(
      zavel::SharedSuite::read<AirQualitySnapshot>(AirQualityProvider::cacheKey, world.home.path()),
      snapshot);
}

TEST(AirQualityProvider, OnlyTheCoordinatesCount) {
  AirWorld world;
  world.answer(FakeResponse::json(aqiBody(9)));

  auto first = world.ask({"Zero", 13, -0.5});
  // The same point under another name is served from the slot.
  EXPECT_EQ(world.ask({"Elsewhere", 13, -0.5}), first);

  ASSERT_EQ(world.server.requestCount(), 1u);
  EXPECT_EQ(world.server.requests().front().target,
            "/v1/air-quality?latitude=13.0&longitude=-0.5&current=us_aqi");
}

TEST(AirQualityProvider, AFreshSlotForThePlaceAnswersWithoutARequest) {
  struct Case {
    const char *name;
    double age;
    bool requests;
  } cases[] = {
      {"10 minutes old", 600, false},
      {"1799 s old", 1799, false},
      {"1800 s old", 1800, true},
      {"dated in the future", -600, false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    AirWorld world;
    AirQualitySnapshot old = world.fill(kKyoto, 30, c.age);
    world.answer(FakeResponse::json(aqiBody(77)));

    auto snapshot = world.ask(kKyoto);

    EXPECT_EQ(world.server.requestCount(), c.requests ? 1u : 0u);
    EXPECT_EQ(snapshot, c.requests ? AirQualitySnapshot({77, kNow}) : old);
  }
}

TEST(AirQualityProvider, ASlotForAnotherPlaceIsAMissWithNoFallback) {
  AirWorld world;
  world.fill(kKyoto, 30, 600);
  world.answer(FakeResponse::json(aqiBody(12)));

  EXPECT_EQ(world.ask(kLisbon), (AirQualitySnapshot{12, kNow}));
  EXPECT_EQ(world.server.requestCount(), 1u);

  // The slot now belongs to Lisbon; Kyoto asks again, and when that fails nothing is shown.
  world.answer(FakeResponse::text("down", 503));
  EXPECT_EQ(world.ask(kKyoto), std::nullopt);
  EXPECT_EQ(world.ask(kLisbon), (AirQualitySnapshot{12, kNow}));
  EXPECT_EQ(world.server.requestCount(), 2u);
}

TEST(AirQualityProvider, ASlotThatNamesNoPlaceIsAMiss) {
  AirWorld world;
  zavel::SharedSuite::write(AirQualityProvider::cacheKey,
                            AirQualitySnapshot{55, kNow.addingTimeInterval(-60)},
                            world.home.path());
  world.answer(FakeResponse::text("down", 503));
  EXPECT_EQ(world.ask(kKyoto), std::nullopt);
  EXPECT_EQ(world.server.requestCount(), 1u);
}

TEST(AirQualityProvider, AFailedFetchFallsBackToTheSlotOfThePlaceAndLeavesItAlone) {
  struct Case {
    const char *name;
    std::optional<FakeResponse> answer; // none: the service is not configured
  } cases[] = {
      {"no service address", std::nullopt},
      {"the service's error body",
       FakeResponse::json(R"({"error":true,"reason":"Latitude must be in range of -90 to 90°."})",
                          400)},
      {"not JSON", FakeResponse::text("<html>Bad gateway</html>", 502, "text/html")},
      {"no index", FakeResponse::json(R"({"current":{"time":"2025-03-10T15:00"}})")},
      {"a null index", FakeResponse::json(R"({"current":{"us_aqi":null}})")},
      {"an index that is not whole", FakeResponse::json(R"({"current":{"us_aqi":42.5}})")},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    for (bool withSlot : {true, false}) {
      AirWorld world;
      auto environment = world.environment();
      if (c.answer)
        world.answer(*c.answer);
      else
        environment.address = std::nullopt;
      std::optional<AirQualitySnapshot> old;
      if (withSlot)
        old = world.fill(kKyoto, 64, 7200);
      auto before = world.slot();

      auto snapshot = AirQualityProvider::snapshot(kKyoto, environment);

      EXPECT_EQ(world.server.requestCount(), c.answer ? 1u : 0u);
      EXPECT_EQ(snapshot, old);
      EXPECT_EQ(world.slot(), before);
    }
  }
}

TEST(AirQualityProvider, AnErrorStatusWithAnIndexIsUsed) {
  AirWorld world;
  world.answer(FakeResponse::json(R"({"current":{"us_aqi":3.0}})", 500));
  EXPECT_EQ(world.ask(kKyoto), (AirQualitySnapshot{3, kNow}));
}

TEST(AirQualityProvider, APlaceOffTheGlobeIsNeverRequested) {
  AirWorld world;
  world.answer(FakeResponse::json(aqiBody(1)));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const Place &place :
       {Place{"", nan, 0}, Place{"", 0, std::numeric_limits<double>::infinity()}, Place{"", 91, 0},
        Place{"", 0, -180.5}}) {
    SCOPED_TRACE(zavel::WeatherProvider::coordinateText(place.latitude) + "," +
                 zavel::WeatherProvider::coordinateText(place.longitude));
    EXPECT_EQ(world.ask(place), std::nullopt);
  }
  EXPECT_EQ(world.server.requestCount(), 0u);
  EXPECT_EQ(world.slot(), std::nullopt);
}
