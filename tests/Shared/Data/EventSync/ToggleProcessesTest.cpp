#include "AgendaHome.h"

#include "Shared/Data/EventSync/EventStoreAccess.h"
#include "kit/events/EventStore.h"

#include "support/Processes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace zavel::EventSync {
namespace {

using agenda_test::AgendaHome;
using agenda_test::todo;

constexpr int kProcesses = 8;
constexpr int kTogglesEach = 25;

// A toggle as a press makes it (the reminder flipped, then the reading stored under its file's
// lock), telling whether it was saved: one that waited past the lock's patience on a busy
// machine flips nothing.
bool toggled(const std::string &id, const Environment &environment) {
  auto saved = openEventStore(environment).toggleCompleted(id, environment.clock.now(), [&] {
    loadReminders(environment);
  });
  return saved == kit::events::EventStore::SaveResult::saved;
}

// Eight processes toggle eight reminders of one file, each its own, 25 times; the first seven
// also toggle a ninth of the same file each time, 175 times in all. Every saved toggle flips
// what the one before left, so each reminder ends completed exactly when it was flipped an odd
// number of times, and the snapshot stored last was read after the last write.
TEST(EventSyncProcesses, TogglesAtOnceEachFlipOnceAndTheSnapshotMatchesTheFile) {
  AgendaHome home;
  std::string todos = todo("shared", "DUE;TZID=Europe/Oslo:20240312T180000");
  for (int i = 0; i < kProcesses; ++i)
    todos += todo("own" + std::to_string(i), "DUE;TZID=Europe/Oslo:20240312T170000");
  home.add("inbox", "list.ics", todos);
  auto environment = home.environment();
  auto flipsFile = [&](int process) { return home.home() / ("flips" + std::to_string(process)); };
  ASSERT_TRUE(zavel::test::runInProcessesAtOnce(kProcesses, [&](int process) {
    int own = 0;
    int shared = 0;
    for (int i = 0; i < kTogglesEach; ++i) {
      own += toggled("inbox/own" + std::to_string(process), environment);
      if (process < kProcesses - 1)
        shared += toggled("inbox/shared", environment);
    }
    std::ofstream(flipsFile(process)) << own << " " << shared;
    return true;
  }));
  std::vector<std::string> expected;
  int sharedFlips = 0;
  for (int process = 0; process < kProcesses; ++process) {
    int own = 0;
    int shared = 0;
    std::ifstream(flipsFile(process)) >> own >> shared;
    sharedFlips += shared;
    if (own % 2)
      expected.push_back("inbox/own" + std::to_string(process));
  }
  if (sharedFlips % 2)
    expected.push_back("inbox/shared");
  auto store = kit::events::EventStore(home.calendars(), "Europe/Oslo");
  std::vector<std::string> completed;
  for (const auto &reminder : store.completedReminders({}))
    completed.push_back(reminder.id);
  std::sort(completed.begin(), completed.end());
  EXPECT_EQ(completed, expected);
  EXPECT_GT(sharedFlips, 0);
  EXPECT_EQ(storedReminders(home.home()), readReminders(environment));
  EXPECT_TRUE(std::filesystem::is_regular_file(home.calendars() / "inbox" / ".list.ics.lock"));
}

} // namespace
} // namespace zavel::EventSync
