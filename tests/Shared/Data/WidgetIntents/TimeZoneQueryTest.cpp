#include "Shared/Data/WidgetIntents/TimeZoneEntity.h"

#include "support/Pluck.h"
#include "support/ScopedEnvironment.h"

#include "kit/foundation/TimeZone.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zavel {
namespace {

using test::pluck;
using test::ScopedLocaleAndZone;
using Ids = std::vector<std::string>;

TEST(TimeZoneQuery, StoredIdentifiersAlwaysResolveInOrderTitledByTheirCity) {
  Ids stored{"Mars/Olympus_Mons", "America/Argentina/Buenos_Aires", "Europe/London/", ""};
  auto entities = TimeZoneQuery{}.entitiesFor(stored);
  EXPECT_EQ(pluck(entities, &TimeZoneEntity::id), stored);
  EXPECT_EQ(entities[1].displayRepresentation().title, "Buenos Aires");
  EXPECT_EQ(entities[2].displayRepresentation().title, "London");
}

TEST(TimeZoneQuery, SearchMatchesTheCityNameOnlyByTheLocalesCaseRules) {
  // In Turkish the capital of the dotless "ı" is "I", and that of "i" is the dotted "İ".
  const struct {
    const char *locale, *text;
    Ids expected;
  } cases[] = {
      {"en_GB.UTF-8", "NEW YORK", {"America/New_York"}},
      {"en_GB.UTF-8", "america", {}},
      {"tr_TR.UTF-8", "ıstanbul", {"Asia/Istanbul", "Europe/Istanbul"}},
      {"tr_TR.UTF-8", "istanbul", {}},
  };
  for (const auto &c : cases) {
    ScopedLocaleAndZone locale{c.locale, "Europe/Istanbul"};
    EXPECT_EQ(pluck(TimeZoneQuery{}.entitiesMatching(c.text), &TimeZoneEntity::id), c.expected)
        << c.locale << " " << c.text;
  }
}

TEST(TimeZoneQuery, SearchGivesTheFirstTwelveInTheZoneListsOrder) {
  ScopedLocaleAndZone locale{"en_GB.UTF-8", "Europe/London"};
  auto found = pluck(TimeZoneQuery{}.entitiesMatching("an"), &TimeZoneEntity::id);
  ASSERT_EQ(found.size(), 12u);
  const auto &all = kit::foundation::TimeZone::knownIdentifiers();
  EXPECT_TRUE(std::is_sorted(found.begin(), found.end(), [&](const auto &a, const auto &b) {
    return std::find(all.begin(), all.end(), a) < std::find(all.begin(), all.end(), b);
  }));
}

TEST(TimeZoneQuery, SuggestionsPutTheCurrentZoneInFrontOnlyWhenMissing) {
  const auto &list = TimeZoneQuery::suggestions();
  for (const char *zone : {"Europe/Berlin", "Europe/Vienna"}) {
    ScopedLocaleAndZone scoped{"en_GB.UTF-8", zone};
    Ids expected(list.begin(), list.end());
    if (zone == std::string("Europe/Vienna"))
      expected.insert(expected.begin(), zone);
    EXPECT_EQ(pluck(TimeZoneQuery{}.suggestedEntities(), &TimeZoneEntity::id), expected);
    EXPECT_EQ(TimeZoneQuery{}.defaultResult(), TimeZoneEntity{zone});
  }
}

} // namespace
} // namespace zavel
