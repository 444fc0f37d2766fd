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
