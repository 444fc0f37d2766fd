#include "AgendaHome.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using agenda_test::AgendaHome;
using agenda_test::Date;
using agenda_test::oslo;
using agenda_test::todo;
using kit::events::DueDate;
using kit::events::Reminder;
using zavel::ReminderItem;
using zavel::RemindersSnapshot;
using zavel::EventSync::readReminders;
using zavel::EventSync::remindersSnapshot;

namespace {

// Tuesday 2024-03-12 in Oslo, read at 14:00 (13:00 UTC).
void addInbox(const AgendaHome &home) {
  home.add("inbox", "overdue.ics", todo("overdue", "DUE;VALUE=DATE:20240311"));
  home.add("inbox", "call.ics", todo("call", "DUE;TZID=Europe/Oslo:20240312T170000"));
  home.add("inbox", "soon.ics", todo("soon", "DUE:20240312T140000Z"));
  home.add("inbox", "today.ics", todo("today", "DUE;VALUE=DATE:20240312"));
  home.add("inbox", "someday.ics", todo("someday"));
  home.add("inbox", "nextweek.ics", todo("nextweek", "DUE:20240319T090000Z"));
  home.add("inbox", "untitled.ics",
           "BEGIN:VTODO\nUID:untitled\nDUE;TZID=Europe/Oslo:20240312T220000\nEND:VTODO");
  home.add("done", "run.ics",
           todo("run", "STATUS:COMPLETED\nCOMPLETED:20240312T060000Z\n"
                       "DUE;TZID=Europe/Oslo:20240312T070000"));
  home.add("done", "ship.ics", todo("ship", "STATUS:COMPLETED\nCOMPLETED:20240312T090000Z"));
  home.add("done", "mail.ics",
           todo("mail", "STATUS:COMPLETED\nCOMPLETED:20240312T080000Z\n"
                        "DUE;TZID=Europe/Oslo:20240312T150000"));
  home.add("done", "yesterday.ics",
           todo("yesterday", "STATUS:COMPLETED\nCOMPLETED:20240311T120000Z"));
}

} // namespace

TEST(ReminderReading, LastTwoCompletedThenTheOpenOnesByDueMoment) {
  AgendaHome home;
  addInbox(home);
  ReminderItem soon{"inbox/soon", "soon", "15:00", false, true};
  EXPECT_EQ(readReminders(home.environment()),
            (RemindersSnapshot{.items =
                                   {
                                       {"done/mail", "mail", "15:00", true, false},
                                       {"done/ship", "ship", std::nullopt, true, false},
                                       {"inbox/overdue", "overdue", std::nullopt, false, true},
                                       {"inbox/today", "today", std::nullopt, false, true},
                                       soon,
                                       {"inbox/call", "call", "17:00", false, false},
                                       {"inbox/untitled", "Untitled", "22:00", false, false},
                                   },
                               .nextUp = soon,
                               .minutesToNext = 60}));
}

TEST(ReminderReading, NextUpIsTheFirstOpenOneDueAfterNow) {
  AgendaHome home;
  addInbox(home);
  struct Case {
    Date now;
    std::optional<std::string> nextUp;
    std::optional<int64_t> minutes;
  } cases[] = {
      {oslo(2024, 3, 12, 14, 59, 30), "inbox/soon", 1},
      {oslo(2024, 3, 12, 14, 57, 30), "inbox/soon", 2},
      {oslo(2024, 3, 12, 15), "inbox/call", 120},
      {oslo(2024, 3, 12, 20, 58, 30), "inbox/untitled", 61},
      {oslo(2024, 3, 12, 22), std::nullopt, std::nullopt},
  };
  for (const auto &c : cases) {
    home.now = c.now;
    auto snapshot = readReminders(home.environment());
    EXPECT_EQ(snapshot.nextUp ? std::optional(snapshot.nextUp->id) : std::nullopt, c.nextUp)
        << c.now.secondsSinceReferenceDate;
    EXPECT_EQ(snapshot.minutesToNext, c.minutes) << c.now.secondsSinceReferenceDate;
  }
}

TEST(ReminderReading, UndatedOnesSortLastAndAreNeverUrgentOrNext) {
  AgendaHome home;
  const auto now = home.now;
  auto reminder = [](const char *id, std::optional<DueDate> due) {
    return Reminder{.id = id,
                    .calendar = "c",
                    .title = id,
                    .due = due,
                    .completed = false,
                    .completionDate = std::nullopt};
  };
  auto past = DueDate{oslo(2024, 3, 12, 9), true};
  auto later = DueDate{oslo(2024, 3, 12, 18), true};
  auto snapshot = remindersSnapshot(
      {reminder("undated-a", std::nullopt), reminder("later-a", later),
       reminder("undated-b", std::nullopt), reminder("past", past), reminder("later-b", later)},
      {}, now, home.home());
  std::vector<std::string> ids;
  for (const auto &item : snapshot.items)
    ids.push_back(item.id);
  EXPECT_EQ(ids,
            (std::vector<std::string>{"past", "later-a", "later-b", "undated-a", "undated-b"}));
  EXPECT_FALSE(snapshot.items[3].isUrgent);
  EXPECT_EQ(snapshot.items[3].time, std::nullopt);
  EXPECT_EQ(snapshot.nextUp->id, "later-a");

  auto onlyUndated = remindersSnapshot({reminder("undated", std::nullopt)}, {}, now, home.home());
  EXPECT_EQ(onlyUndated.nextUp, std::nullopt);
  EXPECT_EQ(onlyUndated.minutesToNext, std::nullopt);
}

TEST(ReminderReading, InvalidUtf8InATitleIsReplacedAndTheSnapshotStores) {
  AgendaHome home;
  home.add("inbox", "bad.ics",
           "BEGIN:VTODO\nUID:bad\nSUMMARY:bad\xC3(\nDUE:20240312T150000Z\nEND:VTODO");
  auto snapshot = zavel::EventSync::loadReminders(home.environment());
  ASSERT_TRUE(snapshot);
  ASSERT_EQ(snapshot->items.size(), 1u);
  EXPECT_EQ(snapshot->items[0].title, "bad\xEF\xBF\xBD(");
  EXPECT_EQ(zavel::EventSync::storedReminders(home.home()), snapshot);
}
