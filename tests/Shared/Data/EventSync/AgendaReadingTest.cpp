#include "AgendaHome.h"

#include "support/Pluck.h"

#include <gtest/gtest.h>

#include <fmt/format.h>

namespace zavel::EventSync {
namespace {

using agenda_test::AgendaHome;
using agenda_test::event;
using agenda_test::oslo;
using agenda_test::todo;

// Tuesday 2024-03-12 in Oslo, read at 14:00.
void addTuesday(const AgendaHome &home) {
  home.add("home", "birthday.ics",
           "BEGIN:VEVENT\nUID:bday\nSUMMARY:Birthday\nDTSTART;VALUE=DATE:20240312\n"
           "DTEND;VALUE=DATE:20240313\nEND:VEVENT");
  std::tuple<const char *, const char *, const char *, const char *, const char *> events[] = {
      {"home", "late", "20240311T230000", "20240312T010000", "SUMMARY:Night train"},
      {"work", "standup", "20240312T100000", "20240312T101500", "SUMMARY:Standup"},
      {"work", "running", "20240312T133000", "20240312T143000",
       "SUMMARY:Workshop\nLOCATION:Room 4"},
      {"work", "review", "20240312T150000", "20240312T154500",
       "SUMMARY:Design review\nLOCATION:Studio B, second floor, east"},
      {"work", "untitled", "20240312T160000", "20240312T163000", ""},
      {"work", "dinner", "20240312T183000", "20240312T200000", "SUMMARY:Dinner\nLOCATION:"},
      {"work", "call", "20240312T210000", "20240312T213000", "SUMMARY:Call"},
  };
  for (auto [calendar, uid, start, end, lines] : events)
    home.add(calendar, std::string(uid) + ".ics", event(uid, start, end, lines));
}

TEST(CalendarReading, TodaysTimedEventsFirstSixByStartWithTheNextAmongThem) {
  AgendaHome home;
  addTuesday(home);
  auto snapshot = readCalendar(home.environment());
  EXPECT_EQ(snapshot.events,
            (std::vector<EventItem>{
                {"home/late", "23:00", "01:00", "Night train", "Done", true, false},
                {"work/standup", "10:00", "10:15", "Standup", "Done", true, false},
                {"work/running", "13:30", "14:30", "Workshop", "Room 4 · 60 min", false, false},
                {"work/review", "15:00", "15:45", "Design review",
                 "Studio B, second floor,  · 45 min", false, true},
                {"work/untitled", "16:00", "16:30", "Untitled", "30 min", false, false},
                {"work/dinner", "18:30", "20:00", "Dinner", "90 min", false, false},
            }));
  EXPECT_DOUBLE_EQ(snapshot.dayProgress, 7.0 / 16);

  home.now = oslo(2024, 3, 12, 14, 30); // the workshop ends now: it still runs
  auto events = readCalendar(home.environment()).events;
  EXPECT_EQ(test::pluck(events, &EventItem::isNext), (std::vector<bool>{0, 0, 0, 1, 0, 0}));
  EXPECT_FALSE(events.at(2).isPast);
  home.now = oslo(2024, 3, 12, 19); // the next is a 7th
  EXPECT_EQ(test::pluck(readCalendar(home.environment()).events, &EventItem::isNext),
            std::vector<bool>(6));
}

TEST(ReminderReading, LastTwoCompletedThenTheOpenOnesByDueMomentWithTheNextDue) {
  AgendaHome home;
  std::tuple<const char *, std::string, std::string> reminders[] = {
      {"inbox", "overdue", "DUE;VALUE=DATE:20240311"},
      {"inbox", "call", "DUE;TZID=Europe/Oslo:20240312T170000"},
      {"inbox", "soon", "DUE:20240312T140000Z"},
      {"inbox", "today", "DUE;VALUE=DATE:20240312"},
      {"inbox", "someday", ""},
      {"inbox", "nextweek", "DUE:20240319T090000Z"},
      {"done", "run", "COMPLETED:20240312T060000Z\nDUE;TZID=Europe/Oslo:20240312T070000"},
      {"done", "ship", "COMPLETED:20240312T090000Z"},
      {"done", "mail", "COMPLETED:20240312T080000Z\nDUE;TZID=Europe/Oslo:20240312T150000"},
  };
  for (const auto &[calendar, uid, lines] : reminders)
    home.add(calendar, uid + ".ics",
             todo(uid, (calendar == std::string("done") ? "STATUS:COMPLETED\n" : "") + lines));
  home.add("inbox", "untitled.ics",
           "BEGIN:VTODO\nUID:untitled\nDUE;TZID=Europe/Oslo:20240312T220000\nEND:VTODO");
  ReminderItem soon{"inbox/soon", "soon", "15:00", false, true};
  EXPECT_EQ(readReminders(home.environment()),
            (RemindersSnapshot{.items = {{"done/mail", "mail", "15:00", true, false},
                                         {"done/ship", "ship", std::nullopt, true, false},
                                         {"inbox/overdue", "overdue", std::nullopt, false, true},
                                         {"inbox/today", "today", std::nullopt, false, true},
                                         soon,
                                         {"inbox/call", "call", "17:00", false, false},
                                         {"inbox/untitled", "Untitled", "22:00", false, false}},
                               .nextUp = soon,
                               .minutesToNext = 60}));

  home.now = oslo(2024, 3, 12, 15); // one due this very minute is no longer next
  auto later = readReminders(home.environment());
  EXPECT_EQ(std::tuple(later.nextUp->id, later.minutesToNext), std::tuple("inbox/call", 120));
}

TEST(ReminderReading, UndatedOnesSortLastAndAreNeverUrgentOrNext) {
  AgendaHome home;
  auto reminder = [](const char *id, bool dated) {
    std::optional<kit::events::DueDate> due;
    if (dated)
      due = kit::events::DueDate{oslo(2024, 3, 12, id[0] == 'p' ? 9 : 18), true};
    return kit::events::Reminder{id, "c", id, due, false, std::nullopt};
  };
  auto snapshot = remindersSnapshot({reminder("undated-a", false), reminder("later-a", true),
                                     reminder("undated-b", false), reminder("past", true),
                                     reminder("later-b", true)},
                                    {}, home.now, home.home());
  EXPECT_EQ(test::joined(snapshot.items, &ReminderItem::id),
            "past later-a later-b undated-a undated-b");
  EXPECT_EQ(std::tuple(snapshot.items[3].isUrgent, snapshot.items[3].time, snapshot.nextUp->id),
            std::tuple(false, std::nullopt, "later-a"));
  auto onlyUndated = remindersSnapshot({reminder("undated", false)}, {}, home.now, home.home());
  EXPECT_EQ(std::tuple(onlyUndated.nextUp, onlyUndated.minutesToNext),
            std::tuple(std::nullopt, std::nullopt));
}

// A folder as a busy user's sync tool leaves it, one file per item with its zone: 4,000 single
// events on other days, 500 daily and 500 weekly series begun years ago, 2,000 reminders. The
// reading's bounds leave none of it out: the earliest of today's occurrences are in the files
// read last, and every open reminder due by tonight is listed.
TEST(CalendarReading, ABusyUsersFolderShowsInFull) {
  AgendaHome home;
  const std::string zone =
      "BEGIN:VTIMEZONE\nTZID:Europe/Oslo\nBEGIN:DAYLIGHT\nTZOFFSETFROM:+0100\n"
      "TZOFFSETTO:+0200\nDTSTART:19810329T020000\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\n"
      "END:DAYLIGHT\nBEGIN:STANDARD\nTZOFFSETFROM:+0200\nTZOFFSETTO:+0100\n"
      "DTSTART:19961027T030000\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\nEND:STANDARD\n"
      "END:VTIMEZONE\n";
  auto wall = [](int day, int minutes) {
    return fmt::format("2023{:02}{:02}T{:02}{:02}00", 1 + day % 12, 1 + day % 28, minutes / 60,
                       minutes % 60);
  };
  for (int i = 0; i < 4000; ++i)
    home.add("a-single", fmt::format("{:04}.ics", i),
             zone + event(fmt::format("single{}", i), wall(i, 600), wall(i, 660)));
  // Daily ones from 14:00 back to 05:41 by file; weekly ones on Mondays and Wednesdays only.
  for (int i = 0; i < 500; ++i) {
    home.add("b-daily", fmt::format("{:03}.ics", i),
             zone + event(fmt::format("daily{}", i), wall(i, 840 - i), wall(i, 855 - i),
                          "RRULE:FREQ=DAILY"));
    home.add("c-weekly", fmt::format("{:03}.ics", i),
             zone + event(fmt::format("weekly{}", i), "20230102T080000", "20230102T083000",
                          "RRULE:FREQ=WEEKLY;BYDAY=MO,WE"));
  }
  // Every other one is due today, the rest next week.
  for (int i = 0; i < 2000; ++i)
    home.add(
        "d-todo", fmt::format("{:04}.ics", i),
        zone + todo(fmt::format("todo{}", i), fmt::format("DUE;TZID=Europe/Oslo:202403{}T{:02}0000",
                                                          i % 2 ? "19" : "12", 8 + i % 12)));
  home.now = oslo(2024, 3, 12, 5);
  EXPECT_EQ(test::joined(readCalendar(home.environment()).events, &EventItem::id),
            "b-daily/daily499#20240312T044100Z b-daily/daily498#20240312T044200Z "
            "b-daily/daily497#20240312T044300Z b-daily/daily496#20240312T044400Z "
            "b-daily/daily495#20240312T044500Z b-daily/daily494#20240312T044600Z");
  EXPECT_EQ(readReminders(home.environment()).items.size(), 1000u);
}

} // namespace
} // namespace zavel::EventSync
