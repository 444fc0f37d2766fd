#include "CalendarFixture.h"

#include "kit/foundation/Iso8601.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>

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
  // A publisher's prefix before a zone's name: the longest trailing part that names a zone, unless
  // the file defines the id itself.
  add("prefixed", "DTSTART;TZID=/example.org/20070129_1/America/New_York:20240312T080000");
  add("stockholm", "DTSTART;TZID=/Europe/Stockholm:20240312T130000");
  add("ownprefixed", "DTSTART;TZID=/example.org/1/America/New_York:20240312T120000",
      "BEGIN:VTIMEZONE\nTZID:/example.org/1/America/New_York\nBEGIN:STANDARD\n"
      "DTSTART:19700101T000000\nTZOFFSETFROM:+0500\nTZOFFSETTO:+0500\nEND:STANDARD\n"
      "END:VTIMEZONE\n");
  add("day", "DTSTART;VALUE=DATE:20240312");
  // Parameters in quotes, which may hold a colon; names in any case.
  add("quoted", "DTSTART;X-NOTE=\"a:b;c\";TZID=\"America/New_York\":20240312T090000");
  add("lower", "dtstart;tzid=Asia/Kolkata:20240312T183000\nduration:PT1H");
  // Of two zones the first counts; blanks after a component's name are no part of it.
  add("twozones", "DTSTART;TZID=America/New_York;TZID=Asia/Kolkata:20240312T080000");
  home.add("c", "blanks.ics", "BEGIN:VEVENT \t\nUID:blanks\nDTSTART:20240312T100000Z\nEND:VEVENT");
  std::string summary;
  for (const auto &event : eventsOnMarch(home, 12))
    summary += event.id + " " + kit::foundation::iso8601String(event.start) + " " +
               std::to_string(int(event.end.timeIntervalSince(event.start))) +
               (event.isAllDay ? " all day\n" : "\n");
  EXPECT_EQ(summary, "c/day 2024-03-11T23:00:00Z 86400 all day\n"
                     "c/custom 2024-03-12T07:00:00Z 0\n"
                     "c/ownprefixed 2024-03-12T07:00:00Z 0\n"
                     "c/quarters 2024-03-12T09:00:00Z 2700\n"
                     "c/blanks 2024-03-12T10:00:00Z 0\n"
                     "c/floating 2024-03-12T11:00:00Z 0\n"
                     "c/mars 2024-03-12T11:00:00Z 0\n"
                     "c/newyork 2024-03-12T12:00:00Z 0\n"
                     "c/prefixed 2024-03-12T12:00:00Z 0\n"
                     "c/stockholm 2024-03-12T12:00:00Z 0\n"
                     "c/twozones 2024-03-12T12:00:00Z 0\n"
                     "c/lower 2024-03-12T13:00:00Z 3600\n"
                     "c/quoted 2024-03-12T13:00:00Z 0\n");
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
  // An event without a start is skipped alone: the to-do beside it reads.
  EXPECT_EQ(idsOf(home.store().incompleteReminders({}, EventStore::Undated::included)),
            std::vector<std::string>{"c/todo-beside"});
}

