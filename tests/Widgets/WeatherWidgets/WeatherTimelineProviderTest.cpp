#include "Widgets/WeatherWidgets/WeatherTimelineProvider.h"

#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/WeatherProvider/DefaultPlace.h"
#include "Shared/Data/WeatherProvider/WeatherCache.h"
#include "WeatherWidgetsTesting.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <string>

namespace zavel {
namespace {

using kit::foundation::Date;
using test::kBerlin;
using test::kInGallery;
using test::kOnScreen;
using test::weatherConfiguration;
using testsupport::FakeResponse;

class WeatherTimeline : public testing::Test {
protected:
  WeatherTimeline() { answerForecasts(); }

  void answerForecasts() {
    world.server.serve("/v1/forecast", FakeResponse::json(test::forecastAnswer().dump()));
  }
  WeatherTimelineProvider provider() const { return {world.environment()}; }
  WeatherTimelineProvider offlineProvider() const { return {world.offline()}; }

  test::WeatherWorld world;
  test::ScopedLocaleAndZone locale{"en_GB", "Europe/Berlin"};
  const Date now = test::forecastMoment();
};

TEST_F(WeatherTimeline, ThreeEntriesOfTheLiveWeatherTenMinutesApart) {
  auto timeline = provider().timeline(
      weatherConfiguration(kBerlin, TempUnitOption::celsius, CasingOption::cream), kOnScreen);

  EXPECT_EQ(world.askedCoordinates("/v1/forecast"), (std::vector{test::coordinatesOf(kBerlin)}));
  auto stored = WeatherProvider::cached(kBerlin, world.home.path());
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->place, "Berlin");
  EXPECT_EQ(stored->temperature, 18);
  EXPECT_EQ(test::offsetsFrom(now, timeline.entries), (std::vector<double>{0, 600, 1200}));
  for (const WeatherEntry &entry : timeline.entries) {
    EXPECT_EQ(entry.data, *stored);
    EXPECT_EQ(entry.casing, CasingOption::cream);
  }
  EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, 30));
}

TEST_F(WeatherTimeline, TemperaturesFollowTheUnitAndTheLocale) {
  const struct {
    TempUnitOption unit;
    const char *locale;
    int64_t temperature;  // the service's 18.4 °C
    int64_t firstDayHigh; // tomorrow's 21 °C
  } cases[] = {
      {TempUnitOption::fahrenheit, "en_GB", 64, 70}, {TempUnitOption::fahrenheit, "de_DE", 64, 70},
      {TempUnitOption::celsius, "en_US", 18, 21},    {TempUnitOption::system, "en_US", 64, 70},
      {TempUnitOption::system, "en_GB", 18, 21},     {TempUnitOption::system, "de_DE", 18, 21},
  };
  for (const auto &c : cases) {
    std::string what = std::string(kit::intents::rawValue(c.unit)) + " in " + c.locale;
    test::ScopedLocaleAndZone scoped{c.locale, "Europe/Berlin"};
    auto timeline = provider().timeline(weatherConfiguration(kBerlin, c.unit), kOnScreen);
    ASSERT_EQ(timeline.entries.size(), 3u) << what;
    for (const WeatherEntry &entry : timeline.entries) {
      EXPECT_EQ(entry.data.temperature, c.temperature) << what;
      ASSERT_FALSE(entry.data.days.empty()) << what;
      EXPECT_EQ(entry.data.days.front().high, c.firstDayHigh) << what;
    }
    // The stored weather stays in Celsius whatever is shown.
    EXPECT_EQ(WeatherProvider::cached(kBerlin, world.home.path())->temperature, 18) << what;
  }
}

