#include "Shared/Data/WeatherProvider/WeatherCache.h"

#include "Shared/Data/SharedSuite.h"
#include "support/ForecastFixture.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace zavel {
namespace {

using kit::foundation::Json;
using testsupport::FakeResponse;
using WeatherProvider::Place;

const Place kLondon{"London", 51.5072, -0.1276};
const std::string kLondonKey = "zavel.weather.cache.v15150,-12";
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// A snapshot of London (at 5°) as stored `age` seconds before the test moment.
WeatherSnapshot storedLondon(double age) {
  WeatherSnapshot snapshot = WeatherSnapshot::sample();
  snapshot.place = "London";
  snapshot.temperature = 5;
  snapshot.updated = test::forecastMoment().addingTimeInterval(-age);
  return snapshot;
}

void storeEntry(const std::string &placeKey, const WeatherSnapshot &snapshot) {
  Json entry{
      {"placeKey", placeKey},
      {"snapshot", kit::foundation::encodeJson(snapshot)},
  };
  ASSERT_TRUE(SharedSuite::writeData(kLondonKey, entry.dump()));
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
  testsupport::FakeHttpServer server;
};

TEST_F(WeatherCache, KeysAreTheCoordinatesInHundredthsCutTowardZeroAndNoneOffTheGlobe) {
  std::vector<std::string> written;
  kit::foundation::DefaultsWriteObserver observer(
      [&](std::string_view, std::string_view key) { written.emplace_back(key); });
  struct Case {
    double latitude, longitude;
    std::optional<std::string> key;
  } cases[] = {
      {51.5031, -0.1202, kLondonKey},
      {-0.004, 12.349, "zavel.weather.cache.v10,1234"},
      {-33.8688, 151.2093, "zavel.weather.cache.v1-3386,15120"},
      {90, -180, "zavel.weather.cache.v19000,-18000"},
      {nan, 0, std::nullopt},
      {0, -inf, std::nullopt},
      {1e300, 0, std::nullopt},
      {90.01, 0, std::nullopt},
      {0, 180.01, std::nullopt},
  };
  for (const auto &c : cases) {
    Place place{"P", c.latitude, c.longitude};
    EXPECT_EQ(WeatherProvider::cacheKey(place), c.key) << c.latitude << ", " << c.longitude;
    if (!c.key) { // no weather at all, and nothing asked or written
      EXPECT_EQ(snapshotOf(place), std::nullopt);
      EXPECT_EQ(WeatherProvider::cached(place), std::nullopt);
    }
  }
  EXPECT_EQ(server.requestCount(), 0u);
  EXPECT_EQ(written, std::vector<std::string>{});
}

TEST_F(WeatherCache, AStoredSnapshotIsServedWhileFresh) {
  struct Case {
    double age;
    bool fetched;
  } cases[] = {
      {1499, false},
      {1500, true},
      {2 * 86400, true},
      {-86400, false},
  };
  for (const auto &c : cases) {
    server.clearRecords();
    storeEntry("5150,-12", storedLondon(c.age));
    auto snapshot = snapshotOf(kLondon);
    ASSERT_TRUE(snapshot) << c.age;
    EXPECT_EQ(server.requestCount(), c.fetched ? 1u : 0u) << c.age;
    EXPECT_EQ(snapshot->temperature, c.fetched ? 18 : 5) << c.age;
  }
}

TEST_F(WeatherCache, AFetchedSnapshotIsStoredForNearbyPlacesUnderTheFirstName) {
  auto fetched = snapshotOf(kLondon);
  ASSERT_TRUE(fetched);
  auto entry = kit::foundation::parseJson(*SharedSuite::readData(kLondonKey));
  ASSERT_TRUE(entry);
  EXPECT_EQ((*entry)["placeKey"], "5150,-12");
  EXPECT_EQ(kit::foundation::decodeJson<WeatherSnapshot>((*entry)["snapshot"]), *fetched);
  EXPECT_EQ(WeatherProvider::cached(kLondon), fetched);

  server.clearRecords();
  EXPECT_EQ(snapshotOf(Place{"Westminster", 51.5031, -0.1202}), fetched);
  EXPECT_EQ(server.requestCount(), 0u);
}

TEST_F(WeatherCache, AFailedFetchFallsBackToTheStoredSnapshotOfAnyAge) {
  for (bool answers : {false, true}) {
    test::TempHome emptyHome;
    testsupport::FakeHttpServer failing;
    failing.serve("/v1/forecast", FakeResponse::text("<html>down</html>", 502, "text/html"));
    auto environment = test::serviceEnvironment(failing, emptyHome.path());
    if (!answers)
      environment.forecastAddress = test::unreachableAddress;

    EXPECT_EQ(WeatherProvider::snapshot(kLondon, environment), std::nullopt);
    WeatherSnapshot old = storedLondon(2 * 86400);
    storeEntry("5150,-12", old);
    EXPECT_EQ(WeatherProvider::snapshot(kLondon, environment), old) << answers;
  }
}

TEST_F(WeatherCache, AForeignOrDamagedEntryReadsAsNoneAndIsReplaced) {
  std::function<void()> writes[] = {
      [] { storeEntry("5150,-13", storedLondon(0)); }, // written for other coordinates
      [] { SharedSuite::open().set(kLondonKey, std::string("5150,-12")); },
  };
  for (const auto &write : writes) {
    server.clearRecords();
    write();
    EXPECT_EQ(WeatherProvider::cached(kLondon), std::nullopt);
    auto snapshot = snapshotOf(kLondon);
    ASSERT_TRUE(snapshot);
    EXPECT_EQ(server.requestCount(), 1u);
    EXPECT_EQ(WeatherProvider::cached(kLondon), snapshot);
  }
}

} // namespace
} // namespace zavel
