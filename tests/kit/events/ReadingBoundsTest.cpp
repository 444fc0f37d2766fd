#include "CalendarFixture.h"

#include "kit/events/ReadingBudget.h"
#include "kit/foundation/Iso8601.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <functional>

using namespace events_test;
using kit::events::FileAccount;
using kit::events::ReadingBudget;

namespace {

// A moment as a file writes it in UTC: "20261207T080000Z".
std::string basicUtc(Date date) {
  std::string text = kit::foundation::iso8601String(date);
  std::erase_if(text, [](char c) { return c == '-' || c == ':'; });
  return text;
}

std::string event(const std::string &uid, std::string_view lines) {
  return "BEGIN:VEVENT\nUID:" + uid + "\n" + std::string(lines) + "\nEND:VEVENT\n";
}

const Date kDay = utc(2026, 12, 7);
const Date kNextDay = utc(2026, 12, 8);

std::vector<std::string> idsOn(const CalendarHome &home, std::size_t perEvent = SIZE_MAX) {
  return idsOf(EventStore(home.folder(), "UTC").events(kDay, kNextDay, perEvent));
}

// A calendar file of exactly `size` bytes: one event at `hour` on the day read, and a line of
// filler.
std::string sizedEventFile(const std::string &uid, int hour, std::size_t size) {
  std::string text =
      calendarText(event(uid, fmt::format("DTSTART:20261207T{:02}0000Z\nX-FILLER:", hour)));
  text.insert(text.find("X-FILLER:") + 9, size - text.size(), 'x');
  return text;
}

} // namespace

// The agenda shows six events: a series gives no more than its first six occurrences that
// show, past the ones its EXDATEs take out and its changes move away.
TEST(ReadingBounds, ASeriesGivesItsFirstOccurrencesLeftAfterExceptionsAndChanges) {
  CalendarHome home;
  home.add("c", "minutes.ics",
           event("m", "DTSTART:20261207T090000Z\nRRULE:FREQ=MINUTELY\n"
                      "EXDATE:20261207T090000Z,20261207T090100Z") +
               event("m", "RECURRENCE-ID:20261207T090200Z\nDTSTART:20261207T150000Z") +
               event("m", "RECURRENCE-ID:20261207T090300Z\nDTSTART:20261207T090300Z\n"
                          "STATUS:CANCELLED"));
  EXPECT_EQ(idsOn(home, 6),
            (std::vector<std::string>{"c/m#20261207T090400Z", "c/m#20261207T090500Z",
                                      "c/m#20261207T090600Z", "c/m#20261207T090700Z",
                                      "c/m#20261207T090800Z", "c/m#20261207T090900Z",
                                      "c/m#20261207T090200Z"}));
}

// Each of these rules is followed minute by minute from its start three and a half years ago,
// within what one rule may take; together they take more than a reading may, and those past it
// give nothing. An event without a rule needs no such work and still shows.
TEST(ReadingBounds, RulesPastTheReadingsWorkGiveNothingAndPlainEventsStillShow) {
  auto costly = [](int i) {
    return event("costly" + std::to_string(i),
                 "DTSTART:20230601T090000Z\nRRULE:FREQ=MINUTELY;BYHOUR=9;COUNT=100000000");
  };
  CalendarHome alone;
  alone.add("c", "a.ics", costly(0));
  EXPECT_EQ(idsOn(alone, 1), std::vector<std::string>{"c/costly0#20261207T090000Z"});

  CalendarHome home;
  constexpr int kRules = 20;
  for (int i = 0; i < kRules; ++i)
    home.add("c", "a" + std::to_string(100 + i) + ".ics", costly(i));
  home.add("c", "z.ics", event("plain", "DTSTART:20261207T120000Z"));
  auto ids = idsOn(home, 1);
  ASSERT_FALSE(ids.empty());
  EXPECT_EQ(ids.back(), "c/plain");
  EXPECT_GT(ids.size(), 1u);
  EXPECT_LT(ids.size(), std::size_t{kRules} + 1);
}

// Asked for every occurrence, a reading still keeps no more than its bound: two every-second
// series would give 172,800 on one day; their file keeps its own share, then the reading's.
TEST(ReadingBounds, AReadingKeepsNoMoreOccurrencesThanItsBound) {
  CalendarHome home;
  home.add("c", "seconds.ics",
           event("a", "DTSTART:20261207T000000Z\nRRULE:FREQ=SECONDLY") +
               event("b", "DTSTART:20261207T000000Z\nRRULE:FREQ=SECONDLY"));
  EXPECT_EQ(idsOn(home).size(),
            std::size_t{ReadingBudget::kOccurrences + FileAccount::kFileOccurrences +
                        2 * FileAccount::kItemOccurrences});
}

