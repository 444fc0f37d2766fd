#include "Widgets/WeatherWidgets/WeatherTimelineProvider.h"

#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/WeatherProvider/DefaultPlace.h"
#include "Shared/Data/WeatherProvider/WeatherCache.h"
#include "WeatherWidgetsTesting.h"

#include <gtest/gtest.h>

#include <string>

namespace zavel {
namespace {

using kit::foundation::Date;
using test::kBerlin;
using test::kOnScreen;
using test::weatherConfiguration;
using testsupport::FakeResponse;

class WeatherTimeline : public test::WeatherProviderTest {
protected:
  WeatherTimeline() {
    server.serve("/v1/forecast", FakeResponse::json(test::forecastAnswer().dump()));
  }
  WeatherTimelineProvider provider(Date at) const { return {environment(at)}; }
  WeatherTimelineProvider provider() const { return provider(now); }
  std::optional<WeatherSnapshot> stored() const {
    return WeatherProvider::cached(kBerlin, home.path());
  }
};

TEST_F(WeatherTimeline, ThreeEntriesOfTheLiveWeatherInTheUnitWhileCelsiusIsStored) {
  auto timeline = provider().timeline(
      weatherConfiguration(kBerlin, TempUnitOption::fahrenheit, CasingOption::cream), kOnScreen);
  EXPECT_EQ(test::askedCoordinates(server, "/v1/forecast"),
            (std::vector{test::coordinatesOf(kBerlin)}));
  ASSERT_TRUE(stored());
  EXPECT_EQ(stored()->temperature, 18);
  test::expectTenMinuteTimeline(timeline, now, stored()->inFahrenheit(), CasingOption::cream, 30);
  EXPECT_EQ(timeline.entries.front().data.temperature, 64);
}

TEST_F(WeatherTimeline, FallsBackToTheSampleInTheUnitRetriedSooner) {
  // A service that answers with an error page is no better than none.
  server.serve("/v1/forecast", FakeResponse::text("down", 503));
  auto fahrenheit = weatherConfiguration(kBerlin, TempUnitOption::fahrenheit);
  test::expectTenMinuteTimeline(provider().timeline(fahrenheit, kOnScreen), now,
                                WeatherSnapshot::sample().inFahrenheit(), CasingOption::followApp,
                                10);
  EXPECT_EQ(provider().snapshot(fahrenheit, kOnScreen).data,
            WeatherSnapshot::sample().inFahrenheit());
}

TEST_F(WeatherTimeline, TheDefaultPlaceServesOnlyWhenNoPlaceIsSet) {
  const WeatherProvider::Place paris{"Paris", 48.8566, 2.3522};
  ASSERT_TRUE(SharedSuite::write(WeatherProvider::defaultPlaceKey, paris));
  provider().timeline(weatherConfiguration(std::nullopt), kOnScreen);
  provider().timeline(weatherConfiguration(kBerlin), kOnScreen);
  EXPECT_EQ(test::askedCoordinates(server, "/v1/forecast"),
            (std::vector{test::coordinatesOf(paris), test::coordinatesOf(kBerlin)}));
}

TEST_F(WeatherTimeline, SnapshotsShowTheLiveWeatherOrTheSampleInTheUnit) {
  auto configuration =
      weatherConfiguration(kBerlin, TempUnitOption::fahrenheit, CasingOption::cream);
  // The gallery shows the sample in its own unit, without asking.
  test::expectSamplePreviews(provider(), configuration, now, WeatherSnapshot::sample());
  EXPECT_EQ(server.requestCount(), 0u);
  WeatherEntry live = provider().snapshot(configuration, kOnScreen);
  ASSERT_TRUE(stored());
  EXPECT_EQ(live, (WeatherEntry{now, stored()->inFahrenheit(), CasingOption::cream}));
}

} // namespace
} // namespace zavel
