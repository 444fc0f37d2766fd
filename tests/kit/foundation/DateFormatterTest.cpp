#include "kit/foundation/DateFormatter.h"

#include "kit/foundation/Iso8601.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace kit::foundation;

namespace {

Date at(const char *iso) { return *dateFromIso8601(iso); }

TimeZone zone(const char *name) { return *TimeZone::named(name); }

} // namespace

TEST(DateFormatter, FormatsByPatternLocaleCalendarAndZone) {
  Date moment = at("2024-03-30T23:30:00Z"); // already Sunday in Berlin
  EXPECT_EQ(DateFormatter("EEEE d MMMM", Locale("de_DE"), zone("Europe/Berlin")).string(moment),
            "Sonntag 31 März");
  // The locale's own calendar, unless one is given.
  EXPECT_EQ(DateFormatter("yyyy-MM-dd", Locale("th_TH"), TimeZone::utc()).string(moment),
            "2567-03-30");
  EXPECT_EQ(DateFormatter("yyyy-MM-dd", Locale("th_TH"), Calendar::gregorian(TimeZone::utc()))
                .string(moment),
            "2024-03-30");
}

TEST(DateFormatter, ParsesOnlyTheWholeTextOfRealTimes) {
  auto parsed = [](const char *pattern, const char *zoneName, const char *text) {
    auto date = DateFormatter(pattern, Locale::posix(), zone(zoneName)).date(text);
    return date ? iso8601String(*date) : "none";
  };
  EXPECT_EQ(parsed("yyyy-MM-dd", "Europe/Berlin", "2024-03-31"), "2024-03-30T23:00:00Z");
  EXPECT_EQ(parsed("yyyy-MM-dd", "Europe/Berlin", "2024-02-30"), "none");
  // Skipped by the clock change; repeated, so the first, in summer time.
  EXPECT_EQ(parsed("yyyy-MM-dd'T'HH:mm", "Europe/Berlin", "2024-03-31T02:30"), "none");
  EXPECT_EQ(parsed("yyyy-MM-dd'T'HH:mm", "Europe/Berlin", "2024-10-27T02:30"),
            "2024-10-27T00:30:00Z");
  // A day without its midnight.
  EXPECT_EQ(parsed("yyyy-MM-dd", "America/Sao_Paulo", "2018-11-04"), "none");
}

TEST(DateFormatter, BestPatternForTheHourSkeleton) {
  EXPECT_EQ(DateFormatter::bestPattern("j", Locale("de_DE")), "HH 'Uhr'");
  EXPECT_EQ(DateFormatter::bestPattern("j", Locale("unreadablelanguage")), std::nullopt);
}

TEST(DateFormatter, OneFormatterServesManyThreads) {
  DateFormatter formatter("yyyy-MM-dd HH:mm:ss", Locale::posix(), TimeZone::utc());
  std::atomic<int> mismatches = 0;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&, t] {
      for (double seconds = t * 1e8; seconds < t * 1e8 + 30000; seconds += 61)
        mismatches += formatter.date(formatter.string(Date{seconds})) == Date{seconds} ? 0 : 1;
    });
  for (auto &thread : threads)
    thread.join();
  EXPECT_EQ(mismatches, 0);
}
