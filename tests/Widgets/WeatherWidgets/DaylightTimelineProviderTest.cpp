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
};

TEST_F(DaylightTimeline, TodaysSunAtThePlaceInTheZoneOfAStoredForecastOrTheSampleDay) {
  auto configuration =
      weatherConfiguration(kBerlin, TempUnitOption::fahrenheit, CasingOption::cream);
  auto sun = SkyMath::sunTimes(now, kBerlin.latitude, kBerlin.longitude);
  ASSERT_TRUE(sun);
  DaylightInfo expected{sun->sunrise, sun->sunset, "Berlin", std::nullopt};
  test::expectTenMinuteTimeline(provider().timeline(configuration, kOnScreen), now, expected,
                                CasingOption::cream, 30);

  // A forecast widget stores the place's zone; the fake service reports London's for every place.
  server.serve("/v1/forecast", testsupport::FakeResponse::json(test::forecastAnswer().dump()));
  WeatherTimelineProvider{environment(now)}.timeline(configuration, kOnScreen);
  server.clearRecords();
  expected.timeZoneID = "Europe/London";
  test::expectTenMinuteTimeline(provider().timeline(configuration, kOnScreen), now, expected,
                                CasingOption::cream, 30);
  test::expectSamplePreviews(provider(), configuration, now, DaylightInfo::sample());
  // The sun is worked out here; nothing is fetched.
  EXPECT_EQ(server.requestCount(), 0u);
  // Where the sun does not rise and set, the sample day stands in.
  test::expectTenMinuteTimeline(provider().timeline(weatherConfiguration(kLongyearbyen), kOnScreen),
                                now, DaylightInfo::sample(), CasingOption::followApp, 30);
}

} // namespace
} // namespace zavel
