#include "Widgets/ProductivityWidgets/CountdownProvider.h"
#include "Widgets/ProductivityWidgets/YearProvider.h"
#include "kit/foundation/Calendar.h"
#include "support/ScopedEnvironment.h"

#include "ProductivityWidgetsTesting.h"

#include <gtest/gtest.h>

#include <string>

namespace zavel {
namespace {

using kit::foundation::Calendar;
using kit::foundation::Clock;
using kit::foundation::Date;
using kit::foundation::DateComponents;
using kit::widgets::ReloadPolicy;

Date at(const Calendar &calendar, const DateComponents &c) {
  return calendar.date(c.year, c.month, c.day, c.hour, c.minute);
}

TEST(DayProviders, CountdownAndYearHoldOneEntryReloadedAtTheNextLocalMidnight) {
  struct Case {
    const char *name;
    std::string zone;
    DateComponents now;
    DateComponents reload;
  };
  for (const Case &c : {
           Case{.name = "afternoon",
          .zone = "Europe/Berlin",
          .now = {.year = 2026, .month = 6, .day = 10, .hour = 15},
          .reload = {.year = 2026, .month = 6, .day = 11}},
           Case{.name = "a minute to midnight",
           .zone = "Europe/Berlin",
           .now = {.year = 2026, .month = 6, .day = 10, .hour = 23, .minute = 59},
           .reload = {.year = 2026, .month = 6, .day = 11}},
           // The clocks go from 24:00 to 01:00 that night: the day starts at 01:00.
           Case{.name = "a midnight that is skipped",
           .zone = "America/Santiago",
           .now = {.year = 2026, .month = 9, .day = 5, .hour = 15},
           .reload = {.year = 2026, .month = 9, .day = 6, .hour = 1}},
       }) {
    test::ScopedLocaleAndZone zone{"en_GB", c.zone};
    Calendar calendar = Calendar::current();
    Date now = at(calendar, c.now);
    ReloadPolicy reload = ReloadPolicy::after(at(calendar, c.reload));

    CountdownConfigIntent trip{.name = "Trip", .target = now, .casing = CasingOption::cream};
    auto countdown = CountdownProvider{Clock::fixed(now)}.timeline(trip, test::kOnScreen);
    EXPECT_EQ(countdown.entries,
              (std::vector<CountdownEntry>{{now, {"Trip", now}, CasingOption::cream}}))
        << c.name;
    EXPECT_EQ(countdown.policy, reload) << c.name;

    auto year = YearProvider{Clock::fixed(now)}.timeline({CasingOption::cream}, test::kOnScreen);
    EXPECT_EQ(year.entries, (std::vector<YearEntry>{{now, now, CasingOption::cream}})) << c.name;
    EXPECT_EQ(year.policy, reload) << c.name;
  }
}

TEST(DayProviders, TheCountdownGalleryShowsTheSampleTheYearGalleryToday) {
  test::ScopedLocaleAndZone zone{"en_GB", "Europe/Berlin"};
  const Date now = at(Calendar::current(), {.year = 2026, .month = 6, .day = 10, .hour = 15});
  CountdownProvider countdown{Clock::fixed(now)};
  CountdownConfigIntent unset{.name = "", .target = std::nullopt, .casing = CasingOption::cream};
  EXPECT_EQ(countdown.snapshot(unset, test::kOnScreen),
            (CountdownEntry{now, {"", std::nullopt}, CasingOption::cream}));
  EXPECT_EQ(countdown.snapshot(unset, test::kInGallery),
            (CountdownEntry{now, CountdownData::sample(), CasingOption::cream}));
  EXPECT_EQ(countdown.placeholder(test::kOnScreen),
            (CountdownEntry{now, CountdownData::sample(), CasingOption::followApp}));

  YearProvider year{Clock::fixed(now)};
  EXPECT_EQ(year.snapshot({CasingOption::cream}, test::kInGallery),
            (YearEntry{now, now, CasingOption::cream}));
  EXPECT_EQ(year.placeholder(test::kOnScreen), (YearEntry{now, now, CasingOption::followApp}));
}

TEST(DayProviders, TheCountdownSampleIsALaunchTwelveLocalDaysAway) {
  struct Case {
    const char *name;
    std::string zone;
    DateComponents now;
    DateComponents target;
  };
  for (const Case &c : {
           Case{.name = "afternoon",
          .zone = "Europe/Berlin",
          .now = {.year = 2026, .month = 6, .day = 10, .hour = 15},
          .target = {.year = 2026, .month = 6, .day = 22, .hour = 15}},
           // The clocks go forward on 29 March: still twelve days, at the same time of day.
           Case{.name = "over a clock change",
           .zone = "Europe/Berlin",
           .now = {.year = 2026, .month = 3, .day = 20, .hour = 23, .minute = 30},
           .target = {.year = 2026, .month = 4, .day = 1, .hour = 23, .minute = 30}},
           Case{.name = "over the year's end",
           .zone = "Pacific/Auckland",
           .now = {.year = 2026, .month = 12, .day = 25, .hour = 8},
           .target = {.year = 2027, .month = 1, .day = 6, .hour = 8}},
       }) {
    test::ScopedLocaleAndZone zone{"en_GB", c.zone};
    Calendar calendar = Calendar::current();
    CountdownData sample = CountdownData::sampleAt(at(calendar, c.now));
    EXPECT_EQ(sample.name, "Launch") << c.name;
    EXPECT_EQ(sample.target, at(calendar, c.target)) << c.name;
    EXPECT_EQ(sample.days(at(calendar, c.now)), 12) << c.name;
  }
}

} // namespace
} // namespace zavel
