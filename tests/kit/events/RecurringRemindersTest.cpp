#include "CalendarFixture.h"

#include "support/Processes.h"

#include <gtest/gtest.h>

#include <optional>

using namespace events_test;
using kit::events::DateRange;
using kit::events::DueDate;

namespace {

// Monday 7 December 2026, noon in Oslo (UTC+1).
const Date kNow = utc(2026, 12, 7, 11);
const DateRange kDueByTonight{std::nullopt, utc(2026, 12, 7, 23)};
const DateRange kToday{utc(2026, 12, 6, 23), utc(2026, 12, 7, 23)};

// The store of the home, its clock at noon on that Monday.
EventStore todayIn(const CalendarHome &home) {
  return home.store(kit::foundation::Clock::fixed(kNow));
}

std::string repeating(const std::string &lines) {
  return "BEGIN:VTODO\nUID:t\nSUMMARY:Take the pills\n" + lines + "\nEND:VTODO";
}

// What a widget reads today: the open reminders with their due moments, and the ids of those
// completed today.
struct Day {
  std::vector<std::pair<std::string, std::optional<DueDate>>> open;
  std::vector<std::string> completed;
  bool operator==(const Day &) const = default;
};

void PrintTo(const Day &day, std::ostream *out) {
  for (const auto &[id, due] : day.open)
    *out << "open " << id << " " << (due ? due->date.unixTime() : 0) << "; ";
  for (const auto &id : day.completed)
    *out << "completed " << id << "; ";
}

Day dayOf(const EventStore &store) {
  auto lists = store.reminderLists(kDueByTonight, EventStore::Undated::excluded, kToday);
  Day day;
  for (const auto &reminder : lists.incomplete)
    day.open.emplace_back(reminder.id, reminder.due);
  day.completed = idsOf(lists.completed);
  return day;
}

// The file without the one to-do that was added to it.
std::string withoutAddedToDo(std::string text, const std::string &recurrenceId) {
  auto line = text.find("RECURRENCE-ID" + recurrenceId);
  auto begin = text.rfind("BEGIN:VTODO", line);
  auto end = text.find("END:VTODO\r\n", line) + 11;
  return text.erase(begin, end - begin);
}

} // namespace

