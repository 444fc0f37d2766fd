#include "CalendarFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using events_test::CalendarHome;
using events_test::utc;
using kit::events::Date;
using kit::events::Event;

namespace {

// One local day in Oslo, in winter time (UTC+1).
std::vector<Event> eventsOnMarch(const CalendarHome &home, int day) {
  return home.store().events(utc(2024, 3, day - 1, 23), utc(2024, 3, day, 23));
}

std::vector<std::string> idsOf(const std::vector<Event> &events) {
  std::vector<std::string> ids;
  for (const auto &event : events)
    ids.push_back(event.id);
  return ids;
}

std::string timedEvent(const std::string &uid, const std::string &start, const std::string &end,
                       const std::string &extra = "") {
  return "BEGIN:VEVENT\nUID:" + uid + "\nDTSTART;TZID=Europe/Oslo:" + start +
         "\nDTEND;TZID=Europe/Oslo:" + end + "\n" + extra + "\nEND:VEVENT\n";
}

} // namespace

TEST(EventStoreEvents, AnEventBelongsToEveryDayItOverlaps) {
  struct Case {
    const char *start, *end;
    std::vector<int> days; // of March 11 to 14
  } cases[] = {
      {"20240312T230000", "20240313T010000", {12, 13}}, // across midnight
      {"20240311T230000", "20240312T000000", {11}},     // ends where the 12th begins
      {"20240312T000000", "20240312T000000", {12}},     // zero length at the first moment
      {"20240313T000000", "20240313T000000", {13}},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    home.add("c", "e.ics", timedEvent("e", c.start, c.end));
    for (int day = 11; day <= 14; ++day)
      EXPECT_EQ(eventsOnMarch(home, day).size(), std::count(c.days.begin(), c.days.end(), day))
          << c.start << " on the " << day << "th";
  }
}

TEST(EventStoreEvents, WeeklySeriesWithAnExceptionAndAMovedOccurrence) {
  CalendarHome home;
  home.add("team", "review.ics",
           "BEGIN:VEVENT\nUID:review\nSUMMARY:Review\n"
           "DTSTART;TZID=Europe/Oslo:20240304T100000\nDTEND;TZID=Europe/Oslo:20240304T110000\n"
           "RRULE:FREQ=WEEKLY;BYDAY=MO\nEXDATE;TZID=Europe/Oslo:20240311T100000\nEND:VEVENT\n"
           "BEGIN:VEVENT\nUID:review\nSUMMARY:Review (moved)\n"
           "RECURRENCE-ID;TZID=Europe/Oslo:20240318T100000\n"
           "DTSTART;TZID=Europe/Oslo:20240319T140000\nDTEND;TZID=Europe/Oslo:20240319T143000\n"
           "END:VEVENT");
  auto store = home.store();
  auto events = store.events(utc(2024, 3, 3, 23), utc(2024, 3, 26, 23));
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(idsOf(events), (std::vector<std::string>{"team/review#20240304T090000Z",
                                                     "team/review#20240318T090000Z",
                                                     "team/review#20240325T090000Z"}));
  EXPECT_EQ(events[1].title, "Review (moved)");
  EXPECT_EQ(events[1].start, utc(2024, 3, 19, 13));
  EXPECT_EQ(events[1].end, utc(2024, 3, 19, 13, 30));
  // The moved occurrence is on the day it moved to, and gone from its own.
  EXPECT_TRUE(eventsOnMarch(home, 18).empty());
  EXPECT_EQ(idsOf(eventsOnMarch(home, 19)),
            std::vector<std::string>{"team/review#20240318T090000Z"});
  // Ids stay the same from read to read.
  EXPECT_EQ(idsOf(store.events(utc(2024, 3, 3, 23), utc(2024, 3, 26, 23))), idsOf(events));
}

