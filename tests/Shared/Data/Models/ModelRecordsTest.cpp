#include "Shared/Data/Models/CalendarSnapshot.h"
#include "Shared/Data/Models/EventItem.h"
#include "Shared/Data/Models/PowerSnapshot.h"
#include "Shared/Data/Models/ReminderItem.h"
#include "Shared/Data/Models/RemindersSnapshot.h"

#include "kit/foundation/Iso8601.h"
#include "support/RecordForm.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kit::foundation;
using namespace zavel;

TEST(AgendaRecords, JsonFormsAsTheHostWritesThem) {
  test::expectJsonForm<CalendarSnapshot>(
      R"({"events":[{"id":"1","start":"09:30","title":"Standup","detail":"Done","isPast":true,
                     "isNext":false}],"dayProgress":0.68})",
      {{{"1", "09:30", std::nullopt, "Standup", "Done", true, false}}, 0.68}, {});
  ReminderItem call{"B2", "Call the studio", "17:00", false, true};
  test::expectJsonForm<RemindersSnapshot>(
      R"({"items":[{"id":"A1","title":"Run","done":true,"isUrgent":false}],
          "nextUp":{"id":"B2","title":"Call the studio","time":"17:00","done":false,
                    "isUrgent":true},"minutesToNext":28})",
      {{{"A1", "Run", std::nullopt, true, false}}, call, 28}, {"nextUp", "minutesToNext"});
}

TEST(PowerUsageRecords, JsonFormsAsTheHostWritesThem) {
  test::expectJsonForm<PowerSnapshot>(
      R"({"percent":68,"isCharging":false,"remaining":"2H 40M",
          "devices":[{"name":"MacBook","percent":68},{"name":"Mouse","percent":12}],
          "log":[{"time":760521600,"message":"Fully charged at 100%","isCurrent":false},
                 {"time":760550000.25,"message":"68% · 2H 40M remaining","isCurrent":true}]})",
      {68,
       false,
       "2H 40M",
       {{"MacBook", 68}, {"Mouse", 12}},
       {{Date{760521600}, "Fully charged at 100%", false},
        {Date{760550000.25}, "68% · 2H 40M remaining", true}}},
      {"remaining"});
}

TEST(CalendarSnapshot, DayProgressRunsFromSevenToTwentyThree) {
  auto calendar = Calendar::gregorian(*TimeZone::named("Europe/Berlin"));
  // The last two: hours after the day's start, not wall times, on the day the clocks go forward.
  std::pair<const char *, double> cases[] = {{"2024-06-10T06:59:00+02:00", 0},
                                             {"2024-06-10T11:00:00+02:00", 0.25},
                                             {"2024-06-10T23:59:59+02:00", 1},
                                             {"2024-03-31T08:00:00+02:00", 0},
                                             {"2024-03-31T16:00:00+02:00", 0.5}};
  for (auto [now, progress] : cases)
    EXPECT_DOUBLE_EQ(CalendarSnapshot::dayProgressAt(*dateFromIso8601(now), calendar), progress)
        << now;
}

TEST(EventItem, DetailIsDoneOrTheLengthAfterTheLocationsFirst24Characters) {
  Date start{760000000};
  struct Case {
    bool ended;
    double seconds;
    const char *location, *expected;
  } cases[] = {
      {true, 2700, "Studio B", "Done"},
      {false, 89.9, "", "1 min"},
      {false, 1e300, "", "9223372036854775807 min"},
      // Characters, not bytes: an accented letter and an emoji are one each.
      {false, 1800,
       "Cafe\xCC\x81 \xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB at the corner of Elm",
       "Cafe\xCC\x81 \xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB at the corner of  · 30 min"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(
        EventItem::detailText(c.ended, start, start.addingTimeInterval(c.seconds), c.location),
        c.expected)
        << c.location << " " << c.seconds;
}

TEST(ReminderItem, UrgentWhenOpenAndDueWithinTwoHoursAndMinutesToItAtLeastOne) {
  Date now{760000000};
  struct Case {
    double dueIn;
    bool done, urgent;
  } cases[] = {
      {7199.5, false, true}, {7200, false, false}, {-3600, false, true}, {600, true, false}};
  for (const auto &c : cases)
    EXPECT_EQ(ReminderItem::isUrgentAt(now.addingTimeInterval(c.dueIn), c.done, now), c.urgent)
        << c.dueIn << (c.done ? " done" : " open");
  std::pair<double, int64_t> minutes[] = {
      {30, 1}, {150, 2}, {1e30, std::numeric_limits<int64_t>::max()}};
  for (auto [dueIn, expected] : minutes)
    EXPECT_EQ(RemindersSnapshot::minutesUntil(now.addingTimeInterval(dueIn), now), expected);
}
