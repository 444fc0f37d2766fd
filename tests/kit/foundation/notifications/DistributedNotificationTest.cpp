#include "support/BusListener.h"

#include "kit/foundation/UUID.h"
#include "kit/foundation/notifications/DistributedNotificationCenter.h"
#include "kit/foundation/notifications/NotificationRecorder.h"
#include "support/Processes.h"
#include "support/ScopedEnvironment.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

namespace kit::foundation {
namespace {

using testing::BusListener;
using testing::PostedSignal;

// Tests run side by side on one bus: each listens only for names under a prefix of its own.
std::string uniquePrefix() { return "test." + UUID::random().uuidString() + "."; }

std::vector<std::string> namesOf(const std::vector<PostedSignal> &signals) {
  std::vector<std::string> names;
  for (const auto &signal : signals)
    names.push_back(signal.name);
  return names;
}

void post(std::string_view name) {
  DistributedNotificationCenter::defaultCenter().postNotificationName(name);
}

#define REQUIRE_SESSION_BUS(listener)                                                              \
  ASSERT_TRUE(listener.connected()) << "no session bus: run the tests under dbus-run-session "     \
                                       "(scripts/test does)"

TEST(DistributedNotifications, OneSignalPerNameCarriesTheWholeNameInOrder) {
  BusListener listener;
  REQUIRE_SESSION_BUS(listener);
  std::string prefix = uniquePrefix();
  std::vector<std::string> names = {
      prefix + "com.brekholt.zavel.reloadwidgets",
      prefix + "com.brekholt.zavel.media.play-pause.2",
      prefix + "media.next track 10",
      prefix + "..a--b..9.",
      prefix + "ünïcödé·名前",
  };
  for (const auto &name : names)
    post(name);
  auto signals = listener.waitFor(prefix, names.size());
  EXPECT_EQ(namesOf(signals), names);
  for (const auto &signal : signals) {
    EXPECT_EQ(signal.path, "/zavel/DistributedNotificationCenter");
    EXPECT_EQ(signal.interface, "zavel.DistributedNotificationCenter");
    EXPECT_EQ(signal.member, "Posted");
  }
}

TEST(DistributedNotifications, TextThatIsNoValidBusStringArrivesWithReplacementCharacters) {
  BusListener listener;
  REQUIRE_SESSION_BUS(listener);
  std::string prefix = uniquePrefix();
  post(prefix + "bad\xFF" + "byte");
  post(prefix + std::string("nul\0inside", 10));
  EXPECT_EQ(namesOf(listener.waitFor(prefix, 2)),
            (std::vector<std::string>{prefix + "bad\uFFFDbyte", prefix + "nul\uFFFDinside"}));
}

TEST(DistributedNotifications, ProcessThatEndsRightAfterPostingHasDeliveredIt) {
  BusListener listener;
  REQUIRE_SESSION_BUS(listener);
  std::string prefix = uniquePrefix();
  post(prefix + "parent");
  // The child ends with _exit: no destructor, no flush at exit.
  ASSERT_TRUE(zavel::test::runInProcessesAtOnce(2, [&](int index) {
    post(prefix + "child." + std::to_string(index));
    return true;
  }));
  auto names = namesOf(listener.waitFor(prefix, 3));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names,
            (std::vector<std::string>{prefix + "child.0", prefix + "child.1", prefix + "parent"}));
}

TEST(DistributedNotifications, PosterSendsToTheBusItIsGivenAndDropsPostsWithoutOne) {
  BusListener listener;
  REQUIRE_SESSION_BUS(listener);
  std::string prefix = uniquePrefix();
  EXPECT_TRUE(
      BusNotificationPoster(std::getenv("DBUS_SESSION_BUS_ADDRESS")).post(prefix + "direct"));
  EXPECT_EQ(namesOf(listener.waitFor(prefix, 1)), std::vector<std::string>{prefix + "direct"});

  BusNotificationPoster poster("unix:path=/nonexistent/zavel/bus");
  EXPECT_FALSE(poster.post("test.nobus"));
  EXPECT_FALSE(poster.post("test.nobus.again"));
  // The process's own center, in a process whose environment names no bus at all.
  EXPECT_TRUE(zavel::test::runInProcessesAtOnce(1, [](int) {
    zavel::test::ScopedEnvironment noBus(
        {{"DBUS_SESSION_BUS_ADDRESS", std::nullopt}, {"XDG_RUNTIME_DIR", "/nonexistent/zavel"}});
    NotificationRecorder recorder;
    post("test.nobus.center");
    return recorder.names() == std::vector<std::string>{"test.nobus.center"};
  }));
}

TEST(NotificationRecorder, RecordsOnlyWhileItLivesEvenBesideAThrowingReceiver) {
  auto failing = DistributedNotificationCenter::defaultCenter().addSink(
      [](const std::string &) { throw std::runtime_error("full"); });
  std::optional<NotificationRecorder> recorder(std::in_place);
  EXPECT_NO_THROW(post("test.record.1"));
  EXPECT_EQ(recorder->names(), std::vector<std::string>{"test.record.1"});
  recorder.reset();
  EXPECT_NO_THROW(post("test.record.2"));
}

TEST(NotificationRecorder, PostsFromSeveralThreadsAreAllRecorded) {
  NotificationRecorder recorder;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([t] {
      for (int i = 0; i < 25; ++i)
        post("test.thread." + std::to_string(t) + "." + std::to_string(i));
    });
  for (auto &thread : threads)
    thread.join();
  auto names = recorder.names();
  EXPECT_EQ(names.size(), 100u);
  // Each thread's posts keep their own order.
  std::vector<int> next(4, 0);
  for (const auto &name : names) {
    int t = name[12] - '0';
    EXPECT_EQ(name, "test.thread." + std::to_string(t) + "." + std::to_string(next[t]++));
  }
}

} // namespace
} // namespace kit::foundation
