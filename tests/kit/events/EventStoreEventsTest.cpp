#include "CalendarFixture.h"

#include "kit/foundation/Iso8601.h"

#include <gtest/gtest.h>

using namespace events_test;
using kit::events::Event;

namespace {

// One local day in Oslo, in winter time (UTC+1).
std::vector<Event> eventsOnMarch(const CalendarHome &home, int day) {
  return home.store().events(utc(2024, 3, day - 1, 23), utc(2024, 3, day, 23));
}

std::string timedEvent(const std::string &uid, const std::string &start, const std::string &end,
                       const std::string &extra = "") {
  return "BEGIN:VEVENT\nUID:" + uid + "\nDTSTART;TZID=Europe/Oslo:" + start +
         "\nDTEND;TZID=Europe/Oslo:" + end + "\n" + extra + "\nEND:VEVENT\n";
}

} // namespace

TEST(EventStoreEvents, AnEventBelongsToEveryDayItOverlaps) {
  CalendarHome home;
  home.add("c", "across.ics", timedEvent("across", "20240312T230000", "20240313T010000"));
  home.add("c", "before.ics", timedEvent("before", "20240311T230000", "20240312T000000"));
  home.add("c", "instant.ics", timedEvent("instant", "20240312T000000", "20240312T000000"));
  using Ids = std::vector<std::string>;
  EXPECT_EQ(idsOf(eventsOnMarch(home, 12)), (Ids{"c/instant", "c/across"}));
  EXPECT_EQ(idsOf(eventsOnMarch(home, 13)), Ids{"c/across"});
}

// The series crosses the change to summer time, keeping to 10:00 on the wall clock.
TEST(EventStoreEvents, WeeklySeriesWithAnExceptionAMovedAndACancelledOccurrence) {
  CalendarHome home;
  home.add("team", "review.ics",
           "BEGIN:VEVENT\nUID:review\nSUMMARY:Review\n"
           "DTSTART;TZID=Europe/Oslo:20240304T100000\nDTEND;TZID=Europe/Oslo:20240304T110000\n"
           "RRULE:FREQ=WEEKLY;BYDAY=MO\nEXDATE;TZID=Europe/Oslo:20240311T100000\nEND:VEVENT\n"
           "BEGIN:VEVENT\nUID:review\nSUMMARY:Review (moved)\n"
           "RECURRENCE-ID;TZID=Europe/Oslo:20240318T100000\n"
           "DTSTART;TZID=Europe/Oslo:20240319T140000\nDTEND;TZID=Europe/Oslo:20240319T143000\n"
           "END:VEVENT\nBEGIN:VEVENT\nUID:review\nSTATUS:CANCELLED\n"
           "RECURRENCE-ID;TZID=Europe/Oslo:20240325T100000\n"
           "DTSTART;TZID=Europe/Oslo:20240325T100000\nEND:VEVENT");
  auto events = home.store().events(utc(2024, 3, 3, 23), utc(2024, 4, 2, 23));
  ASSERT_EQ(idsOf(events), (std::vector<std::string>{"team/review#20240304T090000Z",
                                                     "team/review#20240318T090000Z",
                                                     "team/review#20240401T080000Z"}));
  EXPECT_EQ(events[1].title, "Review (moved)");
  // The moved occurrence is on the day it moved to, and gone from its own.
  EXPECT_TRUE(eventsOnMarch(home, 18).empty());
  EXPECT_EQ(idsOf(eventsOnMarch(home, 19)),
            std::vector<std::string>{"team/review#20240318T090000Z"});
}

TEST(EventStoreEvents, StartsAndEndsInEveryForm) {
  CalendarHome home;
  auto add = [&](const std::string &uid, const std::string &lines, const std::string &zone = "") {
    home.add("c", uid + ".ics", zone + "BEGIN:VEVENT\nUID:" + uid + "\n" + lines + "\nEND:VEVENT");
  };
  // Floating, or in a zone nobody knows: the store's zone. No end and no duration: no length.
  add("floating", "DTSTART:20240312T120000");
  add("mars", "DTSTART;TZID=Mars/Olympus:20240312T120000");
  add("newyork", "DTSTART;TZID=America/New_York:20240312T080000");
  add("custom", "DTSTART;TZID=Custom Five:20240312T120000",
      "BEGIN:VTIMEZONE\nTZID:Custom Five\nBEGIN:STANDARD\nDTSTART:19700101T000000\n"
      "TZOFFSETFROM:+0500\nTZOFFSETTO:+0500\nEND:STANDARD\nEND:VTIMEZONE\n");
  add("quarters", "DTSTART;TZID=Europe/Oslo:20240312T100000\nDURATION:PT45M");
  add("day", "DTSTART;VALUE=DATE:20240312");
  std::string summary;
  for (const auto &event : eventsOnMarch(home, 12))
    summary += event.id + " " + kit::foundation::iso8601String(event.start) + " " +
               std::to_string(int(event.end.timeIntervalSince(event.start))) +
               (event.isAllDay ? " all day\n" : "\n");
  EXPECT_EQ(summary, "c/day 2024-03-11T23:00:00Z 86400 all day\n"
                     "c/custom 2024-03-12T07:00:00Z 0\n"
                     "c/quarters 2024-03-12T09:00:00Z 2700\n"
                     "c/floating 2024-03-12T11:00:00Z 0\n"
                     "c/mars 2024-03-12T11:00:00Z 0\n"
                     "c/newyork 2024-03-12T12:00:00Z 0\n");
}

TEST(EventStoreEvents, LongRunningSeriesReachTodayUnlessTheirCountEndsThem) {
  for (auto [rule, onTheDay] :
       {std::pair{"RRULE:FREQ=DAILY", 1u}, {"RRULE:FREQ=DAILY;COUNT=100", 0u}}) {
    CalendarHome home;
    home.add("c", "old.ics", timedEvent("old", "20000104T100000", "20000104T101000", rule));
    EXPECT_EQ(eventsOnMarch(home, 12).size(), onTheDay) << rule;
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
  home.add("c", "notes.txt", timedEvent("txt", "20240312T090000", "20240312T100000"));
  home.add("c", ".hidden.ics", timedEvent("hidden", "20240312T090000", "20240312T100000"));
  home.addRaw("c", "nul.ics",
              std::string("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:nul\r\n") + '\0' +
                  "DTSTART:20240312T090000Z\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
  std::filesystem::create_directories(home.folder() / "c" / "folder.ics");
  home.addRaw(".", "stray.ics", calendarText(good));
  EXPECT_EQ(idsOf(eventsOnMarch(home, 12)), (std::vector<std::string>{"c/good", "c/other"}));
  EXPECT_TRUE(home.store().incompleteReminders({}, EventStore::Undated::included).empty());
}

TEST(EventStoreEvents, ByStartThenIdEachIdOnceAndTextValidOrAbsent) {
  CalendarHome home;
  home.add(
      "b", "x.ics",
      timedEvent("x", "20240312T090000", "20240312T100000", "SUMMARY:Caf\xE9 \xFF\nLOCATION:Hall"));
  home.add("b", "off.ics",
           timedEvent("off", "20240312T090000", "20240312T100000", "STATUS:CANCELLED"));
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
  EXPECT_EQ(events[2].title, "Caf\xEF\xBF\xBD \xEF\xBF\xBD");
  EXPECT_EQ(events[2].location, "Hall");
  EXPECT_EQ(events[1].title, std::nullopt);
}
