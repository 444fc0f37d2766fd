#include "Widgets/FeaturedWidgets/WeatherDeckProvider.h"

#include "Shared/Data/DeckState.h"
#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/SkyMath.h"
#include "Shared/Data/WeatherProvider/WeatherCache.h"
#include "Widgets/WeatherWidgets/WeatherWidgetsTesting.h"
#include "kit/foundation/Iso8601.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

namespace zavel {
namespace {

using kit::foundation::Date;
using kit::foundation::Json;
using test::coordinatesOf;
using test::kOnScreen;
using testsupport::FakeResponse;
using testsupport::RecordedRequest;
using Place = WeatherProvider::Place;

const Place oslo{"Oslo", 59.9139, 10.7522};
const Place kyoto{"Kyoto", 35.0116, 135.7681};
const Place lisbon{"Lisbon", 38.7223, -9.1393};
const Place sydney{"Sydney", -33.8688, 151.2093};

// Each place's current temperature in Celsius, as the fake service reports it.
const std::map<std::string, double> celsius{
    {"59.9139", 7.4}, {"35.0116", 29}, {"38.7223", 24.2}, {"-33.8688", 12}};

bool asksFor(const RecordedRequest &request, const Place &place) {
  return std::abs(std::stod(request.queryValue("latitude").value_or("nan")) - place.latitude) <
         1e-6;
}

// The fixture's forecast with the asked place's temperature, in Oslo's zone.
FakeResponse forecastFor(const RecordedRequest &request) {
  Json answer = test::forecastAnswer();
  answer["timezone"] = "Europe/Oslo";
  auto found = celsius.find(request.queryValue("latitude").value_or(""));
  answer["current"]["temperature_2m"] = found == celsius.end() ? 0.0 : found->second;
  return FakeResponse::json(answer.dump());
}

WeatherDeckConfigIntent deckAt(const Place &place, TempUnitOption unit = TempUnitOption::celsius) {
  WeatherDeckConfigIntent configuration;
  configuration.place = WeatherPlaceEntity::of(place);
  configuration.unit = unit;
  configuration.casing = CasingOption::cream;
  return configuration;
}

class WeatherDeckTimeline : public ::testing::Test {
protected:
  WeatherDeckProvider provider(Date at) const {
    return {test::serviceEnvironment(server, home.path(), at)};
  }

  test::TempHome home;
  testsupport::FakeHttpServer server;
  test::ScopedLocaleAndZone locale{"en_GB", "Europe/Oslo"};
  const Date now = test::forecastMoment();
};

TEST_F(WeatherDeckTimeline, MainPlaceFirstThenTheFourSavedPlacesSideBySide) {
  // The saved places' answers wait until three of them are in flight; the main place's first
  // answer does not, and its second fetch is served from the cache it filled.
  server.serve("/v1/forecast", [](const RecordedRequest &request) {
    FakeResponse response = forecastFor(request);
    response.holdUntilInFlight = asksFor(request, oslo) ? 0 : 3;
    return response;
  });
  DeckState::setWeatherView(DeckState::WeatherView::week);
  auto timeline = provider(now).timeline(deckAt(oslo), kOnScreen);

  std::vector<RecordedRequest> requests = server.requests("/v1/forecast");
  ASSERT_EQ(requests.size(), 4u);
  EXPECT_TRUE(asksFor(requests[0], oslo));
  EXPECT_EQ(server.maxInFlight(), 3) << "the saved places were not fetched at once";
  auto asked = test::askedCoordinates(server, "/v1/forecast");
  EXPECT_EQ(std::set(std::next(asked.begin()), asked.end()),
            (std::set{coordinatesOf(kyoto), coordinatesOf(lisbon), coordinatesOf(sydney)}));

  ASSERT_EQ(timeline.entries.size(), 3u);
  const WeatherDeckData &data = timeline.entries.front().data;
  EXPECT_EQ(data.snapshot, WeatherProvider::cached(oslo, home.path()));
  EXPECT_EQ(data.view, DeckState::WeatherView::week);
  EXPECT_EQ(data.cities, (std::vector<DeckCity>{{"OSLO", "7°", false},
                                                {"KYOTO", "29°", false},
                                                {"LISBON", "24°", false},
                                                {"SYDNEY", "12°", false}}));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(timeline.entries[i].date, now.addingTimeInterval(600.0 * i));
    EXPECT_EQ(timeline.entries[i].casing, CasingOption::cream);
  }
  EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, 30));
}

