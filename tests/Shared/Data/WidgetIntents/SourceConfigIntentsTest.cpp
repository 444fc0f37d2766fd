#include "Shared/Data/WidgetIntents/ClockConfigIntent.h"
#include "Shared/Data/WidgetIntents/CountdownConfigIntent.h"
#include "Shared/Data/WidgetIntents/DualClockConfigIntent.h"
#include "Shared/Data/WidgetIntents/StockConfigIntent.h"
#include "Shared/Data/WidgetIntents/WatchlistConfigIntent.h"
#include "Shared/Data/WidgetIntents/WorldClockConfigIntent.h"

#include "support/ScopedEnvironment.h"

#include "kit/foundation/Iso8601.h"

#include <gtest/gtest.h>

using kit::foundation::Json;
using kit::foundation::TimeZone;
using kit::intents::IntentDescription;
using kit::intents::ParameterDescription;
using zavel::TimeZoneEntity;
using zavel::test::ScopedLocaleAndZone;
namespace intents = kit::intents;

namespace {

std::vector<std::string> identifiers(const std::array<TimeZone, 3> &zones) {
  return {zones[0].identifier(), zones[1].identifier(), zones[2].identifier()};
}

} // namespace

TEST(SourceConfigIntents, TitlesParametersAndDeclaredDefaultsEndingWithTheCasing) {
  const ParameterDescription casing{"casing", "Casing", "followApp"};
  const Json none;
  const IntentDescription expected[] = {
      {"CountdownConfigIntent",
       "Countdown Options",
       {{"name", "Title", "Launch"}, {"target", "Date", none}, casing}},
      {"StockConfigIntent", "Ticker Options", {{"symbol", "Symbol", "AAPL"}, casing}},
      {"WatchlistConfigIntent",
       "Watchlist Options",
       {{"symbol1", "Symbol 1", "AAPL"},
        {"symbol2", "Symbol 2", "MSFT"},
        {"symbol3", "Symbol 3", "NVDA"},
        casing}},
      {"ClockConfigIntent", "Clock Options", {{"city", "City", none}, casing}},
      {"WorldClockConfigIntent",
       "World Clock Options",
       {{"city1", "City 1", none}, {"city2", "City 2", none}, {"city3", "City 3", none}, casing}},
      {"DualClockConfigIntent",
       "Dual Time Options",
       {{"home", "Home", none}, {"away", "Away", none}, casing}},
  };
  const IntentDescription actual[] = {
      intents::describeIntent<zavel::CountdownConfigIntent>(),
      intents::describeIntent<zavel::StockConfigIntent>(),
      intents::describeIntent<zavel::WatchlistConfigIntent>(),
      intents::describeIntent<zavel::ClockConfigIntent>(),
      intents::describeIntent<zavel::WorldClockConfigIntent>(),
      intents::describeIntent<zavel::DualClockConfigIntent>(),
  };
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(expected[i].typeName);
    EXPECT_EQ(actual[i], expected[i]);
  }
}

TEST(SourceConfigIntents, ReadFromAStoredConfiguration) {
  auto countdown = intents::decodeParameters<zavel::CountdownConfigIntent>(
      Json::parse(R"({"name":"Ship","target":"2025-12-24T18:30:00Z","casing":"cream"})"));
  EXPECT_EQ(countdown.name, "Ship");
  EXPECT_EQ(countdown.target, kit::foundation::dateFromIso8601("2025-12-24T18:30:00Z"));
  EXPECT_EQ(countdown.casing, zavel::CasingOption::cream);
  EXPECT_EQ(zavel::CountdownConfigIntent{}.target, std::nullopt);

  auto dual = intents::decodeParameters<zavel::DualClockConfigIntent>(
      Json::parse(R"({"home":"Europe/Oslo","away":"Nowhere/At_All"})"));
  EXPECT_EQ(dual.home, TimeZoneEntity{"Europe/Oslo"});
  // A stored city is kept even when the system knows no zone of it.
  EXPECT_EQ(dual.away, TimeZoneEntity{"Nowhere/At_All"});
  EXPECT_EQ(intents::encodeParameters(dual),
            Json::parse(R"({"home":"Europe/Oslo","away":"Nowhere/At_All","casing":"followApp"})"));
}

TEST(WatchlistConfigIntent, SymbolsAreTrimmedUpperCasedAndEmptyOnesDropped) {
  struct Case {
    const char *name;
    std::array<std::string, 3> typed;
    std::vector<std::string> symbols;
  } cases[] = {
      {"defaults", {"AAPL", "MSFT", "NVDA"}, {"AAPL", "MSFT", "NVDA"}},
      {"spaces, tab and an empty one", {" msft ", "", "NVDA\t"}, {"MSFT", "NVDA"}},
      {"only spaces", {"  ", " ", "\t"}, {}},
      {"duplicates stay", {"aapl", "AAPL", "tsla"}, {"AAPL", "AAPL", "TSLA"}},
      {"a line break stays", {"\n", "", ""}, {"\n"}},
      {"no-break space trimmed, sharp s", {"\u00A0stra\u00DFe", "", ""}, {"STRASSE"}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    zavel::WatchlistConfigIntent intent;
    intent.symbol1 = c.typed[0];
    intent.symbol2 = c.typed[1];
    intent.symbol3 = c.typed[2];
    EXPECT_EQ(intent.symbols(), c.symbols);
  }
}

TEST(ClockConfigIntent, TheCitysZoneElseTheCurrentOne) {
  ScopedLocaleAndZone zone{"en_GB.UTF-8", "Europe/Vienna"};
  struct Case {
    std::optional<TimeZoneEntity> city;
    const char *zone;
  } cases[] = {
      {std::nullopt, "Europe/Vienna"},
      {TimeZoneEntity{"Asia/Kolkata"}, "Asia/Kolkata"},
      {TimeZoneEntity{"Mars/Olympus_Mons"}, "Europe/Vienna"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.zone);
    EXPECT_EQ(zavel::ClockConfigIntent{c.city}.timeZone().identifier(), c.zone);
  }
}

TEST(WorldClockConfigIntent, ThreeZonesWithTheirOwnFallbacks) {
  ScopedLocaleAndZone zone{"en_GB.UTF-8", "Europe/Vienna"};
  using Ids = std::vector<std::string>;
  zavel::WorldClockConfigIntent intent;
  EXPECT_EQ(identifiers(intent.zones()), (Ids{"Europe/Vienna", "America/New_York", "Asia/Tokyo"}));

  intent.city1 = TimeZoneEntity{"Asia/Dubai"};
  intent.city2 = TimeZoneEntity{"Mars/Olympus_Mons"};
  EXPECT_EQ(identifiers(intent.zones()), (Ids{"Asia/Dubai", "Europe/Vienna", "Asia/Tokyo"}));

  intent.city1 = TimeZoneEntity{"Nowhere"};
  intent.city3 = TimeZoneEntity{"Pacific/Auckland"};
  EXPECT_EQ(identifiers(intent.zones()),
            (Ids{"Europe/Vienna", "Europe/Vienna", "Pacific/Auckland"}));
}
