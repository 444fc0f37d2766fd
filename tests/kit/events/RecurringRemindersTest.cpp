#include "CalendarFixture.h"
#include "ReminderDay.h"

#include "support/Processes.h"

#include <gtest/gtest.h>

#include <optional>

using namespace events_test;
using kit::events::DateRange;
using kit::events::DueDate;

namespace {

// Monday 7 December 2026, noon in Oslo (UTC+1).
const Date kNow = utc(2026, 12, 7, 11);
const DateRange kToday{utc(2026, 12, 6, 23), utc(2026, 12, 7, 23)};

// The store of the home, its clock at `now` (noon on that Monday).
EventStore todayIn(const CalendarHome &home, Date now = kNow) {
  return home.store(kit::foundation::Clock::fixed(now));
}

Day dayOf(const EventStore &store) { return events_test::dayOf(store, kToday); }

std::string repeating(const std::string &lines) {
  return "BEGIN:VTODO\nUID:t\nSUMMARY:Take the pills\n" + lines + "\nEND:VTODO";
}

// A series' start and due lines on one day in Oslo's zone, at two times of it.
std::string startAndDue(const std::string &day, const std::string &start, const std::string &due) {
  return "DTSTART;TZID=Europe/Oslo:" + day + "T" + start + "\nDUE;TZID=Europe/Oslo:" + day + "T" +
         due;
}

// The lines an override in Oslo's zone names its occurrence by, then gives its start and due.
std::vector<std::string> occurrenceLines(const std::string &day, const std::string &start,
                                         const std::string &due) {
  const std::string oslo = ";TZID=Europe/Oslo:" + day + "T";
  return {"RECURRENCE-ID" + oslo + start, "DTSTART" + oslo + start, "DUE" + oslo + due};
}

// An override of the occurrence the RECURRENCE-ID names, after the series.
std::string change(const std::string &lines) { return "END:VTODO\nBEGIN:VTODO\nUID:t\n" + lines; }

// The override a tap added: its lines between its DTSTAMP and its SUMMARY (none when it added
// none), and the file without it.
struct Added {
  std::vector<std::string> lines;
  std::string rest;
};

Added addedOverride(std::string text) {
  auto begin = text.find("BEGIN:VTODO\r\nUID:t\r\nDTSTAMP:");
  if (begin == std::string::npos)
    return {{}, text};
  auto end = text.find("END:VTODO\r\n", begin) + 11;
  std::string block = text.substr(begin, end - begin);
  text.erase(begin, end - begin);
  std::vector<std::string> lines;
  auto at = block.find("\r\n", block.find("DTSTAMP:")) + 2;
  while (block.compare(at, 8, "SUMMARY:") != 0 && at < block.size()) {
    auto to = block.find("\r\n", at);
    if (to == std::string::npos)
      break;
    lines.push_back(block.substr(at, to - at));
    at = to + 2;
  }
  return {lines, text};
}

} // namespace

