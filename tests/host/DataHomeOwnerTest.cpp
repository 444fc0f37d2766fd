#include "Shared/Data/AppGroup.h"
#include "Shared/Data/NotesStore.h"
#include "host/HostRun.h"
#include "kit/foundation/JsonCoding.h"
#include "support/Processes.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <map>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zavel::host::testing {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kOwner = 1234;

// LeakSanitizer cannot stop the program to look for leaks while it acts as the home's owner (it
// traces the program's threads, which the owner's ids beside root's forbid): a sanitized build is
// told not to look while the test runs. The same commands run as root in root's homes are checked.
zavel::test::ScopedEnvironment withoutLeakCheck() {
  const char *options = std::getenv("ASAN_OPTIONS");
  return zavel::test::ScopedEnvironment(
      {{"ASAN_OPTIONS",
        (options && *options ? std::string(options) + ":" : "") + "detect_leaks=0"}});
}

// What a file is: its owner, group, mode and contents.
struct FileState {
  uid_t user = 0;
  gid_t group = 0;
  mode_t mode = 0;
  std::string contents;
  bool operator==(const FileState &) const = default;
};

FileState stateOf(const fs::path &file) {
  struct stat status {};
  ::lstat(file.c_str(), &status);
  return {status.st_uid, status.st_gid, status.st_mode, fileText(file)};
}

// Gives `root` and everything below it to the home's owner, links by their own names; a hard
// link to a file elsewhere stays that file's.
void giveToOwner(const fs::path &root) {
  for (const auto &entry : fs::recursive_directory_iterator(root))
    if (entry.is_symlink() || entry.is_directory() || entry.hard_link_count() == 1) {
      ASSERT_EQ(::lchown(entry.path().c_str(), kOwner, kOwner), 0) << entry.path();
    }
  ASSERT_EQ(::chown(root.c_str(), kOwner, kOwner), 0);
}

// A SQLite database of one table, as root keeps one.
void writeDatabase(const fs::path &file) {
  sqlite3 *raw = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &raw), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(raw, "CREATE TABLE mine(x); INSERT INTO mine VALUES (1)", nullptr, nullptr,
                         nullptr),
            SQLITE_OK);
  sqlite3_close(raw);
}

// Wednesday 4 March 2026 in Oslo, the morning before the event of `calendarOf`.
constexpr const char *kMorning = "2026-03-04 10:15:00";

