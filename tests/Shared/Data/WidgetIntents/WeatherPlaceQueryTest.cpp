#include "Shared/Data/WidgetIntents/WeatherPlaceEntity.h"

#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/WeatherProvider/DefaultPlace.h"
#include "Shared/Data/WidgetIntents/WeatherEntities.h"
#include "support/FakeHttpServer.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include "kit/foundation/tasks/BackgroundTasks.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zavel {
namespace {

using kit::intents::EntitySummary;
using testsupport::FakeHttpServer;
using testsupport::FakeResponse;

const char *const kLisbonAnswer = R"({"results":[
    {"name":"Lisbon","latitude":38.7223,"longitude":-9.1393,"country_code":"PT"},
    {"name":"Lisbon","latitude":44.1,"longitude":-70.1}]})";

std::vector<std::string> titles(const std::vector<WeatherPlaceEntity> &entities) {
  std::vector<std::string> result;
  for (const auto &entity : entities)
    result.push_back(entity.displayRepresentation().title);
  return result;
}

class WeatherPlaceQueryTest : public testing::Test {
protected:
  ~WeatherPlaceQueryTest() override {
    EXPECT_TRUE(kit::foundation::waitForBackgroundTasks(std::chrono::seconds(10)));
  }

  test::TempHome home;
  FakeHttpServer server;
  test::ScopedEnvironment geocoding{{{"ZAVEL_GEOCODING_URL", server.baseURL()}}};
  test::ScopedLocaleAndZone zone{"en_US", "Europe/Paris"};
};

TEST_F(WeatherPlaceQueryTest, StoredIdsBecomeEntitiesUnchecked) {
  auto entities =
      WeatherPlaceQuery{}.entitiesFor({"Oslo|59.9139|10.7522", "Nowhere", "Oslo|59.9139|10.7522"});
  ASSERT_EQ(entities.size(), 3u);
  EXPECT_EQ(entities[1].id, "Nowhere");
  EXPECT_EQ(titles(entities), (std::vector<std::string>{"Oslo", "London", "Oslo"}));
}

TEST_F(WeatherPlaceQueryTest, TypedTextFindsPlacesThroughTheService) {
  server.serve("/v1/search", FakeResponse::json(kLisbonAnswer));
  auto entities = WeatherPlaceQuery{}.entitiesMatching("Lisbon");
  std::vector<WeatherPlaceEntity> expected{{"Lisbon, PT|38.7223|-9.1393"}, {"Lisbon|44.1|-70.1"}};
  EXPECT_EQ(entities, expected);
  EXPECT_EQ(server.requests("/v1/search").at(0).queryValue("name"), "Lisbon");
}

TEST_F(WeatherPlaceQueryTest, AFailedSearchListsNothing) {
  server.serve("/v1/search", FakeResponse::text("<html>down</html>", 500, "text/html"));
  EXPECT_TRUE(WeatherPlaceQuery{}.entitiesMatching("Lisbon").empty());
  WeatherPlaceQuery unreachable;
  unreachable.environment.geocodingAddress = "http://127.0.0.1:1";
  EXPECT_TRUE(unreachable.entitiesMatching("Lisbon").empty());
}

TEST_F(WeatherPlaceQueryTest, TheDefaultPlaceIsTheSuggestionAndTheDefault) {
  WeatherPlaceEntity paris{"Paris|48.8566|2.3522"};
  EXPECT_EQ(WeatherPlaceQuery{}.suggestedEntities(), std::vector<WeatherPlaceEntity>{paris});
  EXPECT_EQ(WeatherPlaceQuery{}.defaultResult(), paris);

  SharedSuite::writeData(WeatherProvider::myLocationKey,
                         R"({"name":"Home","latitude":48.2,"longitude":16.37})");
  WeatherPlaceEntity own{"Home|48.2|16.37"};
  EXPECT_EQ(WeatherPlaceQuery{}.suggestedEntities(), std::vector<WeatherPlaceEntity>{own});
  EXPECT_EQ(WeatherPlaceQuery{}.defaultResult(), own);
}

TEST_F(WeatherPlaceQueryTest, TheRegistryReachesTheQueryByTheEntitysName) {
  server.serve("/v1/search", FakeResponse::json(kLisbonAnswer));
  kit::intents::IntentRegistry registry;
  addWeatherEntities(registry);
  EXPECT_EQ(registry.entityTypeNames(), std::vector<std::string>{"WeatherPlaceEntity"});
  const auto *query = registry.entityQuery("WeatherPlaceEntity");
  ASSERT_NE(query, nullptr);
  EXPECT_EQ(query->typeDisplayRepresentation(), "Place");
  EXPECT_EQ(query->suggestedEntities(),
            (std::vector<EntitySummary>{{"Paris|48.8566|2.3522", "Paris"}}));
  EXPECT_EQ(query->entitiesMatching("Lisbon"),
            (std::vector<EntitySummary>{{"Lisbon, PT|38.7223|-9.1393", "Lisbon, PT"},
                                        {"Lisbon|44.1|-70.1", "Lisbon"}}));
}

} // namespace
} // namespace zavel
