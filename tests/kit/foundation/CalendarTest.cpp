#include "kit/foundation/Calendar.h"

#include "kit/foundation/Iso8601.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

using namespace kit::foundation;

namespace {

Date at(const char *iso) { return *dateFromIso8601(iso); }

Calendar gregorianIn(const char *zone) { return Calendar::gregorian(*TimeZone::named(zone)); }

} // namespace

TEST(Calendar, StartOfDayAndDayStepsAcrossDaylightSavingChanges) {
  auto berlin = gregorianIn("Europe/Berlin");
  // The spring change: the day has 23 hours.
  EXPECT_EQ(berlin.startOfDay(at("2024-03-31T10:00:00Z")), at("2024-03-30T23:00:00Z"));
  EXPECT_EQ(berlin.addingDays(1, at("2024-03-30T11:00:00Z")), at("2024-03-31T10:00:00Z"));
  EXPECT_EQ(berlin.addingDays(-1, at("2024-03-31T10:00:00Z")), at("2024-03-30T11:00:00Z"));
  // The autumn change: 25 hours.
  EXPECT_EQ(berlin.addingDays(1, at("2024-10-26T10:00:00Z")), at("2024-10-27T11:00:00Z"));
  // A midnight that does not exist: the day starts at 01:00.
  auto saoPaulo = gregorianIn("America/Sao_Paulo");
  EXPECT_EQ(saoPaulo.startOfDay(at("2018-11-04T15:00:00Z")), at("2018-11-04T03:00:00Z"));
}

TEST(Calendar, WallTimesSkippedGoForwardRepeatedTakeTheFirstAndWeeksStartOnMonday) {
  auto berlin = gregorianIn("Europe/Berlin");
  auto at230 = [&](const char *day) {
    return iso8601String(berlin.dateBySettingTime(2, 30, 0, at(day)));
  };
  EXPECT_EQ(at230("2024-03-31T10:00:00Z"), "2024-03-31T01:00:00Z"); // skipped: 03:00 CEST
  EXPECT_EQ(at230("2024-10-27T10:00:00Z"), "2024-10-27T00:30:00Z"); // repeated: first, in CEST
  auto monday = [&](const char *moment) {
    return iso8601String(berlin.startOfWeekStartingMonday(at(moment)));
  };
  EXPECT_EQ(monday("2024-03-31T10:00:00Z"), "2024-03-24T23:00:00Z"); // a Sunday, DST day
  EXPECT_EQ(monday("2024-03-25T00:30:00Z"), "2024-03-24T23:00:00Z"); // Monday itself
  EXPECT_EQ(monday("2024-03-24T22:59:59Z"), "2024-03-17T23:00:00Z"); // the Sunday before
}

TEST(Calendar, DayFiguresFollowTheZoneAndCrossClockChanges) {
  // The zone decides the day: 23:30 UTC is the next day in Tokyo.
  EXPECT_EQ(gregorianIn("Asia/Tokyo").dayOfYear(at("2024-01-01T23:30:00Z")), 2);
  auto berlin = gregorianIn("Europe/Berlin");
  Date day = at("2024-03-29T12:00:00Z");
  for (int i = 1; i < 5; ++i) // through the spring change
    EXPECT_EQ(berlin.dayOfEra(berlin.addingDays(i, day)), berlin.dayOfEra(day) + i);
}

TEST(Calendar, CurrentCalendarUsesTheProcessLocaleAndZone) {
  zavel::test::ScopedLocaleAndZone fixed("th_TH.UTF-8", "Asia/Bangkok");
  auto current = Calendar::current();
  EXPECT_EQ(current.timeZone().identifier(), "Asia/Bangkok");
  EXPECT_EQ(current.year(at("2024-12-31T18:00:00Z")), 2568); // Buddhist, and already 2025 there
}