TEST_F(WeatherTimeline, WithNothingFetchedOrStoredTheSampleIsShownAndRetriedSooner) {
  for (TempUnitOption unit : {TempUnitOption::celsius, TempUnitOption::fahrenheit}) {
    auto timeline = offlineProvider().timeline(weatherConfiguration(kBerlin, unit), kOnScreen);
    WeatherSnapshot expected = unit == TempUnitOption::fahrenheit
                                   ? WeatherSnapshot::sample().inFahrenheit()
                                   : WeatherSnapshot::sample();
    EXPECT_EQ(test::offsetsFrom(now, timeline.entries), (std::vector<double>{0, 600, 1200}));
    for (const WeatherEntry &entry : timeline.entries)
      EXPECT_EQ(entry.data, expected);
    EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, 10));
  }
  // A service that answers with an error page is no better than none.
  world.server.serve("/v1/forecast", FakeResponse::text("down", 503));
  auto timeline = provider().timeline(weatherConfiguration(kBerlin), kOnScreen);
  EXPECT_EQ(timeline.entries.front().data, WeatherSnapshot::sample());
  EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, 10));
}

TEST_F(WeatherTimeline, AStaleStoredSnapshotCountsAsWeatherWhenTheServiceFails) {
  Date twoDaysAgo = now.addingTimeInterval(-2 * 86400);
  WeatherTimelineProvider earlier{world.environment(twoDaysAgo)};
  earlier.timeline(weatherConfiguration(kBerlin), kOnScreen);
  auto stored = WeatherProvider::cached(kBerlin, world.home.path());
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->updated, twoDaysAgo);

  auto timeline = offlineProvider().timeline(weatherConfiguration(kBerlin), kOnScreen);
  for (const WeatherEntry &entry : timeline.entries)
    EXPECT_EQ(entry.data, *stored);
  EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, 30));
}

TEST_F(WeatherTimeline, TheDefaultPlaceServesOnlyWhenNoPlaceIsSet) {
  ASSERT_TRUE(SharedSuite::write(WeatherProvider::defaultPlaceKey, test::kParis));

  provider().timeline(weatherConfiguration(std::nullopt), kOnScreen);
  provider().timeline(weatherConfiguration(kBerlin), kOnScreen);
  // An id that names no place reads as the fallback place, not as the default one.
  WeatherConfigIntent unreadable;
  unreadable.place = WeatherPlaceEntity{"Nowhere|north|east"};
  provider().timeline(unreadable, kOnScreen);

  EXPECT_EQ(world.askedCoordinates("/v1/forecast"),
            (std::vector{test::coordinatesOf(test::kParis), test::coordinatesOf(kBerlin),
                         test::coordinatesOf(WeatherProvider::fallbackPlace())}));
}

TEST_F(WeatherTimeline, TheGalleryShowsTheSampleInItsOwnUnitWithoutAsking) {
  auto configuration =
      weatherConfiguration(kBerlin, TempUnitOption::fahrenheit, CasingOption::graphite);
  WeatherEntry preview = provider().snapshot(configuration, kInGallery);
  EXPECT_EQ(preview, (WeatherEntry{now, WeatherSnapshot::sample(), CasingOption::graphite}));

  WeatherEntry placeholder = provider().placeholder(kOnScreen);
  EXPECT_EQ(placeholder, (WeatherEntry{now, WeatherSnapshot::sample(), CasingOption::followApp}));
  EXPECT_EQ(world.server.requestCount(), 0u);
}

TEST_F(WeatherTimeline, AWidgetSnapshotShowsTheLiveWeatherOrTheSampleInTheUnit) {
  auto configuration =
      weatherConfiguration(kBerlin, TempUnitOption::fahrenheit, CasingOption::cream);
  WeatherEntry live = provider().snapshot(configuration, kOnScreen);
  EXPECT_EQ(live.date, now);
  EXPECT_EQ(live.casing, CasingOption::cream);
  EXPECT_EQ(live.data, WeatherProvider::cached(kBerlin, world.home.path())->inFahrenheit());

  test::TempHome emptyHome;
  auto environment = world.offline();
  environment.home = emptyHome.path();
  WeatherEntry fallback = WeatherTimelineProvider{environment}.snapshot(configuration, kOnScreen);
  EXPECT_EQ(fallback.data, WeatherSnapshot::sample().inFahrenheit());
}

} // namespace
} // namespace zavel
