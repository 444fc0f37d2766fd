#include "Shared/Data/UsageLog.h"

#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/Iso8601.h"
#include "support/Pluck.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <fmt/format.h>
#include <gtest/gtest.h>
#include <limits>

using namespace kit::foundation;
using zavel::UsageSnapshot;
using zavel::test::ScopedLocaleAndZone;
using zavel::test::TempHome;
namespace UsageLog = zavel::UsageLog;

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
// Wednesday, New Year's Day: the week runs back over the turn of the year.
const Date kNewYear = *dateFromIso8601("2025-01-01T10:00:00+01:00");

void storeLog(const std::string &days) {
  ASSERT_TRUE(zavel::SharedSuite::writeData(UsageLog::key, R"({"days":)" + days + "}"));
}

std::optional<UsageSnapshot> snapshotAt(Date now) {
  return UsageLog::snapshot(180, Clock::fixed(now));
}

// "name:minutes" of each app, "*" after the flagged one; then each day's minutes, oldest first,
// "*" after the peak and "!" after today.
std::string text(const UsageSnapshot &usage) {
  std::vector<std::string> apps, week;
  for (const auto &app : usage.apps)
    apps.push_back(fmt::format("{}:{}{}", app.name, app.minutes, app.isFlagged ? "*" : ""));
  for (const auto &day : usage.week)
    week.push_back(
        fmt::format("{}{}{}", day.minutes, day.isPeak ? "*" : "", day.isToday ? "!" : ""));
  return zavel::test::joined(apps) + " | " + zavel::test::joined(week);
}

} // namespace

TEST(UsageLog, MinutesPeaksAndWhenThereIsNothingToShow) {
  struct Case {
    const char *days;
    std::optional<int64_t> total; // none: no snapshot
    const char *apps, *week;
  } cases[] = {
      // The top three apps, the last flagged, and a week over the turn of the year with a day
      // (the 28th) missing.
      {R"({"2024-12-25":{"M":60000},"2024-12-26":{"M":600,"N":30},"2024-12-27":{"M":1200.9},
          "2024-12-29":{"M":7200},"2024-12-30":{"M":3000},"2024-12-31":{"M":120},
          "2025-01-01":{"A":3600,"B":1800,"C":900,"D":60},"2025-01-02":{"M":99999}})",
       106, "A:60 B:30 C:15*", "10 20 0 120* 50 2 106!"},
      {R"({"2025-01-01":{"A":59}})", {}, "", ""},
      {R"({"2025-01-01":{"A":59},"2024-12-31":{"B":60}})", 0, "A:0", "0 0 0 0 0 1* 0!"},
      // Minutes of the summed seconds.
      {R"({"2025-01-01":{"B":90,"A":90}})", 3, "A:1 B:1", "0 0 0 0 0 0 3*!"},
      // The older of two equal days is the peak.
      {R"({"2024-12-27":{"A":600},"2024-12-30":{"B":600},"2025-01-01":{"C":60}})", 1, "C:1",
       "0 10* 0 0 10 0 1!"},
      // Negative seconds lower the sums and are never the peak.
      {R"({"2025-01-01":{"A":600,"B":-300},"2024-12-30":{"A":-6000}})", 5, "A:10 B:-5",
       "0 0 0 0 -100 0 5*!"},
      // Figures beyond the integer range stop at its end.
      {R"({"2025-01-01":{"A":1e300,"B":1.7e308,"C":1.7e308,"D":5},"2024-12-31":{"A":-1e300}})",
       kMax, "B:9223372036854775807 C:9223372036854775807 A:9223372036854775807*",
       "0 0 0 0 0 -9223372036854775808 9223372036854775807*!"},
  };
  ScopedLocaleAndZone locale("en_GB", "Europe/Berlin");
  for (const auto &c : cases) {
    TempHome home;
    storeLog(c.days);
    auto usage = snapshotAt(kNewYear);
    ASSERT_EQ(usage.has_value(), c.total.has_value()) << c.days;
    if (usage) {
      EXPECT_EQ(std::tuple(usage->totalMinutes, usage->budgetMinutes, text(*usage)),
                std::tuple(*c.total, 180, std::string(c.apps) + " | " + c.week))
          << c.days;
    }
  }
}

TEST(UsageLog, MissingOrUnreadableLogShowsNothing) {
  ScopedLocaleAndZone locale("en_GB", "Europe/Berlin");
  const char *readable = R"({"days":{"2025-01-01":{"A":3600}}})";
  std::optional<DefaultsValue> cases[] = {Data{readable}, // the control: this one shows an hour
                                          std::nullopt, Data{R"({"days":{"2025-01-01":{"A":3600})"},
                                          std::string(readable)};
  for (const auto &stored : cases) {
    TempHome home;
    EXPECT_TRUE(!stored || zavel::SharedSuite::open().set(UsageLog::key, *stored));
    EXPECT_EQ(snapshotAt(kNewYear).has_value(), &stored == &cases[0]);
  }
}

TEST(UsageLog, DaysAreKeyedInTheCurrentLocaleCalendarAndZone) {
  struct Case {
    const char *locale, *zone, *now, *todayKey, *yesterdayKey, *todayLabel;
  } cases[] = {
      // Late on New Year's Eve in London is already New Year's Day in Berlin.
      {"en_GB", "Europe/London", "2024-12-31T23:30:00Z", "2024-12-31", "2024-12-30", "Tue"},
      {"en_GB", "Europe/Berlin", "2024-12-31T23:30:00Z", "2025-01-01", "2024-12-31", "Wed"},
      // The Thai Buddhist calendar counts years from 543 BCE.
      {"th_TH", "Asia/Bangkok", "2025-01-01T09:00:00Z", "2568-01-01", "2567-12-31", "พ."},
      // Calendar days, not 24 hours: the night after the clocks went forward.
      {"en_GB", "Europe/Berlin", "2024-03-31T22:30:00Z", "2024-04-01", "2024-03-31", "Mon"},
  };
  for (const auto &c : cases) {
    TempHome home;
    ScopedLocaleAndZone locale(c.locale, c.zone);
    storeLog(std::string("{\"") + c.todayKey + R"(":{"A":120},")" + c.yesterdayKey +
             R"(":{"A":600}})");
    auto usage = snapshotAt(*dateFromIso8601(c.now));
    ASSERT_TRUE(usage) << c.now;
    EXPECT_EQ(std::tuple(text(*usage), usage->week.back().label),
              std::tuple("A:2 | 0 0 0 0 0 10* 2!", c.todayLabel))
        << c.locale << " " << c.zone << " " << c.now;
  }
}
