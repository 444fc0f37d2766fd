#include "Shared/Data/WeatherProvider/PlaceSearch.h"

#include "support/ForecastFixture.h"

#include "kit/foundation/net/HttpError.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace zavel {
namespace {

using kit::foundation::DecodeError;
using kit::foundation::HttpError;
using testsupport::FakeHttpServer;
using testsupport::FakeResponse;
using WeatherProvider::Place;

TEST(PlaceSearch, AsksForEightEnglishResultsForTheTextAsTyped) {
  FakeHttpServer server;
  server.serve("/v1/search", FakeResponse::json("{}"));
  for (const char *text : {"Lisbon", " São Paulo & Co=1 ", ""}) {
    server.clearRecords();
    WeatherProvider::searchPlaces(text, server.baseURL());
    auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].path, "/v1/search");
    std::vector<std::pair<std::string, std::string>> expected{
        {"name", text}, {"count", "8"}, {"language", "en"}};
    EXPECT_EQ(requests[0].query, expected);
  }
}

TEST(PlaceSearch, ResultsInTheServicesOrderNamedWithTheirCountryCode) {
  FakeHttpServer server;
  server.serve("/v1/search", FakeResponse::json(R"({"results":[
      {"id":1,"name":"Lisbon","latitude":38.7223,"longitude":-9.1393,"country_code":"PT"},
      {"name":"Lisbon","latitude":44.0,"longitude":-70.1,"country_code":null},
      {"name":"Lisbon","latitude":41.2,"longitude":-91.3},
      {"name":"Lisbon","latitude":46.4,"longitude":-97.7,"country_code":""},
      {"name":"Lisbon","latitude":38.7223,"longitude":-9.1393,"country_code":"PT"}]})"));
  std::vector<Place> expected{
      {"Lisbon, PT", 38.7223, -9.1393}, {"Lisbon", 44.0, -70.1},          {"Lisbon", 41.2, -91.3},
      {"Lisbon, ", 46.4, -97.7},        {"Lisbon, PT", 38.7223, -9.1393},
  };
  EXPECT_EQ(WeatherProvider::searchPlaces("Lisbon", server.baseURL()), expected);
}

TEST(PlaceSearch, NoResultsIsAnEmptyList) {
  FakeHttpServer server;
  for (const char *body :
       {R"({"generationtime_ms":0.3})", R"({"results":null})", R"({"results":[]})"}) {
    server.serve("/v1/search", FakeResponse::json(body));
    EXPECT_EQ(WeatherProvider::searchPlaces("Nowhere", server.baseURL()), std::vector<Place>{})
        << body;
  }
}

TEST(PlaceSearch, AnAnswerThatIsNoPlaceListThrows) {
  FakeHttpServer server;
  for (const char *body :
       {"<html>rate limited</html>", R"({"results":{}})",
        R"({"results":[{"name":"Lisbon","latitude":"38.7","longitude":-9.1}]})",
        R"({"results":[{"latitude":38.7,"longitude":-9.1}]})",
        R"({"results":[{"name":"Lisbon","latitude":38.7,"longitude":-9.1,"country_code":5}]})"}) {
    server.serve("/v1/search", FakeResponse::json(body, 429));
    EXPECT_THROW(WeatherProvider::searchPlaces("Lisbon", server.baseURL()), DecodeError) << body;
  }
}

TEST(PlaceSearch, NoAnswerThrowsTheTransportError) {
  EXPECT_THROW(WeatherProvider::searchPlaces("Lisbon", test::unreachableAddress), HttpError);
  EXPECT_THROW(WeatherProvider::searchPlaces("Lisbon", std::nullopt), HttpError);
}

} // namespace
} // namespace zavel
