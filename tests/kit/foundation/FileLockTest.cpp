#include "kit/foundation/FileLock.h"
#include "kit/foundation/WriteFailureObserver.h"

#include "support/Processes.h"
#include "support/ScratchTree.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

using kit::foundation::FileLock;
namespace fs = std::filesystem;

namespace {

using namespace std::chrono_literals;

int readCount(const fs::path &file) {
  std::ifstream in(file);
  int count = 0;
  in >> count;
  return count;
}

} // namespace

TEST(FileLock, ASecondTakerWaitsForTheFirstAndAFolderInTheWayGivesNoLock) {
  test_support::ScratchTree scratch;
  fs::path file = scratch.root() / ".list.lock";
  {
    auto first = FileLock::exclusive(file);
    ASSERT_TRUE(first);
    EXPECT_FALSE(FileLock::exclusive(file, 20ms));
    FileLock moved = std::move(*first);
    first.reset();
    EXPECT_FALSE(FileLock::exclusive(file, 20ms));
  }
  EXPECT_TRUE(FileLock::exclusive(file, 0ms));
  EXPECT_TRUE(fs::is_regular_file(file));
  EXPECT_FALSE(FileLock::exclusive(scratch.folder("a folder")));
}

// No lock means the write it guards will not happen: each refusal is heard, naming that file.
// A folder without write bits gets no lock file, though the tests run as root.
TEST(FileLock, ALockNotHadIsHeardAsAFailedWriteOfTheFileItGuards) {
  test_support::ScratchTree scratch;
  std::vector<std::string> failed;
  kit::foundation::WriteFailureObserver failures([&](const kit::foundation::WriteFailure &failure) {
    failed.push_back(fs::path(failure.name).filename().string() + ": " + failure.reason);
  });
  fs::path closed = scratch.folder("closed");
  ::chmod(closed.c_str(), 0555);
  EXPECT_FALSE(FileLock::exclusive(kit::foundation::lockFileBeside(closed / "milk.ics")));
  EXPECT_TRUE(fs::is_empty(closed));
  ::chmod(closed.c_str(), 0755);
  auto held = FileLock::exclusive(kit::foundation::lockFileBeside(scratch.root() / "notes.json"));
  ASSERT_TRUE(held);
  EXPECT_FALSE(
      FileLock::exclusive(kit::foundation::lockFileBeside(scratch.root() / "notes.json"), 20ms));
  EXPECT_FALSE(FileLock::exclusive(scratch.folder("in the way")));
  EXPECT_EQ(failed, (std::vector<std::string>{"milk.ics: Permission denied",
                                              "notes.json: another writer holds its lock",
                                              "in the way: Is a directory"}));
}

// Eight processes, each adding 1 to a number in a file 25 times under the lock: none is lost.
TEST(FileLock, ProcessesTakingTurnsLoseNoChange) {
  test_support::ScratchTree scratch;
  fs::path counter = scratch.write("count", "0");
  ASSERT_TRUE(zavel::test::runInProcessesAtOnce(8, [&](int) {
    for (int i = 0; i < 25; ++i) {
      auto lock = FileLock::exclusive(scratch.root() / ".count.lock");
      if (!lock)
        return false;
      int count = readCount(counter);
      std::ofstream(counter) << count + 1;
    }
    return true;
  }));
  EXPECT_EQ(readCount(counter), 200);
}
