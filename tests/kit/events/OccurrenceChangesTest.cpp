#include "CalendarFixture.h"
#include "ReminderDay.h"

#include "kit/foundation/WriteFailureObserver.h"

#include "support/Processes.h"

#include <gtest/gtest.h>

#include <optional>

using namespace events_test;
using kit::events::DateRange;
using kit::events::DueDate;

namespace {

EventStore storeAt(const CalendarHome &home, Date now, const std::string &zone = "Europe/Oslo") {
  return EventStore(home.folder(), zone, kit::foundation::Clock::fixed(now));
}

std::string series(const std::string &uid, const std::string &lines) {
  return "BEGIN:VTODO\nUID:" + uid + "\nSUMMARY:Water the plants\n" + lines + "\nEND:VTODO";
}

std::size_t timesFound(const std::string &text, const std::string &part) {
  std::size_t found = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++found;
  return found;
}

} // namespace

// The day before the clocks go back is 25 hours long on the wall clock: a tap then completes
// that day's occurrence alone, never the series, and the next day's is open; every year, daily
// or weekly, in each hemisphere.
TEST(OccurrenceChanges, ATapTheDayBeforeTheClocksGoBackCompletesThatDayAlone) {
  struct Case {
    std::string zone;
    std::string day; // the Saturday before the change, as the wall clock writes it
    Date tap;        // 10:00 that Saturday
    Date next;       // 09:00 the day after
  };
  std::vector<Case> cases;
  const std::pair<std::string, int> berlin[] = {
      {"20271030", 30}, {"20281028", 28}, {"20291027", 27}, {"20301026", 26}, {"20311025", 25},
      {"20321030", 30}, {"20331029", 29}, {"20341028", 28}, {"20351027", 27}, {"20361025", 25}};
  for (const auto &[day, date] : berlin) {
    int year = std::stoi(day.substr(0, 4));
    cases.push_back({"Europe/Berlin", day, utc(year, 10, date, 8), utc(year, 10, date + 1, 8)});
  }
  cases.push_back({"America/New_York", "20261031", utc(2026, 10, 31, 14), utc(2026, 11, 1, 14)});
  cases.push_back({"Australia/Sydney", "20270403", utc(2027, 4, 2, 23), utc(2027, 4, 3, 23)});
  for (const auto &c : cases)
    for (const std::string rule : {"FREQ=DAILY", "FREQ=WEEKLY;BYDAY=SA"}) {
      std::string name = c.zone + " " + c.day + " " + rule;
      CalendarHome home;
      std::string start = ";TZID=" + c.zone + ":" + c.day.substr(0, 6) + "01T090000";
      home.add("c", "t.ics", series("t", "DTSTART" + start + "\nDUE" + start + "\nRRULE:" + rule));
      auto store = storeAt(home, c.tap, c.zone);
      ASSERT_EQ(store.toggleCompleted("c/t", c.tap), EventStore::SaveResult::saved) << name;
      std::string text = home.read("c", "t.ics");
      EXPECT_EQ(timesFound(text, "STATUS:COMPLETED"), 1u) << name;
      EXPECT_EQ(timesFound(text, "RECURRENCE-ID;TZID=" + c.zone + ":" + c.day + "T090000"), 1u)
          << name << "\n"
          << text;
      auto current = store.reminder("c/t");
      ASSERT_TRUE(current) << name;
      EXPECT_FALSE(current->completed) << name;
      // The weekly one is next due a week after the day, six after the day after.
      Date next = rule == "FREQ=DAILY" ? c.next : c.next.addingTimeInterval(6 * 86400.0);
      EXPECT_EQ(current->due->date, next) << name;
    }
}

