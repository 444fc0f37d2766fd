#include "Shared/Data/AppGroup.h"
#include "Shared/Data/EventSync/AgendaHome.h"
#include "Shared/Data/NotesStore.h"
#include "host/HostRun.h"
#include "kit/foundation/AtomicFile.h"
#include "kit/foundation/JsonCoding.h"
#include "support/StoreLock.h"
#include "support/TempHome.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zavel::host::testing {
namespace {

using kit::foundation::Json;
using zavel::test::StoreLock;
namespace fs = std::filesystem;

// Wednesday 4 March 2026 in Oslo.
constexpr const char *kMorning = "2026-03-04 10:15:00";
constexpr const char *kWaterToday = "zavel.counter.water.2026-03-04";

fs::path groupSuite(const zavel::test::TempHome &home) {
  return home.suiteFile(std::string(AppGroup::identifier));
}

// Exit 1 with one line on standard error naming the first write not done and why, and the
// report on standard output listing only what was written.
void expectWriteFailed(const HostResult &result, const std::string &named, const std::string &why,
                       const Json &wrote) {
  EXPECT_EQ(result.status, 1) << result.err;
  auto errorLines = lines(result.err);
  ASSERT_EQ(errorLines.size(), 1u) << result.err;
  EXPECT_NE(errorLines[0].find("not written: \"" + named + "\": " + why), std::string::npos)
      << errorLines[0];
  ASSERT_FALSE(result.out.empty());
  EXPECT_EQ(Json::parse(result.out)["wrote"], wrote);
}

// The host application in a long write past the busy timeout (5 s), or holding the suite even
// against readers: the press fails and says so, and the standard store never stands in.
TEST(FailedWrites, ABusySuiteFailsThePressAndNothingIsWrittenAnywhere) {
  for (auto kind : {StoreLock::Kind::exclusive, StoreLock::Kind::writer}) {
    zavel::test::TempHome home;
    ASSERT_EQ(runExecutable({"defaults", "write", "zavel.watergoal", "8", "--int"}).status, 0);
    HostResult result;
    {
      StoreLock lock(groupSuite(home), kind);
      result = runExecutableAt(kMorning, {"perform", "AddWaterIntent"});
    }
    expectWriteFailed(result, kWaterToday, "another program holds the store", Json::array());
    EXPECT_EQ(Json::parse(result.out)["reloaded"], Json{"zavel.water"});
    EXPECT_FALSE(fs::exists(home.suiteFile("standard")));
    EXPECT_EQ(runExecutable({"defaults", "read", kWaterToday}).status, 1);
  }
}

// Files and folders without write bits stay as they are, though the tests run as root; what
// else the press did is reported as done.
TEST(FailedWrites, AReadOnlyTargetIsLeftAsItIsAndThePressFails) {
  const std::string notes = R"([{"id":"7C9E6679-7425-40DE-944B-E07FC1F90AE7","text":"Keep",)"
                            R"("edited":794131200,"pinned":false}])";
  const fs::path suiteName = std::string(AppGroup::identifier) + ".sqlite3";
  struct Case {
    const char *name;
    std::function<fs::path(const agenda_test::AgendaHome &)> closed; // made read-only
    std::vector<std::string> words;
    std::string named, why;
    Json wrote;
  };
  const std::vector<std::string> toggle{"perform", "ToggleReminderIntent", "--params",
                                        R"({"reminderID":"inbox/call"})"};
  const Case cases[] = {
      {"a note file",
       [](const auto &) { return NotesStore::fileURL(); },
       {"perform", "NoteDeckPinIntent"},
       "notes.json",
       "Permission denied",
       Json::array()},
      {"a reminder's file", [](const auto &home) { return home.calendars() / "inbox/call.ics"; },
       toggle, "calendars/inbox/call.ics", "Permission denied",
       Json{"zavel.snapshot.reminders.v1"}},
      {"a calendar folder", [](const auto &home) { return home.calendars() / "inbox"; }, toggle,
       "calendars/inbox/call.ics", "Permission denied", Json{"zavel.snapshot.reminders.v1"}},
      {"the suite",
       [&](const auto &home) { return home.home() / "suites" / suiteName; },
       {"perform", "AddWaterIntent"},
       kWaterToday,
       "the store is read-only",
       Json::array()},
      {"the suites' folder",
       [](const auto &home) { return home.home() / "suites"; },
       {"perform", "AddWaterIntent"},
       kWaterToday,
       "the store is read-only",
       Json::array()},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    agenda_test::AgendaHome home;
    home.add("inbox", "call.ics", agenda_test::todo("call"));
    std::ofstream(NotesStore::fileURL()) << notes;
    fs::path closed = c.closed(home);
    bool folder = fs::is_directory(closed);
    std::string reminder = home.read("inbox", "call.ics");
    ::chmod(closed.c_str(), folder ? 0555 : 0444);
    HostResult result = runExecutableAt(kMorning, c.words);
    ::chmod(closed.c_str(), folder ? 0755 : 0644);
    expectWriteFailed(result, c.named, c.why, c.wrote);
    EXPECT_EQ(fileText(NotesStore::fileURL()), notes);
    EXPECT_EQ(home.read("inbox", "call.ics"), reminder);
    EXPECT_FALSE(fs::exists(home.home() / "suites/standard.sqlite3"));
    for (const fs::path &file : filesBelow(home.home()))
      EXPECT_FALSE(kit::foundation::copiedFileName(file.filename().string())) << file;
  }
}

// Nesting deeper than any record may have: refused from the command line before anything is
// written, and unreadable in a file, never a crash.
TEST(FailedWrites, JsonNestedTooDeepIsRefusedOrUnreadable) {
  zavel::test::TempHome home;
  const std::string deep = std::string(60000, '[') + std::string(60000, ']');
  for (const std::vector<std::string> &words : {
           std::vector<std::string>{"perform", "AddStepsIntent", "--params",
                                    R"({"steps":1000,"x":)" + deep + "}"},
           {"defaults", "write", "zavel.theme.v1", deep, "--json"},
           {"timeline", "zavel.water", "--config", R"({"x":)" + deep + "}"},
       }) {
    expectRefusal(runExecutable(words), {words[0], words[1]});
    EXPECT_TRUE(filesBelow(home.path()).empty());
  }
  // A note file with a member 70,000 arrays deep reads as no notes: the pin key does nothing.
  const std::string notes = R"([{"id":"7C9E6679-7425-40DE-944B-E07FC1F90AE7","text":"Deep",)"
                            R"("edited":1,"pinned":false,"x":)" +
                            std::string(70000, '[') + std::string(70000, ']') + "}]";
  std::ofstream(NotesStore::fileURL()) << notes;
  HostResult pinned = runExecutable({"perform", "NoteDeckPinIntent"});
  ASSERT_EQ(pinned.status, 0) << pinned.err;
  EXPECT_EQ(Json::parse(pinned.out)["wrote"], Json::array());
  EXPECT_EQ(fileText(NotesStore::fileURL()), notes);
  EXPECT_EQ(runExecutable({"timeline", "zavel.notes.deck"}).status, 0);
}

// A link at a reminder's lock file that leads nowhere: the press fails naming the lock, not the
// reminder, which is there and stays as it was.
TEST(FailedWrites, ALockThatCannotBeOpenedIsNamedInTheFailure) {
  agenda_test::AgendaHome home;
  home.add("inbox", "call.ics", agenda_test::todo("call"));
  fs::create_symlink(home.home() / "nowhere", home.calendars() / "inbox/.call.ics.lock");
  const std::string reminder = home.read("inbox", "call.ics");
  HostResult result = runExecutableAt(
      kMorning, {"perform", "ToggleReminderIntent", "--params", R"({"reminderID":"inbox/call"})"});
  expectWriteFailed(result, "calendars/inbox/.call.ics.lock", "No such file or directory",
                    Json{"zavel.snapshot.reminders.v1"});
  EXPECT_EQ(home.read("inbox", "call.ics"), reminder);
}

} // namespace
} // namespace zavel::host::testing