// A file holding more dates than a reading may keep is unreadable; the others still read.
TEST(ReadingBounds, AFileWithMoreValuesThanAReadingKeepsIsUnreadable) {
  std::string dates = "RDATE;VALUE=DATE:20261207";
  for (std::int64_t i = 0; i < ReadingBudget::kValues; ++i)
    dates += ",20261207";
  CalendarHome home;
  home.add("c", "dates.ics", event("dates", "DTSTART:20261207T080000Z\n" + dates));
  home.add("c", "plain.ics", event("plain", "DTSTART:20261207T120000Z"));
  EXPECT_EQ(idsOn(home), std::vector<std::string>{"c/plain"});
}

// Files are read while their bytes fit in the reading's 128 MiB: of nine of 15 MiB, the first
// eight in name order take 120 MiB, the ninth does not fit, a small one after it still reads.
TEST(ReadingBounds, FilesPastTheReadingsBytesAreLeftOutAndSmallerOnesAfterThemRead) {
  constexpr std::size_t kLarge = 15 << 20;
  CalendarHome home;
  std::vector<std::string> expected;
  for (int i = 1; i <= 9; ++i) {
    std::string uid = fmt::format("large{:02}", i);
    home.addRaw("c", uid + ".ics", sizedEventFile(uid, i, kLarge));
    if (i <= 8)
      expected.push_back("c/" + uid);
  }
  home.add("c", "small.ics", event("small", "DTSTART:20261207T120000Z"));
  expected.push_back("c/small");
  EXPECT_EQ(idsOn(home), expected);
}

// Reading an EXDATE costs the reading's work like steps of a rule; an event with more of them
// than the reading affords cannot be told, and shows nothing, while later ones do.
TEST(ReadingBounds, AnEventWithMoreDatesThanAReadingAffordsShowsNothing) {
  std::string dates = "EXDATE:20200101T090000Z";
  constexpr std::int64_t kAfforded =
      (ReadingBudget::kSteps + FileAccount::kFileSteps + FileAccount::kItemSteps) /
      ReadingBudget::kDateSteps;
  for (std::int64_t i = 1; i <= kAfforded; ++i)
    dates += ",20200101T090000Z";
  CalendarHome home;
  home.add("c", "a.ics", event("dated", "DTSTART:20200101T090000Z\nRRULE:FREQ=DAILY\n" + dates));
  home.add("c", "b.ics", event("plain", "DTSTART:20261207T120000Z"));
  EXPECT_EQ(idsOn(home), std::vector<std::string>{"c/plain"});
}

// A widget lists reminders by the tens; a reading keeps no more than its bound of them, the
// first it reads: the file's own share, then the reading's.
TEST(ReadingBounds, AReadingKeepsNoMoreRemindersThanItsBound) {
  constexpr std::int64_t kKept = FileAccount::kFileReminders + ReadingBudget::kReminders;
  std::string todos;
  for (std::int64_t i = 0; i <= kKept; ++i)
    todos += fmt::format("BEGIN:VTODO\nUID:t{:05}\nEND:VTODO\n", i);
  CalendarHome home;
  home.add("c", "todos.ics", todos);
  auto ids = idsOf(home.store().incompleteReminders({}, EventStore::Undated::included));
  ASSERT_EQ(ids.size(), std::size_t{kKept});
  EXPECT_EQ(ids.back(), fmt::format("c/t{:05}", kKept - 1));
}

