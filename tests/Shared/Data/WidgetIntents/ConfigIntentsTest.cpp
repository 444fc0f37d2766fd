#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/WeatherProvider/DefaultPlace.h"
#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Shared/Data/WidgetIntents/ClockConfigIntent.h"
#include "Shared/Data/WidgetIntents/CountdownConfigIntent.h"
#include "Shared/Data/WidgetIntents/DualClockConfigIntent.h"
#include "Shared/Data/WidgetIntents/StockConfigIntent.h"
#include "Shared/Data/WidgetIntents/WatchlistConfigIntent.h"
#include "Shared/Data/WidgetIntents/WeatherConfigIntent.h"
#include "Shared/Data/WidgetIntents/WeatherDeckConfigIntent.h"
#include "Shared/Data/WidgetIntents/WorldClockConfigIntent.h"

#include "support/Pluck.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include "kit/foundation/Iso8601.h"
#include "kit/foundation/TimeZone.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zavel {
namespace {

using kit::foundation::Json;
using test::pluck;
using test::ScopedLocaleAndZone;
using Ids = std::vector<std::string>;
namespace intents = kit::intents;

// A configuration as the host stores it reads as `expected`, and what it writes reads back.
template <class Intent> void expectStored(const char *json, const Intent &expected) {
  auto intent = intents::decodeParameters<Intent>(Json::parse(json));
  EXPECT_EQ(intent, expected) << json;
  EXPECT_EQ(intents::decodeParameters<Intent>(intents::encodeParameters(intent)), intent) << json;
}

TEST(ConfigIntents, ReadFromAStoredConfiguration) {
  using C = CasingOption;
  expectStored(R"({"name":"Ship","target":"2025-12-24T18:30:00Z","casing":"cream"})",
               CountdownConfigIntent{
                   "Ship", kit::foundation::dateFromIso8601("2025-12-24T18:30:00Z"), C::cream});
  expectStored(R"({"symbol":"msft","casing":"graphite"})", StockConfigIntent{"msft", C::graphite});
  expectStored(R"({"symbol1":"TSLA","symbol2":"","symbol3":"AMD"})",
               WatchlistConfigIntent{"TSLA", "", "AMD", C::followApp});
  expectStored(R"({"city":"Asia/Kolkata"})", ClockConfigIntent{TimeZoneEntity{"Asia/Kolkata"}});
  expectStored(R"({"city1":"Asia/Dubai","city3":"Pacific/Auckland","casing":"cream"})",
               WorldClockConfigIntent{TimeZoneEntity{"Asia/Dubai"}, std::nullopt,
                                      TimeZoneEntity{"Pacific/Auckland"}, C::cream});
  // Stored cities and places are kept even when no zone or place can be made of them.
  expectStored(R"({"home":"Europe/Oslo","away":"Nowhere/At_All"})",
               DualClockConfigIntent{TimeZoneEntity{"Europe/Oslo"},
                                     TimeZoneEntity{"Nowhere/At_All"}, C::followApp});
  expectStored(R"({"place":"Oslo|59.9139|10.7522","unit":"fahrenheit","casing":"cream"})",
               WeatherConfigIntent{WeatherPlaceEntity{"Oslo|59.9139|10.7522"},
                                   TempUnitOption::fahrenheit, C::cream});
  expectStored(R"({"unit":"celsius","city3":"Lisbon|38.7|-9.1","casing":"cream"})",
               WeatherDeckConfigIntent{std::nullopt, TempUnitOption::celsius, std::nullopt,
                                       WeatherPlaceEntity{"Lisbon|38.7|-9.1"}, std::nullopt,
                                       C::cream});
}

TEST(WeatherDeckConfigIntent, UnitConvertsBySettingOrTheLocalesMeasurementSystem) {
  const struct {
    const char *name;
    TempUnitOption unit;
    const char *locale;
    int64_t shown;
  } cases[] = {
      {.name = "system, US", .unit = TempUnitOption::system, .locale = "en_US", .shown = 68},
      {.name = "system, Germany", .unit = TempUnitOption::system, .locale = "de_DE", .shown = 20},
      {.name = "system, Britain", .unit = TempUnitOption::system, .locale = "en_GB", .shown = 20},
      {.name = "celsius, US", .unit = TempUnitOption::celsius, .locale = "en_US", .shown = 20},
      {.name = "fahrenheit, Germany",
       .unit = TempUnitOption::fahrenheit,
       .locale = "de_DE",
       .shown = 68},
  };
  WeatherSnapshot twenty;
  twenty.temperature = 20;
  for (const auto &c : cases) {
    ScopedLocaleAndZone locale{c.locale, "UTC"};
    WeatherDeckConfigIntent configuration;
    configuration.unit = c.unit;
    EXPECT_EQ(configuration.localized(twenty).temperature, c.shown) << c.name;
  }
}

TEST(WeatherDeckConfigIntent, SavedPlacesAreTheDeckPlaceThenEachCityOrItsOwnFallback) {
  zavel::test::TempHome home;
  const WeatherProvider::Place own{"Bergen", 60.39, 5.32};
  ASSERT_TRUE(SharedSuite::write(WeatherProvider::myLocationKey, own));
  WeatherDeckConfigIntent configuration;
  const std::array<WeatherProvider::Place, 4> unset{{{"Bergen", 60.39, 5.32},
                                                     {"Kyoto", 35.0116, 135.7681},
                                                     {"Lisbon", 38.7223, -9.1393},
                                                     {"Sydney", -33.8688, 151.2093}}};
  EXPECT_EQ(configuration.savedPlaces(), unset);

  configuration.place = WeatherPlaceEntity{"Oslo|59.9139|10.7522"};
  configuration.city3 = WeatherPlaceEntity{"not a place"};
  configuration.city4 = WeatherPlaceEntity{"Perth|-31.95|115.86"};
  const std::array<WeatherProvider::Place, 4> set{{{"Oslo", 59.9139, 10.7522},
                                                   {"Kyoto", 35.0116, 135.7681},
                                                   WeatherProvider::fallbackPlace(),
                                                   {"Perth", -31.95, 115.86}}};
  EXPECT_EQ(configuration.savedPlaces(), set);
}

TEST(WatchlistConfigIntent, SymbolsAreTrimmedUpperCasedAndEmptyOnesDropped) {
  const std::pair<std::array<std::string, 3>, std::vector<std::string>> cases[] = {
      {{" msft ", "", "NVDA\t"}, {"MSFT", "NVDA"}},
      {{"  ", " ", "\t"}, {}},
      {{"\u00A0stra\u00DFe", "", ""}, {"STRASSE"}}, // a no-break space trimmed, sharp s
  };
  for (const auto &[typed, symbols] : cases)
    EXPECT_EQ((WatchlistConfigIntent{typed[0], typed[1], typed[2]}.symbols()), symbols) << typed[0];
}

TEST(ClockConfigIntents, TheCitysZoneElseTheirOwnFallback) {
  ScopedLocaleAndZone zone{"en_GB.UTF-8", "Europe/Vienna"};
  for (auto [city, zone] : {std::pair("", "Europe/Vienna"),
                            {"Asia/Kolkata", "Asia/Kolkata"},
                            {"Mars/Olympus_Mons", "Europe/Vienna"}}) {
    auto entity = *city ? std::optional(TimeZoneEntity{city}) : std::nullopt;
    EXPECT_EQ(ClockConfigIntent{entity}.timeZone().identifier(), zone) << city;
  }

  auto identifiers = [](const WorldClockConfigIntent &intent) {
    std::string ids;
    for (const auto &zone : intent.zones())
      ids += zone.identifier() + " ";
    return ids;
  };
  WorldClockConfigIntent intent;
  EXPECT_EQ(identifiers(intent), "Europe/Vienna America/New_York Asia/Tokyo ");
  intent.city1 = TimeZoneEntity{"Asia/Dubai"};
  intent.city2 = TimeZoneEntity{"Mars/Olympus_Mons"};
  intent.city3 = TimeZoneEntity{"Pacific/Auckland"};
  EXPECT_EQ(identifiers(intent), "Asia/Dubai Europe/Vienna Pacific/Auckland ");
}

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
      // A zone of the machine's database newer than ICU's own copy.
      {"en_GB.UTF-8", "juarez", {"America/Ciudad_Juarez"}},
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
