#include "FeedFixtures.h"

#include "Shared/Data/RSSStore/RSSCycleIntent.h"
#include "kit/intents/IntentRegistry.h"
#include "support/ReloadLog.h"
#include "support/TempHome.h"

#include <climits>
#include <gtest/gtest.h>

using zavel::test::TempHome;
namespace RSSStore = zavel::RSSStore;

TEST(RSSStoreDeck, CyclingWrapsAroundTheHeadlinesTheDeckShows) {
  struct Case {
    bool feedsListed;
    std::optional<std::size_t> cached;
    std::optional<int64_t> stored;
    int64_t step, result;
  } cases[] = {
      {false, std::nullopt, 0, -1, 8},           // the nine samples, back from the first
      {false, std::nullopt, std::nullopt, 1, 1}, // nothing stored: from 0
      {false, 3, 1, 1, 2},                       // samples: a cache is ignored
      {true, std::nullopt, 5, 1, 0},             // feeds without a cache
      {true, 24, 23, 1, 0},                      // cached headlines
      {true, 24, 2, 50, 4},                      // a large step
      {true, 24, -3, 1, 22},                     // positions no deck stores come into range
      {true, 24, INT64_MIN, -1, 15},             // before the step is added
      {false, std::nullopt, INT64_MAX, 1, 8},
      {false, std::nullopt, 8, INT64_MAX, 6},
  };
  for (const auto &c : cases) {
    TempHome home;
    if (c.feedsListed)
      zavel::test::storeFeeds({zavel::test::feed("A", "https://a.example/feed")});
    if (c.cached)
      RSSStore::write(RSSStore::Cache{{}, std::vector<zavel::RSSItem>(*c.cached)},
                      RSSStore::cacheKey);
    if (c.stored)
      RSSStore::setDeckIndex(*c.stored);
    EXPECT_EQ(RSSStore::cycleDeckIndex(c.step), c.result) << c.stored.value_or(-1) << " " << c.step;
    EXPECT_EQ(zavel::SharedSuite::open().integer(RSSStore::deckIndexKey), c.result);
  }
}

TEST(RSSCycleIntent, MovesTheDeckThenRedrawsItAndTellsTheHost) {
  TempHome home;
  zavel::test::ReloadLog log;
  kit::intents::IntentRegistry registry;
  registry.add<zavel::RSSCycleIntent>();
  registry.perform("RSSCycleIntent", kit::foundation::Json{{"step", -1}});
  EXPECT_EQ(RSSStore::deckIndex(), 8);
  registry.perform("RSSCycleIntent", kit::foundation::Json::object()); // a step of one
  EXPECT_EQ(RSSStore::deckIndex(), 0);
  EXPECT_EQ(log.events(), zavel::test::reloadedAndNotified({"zavel.rss.deck"}, 2));
}
