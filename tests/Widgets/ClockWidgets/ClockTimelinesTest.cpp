#include "Widgets/ClockWidgets/MinuteEntries.h"
#include "Widgets/ClockWidgets/MinuteTimelineProvider.h"
#include "kit/foundation/Iso8601.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

using kit::foundation::Date;
using kit::widgets::ReloadPolicy;
using kit::widgets::TimelineContext;

Date at(const char *iso) { return *kit::foundation::dateFromIso8601(iso); }

TEST(MinuteEntries, AnHourOfWholeMinutesFromTheRequestsOwnMinuteInAbsoluteTime) {
  struct Case {
    const char *name = "";
    const char *now = "";
    std::vector<const char *> first; // the first entries' dates, in UTC
  };
  const Case cases[] = {
      {.name = "10:15:42 starts at 10:15:00",
       .now = "2025-01-15T09:15:42Z",
       .first = {"2025-01-15T09:15:00Z", "2025-01-15T09:16:00Z"}},
      {.name = "01:59:30 before the spring gap: 01:59, 03:00, 03:01",
       .now = "2025-03-30T00:59:30Z",
       .first = {"2025-03-30T00:59:00Z", "2025-03-30T01:00:00Z", "2025-03-30T01:01:00Z"}},
      {.name = "02:30:20 in the repeated hour's second occurrence stays there",
       .now = "2025-10-26T01:30:20Z",
       .first = {"2025-10-26T01:30:00Z", "2025-10-26T01:31:00Z"}},
  };
  const auto berlin =
      kit::foundation::Calendar::gregorian(*kit::foundation::TimeZone::named("Europe/Berlin"));
  const ClockConfigIntent configuration{TimeZoneEntity{"Asia/Tokyo"}, CasingOption::cream};
  for (const Case &c : cases) {
    auto timeline = minuteEntries(at(c.now), berlin, configuration);
    ASSERT_EQ(timeline.entries.size(), 60u) << c.name;
    EXPECT_EQ(timeline.policy, ReloadPolicy::atEnd()) << c.name;
    for (std::size_t i = 0; i < c.first.size(); ++i)
      EXPECT_EQ(timeline.entries[i].date, at(c.first[i])) << c.name << " entry " << i;
    EXPECT_EQ(timeline.entries.back().date, at(c.first[0]).addingTimeInterval(59 * 60)) << c.name;
    EXPECT_EQ(timeline.entries.back().data, configuration) << c.name;
    EXPECT_EQ(timeline.entries.back().casing, CasingOption::cream) << c.name;
  }
}

// The placeholder shows the default configuration in the casing that follows the app; the
// snapshot, in the gallery too, and the timeline carry the configuration as it is.
template <class Provider> void expectClockProvider(const typename Provider::Intent &configuration) {
  const Date now = at("2025-01-15T09:15:42Z");
  const Provider provider{kit::foundation::Clock::fixed(now)};
  using Entry = typename Provider::Entry;
  const auto gallery = TimelineContext::of(kit::widgets::WidgetFamily::systemMedium, true);
  EXPECT_EQ(provider.placeholder(gallery),
            (Entry{now, typename Provider::Intent{}, CasingOption::followApp}));
  EXPECT_EQ(provider.snapshot(configuration, gallery),
            (Entry{now, configuration, configuration.casing}));
  auto timeline = provider.timeline(configuration, gallery);
  EXPECT_EQ(timeline.policy, ReloadPolicy::atEnd());
  ASSERT_EQ(timeline.entries.size(), 60u);
  EXPECT_EQ(timeline.entries.front(),
            (Entry{at("2025-01-15T09:15:00Z"), configuration, configuration.casing}));
}

TEST(ClockProviders, PlaceholderSnapshotAndTimelineOfEachConfiguration) {
  test::ScopedLocaleAndZone device{"en_GB", "Europe/Berlin"};
  const TimeZoneEntity tokyo{"Asia/Tokyo"};
  expectClockProvider<ClockProvider>({tokyo, CasingOption::graphite});
  expectClockProvider<WorldClockProvider>({tokyo, std::nullopt, tokyo, CasingOption::cream});
  expectClockProvider<DualClockProvider>({std::nullopt, tokyo, CasingOption::graphite});
}

} // namespace
} // namespace zavel
