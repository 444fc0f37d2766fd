#include "host/ActionRecording.h"
#include "host/CommandErrors.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include "Shared/Data/AppGroup.h"
#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/AtomicFile.h"
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

TEST(ActionRecording, ReportsKeysThenFilesByTheirPlace) {
  zavel::test::TempHome home;
  test_support::ScratchTree elsewhere;
  fs::path container = AppGroup::containerURL();
  fs::create_directories(home.path() / "calendars/Home");
  elsewhere.write("real.json", "");
  fs::create_symlink(elsewhere.root() / "real.json", container / "linked.json");
  BackgroundWait wait;
  ActionReport report = recordAction(
      [&] {
        auto suite = SharedSuite::open();
        suite.set("test.b", int64_t(1));
        suite.set("test.a", true);
        suite.set("test.b", int64_t(2));
        suite.removeObject("test.c");
        kit::foundation::replaceFile(container / "notes.json", "[]");
        kit::foundation::replaceFile(home.path() / "calendars/Home/call.ics", "BEGIN");
        kit::foundation::replaceFile(container / "linked.json", "[]");
        kit::foundation::replaceFile(elsewhere.root() / "outside.txt", "x");
        // Only what this process wrote whole counts; a write that failed left nothing.
        std::ofstream(container / "touched.json") << "[]";
        kit::foundation::replaceFile(home.path() / "missing/folder.ics", "x");
      },
      wait);
  EXPECT_EQ(report.wrote, (Names{"test.b", "test.a", "test.c", (elsewhere.root() / "outside.txt"),
                                 "calendars/Home/call.ics", "linked.json", "notes.json"}));
  EXPECT_EQ(fs::read_symlink(container / "linked.json"), elsewhere.root() / "real.json");
}

TEST(ActionRecording, ReportsEachReloadedKindOnceWhereItWasFirstAsked) {
  zavel::test::TempHome home;
  BackgroundWait wait;
  ActionReport report = recordAction(
      [] {
        for (const char *kind : {"test.b", "test.a", "test.b", "test.c", "test.a"})
          kit::widgets::WidgetCenter::shared().reloadTimelines(kind);
      },
      wait);
  EXPECT_EQ(report.reloaded, (Names{"test.b", "test.a", "test.c"}));
}

// With neither suite file usable, values last only as long as the process: nothing reached a
// file, so nothing is reported.
TEST(ActionRecording, KeysKeptOnlyInMemoryAreNotReported) {
  zavel::test::TempHome home;
  home.blockSuites({std::string(AppGroup::identifier), "standard"});
  BackgroundWait wait;
  ActionReport report = recordAction(
      [&] {
        ASSERT_TRUE(SharedSuite::open().isInMemory());
        EXPECT_TRUE(SharedSuite::open().set("test.memory", int64_t(1)));
      },
      wait);
  EXPECT_EQ(report.wrote, Names{});
  EXPECT_EQ(SharedSuite::open().integer("test.memory"), 1);
}

// What did not reach its file is listed apart, each once, keys first, named as written ones
// are; the host then fails naming the first.
TEST(ActionRecording, ListsWritesThatFailedApartAndTheHostFailsNamingTheFirst) {
  zavel::test::TempHome home;
  home.blockSuites({std::string(AppGroup::identifier), "standard"});
  BackgroundWait wait;
  ActionReport report = recordAction(
      [&] {
        kit::foundation::replaceFile(home.path() / "calendars/Home/call.ics", "BEGIN");
        SharedSuite::open().set("test.memory", int64_t(1));
        kit::foundation::replaceFile(home.path() / "calendars/Home/call.ics", "BEGIN");
        kit::foundation::replaceFile(AppGroup::containerURL() / "notes.json", "[]");
      },
      wait);
  EXPECT_EQ(report.wrote, Names{"notes.json"});
  EXPECT_EQ(report.failed,
            (Names{"test.memory: no store file could be opened, so it lasts only as long as the "
                   "process",
                   "calendars/Home/call.ics: No such file or directory"}));
  try {
    requireEveryWrite(report);
    ADD_FAILURE() << "no failure";
  } catch (const CommandFailure &failure) {
    EXPECT_EQ(std::string(failure.what()), "not written: " + report.failed[0] + " (and 1 more)");
  }
  report.failed.clear();
  EXPECT_NO_THROW(requireEveryWrite(report));
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
