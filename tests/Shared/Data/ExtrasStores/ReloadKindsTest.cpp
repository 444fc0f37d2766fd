#include "Shared/Data/ExtrasStores/ReloadKinds.h"

#include "support/BusListener.h"
#include "support/ReloadLog.h"

#include <array>
#include <gtest/gtest.h>
#include <unistd.h>

namespace zavel {
namespace {

using test::reloadedAndNotified;
using test::ReloadLog;

TEST(ReloadKinds, ReloadsEachKindInOrderThenNotifiesOnce) {
  ReloadLog log;
  reloadKinds({"zavel.notes.deck", "zavel.notes.pinned", "zavel.notes.list"});
  EXPECT_EQ(log.events(),
            reloadedAndNotified({"zavel.notes.deck", "zavel.notes.pinned", "zavel.notes.list"}));
}

TEST(ReloadKinds, EmptyListStillNotifiesAndEveryCallNotifiesAnew) {
  ReloadLog log;
  reloadKinds({});
  constexpr std::array<std::string_view, 1> water{"zavel.water"};
  reloadKinds(water);
  reloadKinds(water);
  auto expected = reloadedAndNotified({});
  for (int run = 0; run < 2; ++run)
    for (const auto &event : reloadedAndNotified({"zavel.water"}))
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
