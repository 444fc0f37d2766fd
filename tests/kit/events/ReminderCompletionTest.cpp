#include "CalendarFixture.h"

#include "kit/events/CompletionEdit.h"
#include "kit/foundation/AtomicFile.h"
#include "kit/foundation/FileLock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include <sys/stat.h>

using namespace events_test;

namespace {

// Written by some other program: folded lines, a property and a parameter libical does not
// know, an alarm, a stale libical error note, which is the file's own line like any other.
const std::string kCallFile =
    calendarText("BEGIN:VTODO\nUID:call\nDTSTAMP:20240301T000000Z\nLAST-MODIFIED:20240301T000000Z\n"
                 "SUMMARY;X-FOO=bar:Call the\n  bank\n"
                 "FOO-BAR;LEVEL=3:an unknown property\nX-APPLE-SORT-ORDER:12\n"
                 "DUE;TZID=Europe/Oslo:20240312T170000\nSTATUS:NEEDS-ACTION\n"
                 "X-LIC-ERROR;X-LIC-ERRORTYPE=VALUE-PARSE-ERROR:Can't parse the value\n"
                 "BEGIN:VALARM\nACTION:DISPLAY\nTRIGGER:-PT15M\nDESCRIPTION:Reminder\nEND:VALARM\n"
                 "END:VTODO\nX-LIC-ERROR:an old note");

// The text with every `from` in it replaced.
std::string replaced(std::string text, const std::string &from, const std::string &to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

} // namespace

TEST(ReminderCompletion, CompletingAndReopeningRewriteOnlyTheCompletion) {
  CalendarHome home;
  home.addRaw("inbox", "call.ics", kCallFile);
  auto store = home.store();

  ASSERT_EQ(store.setCompleted("inbox/call", true, utc(2024, 3, 12, 10, 15, 30)),
            EventStore::SaveResult::saved);
  std::string completedText = replaced(
      replaced(kCallFile, "STATUS:NEEDS-ACTION\r\n",
               "STATUS:COMPLETED\r\nCOMPLETED:20240312T101530Z\r\nPERCENT-COMPLETE:100\r\n"),
      "20240301T000000Z", "20240312T101530Z");
  EXPECT_EQ(home.read("inbox", "call.ics"), completedText);
  // Read back through the store.
  EXPECT_EQ(store.reminder("inbox/call")->completionDate, utc(2024, 3, 12, 10, 15, 30));

  ASSERT_EQ(store.setCompleted("inbox/call", false, utc(2024, 3, 12, 11)),
            EventStore::SaveResult::saved);
  EXPECT_EQ(home.read("inbox", "call.ics"),
            replaced(kCallFile, "20240301T000000Z", "20240312T110000Z"));
}

// A tap on a series says when it changed the to-do it writes: the series completing whole with
// its last occurrence, or an occurrence's change; no other to-do's stamp changes.
TEST(ReminderCompletion, ATapRenewsTheStampsOfTheToDoItChangesAlone) {
  const Date now = utc(2026, 12, 7, 11, 15);
  const std::string old = "20240101T000000Z";
  const std::string done = "STATUS:COMPLETED\r\nCOMPLETED:20261207T111500Z\r\n"
                           "PERCENT-COMPLETE:100\r\n";
  const std::string series = "BEGIN:VTODO\nUID:s\nDTSTAMP:" + old + "\nDUE:20261205T100000Z\n";
  struct Case {
    std::string body;
    std::string from; // the lines the tap changes, and what they become
    std::string to;
  };
  const std::vector<Case> cases{
      {series + "RRULE:FREQ=DAILY;COUNT=3\nEND:VTODO",
       "DTSTAMP:" + old + "\r\nDUE:20261205T100000Z\r\nRRULE:FREQ=DAILY;COUNT=3\r\n",
       "DTSTAMP:20261207T111500Z\r\nDUE:20261205T100000Z\r\nRRULE:FREQ=DAILY;COUNT=3\r\n" + done},
      {series +
           "RRULE:FREQ=DAILY\nEND:VTODO\nBEGIN:VTODO\nUID:s\n"
           "RECURRENCE-ID:20261207T100000Z\nDTSTAMP:" +
           old + "\nLAST-MODIFIED:" + old + "\nEND:VTODO",
       "DTSTAMP:" + old + "\r\nLAST-MODIFIED:" + old + "\r\n",
       "DTSTAMP:20261207T111500Z\r\nLAST-MODIFIED:20261207T111500Z\r\n" + done},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    home.add("c", "f.ics", c.body);
    std::string expected = replaced(home.read("c", "f.ics"), c.from, c.to);
    ASSERT_EQ(EventStore(home.folder(), "UTC", kit::foundation::Clock::fixed(now))
                  .toggleCompleted("c/s", now),
              EventStore::SaveResult::saved);
    EXPECT_EQ(home.read("c", "f.ics"), expected);
  }
}

TEST(ReminderCompletion, ReopeningDropsFoldedAndLowerCaseLinesWholeAndKeepsAnAlarmsStatus) {
  auto toDo = [](const std::string &lines, const std::string &newline = "\n") {
    return "BEGIN:VCALENDAR" + newline + "BEGIN:VTODO" + newline + "UID:t" + newline + lines +
           "END:VTODO" + newline + "END:VCALENDAR" + newline;
  };
  struct Case {
    const char *name;
    std::string text;
    std::string reopened;
  };
  const Case cases[] = {
      {"folded with a space, lower case",
       toDo("PERCENT-COMPLETE:\n 50\nsummary:x\ncompleted:20240101T000000Z\n"),
       toDo("STATUS:NEEDS-ACTION\nsummary:x\n")},
      // Left behind, the tab line would join the new status: STATUS:NEEDS-ACTIONT000000Z.
      {"folded with a tab",
       toDo("COMPLETED:20240101\r\n\tT000000Z\r\nSTATUS:COMPLETED\r\n", "\r\n"),
       toDo("STATUS:NEEDS-ACTION\r\n", "\r\n")},
      {"an alarm's own status", toDo("BEGIN:VALARM\nSTATUS:X\nEND:VALARM\n"),
       toDo("STATUS:NEEDS-ACTION\nBEGIN:VALARM\nSTATUS:X\nEND:VALARM\n")},
      // The END has no line end to give: the new line ends as the one before it.
      {"a text cut short after the END", "BEGIN:VCALENDAR\nBEGIN:VTODO\nUID:t\rEND:VTODO",
       "BEGIN:VCALENDAR\nBEGIN:VTODO\nUID:t\rSTATUS:NEEDS-ACTION\rEND:VTODO"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(kit::events::withCompletion(c.text, 0, false, utc(2024, 3, 12, 9)), c.reopened)
        << c.name;
}

// Some exporters begin a file with a byte-order mark, some end lines in LF or CR alone, a file
// edited by hand may mix them, and some write a NUL the format has none of: each is read, and a
// toggle keeps every byte but the completion lines, which end as the line they take the place
// of does.
TEST(ReminderCompletion, FilesWithAMarkOrAnyLineEndsAreReadAndKeepThemThroughAToggle) {
  struct Case {
    const char *name;
    std::string text;
    const char *status;    // the to-do's status line, with its line end
    const char *completed; // the lines a completion puts in its place
  };
  const Case cases[] = {
      {"a mark, CRLF",
       "\xEF\xBB\xBF" + calendarText("BEGIN:VEVENT\nUID:e\nDTSTART:20240312T090000Z\n"
                                     "END:VEVENT\nBEGIN:VTODO\nUID:t\nSUMMARY:Call the\n  bank\n"
                                     "STATUS:NEEDS-ACTION\nEND:VTODO"),
       "STATUS:NEEDS-ACTION\r\n",
       "STATUS:COMPLETED\r\nCOMPLETED:20240312T101530Z\r\nPERCENT-COMPLETE:100\r\n"},
      {"CR alone",
       "BEGIN:VCALENDAR\rBEGIN:VEVENT\rUID:e\rDTSTART:20240312T090000Z\rEND:VEVENT\r"
       "BEGIN:VTODO\rUID:t\rSUMMARY:Call the\r  bank\rSTATUS:NEEDS-ACTION\rEND:VTODO\r"
       "END:VCALENDAR\r",
       "STATUS:NEEDS-ACTION\r",
       "STATUS:COMPLETED\rCOMPLETED:20240312T101530Z\rPERCENT-COMPLETE:100\r"},
      {"a mark, mixed",
       "\xEF\xBB\xBF"
       "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\nUID:e\rDTSTART:20240312T090000Z\r\nEND:VEVENT\r"
       "BEGIN:VTODO\nUID:t\r\nSUMMARY:Call the\r  bank\nSTATUS:NEEDS-ACTION\rEND:VTODO\r\n"
       "END:VCALENDAR\n",
       "STATUS:NEEDS-ACTION\r",
       "STATUS:COMPLETED\rCOMPLETED:20240312T101530Z\rPERCENT-COMPLETE:100\r"},
      {"NULs in descriptions",
       calendarText("BEGIN:VEVENT\nUID:e\nDTSTART:20240312T090000Z\nDESCRIPTION:a" +
                    std::string(1, '\0') +
                    "b\nEND:VEVENT\nBEGIN:VTODO\nUID:t\nSUMMARY:Call the\n  bank\n"
                    "DESCRIPTION:x" +
                    std::string(1, '\0') + "\nSTATUS:NEEDS-ACTION\nEND:VTODO"),
       "STATUS:NEEDS-ACTION\r\n",
       "STATUS:COMPLETED\r\nCOMPLETED:20240312T101530Z\r\nPERCENT-COMPLETE:100\r\n"},
  };
  for (const auto &c : cases) {
    CalendarHome home;
    home.addRaw("c", "f.ics", c.text);
    auto store = home.store();
    EXPECT_EQ(idsOf(store.events(utc(2024, 3, 12), utc(2024, 3, 13))),
              std::vector<std::string>{"c/e"})
        << c.name;
    auto open = store.incompleteReminders({}, EventStore::Undated::included);
    ASSERT_EQ(open.size(), 1u) << c.name;
    EXPECT_EQ(open[0].title, "Call the bank") << c.name;

    ASSERT_EQ(store.setCompleted("c/t", true, utc(2024, 3, 12, 10, 15, 30)),
              EventStore::SaveResult::saved)
        << c.name;
    EXPECT_EQ(home.read("c", "f.ics"), replaced(c.text, c.status, c.completed)) << c.name;
    ASSERT_EQ(store.setCompleted("c/t", false, utc(2024, 3, 12, 11)), EventStore::SaveResult::saved)
        << c.name;
    EXPECT_EQ(home.read("c", "f.ics"), c.text) << c.name;
  }
}

TEST(ReminderCompletion, OnlyTheChosenToDoOfAFileChanges) {
  CalendarHome home;
  home.add("c", "two.ics",
           "BEGIN:VTODO\nUID:first\nSTATUS:NEEDS-ACTION\nEND:VTODO\n"
           "BEGIN:VEVENT\nUID:ev\nDTSTART:20240312T090000Z\nSTATUS:CONFIRMED\nEND:VEVENT\n"
           "BEGIN:VTODO\nUID:second\nSTATUS:NEEDS-ACTION\nEND:VTODO");
  home.add("c", "series.ics",
           "BEGIN:VTODO\nUID:s\nRECURRENCE-ID:20240305T090000Z\nSTATUS:NEEDS-ACTION\nEND:VTODO\n"
           "BEGIN:VTODO\nUID:s\nRRULE:FREQ=WEEKLY\nDUE:20240301T090000Z\nEND:VTODO");
  auto store = home.store();
  for (const char *id : {"c/second", "c/s"})
    ASSERT_EQ(store.setCompleted(id, true, utc(2024, 3, 12)), EventStore::SaveResult::saved);
  // The repeating one completes its current occurrence, the week of March 8, on its own.
  EXPECT_EQ(idsOf(store.completedReminders({})),
            (std::vector<std::string>{"c/s#20240308T090000Z", "c/second"}));
  EXPECT_NE(home.read("c", "two.ics").find("STATUS:CONFIRMED\r\n"), std::string::npos);
  EXPECT_NE(
      home.read("c", "series.ics").find("RECURRENCE-ID:20240305T090000Z\r\nSTATUS:NEEDS-ACTION"),
      std::string::npos);
}

TEST(ReminderCompletion, FilesAreReplacedWholeWhereTheyLiveOrLeftAsTheyWere) {
  CalendarHome home;
  auto real = home.add("elsewhere", "real.ics", "BEGIN:VTODO\nUID:a\nEND:VTODO");
  ::chmod(real.c_str(), 0640);
  std::filesystem::create_directories(home.folder() / "c");
  std::filesystem::create_symlink(real, home.folder() / "c" / "a.ics");
  ASSERT_EQ(home.store().setCompleted("c/a", true, utc(2024, 3, 12)),
            EventStore::SaveResult::saved);
  EXPECT_TRUE(std::filesystem::is_symlink(home.folder() / "c" / "a.ics"));
  EXPECT_NE(home.read("elsewhere", "real.ics").find("STATUS:COMPLETED"), std::string::npos);
  // Its lock lies beside the file written, not beside the link.
  EXPECT_TRUE(std::filesystem::is_regular_file(real.parent_path() / ".real.ics.lock"));
  EXPECT_FALSE(std::filesystem::exists(home.folder() / "c" / ".a.ics.lock"));
  struct stat status {};
  ASSERT_EQ(::stat(real.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  // Failed writes: nothing replaced.
  EXPECT_NE(kit::foundation::replaceFile(home.folder() / "missing" / "a.ics", "x"),
            std::error_code());
  std::filesystem::create_directories(real.parent_path() / "folder.ics");
  EXPECT_NE(kit::foundation::replaceFile(real.parent_path() / "folder.ics", "x"),
            std::error_code());
  // No temporary file is left behind, after a success or a failure: the file, its lock and the
  // folder.
  auto entries = std::distance(std::filesystem::directory_iterator(real.parent_path()),
                               std::filesystem::directory_iterator());
  EXPECT_EQ(entries, 3);
  EXPECT_EQ(kit::events::withCompletion("BEGIN:VCALENDAR\nBEGIN:VTODO\nEND:VTODO\nEND:VCALENDAR\n",
                                        1, true, utc(2024, 3, 12)),
            std::nullopt);
}

TEST(ReminderCompletion, ReadersNeverSeeAHalfWrittenFile) {
  CalendarHome home;
  std::string padding(2000, 'x'); // a file of several pages, so a partial write would show
  home.add("c", "pair.ics",
           "BEGIN:VTODO\nUID:toggled\nDESCRIPTION:" + padding +
               "\nEND:VTODO\nBEGIN:VTODO\nUID:other\nDESCRIPTION:" + padding + "\nEND:VTODO");
  auto store = home.store();
  std::atomic<int> misses = 0;
  std::atomic<bool> writing = true;
  std::vector<std::thread> readers;
  for (int i = 0; i < 3; ++i)
    readers.emplace_back([&] {
      while (writing) {
        auto ids = idsOf(store.incompleteReminders({}, EventStore::Undated::included));
        misses += std::count(ids.begin(), ids.end(), "c/other") == 1 ? 0 : 1;
      }
    });
  for (int i = 0; i < 40; ++i)
    EXPECT_EQ(store.setCompleted("c/toggled", i % 2 == 0, utc(2024, 3, 12)),
              EventStore::SaveResult::saved);
  writing = false;
  for (auto &reader : readers)
    reader.join();
  EXPECT_EQ(misses, 0);
}

// A toggle flips the state the file holds when it has the file's lock, and runs what it is given
// before letting the lock go. The lock file stays beside the item, read by nobody as one.
TEST(ReminderCompletion, ToggleFlipsTheFileUnderItsLockAndKeepsItForTheWorkAfter) {
  CalendarHome home;
  home.add("inbox", "call.ics", "BEGIN:VTODO\nUID:call\nSTATUS:NEEDS-ACTION\nEND:VTODO");
  auto store = home.store();
  auto lockFile = home.folder() / "inbox" / ".call.ics.lock";
  auto heldByTheToggle = [&] {
    return !kit::foundation::FileLock::exclusive(lockFile, std::chrono::milliseconds(0));
  };
  for (bool completed : {true, false}) {
    bool heldMeanwhile = false;
    EXPECT_EQ(store.toggleCompleted("inbox/call", utc(2024, 3, 12),
                                    [&] { heldMeanwhile = heldByTheToggle(); }),
              EventStore::SaveResult::saved);
    EXPECT_TRUE(heldMeanwhile);
    EXPECT_EQ(store.reminder("inbox/call")->completed, completed);
  }
  EXPECT_TRUE(std::filesystem::is_regular_file(lockFile));
  EXPECT_FALSE(heldByTheToggle());
  EXPECT_EQ(idsOf(store.incompleteReminders({}, EventStore::Undated::included)),
            std::vector<std::string>{"inbox/call"});

  bool ran = false;
  EXPECT_EQ(store.toggleCompleted("inbox/nobody", utc(2024, 3, 12), [&] { ran = true; }),
            EventStore::SaveResult::notFound);
  EXPECT_FALSE(ran);
  // No lock can be had where a folder takes the lock file's name: nothing is written, and the
  // work after still runs.
  std::filesystem::remove(lockFile);
  std::filesystem::create_directory(lockFile);
  auto before = home.read("inbox", "call.ics");
  EXPECT_EQ(store.toggleCompleted("inbox/call", utc(2024, 3, 12), [&] { ran = true; }),
            EventStore::SaveResult::failed);
  EXPECT_TRUE(ran);
  EXPECT_EQ(home.read("inbox", "call.ics"), before);
}
