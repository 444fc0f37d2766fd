#include "host/ActionRecording.h"
#include "host/FolderSnapshot.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include "Shared/Data/AppGroup.h"
#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/tasks/BackgroundTasks.h"
#include "kit/widgets/WidgetCenter.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace zavel::host {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

TEST(FolderSnapshot, TellsAddedRewrittenAndRemovedFilesOutsideSkippedFolders) {
  test_support::ScratchTree tree;
  tree.write("same.txt", "same");
  tree.write("a/rewritten.txt", "old");
  tree.write("a/removed.txt", "gone soon");
  tree.write("skipped/db", "1");
  const std::vector<fs::path> skipped{"skipped"};
  FolderSnapshot before = FolderSnapshot::take(tree.root(), skipped);

  // Same size, new contents: a write shows even when the size stays.
  tree.write("a/rewritten.txt", "new");
  fs::remove(tree.root() / "a/removed.txt");
  tree.write("b/c/added.txt", "new");
  tree.write("skipped/db", "2");
  tree.folder("empty");
  tree.write("b/.notes.json.lock", ""); // a lock taken holds no data
  EXPECT_EQ(FolderSnapshot::take(tree.root(), skipped).changedSince(before),
            (Names{"a/removed.txt", "a/rewritten.txt", "b/c/added.txt"}));
  // A missing root has no files: everything that was there reads as removed.
  EXPECT_EQ(FolderSnapshot::take(tree.root() / "missing").changedSince(before),
            (Names{"a/removed.txt", "a/rewritten.txt", "same.txt"}));
}

TEST(ActionRecording, ReportsKeysThenFilesByTheirPlace) {
  zavel::test::TempHome home;
  BackgroundWait wait;
  ActionReport report = recordAction(
      [&] {
        auto suite = SharedSuite::open();
        suite.set("test.b", int64_t(1));
        suite.set("test.a", true);
        suite.set("test.b", int64_t(2));
        suite.removeObject("test.c");
        std::ofstream(AppGroup::containerURL() / "notes.json") << "[]";
        fs::create_directories(home.path() / "calendars/Home");
        std::ofstream(home.path() / "calendars/Home/call.ics") << "BEGIN:VCALENDAR";
      },
      wait);
  EXPECT_EQ(report.wrote,
            (Names{"test.b", "test.a", "test.c", "calendars/Home/call.ics", "notes.json"}));
}

TEST(ActionRecording, WaitsForBackgroundWorkWithinOneBudget) {
  zavel::test::TempHome home;
  BackgroundWait wait(std::chrono::milliseconds(2000));
  ActionReport report = recordAction(
      [] {
        kit::foundation::runDetached([] {
          std::this_thread::sleep_for(std::chrono::milliseconds(100));
          kit::widgets::WidgetCenter::shared().reloadTimelines("test.late");
        });
      },
      wait);
  EXPECT_EQ(report.reloaded, Names{"test.late"});

  // Work longer than what is left of the budget is not awaited again in full.
  BackgroundWait brief(std::chrono::milliseconds(50));
  kit::foundation::runDetached([] { std::this_thread::sleep_for(std::chrono::milliseconds(400)); });
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(brief.wait());
  EXPECT_FALSE(brief.wait());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
  EXPECT_TRUE(kit::foundation::waitForBackgroundTasks(std::chrono::seconds(5)));
}

} // namespace
} // namespace zavel::host
