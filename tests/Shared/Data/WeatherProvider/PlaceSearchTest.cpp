#include "Shared/Data/WeatherProvider/PlaceSearch.h"

#include "support/ForecastFixture.h"
#include "kit/foundation/net/HttpError.h"
#include "support/RecordForm.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

using testsupport::FakeResponse;
using WeatherProvider::Place;
using WeatherProvider::searchPlaces;

TEST(WeatherPlace, JsonFormAndHashFollowingEquality) {
  test::expectJsonForm(R"({"name":"Lisbon, PT","latitude":38.7223,"longitude":-9.1393})",
                       Place{"Lisbon, PT", 38.7223, -9.1393}, {});
  std::hash<Place> hash;
  EXPECT_EQ(hash(Place{"Equator", 0.0, 10}), hash(Place{"Equator", -0.0, 10}));
  EXPECT_NE(hash(Place{"Kyoto", 35.0116, 135.7681}), hash(Place{"Kyoto", 135.7681, 35.0116}));
}

TEST(PlaceSearch, AsksForEightEnglishResultsForTheTextAsTyped) {
  testsupport::FakeHttpServer server;
  server.serve("/v1/search", FakeResponse::json("{}"));
  for (const char *text : {" São Paulo & Co=1 ", ""}) {
    server.clearRecords();
    searchPlaces(text, server.baseURL());
    auto requests = server.requests("/v1/search");
    ASSERT_EQ(requests.size(), 1u);
    std::vector<std::pair<std::string, std::string>> expected{
        {"name", text},
        {"count", "8"},
        {"language", "en"},
    };
    EXPECT_EQ(requests[0].query, expected);
  }
}

TEST(PlaceSearch, ResultsInTheServicesOrderNamedWithTheirCountryCode) {
  testsupport::FakeHttpServer server;
  server.serve("/v1/search", FakeResponse::json(R"({"results":[
      {"id":1,"name":"Lisbon","latitude":38.7223,"longitude":-9.1393,"country_code":"PT"},
      {"name":"Lisbon","latitude":44.0,"longitude":-70.1,"country_code":null},
      {"name":"Lisbon","latitude":41.2,"longitude":-91.3},
      {"name":"Lisbon","latitude":46.4,"longitude":-97.7,"country_code":""}]})"));
  std::vector<Place> expected{
      {"Lisbon, PT", 38.7223, -9.1393},
      {"Lisbon", 44.0, -70.1},
      {"Lisbon", 41.2, -91.3},
      {"Lisbon, ", 46.4, -97.7},
  };
  EXPECT_EQ(searchPlaces("Lisbon", server.baseURL()), expected);
}

TEST(PlaceSearch, NoResultsIsEmptyAndAnythingButAPlaceListThrows) {
  testsupport::FakeHttpServer server;
  for (const char *body : {R"({"generationtime_ms":0.3})", R"({"results":null})"}) {
    server.serve("/v1/search", FakeResponse::json(body));
    EXPECT_EQ(searchPlaces("Nowhere", server.baseURL()), std::vector<Place>{}) << body;
  }
  for (const char *body :
       {"<html>rate limited</html>", R"({"results":{}})",
        R"({"results":[{"name":"Lisbon","latitude":"38.7","longitude":-9.1}]})",
        R"({"results":[{"name":"Lisbon","latitude":38.7,"longitude":-9.1,"country_code":5}]})"}) {
    server.serve("/v1/search", FakeResponse::json(body, 429));
    EXPECT_THROW(searchPlaces("Lisbon", server.baseURL()), kit::foundation::DecodeError) << body;
  }
  EXPECT_THROW(searchPlaces("Lisbon", test::unreachableAddress), kit::foundation::HttpError);
  EXPECT_THROW(searchPlaces("Lisbon", std::nullopt), kit::foundation::HttpError);
}

} // namespace
} // namespace zavel