// A repeating to-do is one reminder for its current occurrence: the latest due by the end of
// today, missed ones before it passed over. Completing it completes that occurrence alone, as a
// change of the occurrence after the series (whose lines stay as written), which then shows
// among today's completed reminders under its own id; the series goes on to its next
// occurrence, due another day. Reopening that one brings the day back as it was.
TEST(RecurringReminders, ATapCompletesTheCurrentOccurrenceAloneAndReopeningItBringsItBack) {
  struct Case {
    std::string name;
    std::string lines;
    DueDate due;             // today's occurrence's
    std::string written;     // its RECURRENCE-ID, as the series writes its start
    std::string completedId; // the completed occurrence's
    Date next;               // when the series is due next
  };
  const std::vector<Case> cases{
      {"daily, in a zone, due an hour after it starts",
       "DTSTART;TZID=Europe/Oslo:20261101T090000\nDUE;TZID=Europe/Oslo:20261101T100000\n"
       "RRULE:FREQ=DAILY",
       {.date = utc(2026, 12, 7, 9)},
       ";TZID=Europe/Oslo:20261207T090000",
       "c/t#20261207T080000Z",
       utc(2026, 12, 8, 9)},
      {"weekly, floating, repeating from its due time",
       "DUE:20261130T170000\nRRULE:FREQ=WEEKLY",
       {.date = utc(2026, 12, 7, 16)},
       ":20261207T170000",
       "c/t#20261207T170000",
       utc(2026, 12, 14, 16)},
      {"monthly, in UTC",
       "DTSTART:20260107T080000Z\nDUE:20260107T090000Z\nRRULE:FREQ=MONTHLY",
       {.date = utc(2026, 12, 7, 9)},
       ":20261207T080000Z",
       "c/t#20261207T080000Z",
       utc(2027, 1, 7, 9)},
      {"daily, days without a time",
       "DUE;VALUE=DATE:20261201\nRRULE:FREQ=DAILY",
       {.date = utc(2026, 12, 6, 23), .hasTime = false},
       ";VALUE=DATE:20261207",
       "c/t#20261207",
       utc(2026, 12, 7, 23)},
      {"daily, the next day left out",
       "DTSTART;TZID=Europe/Oslo:20261201T090000\nDUE;TZID=Europe/Oslo:20261201T093000\n"
       "RRULE:FREQ=DAILY\nEXDATE;TZID=Europe/Oslo:20261208T090000",
       {.date = utc(2026, 12, 7, 8, 30)},
       ";TZID=Europe/Oslo:20261207T090000",
       "c/t#20261207T080000Z",
       utc(2026, 12, 9, 8, 30)},
      {"yearly since 1992, a day long overdue",
       "DUE;VALUE=DATE:19920516\nRRULE:FREQ=YEARLY",
       {.date = utc(2026, 5, 15, 22), .hasTime = false},
       ";VALUE=DATE:20260516",
       "c/t#20260516",
       utc(2027, 5, 15, 22)},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    home.add("c", "t.ics", repeating(c.lines));
    const std::string before = home.read("c", "t.ics");
    auto store = todayIn(home);
    const Day open{{{"c/t", c.due}}, {}};
    ASSERT_EQ(dayOf(store), open) << c.name;

    ASSERT_EQ(store.toggleCompleted("c/t", kNow), EventStore::SaveResult::saved) << c.name;
    EXPECT_EQ(dayOf(store), (Day{{}, {c.completedId}})) << c.name;
    EXPECT_EQ(store.reminder("c/t")->due->date, c.next) << c.name;
    std::string after = home.read("c", "t.ics");
    EXPECT_NE(after.find("UID:t\r\nDTSTAMP:20261207T110000Z\r\nRECURRENCE-ID" + c.written +
                         "\r\nSUMMARY:Take the pills\r\nSTATUS:COMPLETED\r\n"
                         "COMPLETED:20261207T110000Z\r\nPERCENT-COMPLETE:100\r\n"),
              std::string::npos)
        << c.name << "\n"
        << after;
    EXPECT_EQ(withoutAddedToDo(after, c.written), before) << c.name;

    ASSERT_EQ(store.toggleCompleted(c.completedId, kNow), EventStore::SaveResult::saved) << c.name;
    EXPECT_EQ(dayOf(store), open) << c.name;
    // Completed again, the occurrence's change is completed again; no second one is added.
    ASSERT_EQ(store.toggleCompleted("c/t", kNow), EventStore::SaveResult::saved) << c.name;
    EXPECT_EQ(dayOf(store), (Day{{}, {c.completedId}})) << c.name;
    after = home.read("c", "t.ics");
    EXPECT_EQ(after.find("RECURRENCE-ID"), after.rfind("RECURRENCE-ID")) << c.name;
  }
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
// as the series' do.
TEST(RecurringReminders, AnOccurrencesChangeKeepsTheFilesMarkAndLineEnds) {
  CalendarHome home;
  std::string text = "\xEF\xBB\xBF"
                     "BEGIN:VCALENDAR\rVERSION:2.0\rBEGIN:VTODO\rUID:t\r"
                     "DUE:20261201T100000Z\rRRULE:FREQ=DAILY\rEND:VTODO\rEND:VCALENDAR\r";
  home.addRaw("c", "t.ics", text);
  ASSERT_EQ(todayIn(home).toggleCompleted("c/t", kNow), EventStore::SaveResult::saved);
  std::string after = home.read("c", "t.ics");
  EXPECT_EQ(after, "\xEF\xBB\xBF"
                   "BEGIN:VCALENDAR\rVERSION:2.0\rBEGIN:VTODO\rUID:t\r"
                   "DUE:20261201T100000Z\rRRULE:FREQ=DAILY\rEND:VTODO\rBEGIN:VTODO\rUID:t\r"
                   "DTSTAMP:20261207T110000Z\rRECURRENCE-ID:20261207T100000Z\rSTATUS:COMPLETED\r"
                   "COMPLETED:20261207T110000Z\rPERCENT-COMPLETE:100\rEND:VTODO\rEND:VCALENDAR\r");
}