TEST(Calendar, StartOfMinuteStaysInTheSameOccurrenceOfTheClockTime) {
  struct Case {
    const char *name, *zone, *moment, *start;
  } cases[] = {
      {.name = "second 01:30 of a US fall-back night",
       .zone = "America/New_York",
       .moment = "2024-11-03T06:30:45Z",
       .start = "2024-11-03T06:30:00Z"},
      {.name = "second 02:30 of a European fall-back night",
       .zone = "Europe/Berlin",
       .moment = "2024-10-27T01:30:59Z",
       .start = "2024-10-27T01:30:00Z"},
      {.name = "offset of a quarter hour",
       .zone = "Asia/Kathmandu",
       .moment = "2024-06-01T00:00:30Z",
       .start = "2024-06-01T00:00:00Z"},
      // Local mean time, +05:41:16: 00:00:10 UTC is 05:41:26 there.
      {.name = "offset with seconds before 1970",
       .zone = "Asia/Kathmandu",
       .moment = "1910-06-01T00:00:10Z",
       .start = "1910-05-31T23:59:44Z"},
      {.name = "negative time, not truncated towards 1970",
       .zone = "UTC",
       .moment = "1969-12-31T23:59:01Z",
       .start = "1969-12-31T23:59:00Z"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(iso8601String(gregorianIn(c.zone).startOfMinute(at(c.moment))), c.start) << c.name;
  auto utc = gregorianIn("UTC");
  EXPECT_EQ(utc.startOfMinute(at("2024-01-01T10:00:00Z").addingTimeInterval(59.75)),
            at("2024-01-01T10:00:00Z"));
}

TEST(Calendar, MonthLengthsAndWholeDaysBetweenLocalDays) {
  struct Case {
    const char *name, *zone, *from, *to;
    int daysInFromMonth, daysBetween;
  } cases[] = {
      {.name = "leap February",
       .zone = "UTC",
       .from = "2024-02-10T12:00:00Z",
       .to = "2024-03-01T00:00:00Z",
       .daysInFromMonth = 29,
       .daysBetween = 20},
      {.name = "common February, later hour to earlier hour",
       .zone = "UTC",
       .from = "2023-02-28T23:59:00Z",
       .to = "2023-03-01T00:01:00Z",
       .daysInFromMonth = 28,
       .daysBetween = 1},
      {.name = "backwards",
       .zone = "UTC",
       .from = "2024-04-30T08:00:00Z",
       .to = "2024-04-01T20:00:00Z",
       .daysInFromMonth = 30,
       .daysBetween = -29},
      {.name = "23-hour day counts as one",
       .zone = "Europe/Berlin",
       .from = "2024-03-30T22:30:00Z", // 23:30 on the 30th
       .to = "2024-03-31T22:30:00Z",   // 00:30 on 1 April
       .daysInFromMonth = 31,
       .daysBetween = 2},
      {.name = "25-hour day counts as one",
       .zone = "America/New_York",
       .from = "2024-11-03T04:00:00Z", // midnight starting the day
       .to = "2024-11-04T04:59:00Z",   // 23:59 the same day
       .daysInFromMonth = 30,
       .daysBetween = 0},
      {.name = "from a day whose midnight is skipped",
       .zone = "America/Sao_Paulo",
       .from = "2018-11-04T15:00:00Z",
       .to = "2018-11-05T02:30:00Z",
       .daysInFromMonth = 30,
       .daysBetween = 1},
      {.name = "the zone decides the day",
       .zone = "Asia/Tokyo",
       .from = "2024-12-31T15:00:00Z", // already 1 January there
       .to = "2025-01-01T12:00:00Z",
       .daysInFromMonth = 31,
       .daysBetween = 0},
  };
  for (const auto &c : cases) {
    auto calendar = gregorianIn(c.zone);
    EXPECT_EQ(calendar.daysInMonth(at(c.from)), c.daysInFromMonth) << c.name;
    EXPECT_EQ(calendar.daysBetween(at(c.from), at(c.to)), c.daysBetween) << c.name;
  }
}
