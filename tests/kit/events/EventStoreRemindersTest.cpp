#include "CalendarFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace events_test;
using kit::events::DateRange;
using kit::events::DueDate;

namespace {

std::string todo(const std::string &uid, const std::string &lines) {
  return "BEGIN:VTODO\nUID:" + uid + "\nSUMMARY:" + uid + "\n" + lines + "\nEND:VTODO\n";
}

// March 12 in Oslo.
const DateRange today{utc(2024, 3, 11, 23), utc(2024, 3, 12, 23)};
const DateRange dueByEndOfToday{std::nullopt, utc(2024, 3, 12, 23)};

void addInbox(const CalendarHome &home) {
  home.add("inbox", "overdue.ics", todo("overdue", "DUE;VALUE=DATE:20240311"));
  home.add("inbox", "call.ics", todo("call", "DUE;TZID=Europe/Oslo:20240312T170000"));
  home.add("inbox", "someday.ics", todo("someday", ""));
  home.add("inbox", "nextweek.ics", todo("nextweek", "DUE:20240319T090000Z"));
  home.add(
      "inbox", "reopened.ics",
      todo("reopened", "DUE:20240312T100000Z\nSTATUS:NEEDS-ACTION\nCOMPLETED:20240310T100000Z"));
  home.add("inbox", "cancelled.ics", todo("cancelled", "DUE:20240312T100000Z\nSTATUS:CANCELLED"));
  home.add("inbox", "done-a.ics", todo("done-a", "STATUS:COMPLETED\nCOMPLETED:20240312T080000Z"));
  home.add("inbox", "done-b.ics", todo("done-b", "COMPLETED:20240312T070000Z"));
  home.add("inbox", "done-c.ics", todo("done-c", "STATUS:COMPLETED\nCOMPLETED:20240312T070000Z"));
  home.add("inbox", "done-old.ics",
           todo("done-old", "STATUS:COMPLETED\nCOMPLETED:20240311T120000Z"));
  home.add("inbox", "undated-done.ics", todo("undated-done", "STATUS:COMPLETED"));
  home.add("inbox", "meeting.ics",
           "BEGIN:VEVENT\nUID:meeting\nDTSTART:20240312T090000Z\nEND:VEVENT");
}

} // namespace

TEST(EventStoreReminders, OpenByDueMomentUndatedLastAndCompletedByCompletionMoment) {
  CalendarHome home;
  addInbox(home);
  auto store = home.store();
  EXPECT_EQ(
      idsOf(store.incompleteReminders(dueByEndOfToday, EventStore::Undated::included)),
      (std::vector<std::string>{"inbox/overdue", "inbox/reopened", "inbox/call", "inbox/someday"}));
  EXPECT_EQ(idsOf(store.incompleteReminders(today, EventStore::Undated::excluded)),
            (std::vector<std::string>{"inbox/reopened", "inbox/call"}));
  EXPECT_EQ(idsOf(store.incompleteReminders({}, EventStore::Undated::excluded)),
            (std::vector<std::string>{"inbox/overdue", "inbox/reopened", "inbox/call",
                                      "inbox/nextweek"}));
  // Completed ones by completion moment, then id.
  EXPECT_EQ(idsOf(store.completedReminders(today)),
            (std::vector<std::string>{"inbox/done-b", "inbox/done-c", "inbox/done-a"}));
}

