#include "Shared/Data/UsageLog.h"

#include "Shared/Data/DayFormat.h"
#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/Calendar.h"
#include "kit/foundation/DateFormatter.h"
#include "kit/foundation/Saturating.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace zavel::UsageLog {

using kit::foundation::wholeTruncated;

namespace {

using kit::foundation::Date;
using kit::foundation::DateFormatter;
using kit::foundation::Locale;

constexpr int kWeekDays = 7;
constexpr size_t kTopApps = 3;

// App name → seconds in use.
using DayLog = std::map<std::string, double>;

struct Store {
  std::map<std::string, DayLog> days;
  static constexpr auto jsonFields() {
    return std::tuple{kit::foundation::field("days", &Store::days)};
  }
};

const DayLog &dayOf(const Store &log, const DateFormatter &dayFormat, Date date) {
  static const DayLog none;
  auto found = log.days.find(dayFormat.string(date));
  return found == log.days.end() ? none : found->second;
}

// Whole minutes of the summed seconds, so two apps of 90 seconds make 3 minutes.
int64_t minutesOf(const DayLog &day) {
  double seconds = std::accumulate(day.begin(), day.end(), 0.0,
                                   [](double sum, const auto &app) { return sum + app.second; });
  return wholeTruncated(seconds / 60);
}

std::vector<UsageSnapshot::App> topApps(const DayLog &today) {
  std::vector<std::pair<std::string, double>> apps(today.begin(), today.end());
  std::stable_sort(apps.begin(), apps.end(),
                   [](const auto &a, const auto &b) { return a.second > b.second; });
  apps.resize(std::min(apps.size(), kTopApps));
  std::vector<UsageSnapshot::App> top;
  for (size_t rank = 0; rank < apps.size(); ++rank) {
    const auto &[name, seconds] = apps[rank];
    top.push_back({name, wholeTruncated(seconds / 60), rank == kTopApps - 1});
  }
  return top;
}

std::vector<UsageSnapshot::Day> week(const Store &log, const DateFormatter &dayFormat, Date now) {
  auto calendar = kit::foundation::Calendar::current();
  DateFormatter weekday("EEE", Locale::current(), calendar);
  std::vector<UsageSnapshot::Day> days;
  for (int back = kWeekDays - 1; back >= 0; --back) {
    Date date = calendar.addingDays(-back, now);
    days.push_back(
        {weekday.string(date), minutesOf(dayOf(log, dayFormat, date)), back == 0, false});
  }
  auto peak = std::max_element(days.begin(), days.end(),
                               [](const auto &a, const auto &b) { return a.minutes < b.minutes; });
  if (peak != days.end() && peak->minutes > 0)
    peak->isPeak = true;
  return days;
}

} // namespace

std::optional<UsageSnapshot> snapshot(int64_t budgetMinutes, const kit::foundation::Clock &clock,
                                      const std::filesystem::path &home) {
  Store log = SharedSuite::read<Store>(key, home).value_or(Store{});
  auto days = dayFormat();
  Date now = clock.now();
  const DayLog &today = dayOf(log, *days, now);
  UsageSnapshot usage{minutesOf(today), budgetMinutes, topApps(today), week(log, *days, now)};
  bool anyUse =
      usage.totalMinutes >= 1 || std::any_of(usage.week.begin(), usage.week.end(),
                                             [](const auto &day) { return day.minutes >= 1; });
  if (!anyUse)
    return std::nullopt;
  return usage;
}

} // namespace zavel::UsageLog