// A repeating to-do is one reminder for its current occurrence: of the latest due by now and
// those after it, the first not completed; when none is due yet, the first. Missed ones before
// the latest due are passed over; an EXDATE and a cancelling override alike leave one out; an
// override's due time moves its occurrence. A tap completes the current occurrence alone, as
// an override after the series that names it and gives its own start and due, as the series
// writes them, which then shows among today's completed reminders under its own id; or, with its
// last occurrence, the series as a whole.
TEST(RecurringReminders, TheCurrentOccurrenceInEveryShapeAndWhatATapWrites) {
  const std::string oslo = ";TZID=Europe/Oslo:";
  struct Case {
    std::string name;
    std::string lines;
    Date now;
    std::optional<DueDate> listed;    // the current occurrence's due, when it is listed today
    std::vector<std::string> written; // the added override's lines; none when it adds none
    std::string completedId;          // today's completed reminder after the tap
    Date next;                        // the current occurrence's due after the tap
  };
  const std::vector<Case> cases{
      {"daily, in a zone, due an hour after it starts",
       startAndDue("20261101", "090000", "100000") + "\nRRULE:FREQ=DAILY", kNow,
       DueDate{.date = utc(2026, 12, 7, 9)}, occurrenceLines("20261207", "090000", "100000"),
       "c/t#20261207T080000Z", utc(2026, 12, 8, 9)},
      {"three a day: the one most recently due first, then the next",
       startAndDue("20261201", "090000", "090000") + "\nRRULE:FREQ=DAILY;BYHOUR=9,13,18",
       utc(2026, 12, 7, 8, 5), DueDate{.date = utc(2026, 12, 7, 8)},
       occurrenceLines("20261207", "090000", "090000"), "c/t#20261207T080000Z",
       utc(2026, 12, 7, 12)},
      {"weekly, floating, repeating from its due time, not due yet today: last week's; its "
       "SEQUENCE as read, not a line before it that reads as none",
       "DUE:20261130T170000\nRRULE:FREQ=WEEKLY\nSEQUENCE;X-BROKEN:2\nSEQUENCE:3",
       kNow,
       DueDate{.date = utc(2026, 11, 30, 16)},
       {"RECURRENCE-ID:20261130T170000", "SEQUENCE:3", "DUE:20261130T170000"},
       "c/t#20261130T170000",
       utc(2026, 12, 7, 16)},
      {"monthly, in UTC",
       "DTSTART:20260107T080000Z\nDUE:20260107T090000Z\nRRULE:FREQ=MONTHLY",
       kNow,
       DueDate{.date = utc(2026, 12, 7, 9)},
       {"RECURRENCE-ID:20261207T080000Z", "DTSTART:20261207T080000Z", "DUE:20261207T090000Z"},
       "c/t#20261207T080000Z",
       utc(2027, 1, 7, 9)},
      {"daily, days without a time, due the day after they start",
       "DTSTART;VALUE=DATE:20261201\nDUE;VALUE=DATE:20261202\nRRULE:FREQ=DAILY",
       kNow,
       DueDate{.date = utc(2026, 12, 6, 23), .hasTime = false},
       {"RECURRENCE-ID;VALUE=DATE:20261206", "DTSTART;VALUE=DATE:20261206",
        "DUE;VALUE=DATE:20261207"},
       "c/t#20261206",
       utc(2026, 12, 7, 23)},
      {"a start and a duration",
       "DTSTART" + oslo + "20261201T100000\nDURATION:PT1H\nRRULE:FREQ=DAILY",
       kNow,
       DueDate{.date = utc(2026, 12, 7, 10)},
       {"RECURRENCE-ID" + oslo + "20261207T100000", "DTSTART" + oslo + "20261207T100000",
        "DURATION:PT1H"},
       "c/t#20261207T090000Z",
       utc(2026, 12, 8, 10)},
      {"today left out: yesterday's stays",
       startAndDue("20261201", "090000", "093000") + "\nRRULE:FREQ=DAILY\nEXDATE" + oslo +
           "20261207T090000",
       kNow, DueDate{.date = utc(2026, 12, 6, 8, 30)},
       occurrenceLines("20261206", "090000", "093000"), "c/t#20261206T080000Z",
       utc(2026, 12, 8, 8, 30)},
      {"today cancelled: as if left out",
       startAndDue("20261201", "090000", "093000") + "\nRRULE:FREQ=DAILY\n" +
           change("RECURRENCE-ID" + oslo + "20261207T090000\nSTATUS:CANCELLED"),
       kNow, DueDate{.date = utc(2026, 12, 6, 8, 30)},
       occurrenceLines("20261206", "090000", "093000"), "c/t#20261206T080000Z",
       utc(2026, 12, 8, 8, 30)},
      {"today's moved later by its override, which the tap completes",
       startAndDue("20261201", "090000", "093000") + "\nRRULE:FREQ=DAILY\n" +
           change("RECURRENCE-ID" + oslo + "20261207T090000\nDUE" + oslo + "20261207T113000"),
       kNow,
       DueDate{.date = utc(2026, 12, 7, 10, 30)},
       {},
       "c/t#20261207T080000Z",
       utc(2026, 12, 8, 8, 30)},
      {"missed yesterday at 22:00: overdue until tonight's",
       startAndDue("20261201", "220000", "220000") + "\nRRULE:FREQ=DAILY", kNow,
       DueDate{.date = utc(2026, 12, 6, 21)}, occurrenceLines("20261206", "220000", "220000"),
       "c/t#20261206T210000Z", utc(2026, 12, 7, 21)},
      {"tapped the moment today's is due: today's, not yesterday's missed one",
       startAndDue("20261201", "090000", "090000") + "\nRRULE:FREQ=DAILY", utc(2026, 12, 7, 8),
       DueDate{.date = utc(2026, 12, 7, 8)}, occurrenceLines("20261207", "090000", "090000"),
       "c/t#20261207T080000Z", utc(2026, 12, 8, 8)},
      {"the first not due yet", startAndDue("20261207", "150000", "150000") + "\nRRULE:FREQ=DAILY",
       kNow, DueDate{.date = utc(2026, 12, 7, 14)}, occurrenceLines("20261207", "150000", "150000"),
       "c/t#20261207T140000Z", utc(2026, 12, 8, 14)},
      {"the first days ahead: not listed, yet a tap completes it",
       startAndDue("20261210", "090000", "090000") + "\nRRULE:FREQ=DAILY", kNow, std::nullopt,
       occurrenceLines("20261210", "090000", "090000"), "c/t#20261210T080000Z",
       utc(2026, 12, 11, 8)},
      {"yearly since 1992, a day long overdue",
       "DUE;VALUE=DATE:19920516\nRRULE:FREQ=YEARLY",
       kNow,
       DueDate{.date = utc(2026, 5, 15, 22), .hasTime = false},
       {"RECURRENCE-ID;VALUE=DATE:20260516", "DUE;VALUE=DATE:20260516"},
       "c/t#20260516",
       utc(2027, 5, 15, 22)},
      {"counted, today the last: the series completes whole",
       startAndDue("20261205", "090000", "100000") + "\nRRULE:FREQ=DAILY;COUNT=3",
       kNow,
       DueDate{.date = utc(2026, 12, 7, 9)},
       {},
       "c/t",
       utc(2026, 12, 7, 9)},
      {"until today, the last cancelled: yesterday's completes the series",
       startAndDue("20261201", "090000", "100000") + "\nRRULE:FREQ=DAILY;UNTIL=20261207T080000Z\n" +
           change("RECURRENCE-ID" + oslo + "20261207T090000\nSTATUS:CANCELLED"),
       kNow,
       DueDate{.date = utc(2026, 12, 6, 9)},
       {},
       "c/t",
       utc(2026, 12, 6, 9)},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    home.add("c", "t.ics", repeating(c.lines));
    const std::string before = home.read("c", "t.ics");
    auto store = todayIn(home, c.now);
    Day open;
    if (c.listed)
      open.open.emplace_back("c/t", c.listed);
    ASSERT_EQ(dayOf(store), open) << c.name;

    ASSERT_EQ(store.toggleCompleted("c/t", c.now), EventStore::SaveResult::saved) << c.name;
    std::string after = home.read("c", "t.ics");
    auto added = addedOverride(after);
    EXPECT_EQ(added.lines, c.written) << c.name << "\n" << after;
    if (!c.written.empty()) {
      EXPECT_EQ(added.rest, before) << c.name;
    }
    auto completed = c.completedId.empty() ? std::vector<std::string>{}
                                           : std::vector<std::string>{c.completedId};
    EXPECT_EQ(dayOf(store).completed, completed) << c.name;
    auto current = store.reminder("c/t");
    ASSERT_TRUE(current) << c.name;
    EXPECT_EQ(current->due->date, c.next) << c.name;
    EXPECT_EQ(current->completed, c.completedId == "c/t") << c.name;
  }
}