TEST(EventStoreReminders, DueDatesAndIdsMatchedOnlyAgainstReminders) {
  CalendarHome home;
  addInbox(home);
  auto store = home.store();
  // A day without a time is due at its local midnight.
  EXPECT_EQ(store.reminder("inbox/overdue")->due,
            (DueDate{.date = utc(2024, 3, 10, 23), .hasTime = false}));
  EXPECT_EQ(store.reminder("inbox/call")->due,
            (DueDate{.date = utc(2024, 3, 12, 16), .hasTime = true}));
  EXPECT_EQ(store.reminder("inbox/someday")->due, std::nullopt);
  EXPECT_EQ(store.reminder("inbox/reopened")->completionDate, std::nullopt);
  // Ids are only matched against reminders; unknown ones change nothing.
  std::string before = home.read("inbox", "call.ics");
  for (const char *id : {"inbox/meeting", "inbox/call.ics", "../calendars/inbox/call"}) {
    EXPECT_EQ(store.reminder(id), std::nullopt) << id;
    EXPECT_EQ(store.setCompleted(id, true, utc(2024, 3, 12)), EventStore::SaveResult::notFound)
        << id;
  }
  EXPECT_EQ(home.read("inbox", "call.ics"), before);
}

TEST(EventStoreReminders, OneReminderPerIdFirstFileFirstAndASeriesReadFromItsRule) {
  CalendarHome home;
  home.add("a", "r.ics",
           "BEGIN:VTODO\nUID:r\nRECURRENCE-ID:20240305T090000Z\nSUMMARY:Changed once\n"
           "DUE:20240305T100000Z\nEND:VTODO\n"
           "BEGIN:VTODO\nUID:r\nSUMMARY:Water plants\nDUE:20240301T090000Z\n"
           "RRULE:FREQ=WEEKLY\nEND:VTODO\n");
  home.add("a", "1.ics", todo("dup", "SUMMARY:first"));
  home.add("a", "2.ics", todo("dup", "SUMMARY:second"));
  home.add("b", "1.ics", todo("dup", ""));
  home.add("a", "3.ics", "BEGIN:VTODO\nSUMMARY:no uid\nEND:VTODO");
  auto reminders = home.store().incompleteReminders({}, EventStore::Undated::included);
  ASSERT_EQ(idsOf(reminders), (std::vector<std::string>{"a/r", "a/3.ics", "a/dup", "b/dup"}));
  EXPECT_EQ(reminders[0].title, "Water plants");
}

// A repeating to-do and its changed occurrence written in two files of a calendar are one
// reminder, read from the series and completed in its file, whichever name sorts first.
TEST(EventStoreReminders, ARepeatingToDoIsReadFromItsSeriesInWhicheverFileOfTheCalendar) {
  for (auto [seriesFile, changeFile] : {std::pair{"a.ics", "b.ics"}, std::pair{"b.ics", "a.ics"}}) {
    CalendarHome home;
    home.add("c", seriesFile,
             "BEGIN:VTODO\nUID:r\nSUMMARY:Water plants\nDUE:20240301T090000Z\n"
             "RRULE:FREQ=WEEKLY\nEND:VTODO");
    home.add("c", changeFile,
             "BEGIN:VTODO\nUID:r\nRECURRENCE-ID:20240305T090000Z\nSUMMARY:Changed once\n"
             "DUE:20240305T100000Z\nEND:VTODO");
    auto store = home.store();
    auto reminders = store.incompleteReminders({}, EventStore::Undated::included);
    ASSERT_EQ(idsOf(reminders), std::vector<std::string>{"c/r"}) << seriesFile;
    EXPECT_EQ(reminders[0].title, "Water plants") << seriesFile;
    ASSERT_EQ(store.setCompleted("c/r", true, utc(2024, 3, 12)), EventStore::SaveResult::saved);
    EXPECT_NE(home.read("c", seriesFile).find("STATUS:COMPLETED"), std::string::npos);
    EXPECT_EQ(home.read("c", changeFile).find("STATUS:COMPLETED"), std::string::npos);
  }
}

