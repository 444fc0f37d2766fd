#include "Shared/Data/WidgetIntents/TimeZoneEntity.h"

#include "support/ScopedEnvironment.h"

#include "kit/foundation/TimeZone.h"

#include <algorithm>
#include <gtest/gtest.h>

using kit::foundation::TimeZone;
using zavel::TimeZoneEntity;
using zavel::TimeZoneQuery;
using zavel::test::ScopedLocaleAndZone;

namespace {

std::vector<std::string> ids(const std::vector<TimeZoneEntity> &entities) {
  std::vector<std::string> result;
  for (const auto &entity : entities)
    result.push_back(entity.id);
  return result;
}

std::vector<std::string> suggestionList() {
  const auto &list = TimeZoneQuery::suggestions();
  return {list.begin(), list.end()};
}

} // namespace

TEST(TimeZoneEntity, TitledByTheCityPartOfItsIdentifier) {
  struct Case {
    const char *id;
    const char *title;
  } cases[] = {
      {"Asia/Hong_Kong", "Hong Kong"},
      {"America/Argentina/Buenos_Aires", "Buenos Aires"},
      {"UTC", "UTC"},
      {"", ""},
      {"//", "//"},
      {"Europe/London/", "London"},
      {"Not/A_Zone", "A Zone"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(TimeZoneEntity{c.id}.displayRepresentation().title, c.title);
  }
}

TEST(TimeZoneEntity, AnIdentifierTheSystemDoesNotKnowGivesTheFallbackZone) {
  TimeZone fallback = *TimeZone::named("Asia/Tokyo");
  EXPECT_EQ(TimeZoneEntity{"Europe/Lisbon"}.timeZone(fallback).identifier(), "Europe/Lisbon");
  EXPECT_EQ(TimeZoneEntity{"Mars/Olympus_Mons"}.timeZone(fallback), fallback);
  EXPECT_EQ(TimeZoneEntity{""}.timeZone(fallback), fallback);
}

TEST(TimeZoneQuery, StoredIdentifiersAlwaysResolveInOrder) {
  std::vector<std::string> stored{"Mars/Olympus_Mons", "Europe/Paris", ""};
  EXPECT_EQ(ids(TimeZoneQuery{}.entitiesFor(stored)), stored);
}

TEST(TimeZoneQuery, SearchMatchesTheCityNameOnlyIgnoringCase) {
  ScopedLocaleAndZone locale{"en_GB.UTF-8", "Europe/London"};
  TimeZoneQuery query;
  struct Case {
    const char *text;
    std::vector<std::string> expected;
  } cases[] = {
      {"york", {"America/New_York"}},
      {"NEW YORK", {"America/New_York"}},
      {"hong k", {"Asia/Hong_Kong"}},
      {"buenos", {"America/Argentina/Buenos_Aires", "America/Buenos_Aires"}},
      {"america", {}},
      {"europe", {}},
      {"", {}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ids(query.entitiesMatching(c.text)), c.expected);
  }
}

TEST(TimeZoneQuery, SearchGivesTheFirstTwelveInTheZoneListsOrder) {
  ScopedLocaleAndZone locale{"en_GB.UTF-8", "Europe/London"};
  std::vector<std::string> all;
  for (const auto &id : TimeZone::knownIdentifiers())
    if (TimeZoneEntity::cityName(id).find("an") != std::string::npos ||
        TimeZoneEntity::cityName(id).find("An") != std::string::npos)
      all.push_back(id);
  ASSERT_GT(all.size(), 12u);

  auto found = ids(TimeZoneQuery{}.entitiesMatching("an"));

  EXPECT_EQ(found, std::vector<std::string>(all.begin(), all.begin() + 12));
}

TEST(TimeZoneQuery, SearchFollowsTheLocalesCaseRules) {
  // In Turkish the capital of the dotless "ı" is "I", and that of "i" is the dotted "İ".
  struct Case {
    const char *locale;
    const char *text;
    bool findsIstanbul;
  } cases[] = {
      {"tr_TR.UTF-8", "ıstanbul", true},
      {"tr_TR.UTF-8", "istanbul", false},
      {"en_GB.UTF-8", "istanbul", true},
      {"en_GB.UTF-8", "ıstanbul", false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(std::string(c.locale) + " " + c.text);
    ScopedLocaleAndZone locale{c.locale, "Europe/Istanbul"};
    auto found = ids(TimeZoneQuery{}.entitiesMatching(c.text));
    EXPECT_EQ(std::count(found.begin(), found.end(), "Europe/Istanbul"), c.findsIstanbul ? 1 : 0);
  }
}

TEST(TimeZoneQuery, SuggestionsPutTheCurrentZoneInFrontOnlyWhenMissing) {
  struct Case {
    const char *zone;
    std::vector<std::string> expected;
  } cases[] = {
      {"Europe/Berlin", suggestionList()},
      {"Europe/London", suggestionList()},
      {"Europe/Vienna", {}},
      {"UTC", {}},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.zone);
    if (c.expected.empty()) {
      c.expected = suggestionList();
      c.expected.insert(c.expected.begin(), c.zone);
    }
    ScopedLocaleAndZone zone{"en_GB.UTF-8", c.zone};
    EXPECT_EQ(ids(TimeZoneQuery{}.suggestedEntities()), c.expected);
    EXPECT_EQ(TimeZoneQuery{}.defaultResult(), TimeZoneEntity{c.zone});
  }
}
