#include "Shared/Data/UsageLog.h"

#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/Iso8601.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

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

std::optional<UsageSnapshot> snapshotAt(Date now, int64_t budget = 180) {
  return UsageLog::snapshot(budget, Clock::fixed(now));
}

std::vector<int64_t> minutesOf(const std::vector<UsageSnapshot::Day> &week) {
  std::vector<int64_t> minutes;
  for (const auto &day : week)
    minutes.push_back(day.minutes);
  return minutes;
}

int peakIndex(const std::vector<UsageSnapshot::Day> &week) {
  for (size_t i = 0; i < week.size(); ++i)
    if (week[i].isPeak)
      return static_cast<int>(i);
  return -1;
}

} // namespace

TEST(UsageLog, TodaysTotalTopAppsAndTheWeekOverTheTurnOfTheYear) {
  TempHome home;
  ScopedLocaleAndZone locale("en_GB", "Europe/Berlin");
  // 2024-12-28 is missing: a day without a log counts as no use.
  storeLog(R"({"2024-12-25":{"Mail":60000},
               "2024-12-26":{"Mail":600,"Notes":30},
               "2024-12-27":{"Mail":1200.9},
               "2024-12-29":{"Mail":7200},
               "2024-12-30":{"Mail":3000},
               "2024-12-31":{"Mail":120},
               "2025-01-01":{"A":3600,"B":1800,"C":900,"D":60},
               "2025-01-02":{"Mail":99999}})");
  auto usage = snapshotAt(kNewYear);
  ASSERT_TRUE(usage);
  EXPECT_EQ(usage->totalMinutes, 106);
  EXPECT_EQ(usage->budgetMinutes, 180);
  EXPECT_EQ(usage->apps,
            (std::vector<UsageSnapshot::App>{{"A", 60, false}, {"B", 30, false}, {"C", 15, true}}));
  EXPECT_EQ(usage->week, (std::vector<UsageSnapshot::Day>{{"Thu", 10, false, false},
                                                          {"Fri", 20, false, false},
                                                          {"Sat", 0, false, false},
                                                          {"Sun", 120, false, true},
                                                          {"Mon", 50, false, false},
                                                          {"Tue", 2, false, false},
                                                          {"Wed", 106, true, false}}));
}

TEST(UsageLog, MinutesPeaksAndWhenThereIsNothingToShow) {
  struct Case {
    const char *name;
    const char *days;
    std::optional<int64_t> total; // none: no snapshot
    std::vector<UsageSnapshot::App> apps;
    std::vector<int64_t> week;
    int peak;
  } cases[] = {
      {"under a minute today and nothing else", R"({"2025-01-01":{"A":59}})", {}, {}, {}, -1},
      {"under a minute today, one minute yesterday",
       R"({"2025-01-01":{"A":59},"2024-12-31":{"B":60}})",
       0,
       {{"A", 0, false}},
       {0, 0, 0, 0, 0, 1, 0},
       5},
      {"minutes of the summed seconds",
       R"({"2025-01-01":{"B":90,"A":90}})",
       3,
       {{"A", 1, false}, {"B", 1, false}},
       {0, 0, 0, 0, 0, 0, 3},
       6},
      {"nothing today, five minutes three days ago",
       R"({"2024-12-29":{"A":300}})",
       0,
       {},
       {0, 0, 0, 5, 0, 0, 0},
       3},
      {"the older of two equal days is the peak",
       R"({"2024-12-27":{"A":600},"2024-12-30":{"B":600},"2025-01-01":{"C":60}})",
       1,
       {{"C", 1, false}},
       {0, 10, 0, 0, 10, 0, 1},
       1},
      {"negative seconds lower the sums and are never the peak",
       R"({"2025-01-01":{"A":600,"B":-300},"2024-12-30":{"A":-6000}})",
       5,
       {{"A", 10, false}, {"B", -5, false}},
       {0, 0, 0, 0, -100, 0, 5},
       6},
      {"only negative use shows nothing", R"({"2025-01-01":{"A":-600}})", {}, {}, {}, -1},
      {"figures beyond the integer range stop at its end",
       R"({"2025-01-01":{"A":1e300,"B":1.7e308,"C":1.7e308,"D":5},"2024-12-31":{"A":-1e300}})",
       kMax,
       {{"B", kMax, false}, {"C", kMax, false}, {"A", kMax, true}},
       {0, 0, 0, 0, 0, std::numeric_limits<int64_t>::min(), kMax},
       6},
  };
  ScopedLocaleAndZone locale("en_GB", "Europe/Berlin");
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    TempHome home;
    storeLog(c.days);
    auto usage = snapshotAt(kNewYear);
    ASSERT_EQ(usage.has_value(), c.total.has_value());
    if (!usage)
      continue;
    EXPECT_EQ(usage->totalMinutes, *c.total);
    EXPECT_EQ(usage->apps, c.apps);
    EXPECT_EQ(minutesOf(usage->week), c.week);
    EXPECT_EQ(peakIndex(usage->week), c.peak);
    EXPECT_TRUE(usage->week.back().isToday);
    EXPECT_EQ(std::count_if(usage->week.begin(), usage->week.end(),
                            [](const auto &day) { return day.isToday; }),
              1);
  }
}

