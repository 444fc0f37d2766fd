#include "Shared/Data/WeatherProvider/DefaultPlace.h"

#include "Shared/Data/SharedSuite.h"
#include "support/ForecastFixture.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include "kit/foundation/tasks/BackgroundTasks.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

using testsupport::FakeResponse;
using WeatherProvider::defaultPlaceKey;
using WeatherProvider::Place;

const Place kLondon{"London", 51.5072, -0.1276};

// Waits, as the host does before it exits, for the searches the default place started.
void waitForSearches() {
  ASSERT_TRUE(kit::foundation::waitForBackgroundTasks(std::chrono::seconds(10)));
}

std::string placeJson(const char *name, double latitude, double longitude) {
  return kit::foundation::Json{{"name", name}, {"latitude", latitude}, {"longitude", longitude}}
      .dump();
}

class DefaultPlace : public testing::Test {
protected:
  DefaultPlace() { server.serve("/v1/search", FakeResponse::json(test::lisbonSearchAnswer)); }
  ~DefaultPlace() override { waitForSearches(); }

  Place defaultPlace() {
    return WeatherProvider::defaultPlace(test::serviceEnvironment(server, home.path()));
  }

  test::TempHome home;
  testsupport::FakeHttpServer server;
};

TEST_F(DefaultPlace, AnyOtherZoneGivesLondonUntilTheSearchHasStoredItsCity) {
  test::ScopedLocaleAndZone zone("en_US", "America/Argentina/Buenos_Aires");
  EXPECT_EQ(defaultPlace(), kLondon);
  waitForSearches();
  ASSERT_EQ(server.requests("/v1/search").size(), 1u);
  EXPECT_EQ(server.requests("/v1/search")[0].queryValue("name"), "Buenos Aires");

  Place lisbon{"Lisbon, PT", 38.7223, -9.1393}; // the first place the search found
  EXPECT_EQ(SharedSuite::read<Place>(defaultPlaceKey), lisbon);
  EXPECT_EQ(defaultPlace(), lisbon);
  waitForSearches();
  EXPECT_EQ(server.requestCount(), 1u);
}

TEST_F(DefaultPlace, AFailedOrEmptySearchStoresNothingAndTheNextCallSearchesAgain) {
  test::ScopedLocaleAndZone zone("en_US", "Europe/Lisbon");
  for (FakeResponse answer :
       {FakeResponse::json("{}"), FakeResponse::json(R"({"results":[]})"),
        FakeResponse::text("<html>down</html>", 503, "text/html"),
        FakeResponse::json(R"({"results":[{"name":"Lisbon","latitude":null,"longitude":1}]})")}) {
    server.serve("/v1/search", answer);
    server.clearRecords();
    EXPECT_EQ(defaultPlace(), kLondon);
    EXPECT_EQ(defaultPlace(), kLondon);
    waitForSearches();
    EXPECT_EQ(server.requestCount(), 2u) << answer.body;
    EXPECT_EQ(SharedSuite::readData(defaultPlaceKey), std::nullopt);
  }
  auto environment = test::serviceEnvironment(server, home.path());
  environment.geocodingAddress = std::nullopt;
  EXPECT_EQ(WeatherProvider::defaultPlace(environment), kLondon);
  waitForSearches();
  EXPECT_EQ(SharedSuite::readData(defaultPlaceKey), std::nullopt);
}

TEST_F(DefaultPlace, TheOwnLocationWinsThenTheStoredDefaultThenAWellKnownZoneUnsearched) {
  test::ScopedLocaleAndZone zone("en_US", "Asia/Tokyo");
  Place tokyo{"Tokyo", 35.6762, 139.6503}, own{"Home", 48.2082, 16.3738};
  Place kyoto{"Kyoto", 35.0116, 135.7681};
  const std::string kyotoJson = placeJson("Kyoto", 35.0116, 135.7681);
  struct Case {
    const char *name;
    std::optional<std::string> myLocation, stored;
    Place expected;
  } cases[] = {
      {"nothing stored", std::nullopt, std::nullopt, tokyo},
      {"both", placeJson("Home", 48.2082, 16.3738), kyotoJson, own},
      {"only the default", std::nullopt, kyotoJson, kyoto},
      {"an unreadable own location", R"({"name":"Home","latitude":48.2})", kyotoJson, kyoto},
      {"an own location off the globe", placeJson("Home", 95, 16), kyotoJson, kyoto},
      {"an unreadable default", std::nullopt, "Kyoto", tokyo},
      {"a default off the globe", std::nullopt, placeJson("Kyoto", 35, 1e300), tokyo},
  };
  for (const auto &c : cases) {
    test::TempHome emptyHome;
    if (c.myLocation)
      SharedSuite::writeData(WeatherProvider::myLocationKey, *c.myLocation);
    if (c.stored)
      SharedSuite::writeData(defaultPlaceKey, *c.stored);
    auto environment = test::serviceEnvironment(server, emptyHome.path());
    EXPECT_EQ(WeatherProvider::defaultPlace(environment), c.expected) << c.name;
    EXPECT_EQ(WeatherProvider::myLocation(emptyHome.path()).has_value(), c.expected == own);
  }
  waitForSearches();
  EXPECT_EQ(server.requestCount(), 0u);
}

} // namespace
} // namespace zavel