// An occurrence an RDATE adds is named by its own moment in the form of the series' start,
// whatever form the RDATE is written in; a moment that form cannot name (one the clock shows
// twice) in UTC. Completed, it is that occurrence: the series goes on to its next.
TEST(OccurrenceChanges, AnRDateInAnotherFormIsNamedByItsOwnMomentInTheSeriesForm) {
  struct Case {
    std::string name;
    std::string start;
    std::string rdate;
    Date now;
    std::string written;     // the override's RECURRENCE-ID and DTSTART value
    std::string completedId; // the completed occurrence's
    Date next;
  };
  const Date march10 = utc(2026, 3, 10, 9);
  const std::vector<Case> cases{
      {"in New York, the series in Oslo", ";TZID=Europe/Oslo:20260301T090000",
       "RDATE;TZID=America/New_York:20260310T030000", march10, ";TZID=Europe/Oslo:20260310T080000",
       "c/t#20260310T070000Z", utc(2026, 4, 1, 7)},
      {"floating, the series in Oslo", ";TZID=Europe/Oslo:20260301T090000", "RDATE:20260310T080000",
       march10, ";TZID=Europe/Oslo:20260310T080000", "c/t#20260310T070000Z", utc(2026, 4, 1, 7)},
      {"in New York, the series in UTC", ":20260301T080000Z",
       "RDATE;TZID=America/New_York:20260310T030000", march10, ":20260310T070000Z",
       "c/t#20260310T070000Z", utc(2026, 4, 1, 8)},
      {"in UTC, the series floating", ":20260301T090000", "RDATE:20260310T070000Z", march10,
       ":20260310T080000", "c/t#20260310T080000", utc(2026, 4, 1, 7)},
      {"the second 02:30 of Oslo's night the clocks go back", ";TZID=Europe/Oslo:20260301T090000",
       "RDATE:20261025T013000Z", utc(2026, 10, 25, 2), ":20261025T013000Z", "c/t#20261025T013000Z",
       utc(2026, 11, 1, 8)},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    home.add(
        "c", "t.ics",
        series("t", "DTSTART" + c.start + "\nDUE" + c.start + "\nRRULE:FREQ=MONTHLY\n" + c.rdate));
    auto store = storeAt(home, c.now);
    ASSERT_EQ(store.toggleCompleted("c/t", c.now), EventStore::SaveResult::saved) << c.name;
    std::string text = home.read("c", "t.ics");
    EXPECT_EQ(timesFound(text, "\r\nRECURRENCE-ID" + c.written + "\r\nDTSTART" + c.written +
                                   "\r\nDUE" + c.written + "\r\n"),
              1u)
        << c.name << "\n"
        << text;
    EXPECT_EQ(idsOf(store.completedReminders({})), std::vector<std::string>{c.completedId})
        << c.name;
    EXPECT_EQ(store.reminder("c/t")->due->date, c.next) << c.name;
  }
}

