#include "Shared/Data/WeatherProvider/DefaultPlace.h"

#include "Shared/Data/SharedSuite.h"
#include "support/ForecastFixture.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include "kit/foundation/tasks/BackgroundTasks.h"

#include <chrono>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace zavel {
namespace {

using testsupport::FakeHttpServer;
using testsupport::FakeResponse;
using WeatherProvider::Place;

const Place kLondon{"London", 51.5072, -0.1276};
const char *const kLisbonAnswer = R"({"results":[
    {"name":"Lisbon","latitude":38.7223,"longitude":-9.1393,"country_code":"PT"},
    {"name":"Lisbon","latitude":44.0,"longitude":-70.1,"country_code":"US"}]})";

// Waits, as the host does before it exits, for the searches the default place started.
void waitForSearches() {
  ASSERT_TRUE(kit::foundation::waitForBackgroundTasks(std::chrono::seconds(10)));
}

std::vector<std::string> searchedNames(const FakeHttpServer &server) {
  std::vector<std::string> names;
  for (const auto &request : server.requests("/v1/search"))
    names.push_back(request.queryValue("name").value_or("?"));
  return names;
}

class DefaultPlace : public testing::Test {
protected:
  DefaultPlace() { server.serve("/v1/search", FakeResponse::json(kLisbonAnswer)); }
  ~DefaultPlace() override { waitForSearches(); }

  Place defaultPlace() {
    return WeatherProvider::defaultPlace(test::serviceEnvironment(server, home.path()));
  }

  test::TempHome home;
  FakeHttpServer server;
};

TEST_F(DefaultPlace, AWellKnownZoneGivesItsCityWithoutASearch) {
  struct Case {
    const char *zone;
    Place place;
  } cases[] = {
      {"America/New_York", {"New York", 40.7128, -74.006}},
      {"Europe/London", {"London", 51.5072, -0.1276}},
      {"Asia/Hong_Kong", {"Hong Kong", 22.3193, 114.1694}},
      {"Pacific/Auckland", {"Auckland", -36.8509, 174.7645}},
      {"America/Sao_Paulo", {"Sao Paulo", -23.5505, -46.6333}},
  };
  for (const auto &c : cases) {
    test::ScopedLocaleAndZone zone("en_US", c.zone);
    EXPECT_EQ(defaultPlace(), c.place) << c.zone;
  }
  waitForSearches();
  EXPECT_EQ(server.requestCount(), 0u);
  EXPECT_EQ(SharedSuite::readData(WeatherProvider::defaultPlaceKey), std::nullopt);
}

TEST_F(DefaultPlace, AnyOtherZoneGivesLondonUntilTheSearchHasStoredItsCity) {
  test::ScopedLocaleAndZone zone("en_US", "Europe/Lisbon");
  EXPECT_EQ(defaultPlace(), kLondon);
  waitForSearches();
  EXPECT_EQ(searchedNames(server), std::vector<std::string>{"Lisbon"});

  Place lisbon{"Lisbon, PT", 38.7223, -9.1393};
  EXPECT_EQ(SharedSuite::read<Place>(WeatherProvider::defaultPlaceKey), lisbon);
  EXPECT_EQ(defaultPlace(), lisbon);
  waitForSearches();
  EXPECT_EQ(server.requestCount(), 1u);
}

TEST_F(DefaultPlace, TheSearchIsForTheLastPieceOfTheZoneWithBlanks) {
  struct Case {
    const char *zone;
    const char *city;
  } cases[] = {
      {"UTC", "UTC"},
      {"America/Argentina/Buenos_Aires", "Buenos Aires"},
      {"Etc/GMT+5", "GMT+5"},
  };
  server.serve("/v1/search", FakeResponse::json("{}"));
  for (const auto &c : cases) {
    test::ScopedLocaleAndZone zone("en_US", c.zone);
    server.clearRecords();
    EXPECT_EQ(defaultPlace(), kLondon) << c.zone;
    waitForSearches();
    EXPECT_EQ(searchedNames(server), std::vector<std::string>{c.city}) << c.zone;
  }
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
    EXPECT_EQ(SharedSuite::readData(WeatherProvider::defaultPlaceKey), std::nullopt);
  }
}

TEST_F(DefaultPlace, WithoutAGeocodingServiceTheFallbackStays) {
  test::ScopedLocaleAndZone zone("en_US", "Europe/Lisbon");
  auto environment = test::serviceEnvironment(server, home.path());
  environment.geocodingAddress = std::nullopt;
  EXPECT_EQ(WeatherProvider::defaultPlace(environment), kLondon);
  waitForSearches();
  EXPECT_EQ(SharedSuite::readData(WeatherProvider::defaultPlaceKey), std::nullopt);
}

TEST_F(DefaultPlace, TheOwnLocationWinsThenTheStoredDefaultThenTheZone) {
  test::ScopedLocaleAndZone zone("en_US", "Asia/Tokyo");
  Place tokyo{"Tokyo", 35.6762, 139.6503};
  Place own{"Home", 48.2082, 16.3738};
  Place chosen{"Kyoto", 35.0116, 135.7681};
  struct Case {
    const char *name;
    std::optional<std::string> myLocation;
    std::optional<std::string> stored;
    Place expected;
  } cases[] = {
      {"nothing stored", std::nullopt, std::nullopt, tokyo},
      {"both", R"({"name":"Home","latitude":48.2082,"longitude":16.3738})",
       R"({"name":"Kyoto","latitude":35.0116,"longitude":135.7681})", own},
      {"only the default", std::nullopt,
       R"({"name":"Kyoto","latitude":35.0116,"longitude":135.7681})", chosen},
      {"an unreadable own location", R"({"name":"Home","latitude":48.2})",
       R"({"name":"Kyoto","latitude":35.0116,"longitude":135.7681})", chosen},
      {"an own location off the globe", R"({"name":"Home","latitude":95,"longitude":16})",
       R"({"name":"Kyoto","latitude":35.0116,"longitude":135.7681})", chosen},
      {"an unreadable default", std::nullopt, "Kyoto", tokyo},
      {"a default off the globe", std::nullopt,
       R"({"name":"Kyoto","latitude":35,"longitude":1e300})", tokyo},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    test::TempHome emptyHome;
    if (c.myLocation)
      SharedSuite::writeData(WeatherProvider::myLocationKey, *c.myLocation);
    if (c.stored)
      SharedSuite::writeData(WeatherProvider::defaultPlaceKey, *c.stored);
    auto environment = test::serviceEnvironment(server, emptyHome.path());
    EXPECT_EQ(WeatherProvider::defaultPlace(environment), c.expected);
    EXPECT_EQ(WeatherProvider::myLocation(emptyHome.path()).has_value(), c.expected == own);
  }
  waitForSearches();
  EXPECT_EQ(server.requestCount(), 0u);
}

} // namespace
} // namespace zavel
