#include "AgendaHome.h"

#include "support/Pluck.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace zavel::EventSync