// An override kept in another file of the calendar, before or after the series' file, counts:
// the current occurrence passes over the one it completes, a tap on its completed row reopens it
// there, and a tap on the series completes it there again. No occurrence gets a second override.
TEST(OccurrenceChanges, AnOverrideInAnotherFileIsTheOneATapChanges) {
  const Date now = utc(2026, 12, 8, 9); // 10:00 in Oslo
  const DateRange today{utc(2026, 12, 7, 23), utc(2026, 12, 8, 23)};
  const std::string eighth = "RECURRENCE-ID;TZID=Europe/Oslo:20261208T090000";
  const std::string ninth = "RECURRENCE-ID;TZID=Europe/Oslo:20261209T090000";
  for (const std::string seriesFile : {"a.ics", "s.ics"}) {
    CalendarHome home;
    home.add("home", seriesFile,
             series("s", "DTSTART;TZID=Europe/Oslo:20261201T090000\n"
                         "DUE;TZID=Europe/Oslo:20261201T090000\nRRULE:FREQ=DAILY"));
    home.add("home", "b.ics",
             "BEGIN:VTODO\nUID:s\n" + eighth +
                 "\nSTATUS:COMPLETED\nCOMPLETED:20261208T083000Z\nEND:VTODO");
    auto store = storeAt(home, now);
    auto both = [&] { return home.read("home", seriesFile) + home.read("home", "b.ics"); };
    ASSERT_EQ(dayOf(store, today), (Day{{}, {"home/s#20261208T080000Z"}})) << seriesFile;

    ASSERT_EQ(store.toggleCompleted("home/s#20261208T080000Z", now), EventStore::SaveResult::saved);
    EXPECT_NE(home.read("home", "b.ics").find("STATUS:NEEDS-ACTION"), std::string::npos);
    EXPECT_EQ(dayOf(store, today), (Day{{{"home/s", DueDate{.date = utc(2026, 12, 8, 8)}}}, {}}))
        << seriesFile;

    ASSERT_EQ(store.toggleCompleted("home/s", now), EventStore::SaveResult::saved);
    EXPECT_EQ(dayOf(store, today), (Day{{}, {"home/s#20261208T080000Z"}})) << seriesFile;
    EXPECT_EQ(timesFound(both(), eighth), 1u) << both();

    // The 8th done, the next tap completes the 9th, ahead of its day.
    ASSERT_EQ(store.toggleCompleted("home/s", now), EventStore::SaveResult::saved);
    EXPECT_EQ(timesFound(both(), eighth), 1u) << both();
    EXPECT_EQ(timesFound(home.read("home", seriesFile), ninth), 1u) << both();
    EXPECT_EQ(store.reminder("home/s")->due->date, utc(2026, 12, 10, 8)) << seriesFile;
  }
}

// An override in another file that moves tomorrow's occurrence away leaves today's most recently
// due one current, and a tap completes that one.
TEST(OccurrenceChanges, AnOverrideElsewhereMovingAnOccurrenceLeavesTheOneDueCurrent) {
  const Date now = utc(2026, 12, 8, 9);
  const DateRange today{utc(2026, 12, 7, 23), utc(2026, 12, 8, 23)};
  CalendarHome home;
  home.add("home", "pill.ics",
           series("pill", "DTSTART:20261201T090000\nDUE:20261201T090000\nRRULE:FREQ=DAILY"));
  home.add("home", "zz.ics",
           "BEGIN:VTODO\nUID:pill\nRECURRENCE-ID:20261208T090000\nDUE:20261209T090000\n"
           "END:VTODO");
  const std::string moved = home.read("home", "zz.ics");
  auto store = storeAt(home, now);
  ASSERT_EQ(dayOf(store, today), (Day{{{"home/pill", DueDate{.date = utc(2026, 12, 7, 8)}}}, {}}));
  ASSERT_EQ(store.toggleCompleted("home/pill", now), EventStore::SaveResult::saved);
  EXPECT_EQ(dayOf(store, today), (Day{{}, {"home/pill#20261207T090000"}}));
  EXPECT_EQ(store.reminder("home/pill")->due->date, utc(2026, 12, 9, 8));
  EXPECT_NE(home.read("home", "pill.ics").find("RECURRENCE-ID:20261207T090000"), std::string::npos);
  EXPECT_EQ(home.read("home", "zz.ics"), moved);
}

// No override can name an occurrence of a series without a UID: a tap on it fails, says why,
// and writes nothing.
TEST(OccurrenceChanges, ASeriesWithoutAUidCannotCompleteOneOccurrence) {
  CalendarHome home;
  home.add("c", "t.ics",
           "BEGIN:VTODO\nSUMMARY:Stretch\nDUE:20261201T100000Z\nRRULE:FREQ=DAILY\nEND:VTODO");
  const std::string before = home.read("c", "t.ics");
  std::vector<kit::foundation::WriteFailure> failures;
  kit::foundation::WriteFailureObserver observer(
      [&](const kit::foundation::WriteFailure &failure) { failures.push_back(failure); });
  const Date now = utc(2026, 12, 7, 11);
  EXPECT_EQ(storeAt(home, now).toggleCompleted("c/t.ics", now), EventStore::SaveResult::failed);
  EXPECT_EQ(home.read("c", "t.ics"), before);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].name, (home.folder() / "c" / "t.ics").string());
  EXPECT_NE(failures[0].reason.find("without a UID"), std::string::npos);
}

