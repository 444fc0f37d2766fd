#include "support/BusListener.h"

#include "kit/foundation/UUID.h"
#include "kit/foundation/notifications/DistributedNotificationCenter.h"
#include "kit/foundation/notifications/NotificationRecorder.h"
#include "support/Processes.h"
#include "support/ScopedEnvironment.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace kit::foundation {
namespace {

void post(std::string_view name) {
  DistributedNotificationCenter::defaultCenter().postNotificationName(name);
}

// Tests run side by side on one bus: each listens only for names under a prefix of its own.
class DistributedNotifications : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(listener.connected()) << "no session bus: run the tests under dbus-run-session";
  }
  std::vector<std::string> received(std::size_t count) {
    std::vector<std::string> names;
    for (const auto &signal : listener.waitFor(prefix, count))
      names.push_back(signal.name);
    return names;
  }
  testing::BusListener listener;
  std::string prefix = "test." + UUID::random().uuidString() + ".";
};

TEST_F(DistributedNotifications, OneSignalPerNameInOrderWithInvalidTextReplaced) {
  post(prefix + "com.brekholt.zavel.media.play-pause.2");
  post(prefix + "bad\xFF" + "byte");
  post(prefix + std::string("nul\0inside", 10));
  auto signals = listener.waitFor(prefix, 3);
  ASSERT_FALSE(signals.empty());
  EXPECT_EQ(signals[0].path + " " + signals[0].interface + " " + signals[0].member,
            "/zavel/DistributedNotificationCenter zavel.DistributedNotificationCenter Posted");
  std::vector<std::string> names;
  for (const auto &signal : signals)
    names.push_back(signal.name);
  EXPECT_EQ(names,
            (std::vector<std::string>{prefix + "com.brekholt.zavel.media.play-pause.2",
                                      prefix + "bad\uFFFDbyte", prefix + "nul\uFFFDinside"}));
}

TEST_F(DistributedNotifications, ProcessThatEndsRightAfterPostingHasDeliveredIt) {
  // The children end with _exit: no destructor, no flush at exit.
  ASSERT_TRUE(zavel::test::runInProcessesAtOnce(2, [&](int index) {
    post(prefix + "child." + std::to_string(index));
    return true;
  }));
  auto names = received(2);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{prefix + "child.0", prefix + "child.1"}));
}

TEST_F(DistributedNotifications, PosterSendsToTheBusItIsGivenAndDropsPostsWithoutOne) {
  EXPECT_TRUE(
      BusNotificationPoster(std::getenv("DBUS_SESSION_BUS_ADDRESS")).post(prefix + "direct"));
  EXPECT_EQ(received(1), std::vector<std::string>{prefix + "direct"});
  BusNotificationPoster poster("unix:path=/nonexistent/zavel/bus");
  EXPECT_FALSE(poster.post("test.nobus"));
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

} // namespace
} // namespace kit::foundation
