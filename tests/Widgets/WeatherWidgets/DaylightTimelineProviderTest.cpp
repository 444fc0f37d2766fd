#include "Widgets/WeatherWidgets/DaylightTimelineProvider.h"

#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/SkyMath.h"
#include "Shared/Data/WeatherProvider/DefaultPlace.h"
#include "WeatherWidgetsTesting.h"
#include "Widgets/WeatherWidgets/WeatherTimelineProvider.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

using kit::foundation::Date;
using test::kBerlin;
using test::kInGallery;
using test::kOnScreen;
using test::weatherConfiguration;
using testsupport::FakeResponse;

// Where the sun does not set in June.
const WeatherProvider::Place kLongyearbyen{"Longyearbyen", 78.2232, 15.6267};

class DaylightTimeline : public testing::Test {
protected:
  DaylightTimelineProvider provider() const { return {world.environment()}; }
  // Stores a forecast of the place, as a forecast widget leaves it.
  void storeForecastOf(const WeatherProvider::Place &place) {
    world.server.serve("/v1/forecast", FakeResponse::json(test::forecastAnswer().dump()));
    WeatherTimelineProvider{world.environment()}.timeline(weatherConfiguration(place), kOnScreen);
    world.server.clearRecords();
  }

  test::WeatherWorld world;
  test::ScopedLocaleAndZone locale{"en_GB", "Europe/Berlin"};
  const Date now = test::forecastMoment();
};

TEST_F(DaylightTimeline, TodaysSunAtThePlaceInThreeEntriesTenMinutesApart) {
  auto timeline = provider().timeline(
      weatherConfiguration(kBerlin, TempUnitOption::fahrenheit, CasingOption::cream), kOnScreen);

  auto sun = SkyMath::sunTimes(now, kBerlin.latitude, kBerlin.longitude);
  ASSERT_TRUE(sun);
  // Berlin's June day: up before 03:00 UTC, down after 19:00 UTC.
  EXPECT_LT(sun->sunrise, *kit::foundation::dateFromIso8601("2025-06-10T03:00:00Z"));
  EXPECT_GT(sun->sunset, *kit::foundation::dateFromIso8601("2025-06-10T19:00:00Z"));
  DaylightInfo expected{sun->sunrise, sun->sunset, "Berlin", std::nullopt};
  EXPECT_EQ(test::offsetsFrom(now, timeline.entries), (std::vector<double>{0, 600, 1200}));
  for (const DaylightEntry &entry : timeline.entries) {
    EXPECT_EQ(entry.data, expected);
    EXPECT_EQ(entry.casing, CasingOption::cream);
  }
  EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, 30));
  // The sun is worked out here; nothing is fetched.
  EXPECT_EQ(world.server.requestCount(), 0u);
}

TEST_F(DaylightTimeline, TimesTakeTheZoneOfAStoredForecastOfThePlace) {
  storeForecastOf(kBerlin);
  auto timeline = provider().timeline(weatherConfiguration(kBerlin), kOnScreen);
  // The fake service reports London's zone for every place.
  EXPECT_EQ(timeline.entries.front().data.timeZoneID, "Europe/London");
  EXPECT_EQ(timeline.entries.front().data.place, "Berlin");
  EXPECT_EQ(world.server.requestCount(), 0u);
}

TEST_F(DaylightTimeline, WhereTheSunDoesNotRiseAndSetTheSampleDayStandsIn) {
  auto timeline = provider().timeline(weatherConfiguration(kLongyearbyen), kOnScreen);
  for (const DaylightEntry &entry : timeline.entries)
    EXPECT_EQ(entry.data, DaylightInfo::sample());
  EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, 30));

  // In the zone of the configured place once a forecast of it is stored.
  storeForecastOf(kLongyearbyen);
  timeline = provider().timeline(weatherConfiguration(kLongyearbyen), kOnScreen);
  DaylightInfo expected = DaylightInfo::sample();
  expected.timeZoneID = "Europe/London";
  EXPECT_EQ(timeline.entries.front().data, expected);
}

TEST_F(DaylightTimeline, TheDefaultPlaceServesOnlyWhenNoPlaceIsSet) {
  ASSERT_TRUE(SharedSuite::write(WeatherProvider::defaultPlaceKey, test::kParis));
  EXPECT_EQ(
      provider().timeline(weatherConfiguration(std::nullopt), kOnScreen).entries.front().data.place,
      "Paris");
  EXPECT_EQ(
      provider().timeline(weatherConfiguration(kBerlin), kOnScreen).entries.front().data.place,
      "Berlin");
}

TEST_F(DaylightTimeline, TheGalleryAndThePlaceholderShowTheSample) {
  storeForecastOf(kBerlin);
  auto configuration = weatherConfiguration(kBerlin, {}, CasingOption::graphite);
  EXPECT_EQ(provider().snapshot(configuration, kInGallery),
            (DaylightEntry{now, DaylightInfo::sample(), CasingOption::graphite}));
  EXPECT_EQ(provider().placeholder(kOnScreen),
            (DaylightEntry{now, DaylightInfo::sample(), CasingOption::followApp}));

  DaylightEntry live = provider().snapshot(configuration, kOnScreen);
  EXPECT_EQ(live.date, now);
  EXPECT_EQ(live.data.place, "Berlin");
  EXPECT_EQ(live.data.timeZoneID, "Europe/London");
}

} // namespace
} // namespace zavel
