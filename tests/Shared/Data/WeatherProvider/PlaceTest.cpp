#include "Shared/Data/WeatherProvider/DefaultPlace.h"
#include "Shared/Data/WeatherProvider/PlaceSearch.h"

#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/net/HttpError.h"
#include "support/ForecastFixture.h"
#include "support/RecordForm.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include "kit/foundation/tasks/BackgroundTasks.h"

#include <future>
#include <gtest/gtest.h>

namespace zavel {
namespace {

using testsupport::FakeResponse;
using WeatherProvider::defaultPlaceKey;
using WeatherProvider::Place;
using WeatherProvider::searchPlaces;

const Place kLondon{"London", 51.5072, -0.1276};

// Waits, as the host does before it exits, for the searches the default place started.
void waitForSearches() {
  ASSERT_TRUE(kit::foundation::waitForBackgroundTasks(std::chrono::seconds(10)));
}

std::string placeJson(const char *name, double latitude, double longitude) {
  return kit::foundation::Json{{"name", name}, {"latitude", latitude}, {"longitude", longitude}}
      .dump();
}

TEST(WeatherPlace, JsonFormAndHashFollowingEquality) {
  test::expectJsonForm(R"({"name":"Lisbon, PT","latitude":38.7223,"longitude":-9.1393})",
                       Place{"Lisbon, PT", 38.7223, -9.1393}, {});
  std::hash<Place> hash;
  EXPECT_EQ(hash(Place{"Equator", 0.0, 10}), hash(Place{"Equator", -0.0, 10}));
}

TEST(PlaceSearch, AsksForEightEnglishResultsAndNamesThemWithTheirCountryCodeInOrder) {
  testsupport::FakeHttpServer server;
  server.serve("/v1/search", FakeResponse::json(R"({"results":[
      {"id":1,"name":"Lisbon","latitude":38.7223,"longitude":-9.1393,"country_code":"PT"},
      {"name":"Lisbon","latitude":44.0,"longitude":-70.1,"country_code":null},
      {"name":"Lisbon","latitude":41.2,"longitude":-91.3}]})"));
  std::vector<Place> expected{
      {"Lisbon, PT", 38.7223, -9.1393}, {"Lisbon", 44.0, -70.1}, {"Lisbon", 41.2, -91.3}};
  EXPECT_EQ(searchPlaces(" São Paulo & Co=1 ", server.baseURL()), expected);
  std::vector<std::pair<std::string, std::string>> query{
      {"name", " São Paulo & Co=1 "}, {"count", "8"}, {"language", "en"}};
  EXPECT_EQ(server.requests("/v1/search").at(0).query, query);
}

TEST(PlaceSearch, NoResultsIsEmptyAndAnythingButAPlaceListThrows) {
  testsupport::FakeHttpServer server;
  server.serve("/v1/search", FakeResponse::json(R"({"results":null})"));
  EXPECT_EQ(searchPlaces("Nowhere", server.baseURL()), std::vector<Place>{});
  server.serve("/v1/search", FakeResponse::json("<html>rate limited</html>", 429));
  EXPECT_THROW(searchPlaces("Lisbon", server.baseURL()), kit::foundation::DecodeError);
  EXPECT_THROW(searchPlaces("Lisbon", std::nullopt), kit::foundation::HttpError);
}

class DefaultPlace : public testing::Test {
protected:
  ~DefaultPlace() override { waitForSearches(); }

  Place defaultPlace() {
    return WeatherProvider::defaultPlace(test::serviceEnvironment(server, home.path()));
  }

