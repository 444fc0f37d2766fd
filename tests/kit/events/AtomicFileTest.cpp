#include "kit/events/AtomicFile.h"
#include "kit/events/FileWriteObserver.h"

#include "support/ScratchTree.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace kit::events {
namespace {

namespace fs = std::filesystem;

std::string textOf(const fs::path &file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Only the names a replacement's temporary file can have: hidden, the file's name, a dot and
// six letters or digits.
TEST(AtomicFile, TemporaryCopyNamesAreTheHiddenFileNameAndSixCharacters) {
  struct Case {
    const char *name;
    bool copy;
  } cases[] = {
      {".notes.json.aZ09xY", true},  {".notes.json.lock", false},    {".notes.json.locked", true},
      {".notes.json.abc12", false},  {".notes.json.abc1234", false}, {"notes.json.abc123", false},
      {".notes.json.ab-123", false}, {".other.json.abc123", false},  {".notes.json..abc12", false},
  };
  for (const auto &c : cases)
    EXPECT_EQ(isTemporaryCopyName(c.name, "notes.json"), c.copy) << c.name;
}

TEST(AtomicFile, ReplacementsSayWhyTheyFailAndObserversHearOnlyWholeOnesByTheNameGiven) {
  test_support::ScratchTree scratch;
  fs::path real = scratch.write("elsewhere/real.txt", "old");
  fs::path link = scratch.folder("here") / "link.txt";
  fs::create_symlink("../elsewhere/real.txt", link);
  std::vector<fs::path> heard;
  FileWriteObserver observer([&](const fs::path &file) { heard.push_back(file); });

  EXPECT_EQ(replaceFile(link, "new", Durability::whole), std::error_code());
  EXPECT_EQ(textOf(real), "new");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(replaceFile(scratch.root() / "missing" / "a.txt", "x"),
            std::errc::no_such_file_or_directory);
  EXPECT_EQ(replaceFile(scratch.folder("taken"), "x"), std::errc::is_a_directory);
  fs::create_symlink("nowhere.txt", scratch.root() / "dangling.txt");
  EXPECT_TRUE(replaceFile(scratch.root() / "dangling.txt", "x"));
  EXPECT_EQ(
      replaceFile(real, "stopped", Durability::synced, [](const fs::path &) { return false; }),
      std::errc::operation_canceled);
  EXPECT_EQ(textOf(real), "new");
  EXPECT_EQ(heard, std::vector<fs::path>{link});
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

} // namespace
} // namespace kit::events
