#include "Widgets/WeatherWidgets/DaylightTimelineProvider.h"

#include "Shared/Data/SkyMath.h"
#include "WeatherWidgetsTesting.h"
#include "Widgets/WeatherWidgets/WeatherTimelineProvider.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

using test::kBerlin;
using test::kOnScreen;
using test::weatherConfiguration;

// Where the sun does not set in June.
const WeatherProvider::Place kLongyearbyen{"Longyearbyen", 78.2232, 15.6267};

class DaylightTimeline : public test::WeatherProviderTest {
protected:
  DaylightTimelineProvider provider() const { return {environment(now)}; }
  // Stores a forecast of the place, as a forecast widget leaves it. The fake service reports
  // London's zone for every place.
  void storeForecastOf(const WeatherProvider::Place &place) {
    server.serve("/v1/forecast", testsupport::FakeResponse::json(test::forecastAnswer().dump()));
    WeatherTimelineProvider{environment(now)}.timeline(weatherConfiguration(place), kOnScreen);
    server.clearRecords();
  }
};

TEST_F(DaylightTimeline, TodaysSunAtThePlaceInTheZoneOfAStoredForecast) {
  auto configuration =
      weatherConfiguration(kBerlin, TempUnitOption::fahrenheit, CasingOption::cream);
  auto sun = SkyMath::sunTimes(now, kBerlin.latitude, kBerlin.longitude);
  ASSERT_TRUE(sun);
  DaylightInfo expected{sun->sunrise, sun->sunset, "Berlin", std::nullopt};
  test::expectTenMinuteTimeline(provider().timeline(configuration, kOnScreen), now, expected,
                                CasingOption::cream, 30);

  storeForecastOf(kBerlin);
  expected.timeZoneID = "Europe/London";
  test::expectTenMinuteTimeline(provider().timeline(configuration, kOnScreen), now, expected,
                                CasingOption::cream, 30);
  EXPECT_EQ(provider().snapshot(configuration, kOnScreen),
            (DaylightEntry{now, expected, CasingOption::cream}));
  test::expectSamplePreviews(provider(), configuration, now, DaylightInfo::sample());
  // The sun is worked out here; nothing is fetched.
  EXPECT_EQ(server.requestCount(), 0u);
}

TEST_F(DaylightTimeline, WhereTheSunDoesNotRiseAndSetTheSampleDayStandsIn) {
  auto configuration = weatherConfiguration(kLongyearbyen);
  test::expectTenMinuteTimeline(provider().timeline(configuration, kOnScreen), now,
                                DaylightInfo::sample(), CasingOption::followApp, 30);
}

} // namespace
} // namespace zavel