// Each to-do without a UID is a reminder of its own, named by its file and its place among the
// file's to-dos without one; the names stay as they are from reading to reading and through a
// toggle, so each can be completed and reopened alone.
TEST(EventStoreReminders, ToDosWithoutAUidAreEachTheirOwnAndKeepTheirNamesThroughToggles) {
  CalendarHome home;
  home.add("c", "list.ics",
           "BEGIN:VTODO\nSUMMARY:Milk\nEND:VTODO\nBEGIN:VTODO\nUID:eggs\nSUMMARY:Eggs\nEND:VTODO\n"
           "BEGIN:VTODO\nSUMMARY:Bread\nEND:VTODO\nBEGIN:VTODO\nSUMMARY:Tea\n"
           "RECURRENCE-ID:20240305T090000Z\nEND:VTODO");
  auto store = home.store();
  auto open = [&] {
    std::vector<std::string> titles;
    for (const auto &r : store.incompleteReminders({}, EventStore::Undated::included))
      titles.push_back(r.id + " " + r.title.value_or(""));
    return titles;
  };
  const std::vector<std::string> all{"c/eggs Eggs", "c/list.ics Milk", "c/list.ics/2 Bread",
                                     "c/list.ics/3 Tea"};
  EXPECT_EQ(open(), all);
  ASSERT_EQ(store.toggleCompleted("c/list.ics/2", utc(2024, 3, 12)), EventStore::SaveResult::saved);
  EXPECT_EQ(open(),
            (std::vector<std::string>{"c/eggs Eggs", "c/list.ics Milk", "c/list.ics/3 Tea"}));
  EXPECT_EQ(store.reminder("c/list.ics/2")->completed, true);
  ASSERT_EQ(store.toggleCompleted("c/list.ics/2", utc(2024, 3, 12)), EventStore::SaveResult::saved);
  EXPECT_EQ(open(), all);
}

// A UID may be another file's name: its item keeps that id, and an item without a UID named the
// same takes one that no item of its calendar has, "/1" added, whichever file comes first. Each
// keeps its id from reading to reading, and a press on either changes that one alone.
TEST(EventStoreReminders, AUidNamingAFileLeavesTheItemWithoutOneAnIdOfItsOwn) {
  struct Case {
    std::string name;
    std::vector<std::pair<std::string, std::string>> files; // name, then UID and title per item
    std::vector<std::string> listed;                        // id and title
  };
  const std::vector<Case> cases{
      {"the UID in an earlier file",
       {{"a.ics", "b.ics With"}, {"b.ics", " Without"}},
       {"c/b.ics With", "c/b.ics/1 Without"}},
      {"the UID in a later file",
       {{"b.ics", " Without"}, {"c.ics", "b.ics With"}},
       {"c/b.ics With", "c/b.ics/1 Without"}},
      {"UIDs naming the file and its first other name",
       {{"a.ics", "b.ics With"}, {"b.ics", " Without"}, {"c.ics", "b.ics/1 Other"}},
       {"c/b.ics With", "c/b.ics/1 Other", "c/b.ics/1/1 Without"}},
      {"a UID naming a second item without one",
       {{"a.ics", "b.ics/2 With"}, {"b.ics", " First\n Second"}},
       {"c/b.ics First", "c/b.ics/2 With", "c/b.ics/2/1 Second"}},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    std::string events, todos;
    for (const auto &[file, items] : c.files) {
      std::string body[2];
      std::istringstream lines(items);
      for (std::string line; std::getline(lines, line);) {
        std::string uid = line.substr(0, line.find(' '));
        std::string properties = (uid.empty() ? "" : "UID:" + uid + "\n") +
                                 "SUMMARY:" + line.substr(line.find(' ') + 1) + "\n";
        body[0] += "BEGIN:VEVENT\n" + properties + "DTSTART:20240312T090000Z\nEND:VEVENT\n";
        body[1] += "BEGIN:VTODO\n" + properties + "END:VTODO\n";
      }
      home.add("c", file, body[0] + body[1]);
    }
    auto store = home.store();
    auto titled = [](const auto &items) {
      std::vector<std::string> listed;
      for (const auto &item : items)
        listed.push_back(item.id + " " + item.title.value_or(""));
      std::sort(listed.begin(), listed.end());
      return listed;
    };
    EXPECT_EQ(titled(store.events(utc(2024, 3, 12), utc(2024, 3, 13))), c.listed) << c.name;
    auto open = [&] {
      return titled(store.incompleteReminders({}, EventStore::Undated::included));
    };
    ASSERT_EQ(open(), c.listed) << c.name;
    for (const auto &line : c.listed) {
      std::string id = line.substr(0, line.find(' '));
      ASSERT_EQ(store.toggleCompleted(id, utc(2024, 3, 12)), EventStore::SaveResult::saved)
          << c.name << " " << id;
      auto left = c.listed;
      std::erase(left, line);
      EXPECT_EQ(open(), left) << c.name << " " << id;
      ASSERT_EQ(store.toggleCompleted(id, utc(2024, 3, 12)), EventStore::SaveResult::saved)
          << c.name << " " << id;
      EXPECT_EQ(open(), c.listed) << c.name << " " << id;
    }
  }
}

