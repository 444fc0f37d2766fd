#include "Widgets/WeatherWidgets/MoonProvider.h"

#include "WeatherWidgetsTesting.h"

#include "kit/foundation/Iso8601.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

using kit::foundation::Clock;
using kit::foundation::Date;

TEST(MoonProvider, OneEntryOfThePhaseAtTheRequestReloadedTwelveHoursLater) {
  // A published new moon of 2025: the phase is the request's, not the sample's.
  Date now = *kit::foundation::dateFromIso8601("2025-06-25T10:31:00Z");
  MoonProvider provider{Clock::fixed(now)};
  CasingConfigIntent configuration{CasingOption::cream};
  auto timeline = provider.timeline(configuration, test::kOnScreen);
  ASSERT_EQ(timeline.entries.size(), 1u);
  const MoonEntry &entry = timeline.entries.front();
  EXPECT_EQ(std::tuple(entry.date, entry.casing, entry.data.phaseName),
            std::tuple(now, CasingOption::cream, std::string("New Moon")));
  EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, 12 * 60));
  EXPECT_EQ(provider.snapshot(configuration, test::kOnScreen), entry);
  test::expectSamplePreviews(provider, CasingConfigIntent{CasingOption::graphite}, now,
                             MoonInfo{"Waxing Gibbous", 0.78, true, 6, 21});
}

} // namespace
} // namespace zavel