TEST(EventStoreEvents, CancelledEventsAndOccurrencesAreLeftOut) {
  CalendarHome home;
  home.add("c", "off.ics",
           timedEvent("off", "20240312T090000", "20240312T100000", "STATUS:CANCELLED"));
  home.add("c", "daily.ics",
           timedEvent("daily", "20240311T120000", "20240311T123000", "RRULE:FREQ=DAILY;COUNT=3") +
               "BEGIN:VEVENT\nUID:daily\nRECURRENCE-ID;TZID=Europe/Oslo:20240312T120000\n"
               "DTSTART;TZID=Europe/Oslo:20240312T120000\nDTEND;TZID=Europe/Oslo:20240312T123000\n"
               "STATUS:CANCELLED\nEND:VEVENT");
  home.add("c", "kept.ics",
           timedEvent("kept", "20240312T080000", "20240312T083000", "STATUS:CONFIRMED"));
  EXPECT_EQ(idsOf(eventsOnMarch(home, 12)), std::vector<std::string>{"c/kept"});
  EXPECT_EQ(idsOf(eventsOnMarch(home, 13)), std::vector<std::string>{"c/daily#20240313T110000Z"});
}

TEST(EventStoreEvents, StartsAndEndsInEveryForm) {
  struct Case {
    const char *lines;
    Date start, end;
  } cases[] = {
      // Floating, or in a zone nobody knows: the store's zone. No end and no duration: no length.
      {"DTSTART:20240312T120000", utc(2024, 3, 12, 11), utc(2024, 3, 12, 11)},
      {"DTSTART;TZID=Mars/Olympus:20240312T120000", utc(2024, 3, 12, 11), utc(2024, 3, 12, 11)},
      {"DTSTART:20240312T120000Z", utc(2024, 3, 12, 12), utc(2024, 3, 12, 12)},
      {"DTSTART;TZID=America/New_York:20240312T080000", utc(2024, 3, 12, 12), utc(2024, 3, 12, 12)},
      {"DTSTART;TZID=Custom Five:20240312T120000", utc(2024, 3, 12, 7), utc(2024, 3, 12, 7)},
      {"DTSTART;TZID=Europe/Oslo:20240312T100000\nDURATION:PT45M", utc(2024, 3, 12, 9),
       utc(2024, 3, 12, 9, 45)},
      {"DTSTART;VALUE=DATE:20240312", utc(2024, 3, 11, 23), utc(2024, 3, 12, 23)}, // one day
      {"DTSTART;VALUE=DATE:20240311\nDURATION:P2D", utc(2024, 3, 10, 23), utc(2024, 3, 12, 23)},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    home.add("c", "e.ics",
             std::string("BEGIN:VTIMEZONE\nTZID:Custom Five\nBEGIN:STANDARD\n"
                         "DTSTART:19700101T000000\nTZOFFSETFROM:+0500\nTZOFFSETTO:+0500\n"
                         "END:STANDARD\nEND:VTIMEZONE\nBEGIN:VEVENT\nUID:e\n") +
                 c.lines + "\nEND:VEVENT");
    auto events = eventsOnMarch(home, 12);
    ASSERT_EQ(events.size(), 1u) << c.lines;
    EXPECT_EQ(events[0].start, c.start) << c.lines;
    EXPECT_EQ(events[0].end, c.end) << c.lines;
    EXPECT_EQ(events[0].isAllDay, std::string(c.lines).find("VALUE=DATE") != std::string::npos);
  }
}

TEST(EventStoreEvents, SeriesFollowTheWallClockAcrossTheSummerTimeChange) {
  CalendarHome home;
  home.add("c", "d.ics",
           timedEvent("d", "20240329T090000", "20240329T091500", "RRULE:FREQ=DAILY;COUNT=5"));
  auto events = home.store().events(utc(2024, 3, 28), utc(2024, 4, 5));
  std::vector<Date> starts;
  for (const auto &event : events)
    starts.push_back(event.start);
  EXPECT_EQ(starts,
            (std::vector<Date>{utc(2024, 3, 29, 8), utc(2024, 3, 30, 8), utc(2024, 3, 31, 7),
                               utc(2024, 4, 1, 7), utc(2024, 4, 2, 7)}));
}