TEST(UsageLog, MissingOrUnreadableLogShowsNothing) {
  ScopedLocaleAndZone locale("en_GB", "Europe/Berlin");
  const char *readable = R"({"days":{"2025-01-01":{"A":3600}}})";
  {
    TempHome home;
    ASSERT_TRUE(zavel::SharedSuite::writeData(UsageLog::key, readable));
    ASSERT_TRUE(snapshotAt(kNewYear)); // the same log, well formed, shows an hour
  }
  struct Case {
    const char *name;
    std::optional<DefaultsValue> stored;
  } cases[] = {
      {"absent", std::nullopt},
      {"no days", Data{R"({"day":{"2025-01-01":{"A":3600}}})"}},
      {"an app's seconds as text", Data{R"({"days":{"2025-01-01":{"A":3600,"B":"60"}}})"}},
      {"a day as a list", Data{R"({"days":{"2025-01-01":[3600]}})"}},
      {"not JSON", Data{R"({"days":{"2025-01-01":{"A":3600})"}},
      {"stored as a string", std::string(readable)},
  };
  for (const auto &c : cases) {
    TempHome home;
    if (c.stored) {
      ASSERT_TRUE(zavel::SharedSuite::open().set(UsageLog::key, *c.stored));
    }
    EXPECT_EQ(snapshotAt(kNewYear), std::nullopt) << c.name;
  }
}

TEST(UsageLog, DaysAreKeyedInTheCurrentLocaleCalendarAndZone) {
  struct Case {
    const char *locale;
    const char *zone;
    const char *now;
    const char *todayKey;
    const char *yesterdayKey;
    const char *todayLabel;
  } cases[] = {
      // Late on New Year's Eve in London is already New Year's Day in Berlin.
      {"en_GB", "Europe/London", "2024-12-31T23:30:00Z", "2024-12-31", "2024-12-30", "Tue"},
      {"en_GB", "Europe/Berlin", "2024-12-31T23:30:00Z", "2025-01-01", "2024-12-31", "Wed"},
      {"de_DE", "Europe/Berlin", "2025-01-01T09:00:00Z", "2025-01-01", "2024-12-31", "Mi."},
      // The Thai Buddhist calendar counts years from 543 BCE.
      {"th_TH", "Asia/Bangkok", "2025-01-01T09:00:00Z", "2568-01-01", "2567-12-31", "พ."},
      // Calendar days, not 24 hours: the night after the clocks went forward.
      {"en_GB", "Europe/Berlin", "2024-03-31T22:30:00Z", "2024-04-01", "2024-03-31", "Mon"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(std::string(c.locale) + " " + c.zone + " " + c.now);
    TempHome home;
    ScopedLocaleAndZone locale(c.locale, c.zone);
    storeLog(std::string("{\"") + c.todayKey + R"(":{"A":120},")" + c.yesterdayKey +
             R"(":{"A":600}})");
    auto usage = snapshotAt(*dateFromIso8601(c.now));
    ASSERT_TRUE(usage);
    EXPECT_EQ(usage->totalMinutes, 2);
    EXPECT_EQ(minutesOf(usage->week), (std::vector<int64_t>{0, 0, 0, 0, 0, 10, 2}));
    EXPECT_EQ(usage->week.back().label, c.todayLabel);
  }
}

TEST(UsageLog, BudgetIsCarriedAsGiven) {
  TempHome home;
  ScopedLocaleAndZone locale("en_GB", "Europe/Berlin");
  storeLog(R"({"2025-01-01":{"A":3600}})");
  for (int64_t budget : {int64_t{0}, int64_t{45}, kMax})
    EXPECT_EQ(snapshotAt(kNewYear, budget)->budgetMinutes, budget);
}