// The format has no NUL: a line holding one is lost alone, or with it the item it begins, never
// the file. Another program reads a NUL in a description as part of its text.
TEST(EventStoreEvents, ALineHoldingANulIsLostAloneNeverItsFile) {
  const std::string nul(1, '\0');
  struct Case {
    std::string name;
    std::string lines; // the event's, after its UID
    std::string begin; // its BEGIN line
    std::vector<std::string> shown;
    std::optional<std::string> title;
  };
  const std::string start = "DTSTART:20240312T080000Z\n";
  const std::vector<Case> cases{
      {"in a description",
       start + "SUMMARY:Review\nDESCRIPTION:notes" + nul + "more",
       "BEGIN:VEVENT",
       {"c/review", "c/standup"},
       "Review"},
      {"in the title",
       start + "SUMMARY:Rev" + nul + "iew",
       "BEGIN:VEVENT",
       {"c/review", "c/standup"},
       std::nullopt},
      {"in the start",
       "DTSTART:20240312T08" + nul + "0000Z\nSUMMARY:Review",
       "BEGIN:VEVENT",
       {"c/standup"},
       std::nullopt},
      {"in the line that begins it",
       start + "SUMMARY:Review",
       "BEGIN:VEVENT" + nul,
       {"c/standup"},
       std::nullopt},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    home.add("c", "both.ics",
             c.begin + "\nUID:review\n" + c.lines + "\nEND:VEVENT\n" +
                 timedEvent("standup", "20240312T100000", "20240312T101500"));
    auto events = eventsOnMarch(home, 12);
    EXPECT_EQ(idsOf(events), c.shown) << c.name;
    if (events.size() == 2) {
      EXPECT_EQ(events[0].title, c.title) << c.name;
    }
  }
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

namespace {

// A daily standup at 09:00 in Berlin from 2 March 2026, and one change to it.
const char *kStandup = "BEGIN:VEVENT\nUID:standup-1\nSUMMARY:Standup\n"
                       "DTSTART;TZID=Europe/Berlin:20260302T090000\nDURATION:PT15M\n"
                       "RRULE:FREQ=DAILY\nEND:VEVENT";

std::string standupChange(const std::string &original, const std::string &lines) {
  return "BEGIN:VEVENT\nUID:standup-1\nRECURRENCE-ID;TZID=Europe/Berlin:" + original + "\n" +
         lines + "\nEND:VEVENT";
}

// Each event of 10 March 2026 in Oslo (Berlin's offsets): its calendar, id and start.
std::string agendaOfMarch10(const CalendarHome &home) {
  std::string agenda;
  for (const auto &event : home.store().events(utc(2026, 3, 9, 23), utc(2026, 3, 10, 23)))
    agenda += event.id + " " + kit::foundation::iso8601String(event.start) + "\n";
  return agenda;
}

} // namespace

// Sync tools keep a series and its changes in one file; folders split by hand or exported item
// by item do not, and the name a file happens to have must not change the agenda.
TEST(EventStoreEvents, AChangeJoinsItsSeriesFromAnyFileOfTheCalendar) {
  struct Case {
    const char *name;
    std::string change;
    std::string calendar; // where the change is written
    const char *agenda;
  };
  const Case cases[] = {
      {"moved later that day",
       standupChange("20260310T090000",
                     "DTSTART;TZID=Europe/Berlin:20260310T110000\nDURATION:PT15M"),
       "c", "c/standup-1#20260310T080000Z 2026-03-10T10:00:00Z\n"},
      {"moved away to the next day",
       standupChange("20260310T090000", "DTSTART;TZID=Europe/Berlin:20260311T090000"), "c", ""},
      {"moved in from the next day",
       standupChange("20260311T090000", "DTSTART;TZID=Europe/Berlin:20260310T140000"), "c",
       "c/standup-1#20260310T080000Z 2026-03-10T08:00:00Z\n"
       "c/standup-1#20260311T080000Z 2026-03-10T13:00:00Z\n"},
      {"cancelled",
       standupChange("20260310T090000",
                     "DTSTART;TZID=Europe/Berlin:20260310T090000\nSTATUS:CANCELLED"),
       "c", ""},
      {"another calendar's event of that UID",
       standupChange("20260310T090000", "DTSTART;TZID=Europe/Berlin:20260310T110000"), "other",
       "c/standup-1#20260310T080000Z 2026-03-10T08:00:00Z\n"
       "other/standup-1#20260310T080000Z 2026-03-10T10:00:00Z\n"},
  };
  for (const auto &c : cases)
    for (auto [seriesFile, changeFile] :
         {std::pair{"a-series.ics", "b-moved.ics"}, std::pair{"b-series.ics", "a-moved.ics"}}) {
      CalendarHome home;
      home.add("c", seriesFile, kStandup);
      home.add(c.calendar, changeFile, c.change);
      EXPECT_EQ(agendaOfMarch10(home), c.agenda) << c.name << ", series in " << seriesFile;
    }
}

// RFC 5545 §3.8.5.3: a DURATION's days and weeks are days on the calendar, its hours exact; a
// DTEND gives every occurrence the exact length of the first. Berlin moves its clocks on to
// summer time in the night to 29 March 2026; an RDATE period lasts its own span.
TEST(EventStoreEvents, OccurrencesLastTheirNominalOrExactLength) {
  struct Case {
    const char *name;
    const char *lines;
    Date from;
    Date to;
    const char *spans;
  };
  const Case cases[] = {
      {"a day keeps 09:00 across the change",
       "DTSTART;TZID=Europe/Berlin:20260328T090000\nDURATION:P1D", utc(2026, 3, 28),
       utc(2026, 3, 29), "2026-03-28T08:00:00Z 82800\n"},
      {"a week and two hours", "DTSTART;TZID=Europe/Berlin:20260325T090000\nDURATION:P1WT2H",
       utc(2026, 3, 25), utc(2026, 3, 26), "2026-03-25T08:00:00Z 608400\n"},
      {"24 hours are exact", "DTSTART;TZID=Europe/Berlin:20260328T090000\nDURATION:PT24H",
       utc(2026, 3, 28), utc(2026, 3, 29), "2026-03-28T08:00:00Z 86400\n"},
      {"a series of days, each 09:00 to 09:00",
       "DTSTART;TZID=Europe/Berlin:20260327T090000\nDURATION:P1D\nRRULE:FREQ=DAILY;COUNT=3",
       utc(2026, 3, 28), utc(2026, 3, 29),
       "2026-03-27T08:00:00Z 86400\n2026-03-28T08:00:00Z 82800\n"},
      {"a series with a DTEND keeps the first one's exact length",
       "DTSTART;TZID=Europe/Berlin:20260327T090000\nDTEND;TZID=Europe/Berlin:20260328T090000\n"
       "RRULE:FREQ=DAILY;COUNT=3",
       utc(2026, 3, 28), utc(2026, 3, 29),
       "2026-03-27T08:00:00Z 86400\n2026-03-28T08:00:00Z 86400\n"},
      {"a period given with a duration",
       "DTSTART;TZID=Europe/Berlin:20260302T090000\nDURATION:PT15M\n"
       "RDATE;VALUE=PERIOD:20260310T100000Z/PT2H",
       utc(2026, 3, 9, 23), utc(2026, 3, 10, 23), "2026-03-10T10:00:00Z 7200\n"},
      {"a period given with its end, beside the rule's own",
       "DTSTART;TZID=Europe/Berlin:20260302T090000\nDURATION:PT15M\nRRULE:FREQ=DAILY\n"
       "RDATE;VALUE=PERIOD;TZID=Europe/Berlin:20260310T150000/20260310T153000",
       utc(2026, 3, 9, 23), utc(2026, 3, 10, 23),
       "2026-03-10T08:00:00Z 900\n2026-03-10T14:00:00Z 1800\n"},
      {"a period named in lower case",
       "DTSTART;TZID=Europe/Berlin:20260302T090000\nDURATION:PT15M\n"
       "RDATE;value=period:20260310T100000Z/PT2H",
       utc(2026, 3, 9, 23), utc(2026, 3, 10, 23), "2026-03-10T10:00:00Z 7200\n"},
      // A duration past a signed 64-bit count of seconds, or past 9999, is none: the event lasts
      // no time, as one without a DURATION, and a period without its length is none.
      {"weeks past 64 bits of seconds, on its day",
       "DTSTART:20240101T090000Z\nDURATION:P999999999999999999W", utc(2024, 1, 1), utc(2024, 1, 2),
       "2024-01-01T09:00:00Z 0\n"},
      {"weeks past 64 bits of seconds, a later day",
       "DTSTART:20240101T090000Z\nDURATION:P999999999999999999W", utc(2026, 3, 10),
       utc(2026, 3, 11), ""},
      {"seconds past 64 bits", "DTSTART:20240101T090000Z\nDURATION:PT9223372036854775808S",
       utc(2026, 3, 10), utc(2026, 3, 11), ""},
      {"days ending after 9999", "DTSTART:20240101T090000Z\nDURATION:P3000000D", utc(2026, 3, 10),
       utc(2026, 3, 11), ""},
      {"a period ending after 9999",
       "DTSTART;TZID=Europe/Berlin:20260302T090000\nDURATION:PT15M\n"
       "RDATE;VALUE=PERIOD:20260310T100000Z/P999999999999999999W",
       utc(2026, 3, 9, 23), utc(2026, 3, 10, 23), ""},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    home.add("c", "e.ics", std::string("BEGIN:VEVENT\nUID:e\n") + c.lines + "\nEND:VEVENT");
    std::string spans;
    for (const auto &event : home.store().events(c.from, c.to))
      spans += kit::foundation::iso8601String(event.start) + " " +
               std::to_string(std::lround(event.end.timeIntervalSince(event.start))) + "\n";
    EXPECT_EQ(spans, c.spans) << c.name;
  }
}

// 27 October 2024 in Oslo has 25 hours, 31 March 23: an all-day event lasts to the next
// midnight, whatever the clock did.
TEST(EventStoreEvents, AnAllDayEventIsListedToTheLastHourOfItsDay) {
  struct Case {
    const char *day;
    Date from;
    Date to;
    bool listed;
  };
  const Case cases[] = {
      {"20241027", utc(2024, 10, 27, 22, 30), utc(2024, 10, 27, 23), true},
      {"20241027", utc(2024, 10, 27, 23), utc(2024, 10, 27, 23, 30), false},
      {"20240331", utc(2024, 3, 31, 21, 30), utc(2024, 3, 31, 22), true},
      {"20240331", utc(2024, 3, 31, 22), utc(2024, 3, 31, 22, 30), false},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    home.add("c", "day.ics",
             std::string("BEGIN:VEVENT\nUID:day\nDTSTART;VALUE=DATE:") + c.day + "\nEND:VEVENT");
    EXPECT_EQ(home.store().events(c.from, c.to).size(), c.listed ? 1u : 0u)
        << c.day << " from " << kit::foundation::iso8601String(c.from);
  }
}

// Real files nest three deep; a file nesting deeper than any calendar is refused whole, however
// deep it goes, and the files beside it still read.
TEST(EventStoreEvents, FilesNestingTooDeepAreUnreadableAndTheRestRead) {
  auto nested = [](int depth) {
    std::string lines =
        "BEGIN:VEVENT\nUID:deep" + std::to_string(depth) + "\nDTSTART:20240312T090000Z\n";
    for (int i = 2; i < depth; ++i) // the calendar and the event are two levels
      lines += "BEGIN:X\n";
    for (int i = 2; i < depth; ++i)
      lines += "END:X\n";
    return lines + "END:VEVENT";
  };
  CalendarHome home;
  home.add("c", "16.ics", nested(16));
  home.add("c", "17.ics", nested(17));
  home.add("c", "300000.ics", nested(300000));
  EXPECT_EQ(idsOf(eventsOnMarch(home, 12)), std::vector<std::string>{"c/deep16"});
}

// A zone's rules are read only around the times asked for, so one that changes every hour, minute
// or second since 1601 reads as it says (winter time, UTC+1, at noon) as cheaply as a real one;
// one whose return to winter time never comes again stays on summer time after its first year.
// A zone listing more than 10,000 changes, each date of an RDATE one, whether written as one
// list or line by line, makes its file unreadable.
TEST(EventStoreEvents, ZonesReadTheirRulesWhereAskedAndListingTooManyChangesMakesAFileUnreadable) {
  auto zoned = [](const std::string &uid, const std::string &standard) {
    return "BEGIN:VTIMEZONE\nTZID:Old\nBEGIN:STANDARD\nDTSTART:16011028T030000\n"
           "TZOFFSETFROM:+0200\nTZOFFSETTO:+0100\n" +
           standard +
           "\nEND:STANDARD\nBEGIN:DAYLIGHT\nDTSTART:16010325T020000\nTZOFFSETFROM:+0100\n"
           "TZOFFSETTO:+0200\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\nEND:DAYLIGHT\n"
           "END:VTIMEZONE\nBEGIN:VEVENT\nUID:" +
           uid + "\nDTSTART;TZID=Old:20240312T120000\nEND:VEVENT";
  };
  auto dates = [](int count, const std::string &separator) {
    std::string list = "RDATE:17000101T030000";
    for (int i = 1; i < count; ++i)
      list += separator + fmt::format("{}0101T030000", 1700 + i / 10);
    return list;
  };
  CalendarHome home;
  home.add("c", "real.ics", zoned("real", "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU"));
  home.add("c", "hourly.ics", zoned("hourly", "RRULE:FREQ=HOURLY"));
  home.add("c", "minutely.ics", zoned("minutely", "RRULE:FREQ=MINUTELY;INTERVAL=7"));
  home.add("c", "secondly.ics", zoned("secondly", "RRULE:FREQ=SECONDLY"));
  home.add("c", "everyday.ics", zoned("everyday", "RRULE:FREQ=YEARLY;BYDAY=MO,TU,WE,TH,FR,SA,SU"));
  home.add("c", "never.ics", zoned("never", "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30"));
  // With the two onsets, 10,000 changes are listed, then 10,001.
  home.add("c", "listed.ics", zoned("listed", dates(9998, ",")));
  home.add("c", "onelist.ics", zoned("onelist", dates(9999, ",")));
  home.add("c", "lines.ics", zoned("lines", dates(9999, "\nRDATE:")));
  std::string summary;
  for (const auto &event : eventsOnMarch(home, 12))
    summary += event.id + " " + kit::foundation::iso8601String(event.start) + "\n";
  EXPECT_EQ(summary, "c/never 2024-03-12T10:00:00Z\nc/everyday 2024-03-12T11:00:00Z\n"
                     "c/hourly 2024-03-12T11:00:00Z\nc/listed 2024-03-12T11:00:00Z\n"
                     "c/minutely 2024-03-12T11:00:00Z\nc/real 2024-03-12T11:00:00Z\n"
                     "c/secondly 2024-03-12T11:00:00Z\n");
  home.add("c", "real.ics",
           zoned("real", "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU") +
               "\nBEGIN:VEVENT\nUID:summer\n"
               "DTSTART;TZID=Old:20240712T120000\nEND:VEVENT");
  EXPECT_EQ(idsOf(home.store().events(utc(2024, 7, 12, 10), utc(2024, 7, 12, 10, 1))),
            std::vector<std::string>{"c/summer"});
}

// Events without a UID are each their own, never merged with another nor taken for a change of
// one: three in a file show three times; one without a start is left out alone.
TEST(EventStoreEvents, EventsWithoutAUidAreEachTheirOwn) {
  CalendarHome home;
  home.add("c", "day.ics",
           "BEGIN:VEVENT\nDTSTART:20240312T090000Z\nSUMMARY:One\nEND:VEVENT\n"
           "BEGIN:VEVENT\nDTSTART:20240312T100000Z\nSUMMARY:Two\nEND:VEVENT\n"
           "BEGIN:VEVENT\nSUMMARY:No start\nEND:VEVENT\n"
           "BEGIN:VEVENT\nRECURRENCE-ID:20240312T090000Z\nDTSTART:20240312T110000Z\n"
           "SUMMARY:Three\nEND:VEVENT");
  std::string summary;
  for (const auto &event : eventsOnMarch(home, 12))
    summary += event.id + " " + event.title.value_or("") + "\n";
  EXPECT_EQ(summary, "c/day.ics One\nc/day.ics/2 Two\nc/day.ics/4 Three\n");
}

// A zone defined by the rules Europe/Berlin has kept since 1996, written from 1601 as invitations
// write them, reads every wall time as the system's Europe/Berlin does: around each change of
// the clock (the hour it skips and the hour it shows twice included), across the years.
TEST(EventStoreEvents, ADefinedZoneReadsAsTheSystemsZoneOfTheSameRules) {
  std::string body =
      "BEGIN:VTIMEZONE\nTZID:Rules\nBEGIN:STANDARD\nDTSTART:16010101T030000\n"
      "TZOFFSETFROM:+0200\nTZOFFSETTO:+0100\nRRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=10\n"
      "END:STANDARD\nBEGIN:DAYLIGHT\nDTSTART:16010101T020000\nTZOFFSETFROM:+0100\n"
      "TZOFFSETTO:+0200\nRRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3\nEND:DAYLIGHT\nEND:VTIMEZONE\n";
  int count = 0;
  for (int year = 1997; year <= 2099; year += 17)
    for (const char *day : {"0101", "0325", "0326", "0327", "0328", "0329", "0330", "0331", "0701",
                            "1025", "1026", "1027", "1028", "1029", "1030", "1031"})
      for (const char *time : {"013000", "023000", "033000"}) {
        std::string wall = fmt::format("{}{}T{}", year, day, time);
        for (const char *zone : {"Rules", "Europe/Berlin"})
          body += fmt::format("BEGIN:VEVENT\nUID:{}-{}\nDTSTART;TZID={}:{}\nEND:VEVENT\n", zone,
                              count, zone, wall);
        ++count;
      }
  std::map<std::string, std::map<std::string, Date>> starts;
  for (const auto &event : eventsIn(body, utc(1997, 1, 1), utc(2100, 1, 1))) {
    auto dash = event.id.rfind('-');
    starts[event.id.substr(dash + 1)][event.id.substr(2, dash - 2)] = event.start;
  }
  ASSERT_EQ(starts.size(), std::size_t(count));
  for (const auto &[index, byZone] : starts)
    EXPECT_EQ(byZone.at("Rules"), byZone.at("Europe/Berlin")) << index;
}

// A zone's summer time starts on the last Sunday of March, on 31 March 2024 at 02:00, 01:00 UTC,
// for the last time when its rule's UNTIL is that very moment; a July noon shows 10:00 UTC in
// summer time, 11:00 UTC in winter time.
TEST(EventStoreEvents, AZoneRuleWhoseUntilIsItsLastChangeStillMakesIt) {
  struct Case {
    const char *until;
    const char *start;
  };
  const Case cases[] = {
      {"20240331T010000Z", "2024-07-12T10:00:00Z"},
      {"20240331T005959Z", "2024-07-12T11:00:00Z"},
      {"20240331T020000", "2024-07-12T10:00:00Z"},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    home.add("c", "e.ics",
             std::string("BEGIN:VTIMEZONE\nTZID:Custom\nBEGIN:STANDARD\nDTSTART:19701025T030000\n"
                         "TZOFFSETFROM:+0200\nTZOFFSETTO:+0100\n"
                         "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\nEND:STANDARD\n"
                         "BEGIN:DAYLIGHT\nDTSTART:19700329T020000\nTZOFFSETFROM:+0100\n"
                         "TZOFFSETTO:+0200\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU;UNTIL=") +
                 c.until +
                 "\nEND:DAYLIGHT\nEND:VTIMEZONE\n"
                 "BEGIN:VEVENT\nUID:e\nDTSTART;TZID=Custom:20240712T120000\nEND:VEVENT");
    auto events = home.store().events(utc(2024, 7, 12), utc(2024, 7, 13));
    ASSERT_EQ(events.size(), 1u) << c.until;
    EXPECT_EQ(kit::foundation::iso8601String(events[0].start), c.start) << c.until;
  }
}