// What is completed never takes the place of what is open, in the list or for a tap: neither
// reminders completed long ago, nor a long history of completed occurrences, nor more completed
// today than a reading keeps. Nor do those completed long ago take the place of one completed
// today. A reminder the list shows is found by its tap.
TEST(ReadingBounds, WhatIsCompletedNeverHidesOrBlocksWhatIsOpen) {
  const Date now = utc(2026, 12, 7, 10);
  const kit::events::DateRange today{utc(2026, 12, 7), utc(2026, 12, 8)};
  constexpr std::int64_t kCompletedKept =
      FileAccount::kFileCompletedReminders + ReadingBudget::kCompletedReminders;
  auto completed = [](std::int64_t count, const std::string &when) {
    std::string todos;
    for (std::int64_t i = 0; i < count; ++i)
      todos += fmt::format("BEGIN:VTODO\nUID:done{:05}\nSTATUS:COMPLETED\nCOMPLETED:{}\n"
                           "END:VTODO\n",
                           i, when);
    return todos;
  };
  std::string hourly = "BEGIN:VTODO\nUID:hourly\nDTSTART:20250101T000000Z\nRRULE:FREQ=HOURLY\n"
                       "END:VTODO\n";
  for (int i = 0; i < 10999; ++i)
    hourly += fmt::format("BEGIN:VTODO\nUID:hourly\nRECURRENCE-ID:{}\nSTATUS:COMPLETED\n"
                          "COMPLETED:20250101T000000Z\nEND:VTODO\n",
                          basicUtc(utc(2025, 1, 1).addingTimeInterval(3600.0 * i)));
  const std::string milk = "BEGIN:VTODO\nUID:milk\nDUE:20261207T170000Z\nEND:VTODO\n";
  const std::string bread =
      "BEGIN:VTODO\nUID:bread\nSTATUS:COMPLETED\nCOMPLETED:20261207T080000Z\nEND:VTODO\n";
  struct Case {
    std::string name;
    std::string text;
    std::size_t completedToday;
  };
  const std::vector<Case> cases{
      {"a list exported whole: 11,000 completed in 2020",
       completed(11000, "20200601T100000Z") + milk + bread, 1},
      {"an hourly series completed 10,999 times", hourly + milk + bread, 1},
      {"more completed today than a reading keeps",
       completed(kCompletedKept + 1, "20261207T080000Z") + milk, std::size_t{kCompletedKept}},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    home.add("c", "list.ics", c.text);
    EventStore store(home.folder(), "UTC", kit::foundation::Clock::fixed(now));
    auto lists =
        store.reminderLists({std::nullopt, today.end}, EventStore::Undated::excluded, today);
    ASSERT_EQ(idsOf(lists.incomplete), std::vector<std::string>{"c/milk"}) << c.name;
    ASSERT_EQ(lists.completed.size(), c.completedToday) << c.name;
    // A tap on each row shown: the open one completes, the completed one reopens.
    for (const auto &row : {lists.incomplete.front(), lists.completed.back()}) {
      ASSERT_EQ(store.toggleCompleted(row.id, now), EventStore::SaveResult::saved)
          << c.name << " " << row.id;
      EXPECT_NE(store.reminder(row.id)->completed, row.completed) << c.name << " " << row.id;
    }
  }
}

namespace {

std::string invitation(int i) {
  std::string tzid = fmt::format("Invite Zone {}", i);
  return invitationZone(tzid) +
         event(fmt::format("invite{}", i),
               fmt::format("DTSTART;TZID={}:20261207T{:02}{:02}00\nSUMMARY:Invite {}", tzid,
                           10 + i / 60, i % 60, i));
}

const std::string kOslo =
    "BEGIN:VTIMEZONE\nTZID:Europe/Oslo\nBEGIN:DAYLIGHT\nTZOFFSETFROM:+0100\n"
    "TZOFFSETTO:+0200\nDTSTART:19700329T020000\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\n"
    "END:DAYLIGHT\nBEGIN:STANDARD\nTZOFFSETFROM:+0200\nTZOFFSETTO:+0100\n"
    "DTSTART:19701025T030000\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\nEND:STANDARD\n"
    "END:VTIMEZONE\n";

// A daily stand-up with its own zone, at 07:30 UTC on the day read.
std::string standup() {
  return kOslo + event("standup", "DTSTART;TZID=Europe/Oslo:20250106T083000\nRRULE:FREQ=DAILY");
}

// The day as each file of the folder gives it when read alone.
std::vector<std::string> idsEachAlone(const CalendarHome &home) {
  std::vector<kit::events::Event> all;
  for (const auto &entry : std::filesystem::recursive_directory_iterator(home.folder())) {
    if (!entry.is_regular_file())
      continue;
    CalendarHome alone;
    alone.addRaw(entry.path().parent_path().filename().string(), entry.path().filename().string(),
                 test_support::fileText(entry.path()));
    auto events = EventStore(alone.folder(), "UTC").events(kDay, kNextDay);
    all.insert(all.end(), events.begin(), events.end());
  }
  std::stable_sort(all.begin(), all.end(), [](const auto &a, const auto &b) {
    return a.start != b.start ? a.start < b.start : a.id < b.id;
  });
  return idsOf(all);
}

} // namespace

