#include "AgendaHome.h"

#include "kit/events/EventStore.h"

#include "support/Processes.h"

#include <gtest/gtest.h>

namespace zavel::EventSync {
namespace {

using agenda_test::AgendaHome;
using agenda_test::todo;

constexpr int kProcesses = 8;
constexpr int kTogglesEach = 25;

// Eight processes toggle eight reminders of one file, each its own, 25 times; the first seven
// also toggle a ninth of the same file each time, 175 times in all. Every toggle flips what the
// one before left, so all nine end completed (an odd number of flips each), and the snapshot
// stored last was read after the last write.
TEST(EventSyncProcesses, TogglesAtOnceEachFlipOnceAndTheSnapshotMatchesTheFile) {
  AgendaHome home;
  std::string todos = todo("shared", "DUE;TZID=Europe/Oslo:20240312T180000");
  for (int i = 0; i < kProcesses; ++i)
    todos += todo("own" + std::to_string(i), "DUE;TZID=Europe/Oslo:20240312T170000");
  home.add("inbox", "list.ics", todos);
  auto environment = home.environment();
  ASSERT_TRUE(zavel::test::runInProcessesAtOnce(kProcesses, [&](int process) {
    for (int i = 0; i < kTogglesEach; ++i) {
      toggleReminder("inbox/own" + std::to_string(process), environment);
      if (process < kProcesses - 1)
        toggleReminder("inbox/shared", environment);
    }
    return true;
  }));
  auto store = kit::events::EventStore(home.calendars(), "Europe/Oslo");
  EXPECT_EQ(store.completedReminders({}).size(), std::size_t{kProcesses + 1});
  EXPECT_TRUE(store.incompleteReminders({}, kit::events::EventStore::Undated::included).empty());
  EXPECT_EQ(storedReminders(home.home()), readReminders(environment));
  EXPECT_TRUE(std::filesystem::is_regular_file(home.calendars() / "inbox" / ".list.ics.lock"));
}

} // namespace
} // namespace zavel::EventSync
