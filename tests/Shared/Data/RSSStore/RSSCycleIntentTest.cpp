#include "Shared/Data/RSSStore/RSSCycleIntent.h"

#include "Shared/Data/RSSStore/RSSStore.h"

#include "kit/foundation/notifications/NotificationRecorder.h"
#include "kit/intents/IntentRegistry.h"
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
  kit::foundation::NotificationRecorder notifications;

  registry.perform("RSSCycleIntent", Json{{"step", -1}});
  EXPECT_EQ(RSSStore::deckIndex(), 8);
  RSSCycleIntent{}.perform();
  EXPECT_EQ(RSSStore::deckIndex(), 0);
  registry.perform(kit::intents::intentReference(RSSCycleIntent{.step = 4}));
  EXPECT_EQ(RSSStore::deckIndex(), 4);

  EXPECT_EQ(notifications.names(), std::vector<std::string>(3, "com.brekholt.zavel.reloadwidgets"));
}