TEST_F(WeatherDeckTimeline, RowsFollowTheUnitTheSavedNamesAndTheFetchesThatFailed) {
  const struct {
    const char *name;
    TempUnitOption unit = TempUnitOption::celsius;
    std::vector<std::string> saved = {};
    std::optional<Place> failing = std::nullopt;
    int64_t temperature = 0;
    std::vector<DeckCity> cities;
  } cases[] = {
      {.name = "one saved place failing",
       .failing = lisbon,
       .temperature = 7,
       .cities = {{"OSLO", "7°", false},
                  {"KYOTO", "29°", false},
                  {"LISBON", "—", false},
                  {"SYDNEY", "12°", false}}},
      {.name = "Fahrenheit",
       .unit = TempUnitOption::fahrenheit,
       .temperature = 45,
       .cities = {{"OSLO", "45°", false},
                  {"KYOTO", "84°", false},
                  {"LISBON", "75°", false},
                  {"SYDNEY", "54°", false}}},
      {.name = "saved upper-cased",
       .saved = {"OSLO", "Kyoto"},
       .temperature = 7,
       .cities = {{"OSLO", "7°", true},
                  {"KYOTO", "29°", false},
                  {"LISBON", "24°", false},
                  {"SYDNEY", "12°", false}}},
      {.name = "saved as the place is named",
       .saved = {"Oslo"},
       .temperature = 7,
       .cities = {{"OSLO", "7°", false},
                  {"KYOTO", "29°", false},
                  {"LISBON", "24°", false},
                  {"SYDNEY", "12°", false}}},
  };
  for (const auto &c : cases) {
    test::TempHome fresh;
    server.serve("/v1/forecast", [&](const RecordedRequest &request) {
      return c.failing && asksFor(request, *c.failing) ? FakeResponse::text("down", 503)
                                                       : forecastFor(request);
    });
    DeckState::setFavCities(DeckState::NameSet(c.saved.begin(), c.saved.end()), fresh.path());
    WeatherDeckProvider deck{test::serviceEnvironment(server, fresh.path(), now)};
    WeatherDeckData data = deck.snapshot(deckAt(oslo, c.unit), kOnScreen).data;
    EXPECT_EQ(data.snapshot.temperature, c.temperature) << c.name;
    EXPECT_EQ(data.cities, c.cities) << c.name;
  }
}

TEST_F(WeatherDeckTimeline, WithoutAnyForecastTheSampleShowsAsItIsAndTheReloadStays) {
  server.serve("/v1/forecast", FakeResponse::text("down", 503));
  auto timeline = provider(now).timeline(deckAt(oslo, TempUnitOption::fahrenheit), kOnScreen);
  const WeatherDeckData &data = timeline.entries.front().data;
  EXPECT_EQ(data.snapshot, WeatherSnapshot::sample());
  EXPECT_EQ(data.cities.front(), (DeckCity{"OSLO", "—", false}));
  // The sample's own coordinates place the sun: London's sunset on 10 June, in London's summer
  // time and the locale's 24-hour clock.
  EXPECT_EQ(data.sunsetLabel, "21:16");
  EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, 30));
}