// Reopened, the occurrence's override is open again and the day is as it was; completed again,
// the same override completes again: an occurrence never gets a second one.
TEST(RecurringReminders, ReopeningAndCompletingAgainChangeTheSameOverride) {
  CalendarHome home;
  home.add("c", "t.ics",
           repeating("DTSTART;TZID=Europe/Oslo:20261101T090000\n"
                     "DUE;TZID=Europe/Oslo:20261101T100000\nRRULE:FREQ=DAILY"));
  auto store = todayIn(home);
  const Day open{{{"c/t", DueDate{.date = utc(2026, 12, 7, 9)}}}, {}};
  ASSERT_EQ(dayOf(store), open);
  ASSERT_EQ(store.toggleCompleted("c/t", kNow), EventStore::SaveResult::saved);
  ASSERT_EQ(dayOf(store), (Day{{}, {"c/t#20261207T080000Z"}}));
  ASSERT_EQ(store.toggleCompleted("c/t#20261207T080000Z", kNow), EventStore::SaveResult::saved);
  EXPECT_EQ(dayOf(store), open);
  ASSERT_EQ(store.toggleCompleted("c/t", kNow), EventStore::SaveResult::saved);
  EXPECT_EQ(dayOf(store), (Day{{}, {"c/t#20261207T080000Z"}}));
  std::string after = home.read("c", "t.ics");
  EXPECT_EQ(after.find("RECURRENCE-ID"), after.rfind("RECURRENCE-ID"));
}

