#include "kit/foundation/AtomicFile.h"
#include "kit/foundation/FileWriteObserver.h"
#include "kit/foundation/WriteFailureObserver.h"

#include "support/Processes.h"
#include "support/ScratchTree.h"

#include <chrono>
#include <csignal>
#include <fstream>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kit::foundation {
namespace {

namespace fs = std::filesystem;

using test_support::fileText;

// Only the names a replacement's temporary file can have: hidden, the file's name, a dot and
// six letters or digits.
TEST(AtomicFile, TemporaryCopyNamesAreTheHiddenFileNameAndSixCharacters) {
  struct Case {
    const char *name;
    bool copy;
    std::optional<std::string> of = std::nullopt; // the file it is a copy of, when not notes.json
  } cases[] = {
      {".notes.json.aZ09xY", true},
      {".notes.json.lock", false},
      {".notes.json.locked", true},
      {".notes.json.abc12", false},
      {".notes.json.abc1234", false},
      {"notes.json.abc123", false},
      {".notes.json.ab-123", false},
      {".other.json.abc123", false, "other.json"},
      {".notes.json..abc12", false},
      {".0123abcd.layer.Zz9Aa0", false, "0123abcd.layer"},
      {"..aZ09xY", false},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(isTemporaryCopyName(c.name, "notes.json"), c.copy) << c.name;
    auto of = c.of ? c.of : c.copy ? std::optional<std::string>("notes.json") : std::nullopt;
    EXPECT_EQ(copiedFileName(c.name), of) << c.name;
  }
}

TEST(AtomicFile, ReplacementsSayWhyTheyFailAndObserversHearOnlyWholeOnesByTheNameGiven) {
  test_support::ScratchTree scratch;
  fs::path real = scratch.write("elsewhere/real.txt", "old");
  fs::path link = scratch.folder("here") / "link.txt";
  fs::create_symlink("../elsewhere/real.txt", link);
  std::vector<fs::path> heard;
  FileWriteObserver observer([&](const fs::path &file) { heard.push_back(file); });
  std::vector<std::string> failed;
  foundation::WriteFailureObserver failures(
      [&](const foundation::WriteFailure &failure) { failed.push_back(failure.name); });

  EXPECT_EQ(replaceFile(link, "new", Durability::whole), std::error_code());
  EXPECT_EQ(fileText(real), "new");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(replaceFile(scratch.root() / "missing" / "a.txt", "x"),
            std::errc::no_such_file_or_directory);
  EXPECT_EQ(replaceFile(scratch.folder("taken"), "x"), std::errc::is_a_directory);
  fs::create_symlink("nowhere.txt", scratch.root() / "dangling.txt");
  EXPECT_TRUE(replaceFile(scratch.root() / "dangling.txt", "x"));
  EXPECT_EQ(
      replaceFile(real, "stopped", Durability::synced, [](const fs::path &) { return false; }),
      std::errc::operation_canceled);
  EXPECT_EQ(fileText(real), "new");
  EXPECT_EQ(heard, std::vector<fs::path>{link});
  EXPECT_EQ(failed, (std::vector<std::string>{(scratch.root() / "missing" / "a.txt").string(),
                                              scratch.root() / "taken",
                                              scratch.root() / "dangling.txt", real}));
  // Nothing but the files themselves is left in either folder.
  for (const char *folder : {"elsewhere", "here"})
    EXPECT_EQ(
        std::distance(fs::directory_iterator(scratch.root() / folder), fs::directory_iterator()), 1)
        << folder;
}

TEST(AtomicFile, ANewFileGetsTheBitsTheMaskAllowsAndAnOldOneKeepsItsOwn) {
  test_support::ScratchTree scratch;
  mode_t previous = ::umask(027);
  fs::path fresh = scratch.root() / "fresh.txt";
  std::error_code error = replaceFile(fresh, "x", Durability::whole);
  ::umask(previous);
  ASSERT_FALSE(error);
  struct stat status {};
  ASSERT_EQ(::stat(fresh.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  ::chmod(fresh.c_str(), 0604);
  ASSERT_FALSE(replaceFile(fresh, "y", Durability::whole));
  ASSERT_EQ(::stat(fresh.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0604u);
}

struct Ownership {
  uid_t owner;
  gid_t group;
  mode_t mode;
  bool operator==(const Ownership &) const = default;
};

Ownership ownershipOf(const fs::path &file) {
  struct stat status {};
  ::stat(file.c_str(), &status);
  return {status.st_uid, status.st_gid, status.st_mode & 07777};
}

// Replaced by root, another user's file stays theirs. Replaced by a user who may not give it
// away, it becomes that user's, keeping its group when the user is in it, and is still replaced.
TEST(AtomicFile, AReplacedFileKeepsItsOwnerAndGroupWhereTheProcessMaySetThem) {
  if (::geteuid() != 0)
    GTEST_SKIP() << "only root may give a file to another user";
  test_support::ScratchTree scratch;
  fs::path file = scratch.write("call.ics", "old");
  ASSERT_EQ(::chown(file.c_str(), 1234, 1234), 0);
  ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
  ASSERT_FALSE(replaceFile(file, "root's"));
  EXPECT_EQ(ownershipOf(file), (Ownership{1234, 1234, 0600}));

  ::chmod(scratch.root().c_str(), 0777);
  ASSERT_TRUE(zavel::test::runInProcessesAtOnce(1, [&](int) {
    gid_t groups[] = {1234};
    return ::setgroups(1, groups) == 0 && ::setgid(4321) == 0 && ::setuid(4321) == 0 &&
           !replaceFile(file, "another user's");
  }));
  EXPECT_EQ(fileText(file), "another user's");
  EXPECT_EQ(ownershipOf(file), (Ownership{4321, 1234, 0600}));
}

// A disk that fills up in mid-write (here a file size limit, in a process of its own): the error
// comes back, the old file stays whole and the copy is gone.
TEST(AtomicFile, AWriteThatFailsHalfwayLeavesTheOldFileWhole) {
  test_support::ScratchTree scratch;
  fs::path file = scratch.write("list.json", "[1]");
  ASSERT_TRUE(zavel::test::runInProcessesAtOnce(1, [&](int) {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{16, 16};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    return replaceFile(file, std::string(64, '2')) == std::errc::file_too_large;
  }));
  EXPECT_EQ(fileText(file), "[1]");
  EXPECT_EQ(std::distance(fs::directory_iterator(scratch.root()), fs::directory_iterator()), 1);
}

// Judged by the mode, not by what the process may do: as root it could write them all.
TEST(AtomicFile, AFileOrFolderWithoutWriteBitsIsLeftAsItIs) {
  test_support::ScratchTree scratch;
  fs::path file = scratch.write("read-only.txt", "old");
  fs::path inFolder = scratch.write("closed/item.txt", "old");
  fs::path link = scratch.root() / "link.txt";
  fs::create_symlink(file, link);
  ::chmod(file.c_str(), 0444);
  ::chmod(inFolder.parent_path().c_str(), 0555);
  std::vector<std::string> failed;
  foundation::WriteFailureObserver failures(
      [&](const foundation::WriteFailure &failure) { failed.push_back(failure.name); });
  for (const fs::path &target : {file, link, inFolder, inFolder.parent_path() / "new.txt"})
    EXPECT_EQ(replaceFile(target, "new"), std::errc::permission_denied) << target;
  EXPECT_EQ(fileText(file), "old");
  EXPECT_EQ(fileText(inFolder), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(inFolder.parent_path()), fs::directory_iterator()),
            1);
  EXPECT_EQ(failed,
            (std::vector<std::string>{file, link, inFolder, inFolder.parent_path() / "new.txt"}));
  ::chmod(inFolder.parent_path().c_str(), 0755);
}

// What a writer killed in mid-write left: its copies of the same file go once they are an hour
// old; younger ones (perhaps a live writer's) and other files' stay.
TEST(AtomicFile, AReplacementRemovesItsOwnCopiesOverAnHourOld) {
  test_support::ScratchTree scratch;
  auto aged = [](const fs::path &file) {
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::minutes(61));
    return file;
  };
  fs::path stale = aged(scratch.write(".milk.ics.Ab3xY9", "BEGIN"));
  fs::path staleToo = aged(scratch.write(".milk.ics.zz00ZZ", "BEGIN"));
  const std::vector<fs::path> kept{
      scratch.write(".milk.ics.Qr7tU1", "BEGIN"),        // 0 minutes old
      aged(scratch.write(".bread.ics.Ab3xY9", "BEGIN")), // another file's
      aged(scratch.write(".milk.ics.lock", "")),         // not a copy's name
      aged(scratch.folder(".milk.ics.Fo1der")),          // not a file
  };
  ASSERT_FALSE(replaceFile(scratch.root() / "milk.ics", "END", Durability::whole));
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_FALSE(fs::exists(staleToo));
  for (const auto &file : kept)
    EXPECT_TRUE(fs::exists(file)) << file;
}

} // namespace
} // namespace kit::foundation