// A file cut short inside its to-do has no END for a change to follow, and a reminder there with
// no completion line has no place for one: a tap fails, says why and writes nothing. Reopening
// and completing again what has a completion line still works.
TEST(OccurrenceChanges, AFileThatStopsInsideItsReminderRefusesWhatCannotBeWritten) {
  struct Case {
    std::string name;
    std::string todo;
    std::vector<bool> saved; // of each tap in turn
  };
  const std::vector<Case> cases = {
      {"an open series", "UID:s\nDUE:20261201T100000Z\nRRULE:FREQ=DAILY", {false}},
      {"a series completed whole reopens, then cannot complete its occurrence",
       "UID:s\nDUE:20261201T100000Z\nRRULE:FREQ=DAILY\nCOMPLETED:20261206T100000Z",
       {true, false}},
      {"a plain reminder without a completion line", "UID:s\nDUE:20261207T100000Z", {false}},
      {"a plain reminder with one",
       "UID:s\nDUE:20261207T100000Z\nSTATUS:NEEDS-ACTION",
       {true, true, true}},
      {"an open series cut short after its alarm's END",
       "UID:s\nDUE:20261201T100000Z\nRRULE:FREQ=DAILY\nBEGIN:VALARM\nACTION:DISPLAY\n"
       "TRIGGER:-PT15M\nEND:VALARM",
       {false}},
  };
  const Date now = utc(2026, 12, 7, 11);
  for (const auto &c : cases) {
    CalendarHome home;
    home.addRaw("c", "t.ics", "BEGIN:VCALENDAR\nBEGIN:VTODO\nSUMMARY:Stretch\n" + c.todo + "\n");
    std::vector<kit::foundation::WriteFailure> failures;
    kit::foundation::WriteFailureObserver observer(
        [&](const kit::foundation::WriteFailure &failure) { failures.push_back(failure); });
    auto store = storeAt(home, now);
    for (bool saved : c.saved) {
      const std::string before = home.read("c", "t.ics");
      failures.clear();
      EXPECT_EQ(store.toggleCompleted("c/s", now) == EventStore::SaveResult::saved, saved)
          << c.name;
      if (saved) {
        EXPECT_TRUE(failures.empty()) << c.name;
        continue;
      }
      EXPECT_EQ(home.read("c", "t.ics"), before) << c.name;
      ASSERT_EQ(failures.size(), 1u) << c.name;
      EXPECT_NE(failures[0].reason.find("before its END:VTODO"), std::string::npos) << c.name;
    }
  }
}

// A TZID holding a colon is quoted in the override, and the override read back names the
// occurrence.
TEST(OccurrenceChanges, AQuotedZoneNameIsQuotedInTheOverrideAndReadBack) {
  CalendarHome home;
  home.add("c", "t.ics",
           "BEGIN:VTIMEZONE\nTZID:Office:Oslo\nBEGIN:STANDARD\nDTSTART:19700101T000000\n"
           "TZOFFSETFROM:+0100\nTZOFFSETTO:+0100\nEND:STANDARD\nEND:VTIMEZONE\n" +
               series("t", "DTSTART;TZID=\"Office:Oslo\":20261201T090000\n"
                           "DUE;TZID=\"Office:Oslo\":20261201T090000\nRRULE:FREQ=DAILY"));
  const Date now = utc(2026, 12, 7, 11);
  auto store = storeAt(home, now);
  ASSERT_EQ(store.toggleCompleted("c/t", now), EventStore::SaveResult::saved);
  EXPECT_NE(home.read("c", "t.ics").find("RECURRENCE-ID;TZID=\"Office:Oslo\":20261207T090000"),
            std::string::npos);
  EXPECT_EQ(idsOf(store.completedReminders({})), std::vector<std::string>{"c/t#20261207T080000Z"});
  EXPECT_EQ(store.reminder("c/t")->due->date, utc(2026, 12, 8, 8));
}

