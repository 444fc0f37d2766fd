#include "kit/widgets/WidgetCenter.h"

#include <gtest/gtest.h>
#include <thread>

namespace kit::widgets {
namespace {

void reload(std::string_view kind) { WidgetCenter::shared().reloadTimelines(kind); }

TEST(WidgetCenter, RequestsReachTheInstalledSinksInOrderWhileTheyLive) {
  reload("test.before"); // nobody listens: dropped
  ReloadRecorder host;
  std::vector<std::string> second;
  {
    auto registration =
        WidgetCenter::shared().addSink([&](const std::string &kind) { second.push_back(kind); });
    reload("zavel.notes.deck");
    reload("zavel.notes.pinned");
  }
  reload("zavel.notes.list");
  reload("zavel.notes.deck");
  EXPECT_EQ(host.kinds(), (std::vector<std::string>{"zavel.notes.deck", "zavel.notes.pinned",
                                                    "zavel.notes.list", "zavel.notes.deck"}));
  EXPECT_EQ(second, (std::vector<std::string>{"zavel.notes.deck", "zavel.notes.pinned"}));
}

TEST(WidgetCenter, RegistrationMovedOnKeepsItsSink) {
  std::vector<std::string> seen;
  foundation::SinkRegistration kept;
  {
    auto registration =
        WidgetCenter::shared().addSink([&](const std::string &kind) { seen.push_back(kind); });
    kept = std::move(registration);
  }
  reload("test.kept");
  kept = foundation::SinkRegistration();
  reload("test.gone");
  EXPECT_EQ(seen, std::vector<std::string>{"test.kept"});
}

TEST(WidgetCenter, RequestsFromOtherThreadsAreRecorded) {
  ReloadRecorder host;
  std::thread worker([] { reload("test.worker"); });
  worker.join();
  EXPECT_EQ(host.kinds(), std::vector<std::string>{"test.worker"});
}

} // namespace
} // namespace kit::widgets