  test::TempHome home;
  testsupport::FakeHttpServer server;
};

TEST_F(DefaultPlace, AnyOtherZoneGivesLondonAndSearchesItsCityUntilASearchHasStoredOne) {
  test::ScopedLocaleAndZone zone("en_US", "America/Argentina/Buenos_Aires");
  auto offline = test::serviceEnvironment(server, home.path());
  offline.geocodingAddress.reset();
  EXPECT_EQ(WeatherProvider::defaultPlace(offline), kLondon);
  EXPECT_EQ(kit::foundation::pendingBackgroundTasks(), 0u) << "no service, no search";
  for (FakeResponse answer : {FakeResponse::text("<html>down</html>", 503, "text/html"),
                              FakeResponse::json(test::lisbonSearchAnswer)}) {
    EXPECT_EQ(SharedSuite::readData(defaultPlaceKey), std::nullopt);
    server.serve("/v1/search", answer);
    EXPECT_EQ(defaultPlace(), kLondon);
    waitForSearches();
  }
  EXPECT_EQ(server.requests("/v1/search").at(1).queryValue("name"), "Buenos Aires");
  Place lisbon{"Lisbon, PT", 38.7223, -9.1393}; // the first place the search found
  EXPECT_EQ(SharedSuite::read<Place>(defaultPlaceKey), lisbon);
  EXPECT_EQ(defaultPlace(), lisbon);
  waitForSearches();
  EXPECT_EQ(server.requestCount(), 2u);
}

TEST_F(DefaultPlace, AStoredDefaultThatCannotBeReadIsNeitherSearchedOverNorReplaced) {
  test::ScopedLocaleAndZone zone("en_US", "America/Argentina/Buenos_Aires");
  server.serve("/v1/search", FakeResponse::json(test::lisbonSearchAnswer));
  for (const std::string &stored : {std::string("{\"name\":\"Quilmes\"}"),
                                    placeJson("Quilmes", -34.72, 1e300), std::string("[]")}) {
    test::TempHome emptyHome;
    SharedSuite::writeData(defaultPlaceKey, stored);
    EXPECT_EQ(WeatherProvider::defaultPlace(test::serviceEnvironment(server, emptyHome.path())),
              kLondon);
    waitForSearches();
    EXPECT_EQ(SharedSuite::readData(defaultPlaceKey), stored);
  }
  EXPECT_EQ(server.requestCount(), 0u);
}

// The host application stores a default place while a search is on its way (the search's answer
// held until it has): the search leaves what was stored as it is, a place or not.
TEST_F(DefaultPlace, ASearchNeverReplacesADefaultStoredWhileItRuns) {
  test::ScopedLocaleAndZone zone("en_US", "America/Argentina/Buenos_Aires");
  for (const std::string &stored : {placeJson("Quilmes", -34.72, -58.25), std::string("[]")}) {
    test::TempHome emptyHome;
    std::promise<void> asked, answer;
    std::shared_future<void> answered = answer.get_future().share();
    server.serve("/v1/search", [&asked, answered](const testsupport::RecordedRequest &) {
      asked.set_value();
      answered.wait();
      return FakeResponse::json(test::lisbonSearchAnswer);
    });
    EXPECT_EQ(WeatherProvider::defaultPlace(test::serviceEnvironment(server, emptyHome.path())),
              kLondon);
    ASSERT_EQ(asked.get_future().wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_TRUE(SharedSuite::writeData(defaultPlaceKey, stored));
    answer.set_value();
    waitForSearches();
    EXPECT_EQ(SharedSuite::readData(defaultPlaceKey), stored);
  }
}

TEST_F(DefaultPlace, TheOwnLocationWinsThenTheStoredDefaultThenAWellKnownZoneUnsearched) {
  test::ScopedLocaleAndZone zone("en_US", "Asia/Tokyo");
  Place tokyo{"Tokyo", 35.6762, 139.6503}, own{"Home", 48.2082, 16.3738};
  Place kyoto{"Kyoto", 35.0116, 135.7681};
  const std::string kyotoJson = placeJson("Kyoto", 35.0116, 135.7681);
  std::tuple<std::optional<std::string>, std::optional<std::string>, Place> cases[] = {
      {std::nullopt, std::nullopt, tokyo},
      {placeJson("Home", 48.2082, 16.3738), kyotoJson, own},
      {placeJson("Home", 95, 16), kyotoJson, kyoto}, // off the globe
      {std::nullopt, placeJson("Kyoto", 35, 1e300), tokyo},
  };
  for (const auto &[myLocation, stored, expected] : cases) {
    test::TempHome emptyHome;
    if (myLocation)
      SharedSuite::writeData(WeatherProvider::myLocationKey, *myLocation);
    if (stored)
      SharedSuite::writeData(defaultPlaceKey, *stored);
    auto environment = test::serviceEnvironment(server, emptyHome.path());
    EXPECT_EQ(WeatherProvider::defaultPlace(environment), expected) << myLocation.value_or("");
    EXPECT_EQ(WeatherProvider::myLocation(emptyHome.path()).has_value(), expected == own);
  }
  waitForSearches();
  EXPECT_EQ(server.requestCount(), 0u);
}

} // namespace
} // namespace zavel
