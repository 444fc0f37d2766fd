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

// A query that can search nothing now, for an entity that says nothing of its ids.
struct OfflineQuery;
struct OfflineEntity {
  static constexpr std::string_view typeName = "OfflineEntity";
  static constexpr std::string_view typeDisplayRepresentation = "Offline";
  using DefaultQuery = OfflineQuery;
  std::string id;
  DisplayRepresentation displayRepresentation() const { return {id}; }
};
struct OfflineQuery {
  std::vector<OfflineEntity> entitiesFor(const std::vector<std::string> &ids) const {
    return {ids.begin(), ids.end()};
  }
  std::vector<OfflineEntity> entitiesMatching(std::string_view) const { return {}; }
  std::vector<OfflineEntity> suggestedEntities() const { return {}; }
  std::string searchUnavailable() const { return "no network"; }
};

// An id is known when the query keeps it and the entity, if it can tell, names something; a
// search is possible unless the query says why not.
TEST(IntentRegistry, EntityQueriesTellKnownIdsAndWhyTheyCannotSearch) {
  IntentRegistry intents = registry();
  const AnyEntityQuery *cafes = intents.entityQuery("CafeEntity");
  ASSERT_NE(cafes, nullptr);
  for (auto [id, known] :
       {std::pair{"Oslo/Fuglen", true}, {"Fuglen", false}, {"!Oslo/Shut", false}})
    EXPECT_EQ(cafes->isKnown(id), known) << id;
  EXPECT_EQ(cafes->searchUnavailable(), "");
  auto offline = AnyEntityQuery::of<OfflineEntity>();
  EXPECT_TRUE(offline.isKnown("anything"));
  EXPECT_EQ(offline.searchUnavailable(), "no network");
}

} // namespace
} // namespace kit::intents