TEST(EventStoreEvents, LongRunningSeriesReachToday) {
  struct Case {
    const char *rule;
    bool onTheDay;
  } cases[] = {
      {"RRULE:FREQ=DAILY", true},
      {"RRULE:FREQ=DAILY;COUNT=100", false},
      {"RRULE:FREQ=WEEKLY;BYDAY=TU;UNTIL=20300101T000000Z", true},
      {"RRULE:FREQ=WEEKLY;BYDAY=WE", false},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    home.add("c", "old.ics", timedEvent("old", "20000104T100000", "20000104T101000", c.rule));
    auto events = eventsOnMarch(home, 12);
    ASSERT_EQ(events.size(), c.onTheDay ? 1u : 0u) << c.rule;
    if (c.onTheDay) {
      EXPECT_EQ(events[0].start, utc(2024, 3, 12, 9)) << c.rule;
    }
  }
}

TEST(EventStoreEvents, UnreadableFilesAreSkippedAndTheRestRead) {
  CalendarHome home;
  std::string good = timedEvent("good", "20240312T090000", "20240312T100000");
  home.add("c", "good.ics", good);
  home.add("c", "other.ICS", timedEvent("other", "20240312T110000", "20240312T120000"));
  home.addRaw("c", "garbage.ics", "this is not a calendar\n");
  home.add("c", "nostart.ics",
           "BEGIN:VEVENT\nUID:nostart\nSUMMARY:No start\nEND:VEVENT\n"
           "BEGIN:VTODO\nUID:todo-beside\nEND:VTODO");
  home.add("c", "badstart.ics", "BEGIN:VEVENT\nUID:badstart\nDTSTART:tomorrow\nEND:VEVENT");
  home.add("c", "empty.ics", "");
  home.add("c", "notes.txt", timedEvent("txt", "20240312T090000", "20240312T100000"));
  home.add("c", ".hidden.ics", timedEvent("hidden", "20240312T090000", "20240312T100000"));
  home.addRaw("c", "nul.ics",
              std::string("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:nul\r\n") + '\0' +
                  "DTSTART:20240312T090000Z\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
  std::filesystem::create_directories(home.folder() / "c" / "folder.ics");
  home.addRaw(".", "stray.ics", events_test::calendarText(good));
  EXPECT_EQ(idsOf(eventsOnMarch(home, 12)), (std::vector<std::string>{"c/good", "c/other"}));
  EXPECT_TRUE(
      home.store().incompleteReminders({}, kit::events::EventStore::Undated::included).empty());
}

TEST(EventStoreEvents, TextIsValidUtf8AndAbsentTextStaysAbsent) {
  CalendarHome home;
  home.add(
      "c", "a.ics",
      timedEvent("a", "20240312T090000", "20240312T100000", "SUMMARY:Caf\xE9 \xFF\nLOCATION:Hall"));
  home.add("c", "b.ics", timedEvent("b", "20240312T090000", "20240312T100000"));
  auto events = eventsOnMarch(home, 12);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].title, "Caf\xEF\xBF\xBD \xEF\xBF\xBD");
  EXPECT_EQ(events[0].location, "Hall");
  EXPECT_EQ(events[1], (Event{.id = "c/b",
                              .calendar = "c",
                              .title = std::nullopt,
                              .location = std::nullopt,
                              .start = utc(2024, 3, 12, 8),
                              .end = utc(2024, 3, 12, 9),
                              .isAllDay = false}));
}

TEST(EventStoreEvents, ByStartThenIdAndEachIdOnce) {
  CalendarHome home;
  home.add("b", "x.ics", timedEvent("x", "20240312T090000", "20240312T100000"));
  home.add("a", "y.ics", timedEvent("y", "20240312T090000", "20240312T093000"));
  home.add("a", "z.ics", timedEvent("z", "20240312T080000", "20240312T100000"));
  // The same event twice in one calendar: the first file's copy stays. Without a UID the file
  // name stands in.
  home.add("c", "1.ics", timedEvent("same", "20240312T110000", "20240312T120000", "SUMMARY:One"));
  home.add("c", "2.ics", timedEvent("same", "20240312T110000", "20240312T120000", "SUMMARY:Two"));
  home.add("c", "3.ics", "BEGIN:VEVENT\nDTSTART;TZID=Europe/Oslo:20240312T130000\nEND:VEVENT");
  auto events = eventsOnMarch(home, 12);
  EXPECT_EQ(idsOf(events), (std::vector<std::string>{"a/z", "a/y", "b/x", "c/same", "c/3.ics"}));
  EXPECT_EQ(events[3].title, "One");
}