// A calendar of one event, from 15:00 to 15:30 that Wednesday.
std::string calendarOf(const std::string &uid, const std::string &title) {
  return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Zavel tests//EN\r\nBEGIN:VEVENT\r\nUID:" +
         uid +
         "\r\nDTSTART;TZID=Europe/Oslo:20260304T150000\r\n"
         "DTEND;TZID=Europe/Oslo:20260304T153000\r\nSUMMARY:" +
         title + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

// A user's data home with a reminder and a note and no store yet, pressed and written by root:
// the user can then press the same keys and write the store, which all take the lock files and
// the store root's runs made.
TEST(DataHomeOwner, RunsAsRootLeaveTheOwnerAHomeTheyCanStillUse) {
  if (::geteuid() != 0)
    GTEST_SKIP() << "only a run as root makes files another user must use";
  auto leaks = withoutLeakCheck();
  zavel::test::TempHome home;
  fs::create_directories(home.path() / "calendars/home");
  std::ofstream(home.path() / "calendars/home/milk.ics", std::ios::binary)
      << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Zavel tests//EN\r\nBEGIN:VTODO\r\n"
         "UID:milk\r\nSUMMARY:milk\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";
  std::ofstream(NotesStore::fileURL())
      << R"([{"id":"7C9E6679-7425-40DE-944B-E07FC1F90AE7","text":"Milk","edited":1,"pinned":false}])";
  giveToOwner(home.path());

  const std::vector<std::vector<std::string>> runs{
      {"perform", "ToggleReminderIntent", "--params", R"({"reminderID":"home/milk"})"},
      {"perform", "NoteDeckPinIntent"},
      {"defaults", "write", "zavel.watergoal", "8", "--int"},
  };
  for (const auto &words : runs) {
    HostResult result = runExecutable(words);
    EXPECT_EQ(std::pair(result.status, result.err), std::pair(0, std::string())) << words[1];
  }
  ProgramEnvironment fixed;
  for (const auto &words : runs)
    EXPECT_TRUE(zavel::test::runInProcessesAtOnce(
        1,
        [&](int) {
          return ::setgroups(0, nullptr) == 0 && ::setgid(kOwner) == 0 && ::setuid(kOwner) == 0 &&
                 std::system((programCommand(words) + " >/dev/null 2>&1").c_str()) == 0;
        }))
        << words[1] << " as the owner";
}

// Links and hard links the owner of a home planted to root's own files, outside the home, where
// the owner can neither read nor write (the hard links as a system that allows them to any file
// lets them be made): a run as root in that home leaves every one of those files as it was and
// copies nothing of them into the owner's store.
TEST(DataHomeOwner, ARunAsRootReachesOnlyWhatTheHomesOwnerCould) {
  if (::geteuid() != 0)
    GTEST_SKIP() << "only a run as root can reach what the home's owner cannot";
  auto leaks = withoutLeakCheck();
  const std::string suite = "suites/" + std::string(AppGroup::identifier) + ".sqlite3";
  test_support::ScratchTree scratch;
  ::chmod(scratch.root().c_str(), 0755);
  // The layers a render of the clock saves, by name.
  std::vector<std::string> layers;
  {
    zavel::test::TempHome first;
    ASSERT_EQ(
        runExecutable({"render", "zavel.clock.stacked", "-o", scratch.root() / "first.png"}).status,
        0);
    for (const auto &entry : fs::directory_iterator(first.path() / "caches/layers"))
      layers.push_back(entry.path().filename());
    ASSERT_FALSE(layers.empty());
  }
  // Root's own, made anew for each case: `plant` links to them from the home.
  struct Case {
    const char *name;
    std::function<void(const fs::path &home, const fs::path &roots)> plant;
    std::vector<std::string> words;
    // The owner's own event, which the agenda's stored reading holds without root's.
    std::string stored;
  };
  const fs::path picture = scratch.root() / "picture.png";
  const Case cases[] = {
      {"each saved layer a link to a file of root's",
       [&](const fs::path &home, const fs::path &roots) {
         fs::create_directories(home / "caches/layers");
         for (const std::string &layer : layers) {
           std::ofstream(roots / layer) << "root's own " << layer;
           fs::create_symlink(roots / layer, home / "caches/layers" / layer);
         }
       },
       {"render", "zavel.clock.stacked", "-o", picture},
       ""},
      {"the layers' folder a link to a folder of root's",
       [](const fs::path &home, const fs::path &roots) {
         fs::create_directories(home / "caches");
         fs::create_symlink(roots, home / "caches/layers");
       },
       {"render", "zavel.clock.stacked", "-o", picture},
       ""},
      {"the suite a link to a database of root's",
       [&](const fs::path &home, const fs::path &roots) {
         writeDatabase(roots / "settings.sqlite3");
         fs::create_directories(home / "suites");
         fs::create_symlink(roots / "settings.sqlite3", home / suite);
       },
       {"defaults", "write", "zavel.watergoal", "8", "--int"},
       ""},
      {"the suite's log and index hard links to files of root's",
       [&](const fs::path &home, const fs::path &roots) {
         fs::create_directories(home / "suites");
         for (const char *end : {"-wal", "-shm"}) {
           std::ofstream(roots / end) << "root's own " << end;
           fs::create_hard_link(roots / end, home / (suite + end));
         }
       },
       {"defaults", "write", "zavel.watergoal", "8", "--int"},
       ""},
      {"a calendar file a link to root's calendar",
       [](const fs::path &home, const fs::path &roots) {
         std::ofstream(roots / "diary.ics", std::ios::binary) << calendarOf("diary", "Secret");
         fs::create_directories(home / "calendars/home");
         std::ofstream(home / "calendars/home/standup.ics", std::ios::binary)
             << calendarOf("standup", "Stand-up");
         fs::create_symlink(roots / "diary.ics", home / "calendars/home/peek.ics");
       },
       {"render", "zavel.calendar.agenda", "-o", picture},
       "Stand-up"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    zavel::test::TempHome home;
    const fs::path roots = scratch.folder(c.name);
    c.plant(home.path(), roots);
    std::map<fs::path, FileState> before;
    for (const auto &entry : fs::directory_iterator(roots)) {
      ASSERT_EQ(::chmod(entry.path().c_str(), 0600), 0);
      before[entry.path()] = stateOf(entry.path());
    }
    giveToOwner(home.path());
    HostResult result = runExecutableAt(kMorning, c.words);
    EXPECT_EQ(std::pair(result.status, result.err), std::pair(0, std::string()));
    std::map<fs::path, FileState> after;
    for (const auto &entry : fs::directory_iterator(roots))
      after[entry.path()] = stateOf(entry.path());
    EXPECT_EQ(after, before);
    if (!c.stored.empty()) {
      std::string stored = runExecutable({"defaults", "read", "zavel.snapshot.calendar.v1"}).out;
      EXPECT_NE(stored.find(c.stored), std::string::npos) << stored;
      EXPECT_EQ(stored.find("Secret"), std::string::npos) << stored;
    }
  }
}

// Outputs named on the command line are the invoker's, written where only root may write: two
// names of one file there are seen as one, and a render that fails takes its temporary copy
// back. A link the owner made on purpose to a file of theirs outside the home is followed as
// before.
TEST(DataHomeOwner, OutputsStayTheInvokersAndTheOwnersOwnLinksStillLead) {
  if (::geteuid() != 0)
    GTEST_SKIP() << "only a run as root writes where the home's owner cannot";
  auto leaks = withoutLeakCheck();
  test_support::ScratchTree scratch;
  ::chmod(scratch.root().c_str(), 0755);
  const fs::path roots = scratch.folder("roots"), theirs = scratch.folder("theirs");
  ::chmod(roots.c_str(), 0700);
  zavel::test::TempHome home;
  fs::create_directories(NotesStore::fileURL().parent_path());
  std::ofstream(theirs / "notes.json")
      << R"([{"id":"7C9E6679-7425-40DE-944B-E07FC1F90AE7","text":"Milk","edited":1,"pinned":false}])";
  fs::create_symlink(theirs / "notes.json", NotesStore::fileURL());
  giveToOwner(home.path());
  giveToOwner(theirs);
  fs::create_symlink("note.png", roots / "link.png");
  const std::pair<std::vector<std::string>, int> runs[] = {
      {{"render", "zavel.notes.single", "-o", roots / "note.png", "--tree", roots / "note.json"},
       0},
      {{"gallery", "-o", roots / "gallery"}, 0},
      {{"perform", "NoteDeckPinIntent"}, 0},
      {{"render", "zavel.notes.single", "-o", roots / "note.png", "--tree", roots / "link.png"}, 2},
      {{"render", "zavel.notes.single", "-o", roots / "late.png", "--tree", roots / "none/t.json"},
       1},
  };
  for (const auto &[words, status] : runs) {
    HostResult result = runExecutable(words);
    EXPECT_EQ(std::pair(result.status, lines(result.err).size()),
              std::pair(status, std::size_t(status == 0 ? 0 : 1)))
        << result.err;
  }
  std::vector<fs::path> outputs;
  for (const auto &entry : fs::directory_iterator(roots))
    outputs.push_back(entry.path().filename());
  std::sort(outputs.begin(), outputs.end());
  EXPECT_EQ(outputs, (std::vector<fs::path>{"gallery", "link.png", "note.json", "note.png"}));
  for (const char *output : {"note.png", "note.json", "gallery/index.html"})
    EXPECT_EQ(stateOf(roots / output).user, 0u) << output;
  EXPECT_EQ(kit::foundation::Json::parse(fileText(theirs / "notes.json"))[0]["pinned"], true);
  EXPECT_EQ(stateOf(theirs / "notes.json").user, kOwner);
}

} // namespace
} // namespace zavel::host::testing