// With its last occurrence, a counted series completes as a whole, as a plain to-do does, and
// reopens as one; an occurrence another program completed in the format's own way counts.
TEST(RecurringReminders, TheLastOccurrenceCompletesTheSeriesAndOthersChangesCount) {
  CalendarHome home;
  home.add("c", "t.ics",
           repeating("DTSTART;TZID=Europe/Oslo:20261205T090000\n"
                     "DUE;TZID=Europe/Oslo:20261205T100000\nRRULE:FREQ=DAILY;COUNT=3"));
  auto store = todayIn(home);
  ASSERT_EQ(store.toggleCompleted("c/t", kNow), EventStore::SaveResult::saved);
  EXPECT_EQ(dayOf(store), (Day{{}, {"c/t"}}));
  EXPECT_EQ(home.read("c", "t.ics").find("RECURRENCE-ID"), std::string::npos);
  ASSERT_EQ(store.toggleCompleted("c/t", kNow), EventStore::SaveResult::saved);
  EXPECT_EQ(dayOf(store), (Day{{{"c/t", DueDate{.date = utc(2026, 12, 7, 9)}}}, {}}));

  home.add("c", "done.ics",
           repeating("DTSTART:20261201T090000Z\nDUE:20261201T100000Z\nRRULE:FREQ=DAILY") +
               "\nBEGIN:VTODO\nUID:t\nRECURRENCE-ID:20261207T090000Z\nSTATUS:COMPLETED\n"
               "COMPLETED:20261207T093000Z\nEND:VTODO");
  home.add("c", "t.ics", "BEGIN:VTODO\nUID:other\nEND:VTODO");
  EXPECT_EQ(dayOf(store), (Day{{}, {"c/t#20261207T090000Z"}}));
}

// The last occurrence changed by an override (here moved to 12:00, due 13:00) completes with the
// series as a whole, wherever the override is kept, and shows as the series completed; a second
// tap reopens both.
TEST(RecurringReminders, TheLastOccurrencesOverrideCompletesAndReopensWithTheSeries) {
  const std::string series =
      repeating(startAndDue("20261205", "090000", "100000") + "\nRRULE:FREQ=DAILY;COUNT=3");
  const std::string moved = "BEGIN:VTODO\nUID:t\nRECURRENCE-ID;TZID=Europe/Oslo:20261207T090000\n" +
                            startAndDue("20261207", "120000", "130000") + "\nEND:VTODO";
  const DueDate due{.date = utc(2026, 12, 7, 12)};
  const Date now = utc(2026, 12, 7, 12, 30); // the last one due half an hour ago
  struct Case {
    std::string name;
    std::vector<std::pair<std::string, std::string>> files; // in calendar "c"
  };
  const std::vector<Case> cases{
      {"in the series' file", {{"t.ics", series + "\n" + moved}}},
      {"in a file before it", {{"a.ics", moved}, {"t.ics", series}}},
      {"in a file after it", {{"t.ics", series}, {"z.ics", moved}}},
  };
  auto statuses = [](const CalendarHome &home, const Case &c) {
    std::size_t completed = 0;
    for (const auto &[file, body] : c.files) {
      std::string text = home.read("c", file);
      for (auto at = text.find("STATUS:COMPLETED"); at != std::string::npos;
           at = text.find("STATUS:COMPLETED", at + 1))
        ++completed;
    }
    return completed;
  };
  for (const auto &c : cases) {
    CalendarHome home;
    for (const auto &[file, body] : c.files)
      home.add("c", file, body);
    auto store = todayIn(home, now);
    ASSERT_EQ(dayOf(store), (Day{{{"c/t", due}}, {}})) << c.name;
    ASSERT_EQ(store.toggleCompleted("c/t", now), EventStore::SaveResult::saved) << c.name;
    EXPECT_EQ(statuses(home, c), 2u) << c.name;
    EXPECT_EQ(dayOf(store), (Day{{}, {"c/t"}})) << c.name;
    EXPECT_TRUE(store.reminder("c/t")->completed) << c.name;
    ASSERT_EQ(store.toggleCompleted("c/t", now), EventStore::SaveResult::saved) << c.name;
    EXPECT_EQ(statuses(home, c), 0u) << c.name;
    EXPECT_EQ(dayOf(store), (Day{{{"c/t", due}}, {}})) << c.name;
  }
}

