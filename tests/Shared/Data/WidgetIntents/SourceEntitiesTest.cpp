#include "Shared/Data/WidgetIntents/SourceEntities.h"

#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

using kit::intents::EntitySummary;
using zavel::test::ScopedLocaleAndZone;

TEST(SourceEntities, TheRegistryAnswersTheTimeZoneQueryByName) {
  ScopedLocaleAndZone zone{"en_GB.UTF-8", "Europe/Vienna"};
  kit::intents::IntentRegistry registry;
  zavel::addSourceEntities(registry);

  const auto *query = registry.entityQuery("TimeZoneEntity");
  ASSERT_NE(query, nullptr);
  EXPECT_EQ(query->typeDisplayRepresentation(), "City");
  auto suggested = query->suggestedEntities();
  ASSERT_EQ(suggested.size(), 21u);
  EXPECT_EQ(suggested[0], (EntitySummary{"Europe/Vienna", "Vienna"}));
  EXPECT_EQ(suggested[2], (EntitySummary{"America/New_York", "New York"}));
  EXPECT_EQ(query->entitiesMatching("sao p"),
            (std::vector<EntitySummary>{{"America/Sao_Paulo", "Sao Paulo"}}));
}