TEST_F(WeatherDeckTimeline, PreviewAndPlaceholderShowTheOsloSampleAndAskNothing) {
  server.serve("/v1/forecast", forecastFor);
  const WeatherDeckConfigIntent kyotoInFahrenheit = deckAt(kyoto, TempUnitOption::fahrenheit);
  test::expectSamplePreviews(provider(now), kyotoInFahrenheit, now, WeatherDeckData::sample());
  EXPECT_EQ(server.requestCount(), 0u);
  // With the service answering, the desktop shows a deck of its own: the gallery's is not it.
  WeatherDeckData live = provider(now).snapshot(kyotoInFahrenheit, kOnScreen).data;
  EXPECT_GT(server.requestCount(), 0u);
  EXPECT_EQ(live.cities.front(), (DeckCity{"KYOTO", "84°", false}));
  EXPECT_NE(live, WeatherDeckData::sample());
}

// A snapshot of the place stored fresh at `now` without coordinates, as an older writer left it.
void storeWithoutCoordinates(const Place &place, Date now, const std::filesystem::path &home) {
  WeatherSnapshot stored = WeatherSnapshot::sample();
  stored.latitude = stored.longitude = std::nullopt;
  stored.timeZoneID = "Europe/Oslo";
  stored.updated = now;
  std::string key = *WeatherProvider::cacheKey(place);
  Json entry{{"placeKey", key.substr(WeatherProvider::cacheKeyPrefix.size())},
             {"snapshot", kit::foundation::encodeJson(stored)}};
  ASSERT_TRUE(SharedSuite::writeData(key, entry.dump(), home));
}

TEST_F(WeatherDeckTimeline, TheSunRunsThroughTheDayFromSunriseToSunset) {
  const Place longyearbyen{"Longyearbyen", 78.2232, 15.6267};
  const auto at = [](const char *iso) { return *kit::foundation::dateFromIso8601(iso); };
  const struct {
    const char *name;
    Place place;
    Date now;
    bool storedWithoutCoordinates = false;
    // The three entries' sun; none: moving on by 600 seconds of the day each.
    std::optional<std::array<double, 3>> sunT = std::nullopt;
    bool setsToday = true;
    // Oslo's sunset that day in its summer time.
    const char *sunset = "22:36";
  } cases[] = {
      {.name = "midday", .place = oslo, .now = at("2025-06-10T12:00:00Z")},
      {.name = "before sunrise",
       .place = oslo,
       .now = at("2025-06-10T00:30:00Z"),
       .sunT = std::array{0.05, 0.05, 0.05}},
      {.name = "after sunset",
       .place = oslo,
       .now = at("2025-06-10T21:30:00Z"),
       .sunT = std::array{0.95, 0.95, 0.95}},
      {.name = "polar day",
       .place = longyearbyen,
       .now = at("2025-06-10T12:00:00Z"),
       .sunT = std::array{0.5, 0.5, 0.5},
       .setsToday = false,
       .sunset = "—"},
      {.name = "the place's coordinates where the snapshot has none",
       .place = oslo,
       .now = at("2025-06-10T12:00:00Z"),
       .storedWithoutCoordinates = true},
  };
  server.serve("/v1/forecast", forecastFor);
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    test::TempHome fresh;
    if (c.storedWithoutCoordinates)
      storeWithoutCoordinates(c.place, c.now, fresh.path());
    WeatherDeckProvider deck{test::serviceEnvironment(server, fresh.path(), c.now)};
    auto entries = deck.timeline(deckAt(c.place), kOnScreen).entries;
    ASSERT_EQ(entries.size(), 3u);
    auto sun = SkyMath::sunTimes(c.now, c.place.latitude, c.place.longitude);
    ASSERT_EQ(sun.has_value(), c.setsToday);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(entries[i].data.sunsetLabel, c.sunset);
      if (c.sunT) {
        EXPECT_EQ(entries[i].data.sunT, (*c.sunT)[i]) << i;
        continue;
      }
      double length = sun->sunset.timeIntervalSince(sun->sunrise);
      double first = c.now.timeIntervalSince(sun->sunrise) / length;
      // Without coordinates of its own, every entry keeps the sun of the moment of the request.
      double moved = c.storedWithoutCoordinates ? 0 : 600.0 * i / length;
      EXPECT_NEAR(entries[i].data.sunT, first + moved, 1e-12) << i;
    }
  }
}

} // namespace
} // namespace zavel
