#include "kit/foundation/LockedReplace.h"

#include "kit/foundation/FileLock.h"
#include "kit/foundation/FileWriteObserver.h"

#include "support/ScratchTree.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace kit::foundation {
namespace {

namespace fs = std::filesystem;

using test_support::fileText;

bool isLocked(const fs::path &file) {
  return !FileLock::exclusive(lockFileBeside(file), std::chrono::milliseconds(0));
}

// Through a link, the file named is read, locked beside and replaced, the link stays, and
// observers hear of the name given.
TEST(LockedReplace, ALinkIsChangedThroughToTheFileItNames) {
  test_support::ScratchTree scratch;
  fs::path real = scratch.write("elsewhere/notes.json", "1");
  fs::path link = scratch.folder("here") / "notes.json";
  fs::create_symlink("../elsewhere/notes.json", link);
  std::vector<fs::path> heard;
  FileWriteObserver observer([&](const fs::path &file) { heard.push_back(file); });
  fs::path edited;
  bool lockedMeanwhile = false;
  std::error_code error = replaceLocked(
      link,
      [&](const fs::path &file) {
        edited = file;
        return std::optional(fileText(file) + "2");
      },
      {}, [&] { lockedMeanwhile = isLocked(real); });
  EXPECT_FALSE(error) << error.message();
  EXPECT_EQ(edited, fs::canonical(real));
  EXPECT_TRUE(lockedMeanwhile);
  EXPECT_FALSE(isLocked(real));
  EXPECT_EQ(fileText(real), "12");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_TRUE(fs::exists(lockFileBeside(real)));
  EXPECT_FALSE(fs::exists(lockFileBeside(link)));
  EXPECT_EQ(heard, std::vector<fs::path>{link});
}

// Whatever stops a change leaves the file as it was, says why, and still runs the work after.
TEST(LockedReplace, AStoppedChangeLeavesTheFileAndSaysWhy) {
  test_support::ScratchTree scratch;
  fs::path file = scratch.write("a/list.json", "old");
  fs::path other = scratch.write("b/list.json", "other");
  fs::path link = scratch.root() / "link.json";
  fs::create_symlink(file, link);
  fs::create_symlink("nowhere.json", scratch.root() / "dangling.json");
  fs::path blocked = scratch.write("c/list.json", "blocked");
  fs::create_directory(lockFileBeside(blocked));
  auto retarget = [&](const fs::path &) {
    fs::remove(link);
    fs::create_symlink(other, link);
    return std::optional<std::string>("new");
  };
  auto make = [](const fs::path &) { return std::optional<std::string>("new"); };
  struct Case {
    const char *name;
    fs::path file;
    FileEdit edit;
    BeforeReplace beforeReplace;
    std::errc why;
  } cases[] = {
      {"nothing made",
       file,
       [](const fs::path &) { return std::nullopt; },
       {},
       std::errc::operation_canceled},
      {"refused before the replace", file, make, [](const fs::path &) { return false; },
       std::errc::operation_canceled},
      {"link turned elsewhere meanwhile", link, retarget, {}, std::errc::operation_canceled},
      {"link to nothing",
       scratch.root() / "dangling.json",
       make,
       {},
       std::errc::no_such_file_or_directory},
      {"lock not had", blocked, make, {}, std::errc::resource_unavailable_try_again},
  };
  for (const auto &c : cases) {
    bool ran = false;
    EXPECT_EQ(replaceLocked(c.file, c.edit, c.beforeReplace, [&] { ran = true; }), c.why) << c.name;
    EXPECT_TRUE(ran) << c.name;
  }
  EXPECT_EQ(fileText(file), "old");
  EXPECT_EQ(fileText(other), "other");
  EXPECT_EQ(fileText(blocked), "blocked");
  EXPECT_FALSE(fs::exists(scratch.root() / "nowhere.json"));
  for (const char *folder : {"a", "b"})
    EXPECT_EQ(
        std::distance(fs::directory_iterator(scratch.root() / folder), fs::directory_iterator()),
        folder == std::string("a") ? 2 : 1)
        << folder; // the file, and in a its lock file: no temporary copy is left
}

// Changes made at once each start from the one before, so none is lost.
TEST(LockedReplace, ChangesAtOnceTakeTurns) {
  test_support::ScratchTree scratch;
  fs::path file = scratch.write("count.txt", "0");
  constexpr int kWriters = 8;
  constexpr int kEach = 5;
  std::vector<std::jthread> writers;
  for (int w = 0; w < kWriters; ++w)
    writers.emplace_back([&] {
      for (int i = 0; i < kEach; ++i)
        replaceLocked(file, [](const fs::path &at) {
          return std::optional(std::to_string(std::stoi(fileText(at)) + 1));
        });
    });
  writers.clear();
  EXPECT_EQ(fileText(file), std::to_string(kWriters * kEach));
}

} // namespace
} // namespace kit::foundation
