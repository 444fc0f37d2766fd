#include "Shared/Data/WidgetIntents/WeatherPlaceEntity.h"

#include "Shared/Data/WidgetIntents/WeatherEntities.h"
#include "support/FakeHttpServer.h"
#include "support/ForecastFixture.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include "kit/foundation/tasks/BackgroundTasks.h"

#include <chrono>
#include <gtest/gtest.h>

namespace zavel {
namespace {

using kit::intents::EntitySummary;
using testsupport::FakeResponse;
using WeatherProvider::Place;

class WeatherPlaceQueryTest : public testing::Test {
protected:
  ~WeatherPlaceQueryTest() override {
    EXPECT_TRUE(kit::foundation::waitForBackgroundTasks(std::chrono::seconds(10)));
  }

  test::TempHome home;
  testsupport::FakeHttpServer server;
  test::ScopedEnvironment geocoding{{{"ZAVEL_GEOCODING_URL", server.baseURL()}}};
  test::ScopedLocaleAndZone zone{"en_US", "Europe/Paris"};
};

TEST_F(WeatherPlaceQueryTest, TheRegistryFindsPlacesThroughTheServiceAndSuggestsTheDefault) {
  server.serve("/v1/search", FakeResponse::json(test::lisbonSearchAnswer));
  kit::intents::IntentRegistry registry;
  addWeatherEntities(registry);
  const auto *query = registry.entityQuery("WeatherPlaceEntity");
  ASSERT_NE(query, nullptr);
  EXPECT_EQ(query->suggestedEntities(),
            (std::vector<EntitySummary>{{"Paris|48.8566|2.3522", "Paris"}}));
  EXPECT_EQ(query->entitiesMatching("Lisbon"),
            (std::vector<EntitySummary>{{"Lisbon, PT|38.7223|-9.1393", "Lisbon, PT"},
                                        {"Lisbon|44.1|-70.1", "Lisbon"}}));
  EXPECT_EQ(server.requests("/v1/search").at(0).queryValue("name"), "Lisbon");
  server.serve("/v1/search", FakeResponse::text("<html>down</html>", 500, "text/html"));
  EXPECT_TRUE(WeatherPlaceQuery{}.entitiesMatching("Lisbon").empty()); // a failed search
  // Stored ids are taken as they are, places or not.
  EXPECT_EQ(WeatherPlaceQuery{}.entitiesFor({"Nowhere"}),
            std::vector<WeatherPlaceEntity>{{"Nowhere"}});
}

TEST(WeatherPlaceEntity, APlaceRoundTripsThroughItsId) {
  const std::pair<Place, const char *> cases[] = {
      {{"Null Island", 0, -0.0}, "Null Island|0.0|-0.0"},
      {{"Tiny", 1e-7, 0.1 + 0.2}, "Tiny|1e-07|0.30000000000000004"},
  };
  for (const auto &[place, id] : cases) {
    EXPECT_EQ(WeatherPlaceEntity::of(place).id, id);
    EXPECT_EQ(WeatherPlaceEntity{id}.place(), place) << id;
  }
}

TEST(WeatherPlaceEntity, IdsAreReadPieceByPieceElseGiveTheFallbackPlace) {
  const Place kyoto{"Kyoto", 35.0116, 135.7681}, london{"London", 51.5072, -0.1276};
  const std::pair<const char *, Place> cases[] = {
      {"Kyoto||35.0116|135.7681|", kyoto}, // empty pieces dropped
      {"Kyoto|+35|1e2", {"Kyoto", 35, 100}}, {"Kyoto|35.0116", london},
      {"Kyo|to|35.0116|135.7681", london},   {"Kyoto|nan|135.7681", london},
      {"Kyoto|90.5|135.7681", london},
  };
  for (const auto &[id, place] : cases) {
    EXPECT_EQ(WeatherPlaceEntity{id}.place(), place) << id;
    EXPECT_EQ(WeatherPlaceEntity{id}.displayRepresentation().title, place.name) << id;
  }
}

} // namespace
} // namespace zavel
