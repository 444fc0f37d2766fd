#include "Widgets/WeatherWidgets/MoonProvider.h"

#include "WeatherWidgetsTesting.h"

#include "kit/foundation/Iso8601.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

using kit::foundation::Clock;
using kit::foundation::Date;

TEST(MoonProvider, OneEntryOfThePhaseAtTheRequestReloadedTwelveHoursLater) {
  // Published full and new moons of 2025: the phase is the request's, not the sample's.
  for (auto [moment, phase] : {std::pair{"2025-06-11T07:44:00Z", "Full Moon"},
                               std::pair{"2025-06-25T10:31:00Z", "New Moon"}}) {
    Date now = *kit::foundation::dateFromIso8601(moment);
    MoonProvider provider{Clock::fixed(now)};
    CasingConfigIntent configuration{CasingOption::cream};
    auto timeline = provider.timeline(configuration, test::kOnScreen);
    ASSERT_EQ(timeline.entries.size(), 1u) << moment;
    const MoonEntry &entry = timeline.entries.front();
    EXPECT_EQ(std::tuple(entry.date, entry.casing, entry.data.phaseName),
              std::tuple(now, CasingOption::cream, std::string(phase)));
    EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, 12 * 60)) << moment;
    EXPECT_EQ(provider.snapshot(configuration, test::kOnScreen), entry);
    test::expectSamplePreviews(provider, CasingConfigIntent{CasingOption::graphite}, now,
                               MoonInfo{"Waxing Gibbous", 0.78, true, 6, 21});
  }
}

} // namespace
} // namespace zavel
