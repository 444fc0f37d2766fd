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
#include <future>
#include <gtest/gtest.h>

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
// are, quoted with control bytes escaped; the host then fails naming the first.
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
        kit::foundation::replaceFile(home.path() / "calendars/\x1b[31m\xc2\x9b\xff/x.ics", "");
      },
      wait);
  EXPECT_EQ(report.wrote, Names{"notes.json"});
  EXPECT_EQ(report.failed,
            (Names{"\"test.memory\": no store file could be opened, so it lasts only as long as "
                   "the process",
                   "\"calendars/Home/call.ics\": No such file or directory",
                   "\"calendars/\\x1B[31m\\xC2\\x9B\\xFF/x.ics\": No such file or directory"}));
  try {
    requireEveryWrite(report);
    ADD_FAILURE() << "no failure";
  } catch (const CommandFailure &failure) {
    EXPECT_EQ(std::string(failure.what()), "not written: " + report.failed[0] + " (and 2 more)");
  }
  report.failed.clear();
  EXPECT_NO_THROW(requireEveryWrite(report));
}

// Work the action started and that ends only after it returned is awaited and reported.
TEST(ActionRecording, ReportsBackgroundWorkThatEndsAfterTheAction) {
  zavel::test::TempHome home;
  std::promise<void> actionReturned;
  std::shared_future<void> returned = actionReturned.get_future().share();
  BackgroundWait wait(std::chrono::hours(24));
  ActionReport report = recordAction(
      [&] {
        kit::foundation::runDetached([returned] {
          returned.wait();
          kit::widgets::WidgetCenter::shared().reloadTimelines("test.late");
        });
        actionReturned.set_value();
      },
      wait);
  EXPECT_EQ(report.reloaded, Names{"test.late"});
}

// The budget starts with the first wait, and work still running once it is spent is not awaited
// again: a wait that took a fresh budget would hold this test for a day.
TEST(ActionRecording, BackgroundWorkIsAwaitedWithinOneBudget) {
  BackgroundWait::TimePoint now{};
  BackgroundWait wait(std::chrono::hours(24), [&] { return now; });
  ASSERT_TRUE(kit::foundation::waitForBackgroundTasks(std::chrono::hours(1)));
  EXPECT_TRUE(wait.wait());
  now += std::chrono::hours(24);
  std::promise<void> release;
  kit::foundation::runDetached([ended = release.get_future().share()] { ended.wait(); });
  EXPECT_FALSE(wait.wait());
  EXPECT_FALSE(wait.wait());
  release.set_value();
  EXPECT_TRUE(kit::foundation::waitForBackgroundTasks(std::chrono::hours(1)));
}

} // namespace
} // namespace zavel::host
