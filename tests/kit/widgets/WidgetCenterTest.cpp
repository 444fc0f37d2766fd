#include "kit/widgets/WidgetCenter.h"

#include <gtest/gtest.h>

namespace kit::widgets {
namespace {

void reload(std::string_view kind) { WidgetCenter::shared().reloadTimelines(kind); }

TEST(WidgetCenter, RequestsReachTheInstalledSinksInOrderWhileTheyLive) {
  reload("test.before"); // nobody listens: dropped
  ReloadRecorder host;
  std::vector<std::string> second;
  foundation::SinkRegistration kept;
  {
    auto registration =
        WidgetCenter::shared().addSink([&](const std::string &kind) { second.push_back(kind); });
    kept = std::move(registration); // moved on, the sink stays
  }
  reload("zavel.notes.deck");
  reload("zavel.notes.pinned");
  kept = foundation::SinkRegistration();
  reload("zavel.notes.list");
  reload("zavel.notes.deck");
  EXPECT_EQ(host.kinds(), (std::vector<std::string>{"zavel.notes.deck", "zavel.notes.pinned",
                                                    "zavel.notes.list", "zavel.notes.deck"}));
  EXPECT_EQ(second, (std::vector<std::string>{"zavel.notes.deck", "zavel.notes.pinned"}));
}

} // namespace
} // namespace kit::widgets
