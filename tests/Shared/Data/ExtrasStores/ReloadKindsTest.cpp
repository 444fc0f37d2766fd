#include "Shared/Data/ExtrasStores/ReloadKinds.h"

#include "support/BusListener.h"
#include "support/ReloadLog.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace zavel {
namespace {

TEST(ReloadKinds, ReloadsEachKindInOrderThenNotifiesOnceEvenForNone) {
  test::ReloadLog log;
  reloadKinds({"zavel.notes.deck", "zavel.notes.pinned"});
  reloadKinds({});
  auto expected = test::reloadedAndNotified({"zavel.notes.deck", "zavel.notes.pinned"});
  for (const auto &event : test::reloadedAndNotified({}))
    expected.push_back(event);
  EXPECT_EQ(log.events(), expected);
}

TEST(ReloadKinds, NotificationReachesTheSessionBus) {
  kit::foundation::testing::BusListener listener;
  ASSERT_TRUE(listener.connected()) << "no session bus: run the tests under dbus-run-session";
  reloadKinds({"zavel.stopwatch"});
  // Other test processes post the same name on this bus: only this one's count.
  auto signals = listener.waitFor(std::string(reloadWidgetsNotification), 1, getpid());
  ASSERT_EQ(signals.size(), 1u);
  EXPECT_EQ(signals.front().name, "com.brekholt.zavel.reloadwidgets");
}

} // namespace
} // namespace zavel
