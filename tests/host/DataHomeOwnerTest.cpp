#include "Shared/Data/NotesStore.h"
#include "host/HostRun.h"
#include "support/Processes.h"
#include "support/TempHome.h"

#include <cstdlib>
#include <fstream>
#include <grp.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace zavel::host::testing {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kOwner = 1234;

// A user's data home with a reminder and a note and no store yet, pressed and written by root:
// the user can then press the same keys and write the store, which all take the lock files and
// the store root's runs made.
TEST(DataHomeOwner, RunsAsRootLeaveTheOwnerAHomeTheyCanStillUse) {
  if (::geteuid() != 0)
    GTEST_SKIP() << "only a run as root makes files another user must use";
  zavel::test::TempHome home;
  fs::create_directories(home.path() / "calendars/home");
  std::ofstream(home.path() / "calendars/home/milk.ics", std::ios::binary)
      << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Zavel tests//EN\r\nBEGIN:VTODO\r\n"
         "UID:milk\r\nSUMMARY:milk\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";
  std::ofstream(NotesStore::fileURL())
      << R"([{"id":"7C9E6679-7425-40DE-944B-E07FC1F90AE7","text":"Milk","edited":1,"pinned":false}])";
  for (const auto &entry : fs::recursive_directory_iterator(home.path()))
    ASSERT_EQ(::lchown(entry.path().c_str(), kOwner, kOwner), 0) << entry.path();
  ASSERT_EQ(::chown(home.path().c_str(), kOwner, kOwner), 0);

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

} // namespace
} // namespace zavel::host::testing
