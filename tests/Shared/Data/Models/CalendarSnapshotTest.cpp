#include "Shared/Data/Models/CalendarSnapshot.h"

#include "kit/foundation/Iso8601.h"
#include "support/RecordForm.h"

#include <gtest/gtest.h>

using namespace kit::foundation;
using zavel::CalendarSnapshot;

TEST(CalendarSnapshot, JsonFormAsTheHostWritesIt) {
  zavel::test::expectJsonForm<CalendarSnapshot>(
      R"({"events":[{"id":"1","start":"09:30","title":"Standup","detail":"Done",
                     "isPast":true,"isNext":false},
                    {"id":"2","start":"14:00","end":"14:45","title":"Review",
                     "isPast":false,"isNext":true}],
          "dayProgress":0.68})",
      {{{"1", "09:30", std::nullopt, "Standup", "Done", true, false},
        {"2", "14:00", "14:45", "Review", std::nullopt, false, true}},
       0.68},
      {});
}

TEST(CalendarSnapshot, OneEventWithoutTitleMakesTheWholeSnapshotUnreadable) {
  EXPECT_FALSE(decodeJsonData<CalendarSnapshot>(
      R"({"events":[{"id":"1","start":"09:30","title":"Standup","isPast":true,"isNext":false},
                    {"id":"2","start":"14:00","isPast":false,"isNext":true}],
          "dayProgress":0.5})"));
  EXPECT_FALSE(decodeJsonData<CalendarSnapshot>(R"({"events":[],"dayProgress":"0.5"})"));
}

TEST(CalendarSnapshot, DayProgressRunsFromSevenToTwentyThree) {
  auto calendar = Calendar::gregorian(*TimeZone::named("Europe/Berlin"));
  struct Case {
    const char *now;
    double progress;
  } cases[] = {
      {"2024-06-10T00:00:00+02:00", 0},
      {"2024-06-10T06:59:00+02:00", 0},
      {"2024-06-10T07:00:00+02:00", 0},
      {"2024-06-10T11:00:00+02:00", 0.25},
      {"2024-06-10T15:00:00+02:00", 0.5},
      {"2024-06-10T23:00:00+02:00", 1},
      {"2024-06-10T23:59:59+02:00", 1},
      // Hours after the day's start, not wall times, on the day the clocks go forward.
      {"2024-03-31T08:00:00+02:00", 0},
      {"2024-03-31T16:00:00+02:00", 0.5},
  };
  for (const auto &c : cases)
    EXPECT_DOUBLE_EQ(CalendarSnapshot::dayProgressAt(*dateFromIso8601(c.now), calendar), c.progress)
        << c.now;
}
