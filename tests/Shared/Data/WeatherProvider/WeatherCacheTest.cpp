#include "Shared/Data/WeatherProvider/WeatherCache.h"

#include "Shared/Data/SharedSuite.h"
#include "support/ForecastFixture.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zavel {
namespace {

using kit::foundation::Date;
using kit::foundation::Json;
using testsupport::FakeHttpServer;
using testsupport::FakeResponse;
using WeatherProvider::Place;

const Place kLondon{"London", 51.5072, -0.1276};
const std::string kLondonKey = "zavel.weather.cache.v15150,-12";

// A snapshot of London as stored `age` seconds before the test moment.
WeatherSnapshot storedLondon(double age) {
  WeatherSnapshot snapshot = WeatherSnapshot::sample();
  snapshot.place = "London";
  snapshot.temperature = 5;
  snapshot.updated = test::forecastMoment().addingTimeInterval(-age);
  return snapshot;
}

void storeEntry(const std::string &key, const std::string &placeKey,
                const WeatherSnapshot &snapshot) {
  Json entry{{"placeKey", placeKey}, {"snapshot", kit::foundation::encodeJson(snapshot)}};
  ASSERT_TRUE(SharedSuite::writeData(key, entry.dump()));
}

class WeatherCache : public testing::Test {
protected:
  WeatherCache() {
    server.serve("/v1/forecast", FakeResponse::json(test::forecastAnswer().dump()));
  }

  std::optional<WeatherSnapshot> snapshotOf(const Place &place) {
    return WeatherProvider::snapshot(place, test::serviceEnvironment(server, home.path()));
  }

  test::TempHome home;
  test::ScopedLocaleAndZone locale{"en_US", "UTC"};
  FakeHttpServer server;
};

TEST_F(WeatherCache, KeysAreTheCoordinatesInHundredthsCutTowardZero) {
  double nan = std::numeric_limits<double>::quiet_NaN();
  double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double latitude;
    double longitude;
    std::optional<std::string> key;
  } cases[] = {
      {51.5072, -0.1276, kLondonKey},
      {51.5031, -0.1202, kLondonKey},
      {-0.004, 12.349, "zavel.weather.cache.v10,1234"},
      {12.349, -0.009, "zavel.weather.cache.v11234,0"},
      {-33.8688, 151.2093, "zavel.weather.cache.v1-3386,15120"},
      {90, -180, "zavel.weather.cache.v19000,-18000"},
      {nan, 0, std::nullopt},
      {0, inf, std::nullopt},
      {-inf, 0, std::nullopt},
      {90.01, 0, std::nullopt},
      {0, 180.01, std::nullopt},
      {1e300, 0, std::nullopt},
  };
  for (const auto &c : cases)
    EXPECT_EQ(WeatherProvider::cacheKey(Place{"P", c.latitude, c.longitude}), c.key)
        << c.latitude << ", " << c.longitude;
}

TEST_F(WeatherCache, AStoredSnapshotIsServedWhileFresh) {
  struct Case {
    double age;
    bool fetched;
  } cases[] = {{0, false}, {1499, false}, {1500, true}, {2 * 86400, true}, {-86400, false}};
  for (const auto &c : cases) {
    server.clearRecords();
    storeEntry(kLondonKey, "5150,-12", storedLondon(c.age));
    auto snapshot = snapshotOf(kLondon);
    ASSERT_TRUE(snapshot) << c.age;
    EXPECT_EQ(server.requestCount(), c.fetched ? 1u : 0u) << c.age;
    EXPECT_EQ(snapshot->temperature, c.fetched ? 18 : 5) << c.age;
  }
}

