#include "kit/intents/TestIntents.h"

#include "kit/foundation/notifications/NotificationRecorder.h"
#include "kit/intents/IntentRegistry.h"

#include <gtest/gtest.h>

namespace kit::intents {
namespace {

using foundation::DecodeError;
using foundation::Json;
using foundation::NotificationRecorder;
using testing::CafeEntity;
using testing::PourIntent;
using testing::RinseIntent;

static_assert(AppIntent<PourIntent>);
static_assert(AppEntity<CafeEntity>);

IntentRegistry registry() {
  IntentRegistry registry;
  registry.add<PourIntent>().add<RinseIntent>().addEntity<CafeEntity>();
  return registry;
}

TEST(IntentRegistry, PerformsByTypeNameOrReferenceWithParametersOverTheInitialValues) {
  PourIntent intent;
  intent.cups = 12;
  intent.style = "cold brew";
  ui::IntentReference reference = intentReference(intent);
  EXPECT_EQ(reference.parameters, Json::parse(R"({"cups": 12, "style": "cold brew"})"));
  EXPECT_EQ(intentReference(RinseIntent{}).parameters, Json::object());

  NotificationRecorder posted;
  IntentRegistry intents = registry();
  intents.perform("PourIntent", Json::parse(R"({"style": "pour-over.v60"})"));
  intents.perform("RinseIntent", Json::object());
  intents.perform(reference);
  EXPECT_EQ(posted.names(), (std::vector<std::string>{"test.pour.1.pour-over.v60", "test.rinse",
                                                      "test.pour.12.cold brew"}));
}

TEST(IntentRegistry, UnknownTypeOrMalformedParametersPerformNothing) {
  NotificationRecorder posted;
  IntentRegistry intents = registry();
  EXPECT_THROW(intents.perform("pourintent", Json::object()), UnknownIntent);
  EXPECT_THROW(intents.perform("PourIntent", Json::parse(R"({"cups": "two"})")), DecodeError);
  EXPECT_TRUE(posted.names().empty());
}

TEST(IntentRegistry, ListsIntentsInOrderAndKeepsTheFirstOfOneName) {
  IntentRegistry intents = registry();
  intents.add<PourIntent>();
  IntentRegistry other;
  other.add<RinseIntent>().add<PourIntent>();
  intents.merge(other);
  auto listed = intents.intents();
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(listed[0], describeIntent<PourIntent>());
  EXPECT_EQ(listed[1].title, "Rinse");
}

TEST(IntentRegistry, EntityQueriesAreReachedByTypeName) {
  IntentRegistry intents = registry();
  EXPECT_EQ(intents.entityQuery("TimeZoneEntity"), nullptr);
  const AnyEntityQuery *cafes = intents.entityQuery("CafeEntity");
  ASSERT_NE(cafes, nullptr);
  EXPECT_EQ(foundation::encodeJson(cafes->entitiesMatching("Fá")),
            Json::parse(R"([{"id": "Lisbon/Fábrica", "title": "Fábrica"}])"));
}

} // namespace
} // namespace kit::intents
