#include "Widgets/WeatherWidgets/AirQualityTimelineProvider.h"

#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/WeatherProvider/DefaultPlace.h"
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

const std::string kPath = std::string(AirQualityProvider::path);

FakeResponse indexAnswer(int aqi) {
  return FakeResponse::json(R"({"current":{"time":"2025-06-10T12:00","us_aqi":)" +
                            std::to_string(aqi) + "}}");
}

class AirQualityTimeline : public testing::Test {
protected:
  AirQualityTimelineProvider provider(Date at) const {
    return {world.environment(at), world.server.baseURL()};
  }
  AirQualityTimelineProvider provider() const { return provider(now); }
  AirQualityTimelineProvider offlineProvider() const {
    return {world.offline(), std::string(test::unreachableAddress)};
  }

  test::WeatherWorld world;
  test::ScopedLocaleAndZone locale{"en_GB", "Europe/Berlin"};
  const Date now = test::forecastMoment();
};

TEST_F(AirQualityTimeline, OneEntryOfTheLiveIndexReloadedAfterHalfAnHour) {
  world.server.serve(kPath, indexAnswer(137));
  auto timeline =
      provider().timeline(weatherConfiguration(kBerlin, {}, CasingOption::cream), kOnScreen);

  EXPECT_EQ(world.askedCoordinates(kPath), (std::vector{test::coordinatesOf(kBerlin)}));
  ASSERT_EQ(timeline.entries.size(), 1u);
  EXPECT_EQ(timeline.entries.front(),
            (AirQualityEntry{now, AirQualitySnapshot{137, now}, CasingOption::cream}));
  EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, 30));
}

TEST_F(AirQualityTimeline, WithNothingFetchedOrKeptTheSampleIsShownAndRetriedSooner) {
  auto timeline = offlineProvider().timeline(weatherConfiguration(kBerlin), kOnScreen);
  ASSERT_EQ(timeline.entries.size(), 1u);
  EXPECT_EQ(timeline.entries.front().date, now);
  EXPECT_EQ(timeline.entries.front().data, AirQualitySnapshot::sample());
  EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, 15));

  // An answer without an index is no better than none.
  world.server.serve(kPath, FakeResponse::json(R"({"current":{}})"));
  timeline = provider().timeline(weatherConfiguration(kBerlin), kOnScreen);
  EXPECT_EQ(timeline.entries.front().data, AirQualitySnapshot::sample());
  EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, 15));
}

TEST_F(AirQualityTimeline, AnOldKeptIndexCountsAsAValueWhenTheServiceFails) {
  world.server.serve(kPath, indexAnswer(61));
  Date yesterday = now.addingTimeInterval(-86400);
  provider(yesterday).timeline(weatherConfiguration(kBerlin), kOnScreen);

  auto timeline = offlineProvider().timeline(weatherConfiguration(kBerlin), kOnScreen);
  EXPECT_EQ(timeline.entries.front().data, (AirQualitySnapshot{61, yesterday}));
  EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, 30));
}

TEST_F(AirQualityTimeline, TheDefaultPlaceServesOnlyWhenNoPlaceIsSet) {
  world.server.serve(kPath, indexAnswer(20));
  ASSERT_TRUE(SharedSuite::write(WeatherProvider::defaultPlaceKey, test::kParis));

  provider().timeline(weatherConfiguration(std::nullopt), kOnScreen);
  provider().timeline(weatherConfiguration(kBerlin), kOnScreen);

  EXPECT_EQ(world.askedCoordinates(kPath),
            (std::vector{test::coordinatesOf(test::kParis), test::coordinatesOf(kBerlin)}));
}

TEST_F(AirQualityTimeline, TheGalleryAndThePlaceholderShowTheSampleWithoutAsking) {
  world.server.serve(kPath, indexAnswer(180));
  auto configuration = weatherConfiguration(kBerlin, {}, CasingOption::graphite);

  EXPECT_EQ(provider().snapshot(configuration, kInGallery),
            (AirQualityEntry{now, AirQualitySnapshot::sample(), CasingOption::graphite}));
  EXPECT_EQ(provider().placeholder(kOnScreen),
            (AirQualityEntry{now, AirQualitySnapshot::sample(), CasingOption::followApp}));
  EXPECT_EQ(world.server.requestCount(), 0u);

  EXPECT_EQ(provider().snapshot(configuration, kOnScreen),
            (AirQualityEntry{now, AirQualitySnapshot{180, now}, CasingOption::graphite}));
  EXPECT_EQ(offlineProvider().snapshot(weatherConfiguration(test::kParis), kOnScreen).data,
            AirQualitySnapshot::sample());
}

} // namespace
} // namespace zavel