TEST_F(WeatherCache, AFetchedSnapshotIsStoredUnderThePlacesKey) {
  auto fetched = snapshotOf(kLondon);
  ASSERT_TRUE(fetched);
  auto entry = kit::foundation::parseJson(*SharedSuite::readData(kLondonKey));
  ASSERT_TRUE(entry);
  EXPECT_EQ((*entry)["placeKey"], "5150,-12");
  EXPECT_EQ(kit::foundation::decodeJson<WeatherSnapshot>((*entry)["snapshot"]), *fetched);
  EXPECT_EQ(WeatherProvider::cached(kLondon), fetched);

  server.clearRecords();
  EXPECT_EQ(snapshotOf(kLondon), fetched);
  EXPECT_EQ(server.requestCount(), 0u);
}

TEST_F(WeatherCache, AFailedFetchFallsBackToTheStoredSnapshotOfAnyAge) {
  struct Service {
    const char *name;
    std::optional<FakeResponse> answer; // none: nothing answers
  } services[] = {
      {"no service", std::nullopt},
      {"an error page", FakeResponse::text("<html>down</html>", 502, "text/html")},
  };
  for (const auto &service : services) {
    SCOPED_TRACE(service.name);
    test::TempHome emptyHome;
    FakeHttpServer failing;
    if (service.answer)
      failing.serve("/v1/forecast", *service.answer);
    auto environment = test::serviceEnvironment(failing, emptyHome.path());
    if (!service.answer)
      environment.forecastAddress = test::unreachableAddress;

    EXPECT_EQ(WeatherProvider::snapshot(kLondon, environment), std::nullopt);
    WeatherSnapshot old = storedLondon(2 * 86400);
    storeEntry(kLondonKey, "5150,-12", old);
    EXPECT_EQ(WeatherProvider::snapshot(kLondon, environment), old);
  }
}

TEST_F(WeatherCache, NearbyPlacesShareOneEntryUnderTheFirstName) {
  ASSERT_TRUE(snapshotOf(kLondon));
  server.clearRecords();
  auto westminster = snapshotOf(Place{"Westminster", 51.5031, -0.1202});
  ASSERT_TRUE(westminster);
  EXPECT_EQ(westminster->place, "London");
  EXPECT_EQ(server.requestCount(), 0u);
}

TEST_F(WeatherCache, AForeignOrDamagedEntryReadsAsNoneAndIsReplaced) {
  struct Entry {
    const char *name;
    std::function<void()> write;
  } entries[] = {
      {"written for other coordinates",
       [] { storeEntry(kLondonKey, "5150,-13", storedLondon(0)); }},
      {"not JSON", [] { SharedSuite::writeData(kLondonKey, "{"); }},
      {"without a place key",
       [] {
         SharedSuite::writeData(
             kLondonKey, Json{{"snapshot", kit::foundation::encodeJson(storedLondon(0))}}.dump());
       }},
      {"a plain string", [] { SharedSuite::open().set(kLondonKey, std::string("5150,-12")); }},
  };
  for (const auto &entry : entries) {
    SCOPED_TRACE(entry.name);
    server.clearRecords();
    entry.write();
    EXPECT_EQ(WeatherProvider::cached(kLondon), std::nullopt);
    auto snapshot = snapshotOf(kLondon);
    ASSERT_TRUE(snapshot);
    EXPECT_EQ(server.requestCount(), 1u);
    EXPECT_EQ(WeatherProvider::cached(kLondon), snapshot);
  }
}

TEST_F(WeatherCache, APlaceOffTheGlobeHasNoWeatherAndWritesNothing) {
  std::vector<std::string> written;
  kit::foundation::DefaultsWriteObserver observer(
      [&](std::string_view, std::string_view key) { written.emplace_back(key); });
  double nan = std::numeric_limits<double>::quiet_NaN();
  for (Place place : {Place{"X", nan, nan}, Place{"X", 1e300, 0}, Place{"X", 0, -200}}) {
    EXPECT_EQ(snapshotOf(place), std::nullopt);
    EXPECT_EQ(WeatherProvider::cached(place), std::nullopt);
  }
  EXPECT_EQ(server.requestCount(), 0u);
  EXPECT_EQ(written, std::vector<std::string>{});
}

} // namespace
} // namespace zavel
