#include "Widgets/WeatherWidgets/MoonProvider.h"

#include "WeatherWidgetsTesting.h"

#include "kit/foundation/Iso8601.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

using kit::foundation::Clock;
using kit::foundation::Date;
using test::kInGallery;
using test::kOnScreen;

Date at(const char *iso) { return *kit::foundation::dateFromIso8601(iso); }

TEST(MoonProvider, OneEntryOfThePhaseAtTheRequestReloadedTwelveHoursLater) {
  // Published full and new moons of 2025, and a first quarter between them.
  const struct {
    const char *moment;
    const char *phase;
    bool waxing;
  } cases[] = {
      {"2025-06-04T02:41:00Z", "First Quarter", true},
      {"2025-06-11T07:44:00Z", "Full Moon", false},
      {"2025-06-18T19:19:00Z", "Last Quarter", false},
      {"2025-06-25T10:31:00Z", "New Moon", false},
      {"2025-06-28T10:31:00Z", "Waxing Crescent", true},
  };
  for (const auto &c : cases) {
    Date now = at(c.moment);
    CasingConfigIntent configuration{CasingOption::cream};
    auto timeline = MoonProvider{Clock::fixed(now)}.timeline(configuration, kOnScreen);
    ASSERT_EQ(timeline.entries.size(), 1u) << c.moment;
    const MoonEntry &entry = timeline.entries.front();
    EXPECT_EQ(entry.date, now) << c.moment;
    EXPECT_EQ(entry.casing, CasingOption::cream) << c.moment;
    EXPECT_EQ(entry.data.phaseName, c.phase) << c.moment;
    EXPECT_EQ(entry.data.waxing, c.waxing) << c.moment;
    EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, 12 * 60)) << c.moment;

    // A widget snapshot shows the same live phase.
    EXPECT_EQ(MoonProvider{Clock::fixed(now)}.snapshot(configuration, kOnScreen), entry);
  }
}

TEST(MoonProvider, TheGalleryAndThePlaceholderShowTheSampleWhateverTheDate) {
  const MoonInfo sample{"Waxing Gibbous", 0.78, true, 6, 21};
  EXPECT_EQ(MoonProvider::previewSample(), sample);
  for (const char *moment : {"2025-06-11T07:44:00Z", "2025-06-25T10:31:00Z"}) {
    MoonProvider provider{Clock::fixed(at(moment))};
    EXPECT_EQ(provider.snapshot(CasingConfigIntent{CasingOption::graphite}, kInGallery),
              (MoonEntry{at(moment), sample, CasingOption::graphite}));
    EXPECT_EQ(provider.placeholder(kOnScreen),
              (MoonEntry{at(moment), sample, CasingOption::followApp}));
  }
}

} // namespace
} // namespace zavel
