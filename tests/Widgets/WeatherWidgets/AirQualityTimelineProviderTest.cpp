#include "Widgets/WeatherWidgets/AirQualityTimelineProvider.h"

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

const std::string kPath = std::string(AirQualityProvider::path);

FakeResponse indexAnswer(int aqi) {
  return FakeResponse::json(R"({"current":{"time":"2025-06-10T12:00","us_aqi":)" +
                            std::to_string(aqi) + "}}");
}

class AirQualityTimeline : public test::WeatherProviderTest {
protected:
  AirQualityTimelineProvider provider(Date at) const { return {environment(at), server.baseURL()}; }
  AirQualityTimelineProvider provider() const { return provider(now); }
  // Expects a timeline of one entry of `shown` at `now`, reloaded after `reloadMinutes`.
  void expectTimeline(const AirQualityTimelineProvider &from, const AirQualitySnapshot &shown,
                      int reloadMinutes) const {
    auto timeline =
        from.timeline(weatherConfiguration(kBerlin, {}, CasingOption::cream), kOnScreen);
    EXPECT_EQ(timeline.entries, (std::vector<AirQualityEntry>{{now, shown, CasingOption::cream}}));
    EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, reloadMinutes));
  }
};

TEST_F(AirQualityTimeline, OneEntryOfTheLiveIndexReloadedAfterHalfAnHourExceptInTheGallery) {
  server.serve(kPath, indexAnswer(137));
  auto configuration = weatherConfiguration(kBerlin, {}, CasingOption::cream);
  test::expectSamplePreviews(provider(), configuration, now, AirQualitySnapshot::sample());
  EXPECT_EQ(server.requestCount(), 0u);
  expectTimeline(provider(), AirQualitySnapshot{137, now}, 30);
  EXPECT_EQ(test::askedCoordinates(server, kPath), (std::vector{test::coordinatesOf(kBerlin)}));
  EXPECT_EQ(provider().snapshot(configuration, kOnScreen),
            (AirQualityEntry{now, AirQualitySnapshot{137, now}, CasingOption::cream}));
}

TEST_F(AirQualityTimeline, FallsBackToTheSampleRetriedSooner) {
  // An answer without an index is no better than none.
  server.serve(kPath, FakeResponse::json(R"({"current":{}})"));
  expectTimeline(provider(), AirQualitySnapshot::sample(), 15);
  EXPECT_EQ(provider().snapshot(weatherConfiguration(kBerlin), kOnScreen).data,
            AirQualitySnapshot::sample());
}

} // namespace
} // namespace zavel
