#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/SkyMath.h"
#include "Shared/Data/WeatherProvider/DefaultPlace.h"
#include "Shared/Data/WeatherProvider/WeatherCache.h"
#include "WeatherWidgetsTesting.h"
#include "Widgets/WeatherWidgets/AirQualityTimelineProvider.h"
#include "Widgets/WeatherWidgets/DaylightTimelineProvider.h"
#include "Widgets/WeatherWidgets/MoonProvider.h"
#include "Widgets/WeatherWidgets/WeatherTimelineProvider.h"
#include "kit/foundation/Iso8601.h"

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
  WeatherTimelineProvider provider() const { return {environment(now)}; }
  std::optional<WeatherSnapshot> stored() const {
    return WeatherProvider::cached(kBerlin, home.path());
  }
};

TEST_F(WeatherTimeline, ThreeEntriesOfTheLiveWeatherInTheUnitWhileCelsiusIsStored) {
  auto configuration =
      weatherConfiguration(kBerlin, TempUnitOption::fahrenheit, CasingOption::cream);
  // The gallery shows the sample in its own unit, without asking.
  test::expectSamplePreviews(provider(), configuration, now, WeatherSnapshot::sample());
  EXPECT_EQ(server.requestCount(), 0u);
  auto timeline = provider().timeline(configuration, kOnScreen);
  EXPECT_EQ(test::askedCoordinates(server, "/v1/forecast"),
            (std::vector{test::coordinatesOf(kBerlin)}));
  ASSERT_TRUE(stored());
  EXPECT_EQ(stored()->temperature, 18);
  test::expectTenMinuteTimeline(timeline, now, stored()->inFahrenheit(), CasingOption::cream, 30);
  EXPECT_EQ(timeline.entries.front().data.temperature, 64);
  EXPECT_EQ(provider().snapshot(configuration, kOnScreen),
            (WeatherEntry{now, stored()->inFahrenheit(), CasingOption::cream}));
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

class AirQualityTimeline : public test::WeatherProviderTest {
protected:
  const std::string path = std::string(AirQualityProvider::path);
  AirQualityTimelineProvider provider() const { return {environment(now), server.baseURL()}; }
  // Expects a timeline of one entry of `shown` at `now`, reloaded after `reloadMinutes`.
  void expectTimeline(const AirQualitySnapshot &shown, int reloadMinutes) const {
    auto timeline =
        provider().timeline(weatherConfiguration(kBerlin, {}, CasingOption::cream), kOnScreen);
    EXPECT_EQ(timeline.entries, (std::vector<AirQualityEntry>{{now, shown, CasingOption::cream}}));
    EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, reloadMinutes));
  }
};

TEST_F(AirQualityTimeline, OneEntryOfTheLiveIndexReloadedAfterHalfAnHourExceptInTheGallery) {
  server.serve(path, FakeResponse::json(R"({"current":{"time":"2025-06-10T12:00","us_aqi":137}})"));
  auto configuration = weatherConfiguration(kBerlin, {}, CasingOption::cream);
  test::expectSamplePreviews(provider(), configuration, now, AirQualitySnapshot::sample());
  EXPECT_EQ(server.requestCount(), 0u);
  expectTimeline(AirQualitySnapshot{137, now}, 30);
  EXPECT_EQ(test::askedCoordinates(server, path), (std::vector{test::coordinatesOf(kBerlin)}));
  EXPECT_EQ(provider().snapshot(configuration, kOnScreen),
            (AirQualityEntry{now, AirQualitySnapshot{137, now}, CasingOption::cream}));
}

TEST_F(AirQualityTimeline, FallsBackToTheSampleRetriedSooner) {
  // An answer without an index is no better than none.
  server.serve(path, FakeResponse::json(R"({"current":{}})"));
  expectTimeline(AirQualitySnapshot::sample(), 15);
  EXPECT_EQ(provider().snapshot(weatherConfiguration(kBerlin), kOnScreen).data,
            AirQualitySnapshot::sample());
}

using DaylightTimeline = test::WeatherProviderTest;

TEST_F(DaylightTimeline, TodaysSunAtThePlaceInTheZoneOfAStoredForecastOrTheSampleDay) {
  const DaylightTimelineProvider provider{environment(now)};
  auto configuration =
      weatherConfiguration(kBerlin, TempUnitOption::fahrenheit, CasingOption::cream);
  auto sun = SkyMath::sunTimes(now, kBerlin.latitude, kBerlin.longitude);
  ASSERT_TRUE(sun);
  DaylightInfo expected{sun->sunrise, sun->sunset, "Berlin", std::nullopt};
  test::expectTenMinuteTimeline(provider.timeline(configuration, kOnScreen), now, expected,
                                CasingOption::cream, 30);
  // A forecast widget stores the place's zone; the fake service reports London's for every place.
  server.serve("/v1/forecast", FakeResponse::json(test::forecastAnswer().dump()));
  WeatherTimelineProvider{environment(now)}.timeline(configuration, kOnScreen);
  server.clearRecords();
  expected.timeZoneID = "Europe/London";
  test::expectTenMinuteTimeline(provider.timeline(configuration, kOnScreen), now, expected,
                                CasingOption::cream, 30);
  test::expectSamplePreviews(provider, configuration, now, DaylightInfo::sample());
  // The sun is worked out here; nothing is fetched.
  EXPECT_EQ(server.requestCount(), 0u);
  // Where the sun does not rise and set (Longyearbyen in June), the sample day stands in.
  test::expectTenMinuteTimeline(
      provider.timeline(weatherConfiguration({{"Longyearbyen", 78.2232, 15.6267}}), kOnScreen), now,
      DaylightInfo::sample(), CasingOption::followApp, 30);
}

TEST(MoonProvider, OneEntryOfThePhaseAtTheRequestReloadedTwelveHoursLater) {
  // A published new moon of 2025: the phase is the request's, not the sample's.
  Date now = *kit::foundation::dateFromIso8601("2025-06-25T10:31:00Z");
  MoonProvider provider{kit::foundation::Clock::fixed(now)};
  CasingConfigIntent configuration{CasingOption::cream};
  auto timeline = provider.timeline(configuration, kOnScreen);
  ASSERT_EQ(timeline.entries.size(), 1u);
  const MoonEntry &entry = timeline.entries.front();
  EXPECT_EQ(entry.date, now);
  EXPECT_EQ(entry.casing, CasingOption::cream);
  EXPECT_EQ(entry.data.phaseName, "New Moon");
  EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, 12 * 60));
  EXPECT_EQ(provider.snapshot(configuration, kOnScreen), entry);
  test::expectSamplePreviews(provider, CasingConfigIntent{CasingOption::graphite}, now,
                             MoonInfo{"Waxing Gibbous", 0.78, true, 6, 21});
}

} // namespace
} // namespace zavel