// Mail programs name an occurrence of a series in a zone without the zone, or by its day: the
// first names the series' wall time in the series' zone, the second the occurrence that starts
// on that day there. Either is that occurrence, for events and reminders alike, in every machine
// zone: a moved one shows once, a completed one is passed over, and a tap completes the next.
TEST(OccurrenceChanges, AChangeNamedInAnotherFormIsItsOccurrenceInEveryZone) {
  const Date now = utc(2026, 7, 8, 8, 30); // 10:30 in Berlin
  const std::string start = "DTSTART;TZID=Europe/Berlin:20260706T090000\n";
  for (const std::string named :
       {"RECURRENCE-ID:20260708T090000", "RECURRENCE-ID;VALUE=DATE:20260708"})
    for (const std::string zone : {"America/New_York", "Europe/Berlin", "Asia/Tokyo", "UTC"}) {
      std::string name = named + " in " + zone;
      CalendarHome home;
      home.add("c", "e.ics",
               "BEGIN:VEVENT\nUID:e\n" + start +
                   "RRULE:FREQ=DAILY\nEND:VEVENT\nBEGIN:VEVENT\nUID:e\n" + named +
                   "\nDTSTART;TZID=Europe/Berlin:20260708T120000\nEND:VEVENT");
      home.add("c", "t.ics",
               series("t", start + "DUE;TZID=Europe/Berlin:20260706T100000\nRRULE:FREQ=DAILY") +
                   "\nBEGIN:VTODO\nUID:t\n" + named +
                   "\nSTATUS:COMPLETED\nCOMPLETED:20260708T073000Z\nEND:VTODO");
      auto store = storeAt(home, now, zone);
      auto events = store.events(utc(2026, 7, 8), utc(2026, 7, 9));
      EXPECT_EQ(idsOf(events), std::vector<std::string>{"c/e#20260708T070000Z"}) << name;
      EXPECT_EQ(events.front().start, utc(2026, 7, 8, 10)) << name;
      EXPECT_EQ(store.reminder("c/t")->due->date, utc(2026, 7, 9, 8)) << name;
      ASSERT_EQ(store.toggleCompleted("c/t", now), EventStore::SaveResult::saved) << name;
      EXPECT_EQ(idsOf(store.completedReminders({})),
                (std::vector<std::string>{"c/t#20260708T070000Z", "c/t#20260709T070000Z"}))
          << name;
    }
}