// Without a DUE, a to-do that starts and lasts is due when it ends (days and weeks on the
// calendar, the rest exact); a day lasting days is due on the day it ends.
TEST(EventStoreReminders, AToDoWithAStartAndADurationIsDueWhenItEnds) {
  CalendarHome home;
  home.add("c", "call.ics", todo("call", "DTSTART:20240312T090000Z\nDURATION:PT1H30M"));
  home.add("c", "trip.ics", todo("trip", "DTSTART;VALUE=DATE:20240312\nDURATION:P2D"));
  // The clock moves forward in Oslo on March 31: a day later is 09:00 on the wall still.
  home.add("c", "night.ics",
           todo("night", "DTSTART;TZID=Europe/Oslo:20240330T090000\nDURATION:P1D"));
  home.add("c", "started.ics", todo("started", "DTSTART:20240312T090000Z"));
  // A duration that ends after 9999 is none.
  home.add("c", "endless.ics",
           todo("endless", "DTSTART:20240312T090000Z\nDURATION:P999999999999999999W"));
  home.add("c", "both.ics",
           todo("both", "DTSTART:20240312T090000Z\nDURATION:PT1H\n"
                        "DUE:20240313T090000Z"));
  auto store = home.store();
  EXPECT_EQ(store.reminder("c/call")->due, (DueDate{.date = utc(2024, 3, 12, 10, 30)}));
  EXPECT_EQ(store.reminder("c/trip")->due,
            (DueDate{.date = utc(2024, 3, 13, 23), .hasTime = false}));
  EXPECT_EQ(store.reminder("c/night")->due, (DueDate{.date = utc(2024, 3, 31, 7)}));
  EXPECT_EQ(store.reminder("c/started")->due, std::nullopt);
  EXPECT_EQ(store.reminder("c/endless")->due, std::nullopt);
  EXPECT_EQ(store.reminder("c/both")->due, (DueDate{.date = utc(2024, 3, 13, 9)}));
}

// Calendar folders whose names are not UTF-8 keep their reminders apart, each toggled alone.
TEST(EventStoreReminders, FoldersWhoseNamesAreNotUtf8KeepTheirRemindersApart) {
  CalendarHome home;
  home.add("\xFE", "x.ics", todo("x", ""));
  home.add("\xFF", "x.ics", todo("x", ""));
  auto store = home.store();
  EXPECT_EQ(idsOf(store.incompleteReminders({}, EventStore::Undated::included)),
            (std::vector<std::string>{"\\xFE/x", "\\xFF/x"}));
  ASSERT_EQ(store.toggleCompleted("\\xFF/x", utc(2024, 3, 12)), EventStore::SaveResult::saved);
  EXPECT_EQ(home.read("\xFE", "x.ics").find("COMPLETED"), std::string::npos);
  EXPECT_NE(home.read("\xFF", "x.ics").find("STATUS:COMPLETED"), std::string::npos);
}