// No item hides another, whatever it costs and whichever file comes first: ordinary zones
// (invitations with rules from 1601, or forty zones in one file beside a plain event) and rules
// that can never give a start cost next to nothing, so every file gives the day it gives alone;
// rules that cost more than their file's share and the reading's together lose their own
// occurrences, never the stand-up's.
TEST(ReadingBounds, NoFileOrCalendarHidesAnotherWhicheverComesFirst) {
  struct Case {
    std::string name;
    std::function<void(const CalendarHome &home, const std::string &calendar)> add;
    bool eachAsAlone = true;
  };
  std::vector<Case> cases{
      {"invitations, each with its zone",
       [](const CalendarHome &home, const std::string &calendar) {
         for (int i = 0; i < 45; ++i)
           home.add(calendar, fmt::format("invite{:02}.ics", i), invitation(i));
       }},
      {"forty zones in one file beside its plain event",
       [](const CalendarHome &home, const std::string &calendar) {
         std::string zones;
         for (int i = 0; i < 40; ++i)
           zones += invitationZone(fmt::format("Zone {}", i));
         home.add(calendar, "zones.ics", zones + event("plain", "DTSTART:20261207T120000Z"));
       }},
      {"rules that never give a start",
       [](const CalendarHome &home, const std::string &calendar) {
         for (int i = 0; i < 12; ++i)
           home.add(calendar, fmt::format("never{:02}.ics", i),
                    event(fmt::format("never{}", i),
                          i % 2 ? "DTSTART:20251102T000000\nRRULE:FREQ=SECONDLY;BYSETPOS=2"
                                : "DTSTART:20251102T000000\nRRULE:FREQ=YEARLY;BYMONTH=2,4;"
                                  "BYMONTHDAY=30,31"));
       }},
      {"rules costing more than a reading affords",
       [](const CalendarHome &home, const std::string &calendar) {
         for (int i = 0; i < 20; ++i)
           home.add(calendar, fmt::format("costly{:02}.ics", i),
                    event(fmt::format("costly{}", i),
                          "DTSTART:20230601T090000Z\n"
                          "RRULE:FREQ=MINUTELY;BYHOUR=9;COUNT=100000000"));
       },
       false},
  };
  for (const auto &c : cases) {
    for (const std::string fine : {"a", "z"}) {
      CalendarHome home;
      c.add(home, "m");
      home.add(fine, "standup.ics", standup());
      auto ids = idsOn(home);
      ASSERT_FALSE(ids.empty()) << c.name;
      EXPECT_EQ(ids.front(), fine + "/standup#20261207T073000Z") << c.name << " " << fine;
      if (c.eachAsAlone) {
        EXPECT_EQ(ids, idsEachAlone(home)) << c.name << " " << fine;
      }
    }
  }
}

// Files are admitted smallest first while their bytes fit in the reading's 128 MiB, then read in
// name order: what is left out is the largest, wherever its name falls; a file may hold up to
// 64 MiB.
TEST(ReadingBounds, TheLargestFilesAreLeftOutAndAFileMayHoldUpTo64MiB) {
  constexpr std::size_t kMiB = 1 << 20;
  struct Case {
    std::string name;
    std::vector<std::pair<std::string, std::size_t>> files; // uid and size, each in "<uid>.ics"
    std::vector<std::string> shown;
  };
  const std::size_t small = calendarText(event("small", "DTSTART:20261207T120000Z")).size();
  const std::vector<Case> cases{
      {"64 MiB", {{"a", 64 * kMiB}}, {"c/a", "c/small"}},
      {"a byte more", {{"a", 64 * kMiB + 1}}, {"c/small"}},
      {"the largest first in name order",
       {{"a", 50 * kMiB}, {"b", 40 * kMiB}, {"d", 40 * kMiB}},
       {"c/b", "c/d", "c/small"}},
      {"all of them filling 128 MiB exactly",
       {{"a", 64 * kMiB}, {"b", 64 * kMiB - small}},
       {"c/a", "c/b", "c/small"}},
      {"the smallest filling 128 MiB exactly",
       {{"a", 64 * kMiB}, {"b", 64 * kMiB - small}, {"d", 64 * kMiB}},
       {"c/a", "c/b", "c/small"}},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    int hour = 0;
    for (const auto &[uid, size] : c.files)
      home.addRaw("c", uid + ".ics", sizedEventFile(uid, ++hour, size));
    home.add("c", "small.ics", event("small", "DTSTART:20261207T120000Z"));
    EXPECT_EQ(idsOn(home), c.shown) << c.name;
  }
}