// An occurrence of the series' own form is named as the series writes it, by its original value
// (RFC 5545 §3.8.4.4), also where the clock skips it (29 March 2026 in Berlin) or shows it twice
// (25 October): read in another zone, it is that occurrence still, completed. A floating
// series' change is floating, due as long after its start on the wall clock as the series is; a
// start or due time its zone shows twice is written in UTC, as readers differ on which it means.
TEST(OccurrenceChanges, AnOccurrenceTheClockSkipsOrShowsTwiceIsNamedAsItsSeriesWritesIt) {
  struct Case {
    std::string name;
    std::string lines;
    Date now;                         // in Berlin
    std::vector<std::string> written; // the change's RECURRENCE-ID, DTSTART and DUE
    Date next;                        // the current occurrence's due after the tap
    Date nowInUtc;                    // read with the machine in UTC
    Date nextInUtc;
  };
  const std::string berlin = ";TZID=Europe/Berlin:";
  const std::vector<Case> cases{
      {"floating, the clock skips it",
       "DTSTART:20260320T023000\nDUE:20260320T030000\nRRULE:FREQ=DAILY",
       utc(2026, 3, 29, 2, 15),
       {"RECURRENCE-ID:20260329T023000", "DTSTART:20260329T023000", "DUE:20260329T030000"},
       utc(2026, 3, 30, 1),
       utc(2026, 3, 29, 3),
       utc(2026, 3, 30, 3)},
      {"in a zone, the clock skips it",
       "DTSTART" + berlin + "20260320T023000\nDUE" + berlin + "20260320T030000\nRRULE:FREQ=DAILY",
       utc(2026, 3, 29, 2, 15),
       {"RECURRENCE-ID" + berlin + "20260329T023000", "DTSTART" + berlin + "20260329T023000",
        "DUE" + berlin + "20260329T040000"},
       utc(2026, 3, 30, 1),
       utc(2026, 3, 29, 3),
       utc(2026, 3, 30, 1)},
      {"floating, the clock shows it twice",
       "DTSTART:20261020T023000\nDUE:20261020T030000\nRRULE:FREQ=DAILY",
       utc(2026, 10, 25, 2, 10),
       {"RECURRENCE-ID:20261025T023000", "DTSTART:20261025T023000", "DUE:20261025T030000"},
       utc(2026, 10, 26, 2),
       utc(2026, 10, 25, 3, 10),
       utc(2026, 10, 26, 3)},
      {"in a zone, the clock shows it twice",
       "DTSTART" + berlin + "20261020T023000\nDUE" + berlin + "20261020T030000\nRRULE:FREQ=DAILY",
       utc(2026, 10, 25, 1, 10),
       {"RECURRENCE-ID" + berlin + "20261025T023000", "DTSTART:20261025T003000Z",
        "DUE:20261025T010000Z"},
       utc(2026, 10, 26, 2),
       utc(2026, 10, 25, 3, 10),
       utc(2026, 10, 26, 2)},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    home.add("c", "t.ics", series("t", c.lines));
    auto store = storeAt(home, c.now, "Europe/Berlin");
    ASSERT_EQ(store.toggleCompleted("c/t", c.now), EventStore::SaveResult::saved) << c.name;
    std::string text = home.read("c", "t.ics");
    std::string change;
    for (const auto &line : c.written)
      change += "\r\n" + line;
    EXPECT_EQ(timesFound(text, change + "\r\n"), 1u) << c.name << "\n" << text;
    EXPECT_EQ(store.reminder("c/t")->due->date, c.next) << c.name;
    EXPECT_EQ(storeAt(home, c.nowInUtc, "UTC").reminder("c/t")->due->date, c.nextInUtc) << c.name;
  }
}

// Two taps at once on a series whose current occurrence's change sits in another file, after
// another reminder: one completes that change, the other the next occurrence in the series'
// file; the other reminder is never written to.
TEST(OccurrenceChanges, TwoTapsAtOnceNeverWriteIntoAnotherReminderOfTheChangesFile) {
  const Date now = utc(2026, 12, 8, 9);
  for (int round = 0; round < 12; ++round) {
    CalendarHome home;
    home.add("home", "a.ics",
             series("s", "DTSTART:20261201T090000Z\nDUE:20261201T090000Z\nRRULE:FREQ=DAILY"));
    home.add("home", "b.ics",
             "BEGIN:VTODO\nUID:other\nSUMMARY:Post the letter\nSTATUS:NEEDS-ACTION\nEND:VTODO\n"
             "BEGIN:VTODO\nUID:s\nRECURRENCE-ID:20261208T090000Z\nDUE:20261208T090000Z\n"
             "STATUS:NEEDS-ACTION\nEND:VTODO");
    ASSERT_TRUE(zavel::test::runInProcessesAtOnce(2, [&](int) {
      return storeAt(home, now).toggleCompleted("home/s", now) == EventStore::SaveResult::saved;
    })) << round;
    auto store = storeAt(home, now);
    EXPECT_EQ(idsOf(store.completedReminders({})),
              (std::vector<std::string>{"home/s#20261208T090000Z", "home/s#20261209T090000Z"}))
        << round;
    std::string b = home.read("home", "b.ics");
    EXPECT_EQ(timesFound(b, "UID:other"), 1u) << round << "\n" << b;
    EXPECT_EQ(timesFound(b, "BEGIN:VTODO"), 2u) << round << "\n" << b;
    EXPECT_FALSE(store.reminder("home/other")->completed) << round;
  }
}