// Two processes tapping the series at once each complete one occurrence, today's and the next,
// each once.
TEST(RecurringReminders, TapsFromTwoProcessesAtOnceEachCompleteOneOccurrence) {
  CalendarHome home;
  home.add("c", "t.ics",
           repeating("DTSTART:20261201T090000Z\nDUE:20261201T100000Z\nRRULE:FREQ=DAILY"));
  ASSERT_TRUE(zavel::test::runInProcessesAtOnce(2, [&](int) {
    return todayIn(home).toggleCompleted("c/t", kNow) == EventStore::SaveResult::saved;
  }));
  auto store = todayIn(home);
  EXPECT_EQ(idsOf(store.completedReminders({})),
            (std::vector<std::string>{"c/t#20261207T090000Z", "c/t#20261208T090000Z"}));
  EXPECT_EQ(store.reminder("c/t")->due->date, utc(2026, 12, 9, 10));
}

// The occurrence's change is written as the file is: after its byte-order mark, its lines ending
// as the series' END does, every line of the file ending as it did.
TEST(RecurringReminders, AnOccurrencesChangeKeepsTheFilesMarkAndLineEnds) {
  struct Case {
    const char *name;
    std::string text;
    std::string after;
  };
  const std::string series = "BEGIN:VCALENDAR\rVERSION:2.0\rBEGIN:VTODO\rUID:t\r"
                             "DUE:20261201T100000Z\rRRULE:FREQ=DAILY\rEND:VTODO\r";
  const std::string added = "BEGIN:VTODO\rUID:t\rDTSTAMP:20261207T110000Z\r"
                            "RECURRENCE-ID:20261207T100000Z\rDUE:20261207T100000Z\r"
                            "STATUS:COMPLETED\rCOMPLETED:20261207T110000Z\rPERCENT-COMPLETE:100\r"
                            "END:VTODO\r";
  const std::vector<Case> cases{
      {"a mark and carriage returns", "\xEF\xBB\xBF" + series + "END:VCALENDAR\r",
       "\xEF\xBB\xBF" + series + added + "END:VCALENDAR\r"},
      {"CRLF before an END in LF",
       "BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\nUID:t\r\nDUE:20261201T100000Z\r\nRRULE:FREQ=DAILY\r\n"
       "END:VTODO\nEND:VCALENDAR\r\n",
       "BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\nUID:t\r\nDUE:20261201T100000Z\r\nRRULE:FREQ=DAILY\r\n"
       "END:VTODO\nBEGIN:VTODO\nUID:t\nDTSTAMP:20261207T110000Z\n"
       "RECURRENCE-ID:20261207T100000Z\nDUE:20261207T100000Z\nSTATUS:COMPLETED\n"
       "COMPLETED:20261207T110000Z\nPERCENT-COMPLETE:100\nEND:VTODO\nEND:VCALENDAR\r\n"},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    home.addRaw("c", "t.ics", c.text);
    ASSERT_EQ(todayIn(home).toggleCompleted("c/t", kNow), EventStore::SaveResult::saved) << c.name;
    EXPECT_EQ(home.read("c", "t.ics"), c.after) << c.name;
  }
}
