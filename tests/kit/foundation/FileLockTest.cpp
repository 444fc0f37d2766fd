#include "kit/foundation/FileLock.h"
#include "kit/foundation/WriteFailureObserver.h"

#include "support/Processes.h"
#include "support/ScratchTree.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
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

// No lock means the write it guards will not happen: each refusal is heard, naming that file, or
// the lock file when it is what cannot be opened. A folder without write bits gets no lock file,
// though the tests run as root.
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
  // A link at the lock's name that leads nowhere: the lock is what cannot be opened.
  fs::create_symlink(scratch.root() / "nowhere",
                     kit::foundation::lockFileBeside(scratch.root() / "lost.ics"));
  EXPECT_FALSE(FileLock::exclusive(kit::foundation::lockFileBeside(scratch.root() / "lost.ics")));
  EXPECT_EQ(failed, (std::vector<std::string>{"milk.ics: Permission denied",
                                              "notes.json: another writer holds its lock",
                                              "in the way: Is a directory",
                                              ".lost.ics.lock: No such file or directory"}));
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

// A lock file is made only where nothing stands at its name: a link there, planted by whoever
// may write the folder, never gets the file it names made, nor, run as root, a file of root's it
// names given to the folder's owner.
TEST(FileLock, ALinkAtTheLocksNameNeverHasItsFileMadeOrGivenAway) {
  test_support::ScratchTree scratch;
  ::chmod(scratch.root().c_str(), 0755);
  const fs::path folder = scratch.folder("calendar"), elsewhere = scratch.folder("elsewhere");
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(folder.c_str(), 1234, 1234), 0);
  }
  struct Case {
    const char *name;
    fs::path named;
    bool exists;
  } cases[] = {
      {"a link that names nothing", elsewhere / "made.lock", false},
      {"a link to root's file", scratch.write("elsewhere/root's", "root's own"), true},
  };
  for (const Case &c : cases) {
    if (c.exists && !root)
      continue;
    const fs::path lockFile = folder / ".call.ics.lock";
    fs::remove(lockFile);
    fs::create_symlink(c.named, lockFile);
    auto lock = FileLock::exclusive(lockFile, 0ms);
    EXPECT_EQ(bool(lock), c.exists) << c.name;
    struct stat status {};
    EXPECT_EQ(::stat(c.named.c_str(), &status) == 0, c.exists) << c.name;
    if (c.exists) {
      EXPECT_EQ(std::pair(status.st_uid, status.st_gid), std::pair(0u, 0u)) << c.name;
    }
  }
  if (!root)
    GTEST_SKIP() << "only root owns a file another user's link can name: the link to one was not "
                    "tried";
}
