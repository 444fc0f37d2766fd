#include "Shared/Data/RSSStore/RSSCycleIntent.h"

#include "Shared/Data/RSSStore/RSSStore.h"

#include "kit/foundation/notifications/DistributedNotificationCenter.h"
#include "kit/intents/IntentRegistry.h"
#include "kit/widgets/WidgetCenter.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using kit::foundation::Json;
using zavel::RSSCycleIntent;
namespace RSSStore = zavel::RSSStore;

TEST(RSSCycleIntent, IsTheCycleHeadlinesButtonWithAStepOfOne) {
  auto description = kit::intents::describeIntent<RSSCycleIntent>();
  EXPECT_EQ(description.typeName, "RSSCycleIntent");
  EXPECT_EQ(description.title, "Cycle Headlines");
  ASSERT_EQ(description.parameters.size(), 1u);
  EXPECT_EQ(description.parameters[0],
            (kit::intents::ParameterDescription{"step", "Step", Json(1)}));
}

TEST(RSSCycleIntent, MovesTheDeckThenRedrawsItAndTellsTheHost) {
  zavel::test::TempHome home;
  kit::intents::IntentRegistry registry;
  registry.add<RSSCycleIntent>();
  // Reloads and notifications in the one order they happen.
  std::vector<std::string> events;
  auto reloads = kit::widgets::WidgetCenter::shared().addSink(
      [&](const std::string &kind) { events.push_back("reload " + kind); });
  auto notifications = kit::foundation::DistributedNotificationCenter::defaultCenter().addSink(
      [&](const std::string &name) { events.push_back("notify " + name); });

  registry.perform("RSSCycleIntent", Json{{"step", -1}});
  EXPECT_EQ(RSSStore::deckIndex(), 8);
  RSSCycleIntent{}.perform();
  EXPECT_EQ(RSSStore::deckIndex(), 0);
  registry.perform(kit::intents::intentReference(RSSCycleIntent{.step = 4}));
  EXPECT_EQ(RSSStore::deckIndex(), 4);

  std::vector<std::string> expected;
  for (int i = 0; i < 3; ++i) {
    expected.push_back("reload zavel.rss.deck");
    expected.push_back("notify com.brekholt.zavel.reloadwidgets");
  }
  EXPECT_EQ(events, expected);
}