namespace {

// A rule that gives nothing, and takes all a rule may to find so: every other second from an
// even one, of those at second 1.
std::string costly(const std::string &kind, const std::string &uid) {
  return "BEGIN:" + kind + "\nUID:" + uid +
         "\nDTSTART:20260101T000000Z\nDURATION:P5D\nRRULE:FREQ=SECONDLY;INTERVAL=2;BYSECOND=1\n"
         "END:" +
         kind + "\n";
}

std::string costlyItems(const std::string &uid) {
  return costly("VEVENT", "costly-event-" + uid) + costly("VTODO", "costly-todo-" + uid);
}

// A daily reminder in Oslo, due at 08:30 UTC on the day read.
const std::string kPills =
    "BEGIN:VTODO\nUID:pills\nSUMMARY:Pills\nDTSTART;TZID=Europe/Oslo:20250106T090000\n"
    "DUE;TZID=Europe/Oslo:20250106T093000\nRRULE:FREQ=DAILY\nEND:VTODO\n";

const std::string kLunch = event("lunch", "DTSTART:20261207T113000Z\nDTEND:20261207T123000Z");

// An EXDATE of `count` dates long past, which costs the item that many times a date's steps.
std::string exdates(int count) {
  std::string dates = "EXDATE:20200101T000000Z";
  for (int i = 1; i < count; ++i)
    dates += fmt::format(",2020{:02}{:02}T000000Z", 1 + i / 28, 1 + i % 28);
  return dates;
}

} // namespace

// Once costly items of other files have spent the reading's budget, each item still has a share
// of its own, then its file's: a costly item takes no more than that, and the items beside it in
// its file still show, as do changes to a series written in a file of costly items, each part
// drawing on its own file.
TEST(ReadingBounds, EachItemHasItsOwnShareWhateverTheItemsOfItsFileCost) {
  struct Case {
    std::string name;
    std::vector<std::pair<std::string, std::string>> files; // in calendar "mine"
    std::vector<std::string> events;                        // id and start
    std::vector<std::string> reminders;                     // id and title
  };
  const std::string movedStandup =
      kOslo + event("standup", "RECURRENCE-ID;TZID=Europe/Oslo:20261207T083000\n"
                               "DTSTART;TZID=Europe/Oslo:20261207T100000");
  const std::string renamedPills = "BEGIN:VTODO\nUID:pills\n"
                                   "RECURRENCE-ID;TZID=Europe/Oslo:20261207T090000\n"
                                   "SUMMARY:Pills with food\nEND:VTODO\n";
  const std::vector<Case> cases{
      {"after costly items",
       {{"all.ics", costlyItems("mine") + standup() + kLunch + kPills}},
       {"mine/standup#20261207T073000Z 07:30", "mine/lunch 11:30"},
       {"mine/pills Pills"}},
      {"changed in a file of costly items",
       {{"a.ics", costlyItems("mine") + movedStandup + renamedPills},
        {"b.ics", standup() + kPills}},
       {"mine/standup#20261207T073000Z 09:00"},
       {"mine/pills Pills with food"}},
      // The first needs nearly its own share, the second its own and most of the file's: each
      // spends its own before the file's.
      {"needing the file's share after one that needed nearly its own",
       {{"all.ics", event("x", "DTSTART:20261207T090000Z\n" + exdates(45)) +
                        event("y", "DTSTART:20261207T100000Z\n" + exdates(72))}},
       {"mine/x 09:00", "mine/y 10:00"},
       {}},
  };
  const Date now = utc(2026, 12, 7, 10);
  for (const auto &c : cases) {
    CalendarHome home;
    for (int i = 0; i < 20; ++i)
      home.add("a-other", fmt::format("{:02}.ics", i), costlyItems(fmt::format("other{}", i)));
    for (const auto &[file, body] : c.files)
      home.add("mine", file, body);
    EventStore store(home.folder(), "UTC", kit::foundation::Clock::fixed(now));
    std::vector<std::string> events;
    for (const auto &e : store.events(kDay, kNextDay))
      events.push_back(e.id + " " + kit::foundation::iso8601String(e.start).substr(11, 5));
    EXPECT_EQ(events, c.events) << c.name;
    std::vector<std::string> reminders;
    // The costly to-dos list too; only the others are looked at here.
    for (const auto &r : store.incompleteReminders({}, EventStore::Undated::included))
      if (r.id.find("/costly-") == std::string::npos)
        reminders.push_back(r.id + " " + r.title.value_or(""));
    EXPECT_EQ(reminders, c.reminders) << c.name;
  }
}
