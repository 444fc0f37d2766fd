#include "Shared/Data/RSSStore/Cache.h"
#include "Shared/Data/RSSStore/DeckIndex.h"
#include "Shared/Data/RSSStore/FeedList.h"
#include "Shared/Data/RSSStore/RSSCycleIntent.h"
#include "Shared/Data/RSSStore/StoredValues.h"
#include "Shared/Data/RSSStore/URLString.h"
#include "kit/intents/IntentRegistry.h"
#include "support/RecordCoding.h"
#include "support/ReloadLog.h"
#include "support/TempHome.h"

#include <climits>
#include <gtest/gtest.h>

namespace zavel {
namespace {

using kit::foundation::Date;
using kit::foundation::decodeJsonData;

TEST(RSSRecords, StoredFormsLeaveAbsentOptionalsOutAndRefuseFeedsWithoutAURLAndOtherLinks) {
  const std::string cache =
      R"({"updated":86400.5,"items":[{"id":"a","feedTitle":"F","title":"T"},
          {"id":"b","feedTitle":"F","title":"U","summary":"S","link":"https://x.example/b",
           "published":-60}]})";
  RSSItem full{"b", "F", "U", "S", "https://x.example/b", Date{-60}};
  test::expectJsonForm(cache, RSSStore::Cache{Date{86400.5}, {RSSItem{"a", "F", "T"}, full}},
                       cache);
  test::expectJsonForm(
      R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","title":"Name","url":"/relative"})",
      RSSFeed{*kit::foundation::UUID::fromString("0f8fad5b-d9cb-469f-a165-70867728950e"), "Name",
              "/relative"},
      R"({"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","title":"Name","url":"/relative"})");

  const std::string feed = R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","title":"A","url":)";
  EXPECT_FALSE(decodeJsonData<RSSFeed>(feed + R"("a b"})") ||
               decodeJsonData<RSSFeed>(feed + R"(""})"));
  for (const char *link : {"file:///etc/passwd", "/a"})
    EXPECT_FALSE(decodeJsonData<RSSItem>(R"({"id":"a","feedTitle":"F","title":"T","link":")" +
                                         std::string(link) + "\"}"));
}

TEST(RSSStoreDeck, CyclingWrapsAroundTheHeadlinesTheDeckShows) {
  struct Case {
    bool feedsListed;
    std::optional<std::size_t> cached;
    std::optional<int64_t> stored;
    int64_t step, result;
  } cases[] = {
      {false, std::nullopt, 0, -1, 8}, // the nine samples, back from the first
      {false, 3, 1, 1, 2},             // samples: a cache is ignored
      {true, std::nullopt, 5, 1, 0},   // feeds without a cache
      {true, 24, 23, 1, 0},            // cached headlines
      {true, 24, INT64_MIN, -1, 23},   // shown as the first: back to the last
      {true, 24, 40, 1, 0},            // shown as the last (the list shrank): on to the first
      {false, std::nullopt, 8, INT64_MAX, 6},
  };
  for (const auto &c : cases) {
    test::TempHome home;
    if (c.feedsListed) {
      ASSERT_TRUE(RSSStore::write(
          RSSStore::feedsKey,
          std::vector<RSSFeed>{{kit::foundation::UUID::random(), "A", "https://a"}}));
    }
    if (c.cached) {
      ASSERT_TRUE(RSSStore::write(RSSStore::cacheKey,
                                  RSSStore::Cache{{}, std::vector<RSSItem>(*c.cached)}));
    }
    if (c.stored)
      RSSStore::setDeckIndex(*c.stored);
    EXPECT_EQ(RSSStore::cycleDeckIndex(c.step), c.result) << c.stored.value_or(-1) << " " << c.step;
    EXPECT_EQ(SharedSuite::open().integer(RSSStore::deckIndexKey), c.result);
  }
}

TEST(RSSCycleIntent, MovesTheDeckThenRedrawsItAndTellsTheHost) {
  test::TempHome home;
  test::ReloadLog log;
  kit::intents::IntentRegistry registry;
  registry.add<RSSCycleIntent>();
  registry.perform("RSSCycleIntent", kit::foundation::Json{{"step", -1}});
  EXPECT_EQ(RSSStore::deckIndex(), 8);
  registry.perform("RSSCycleIntent", kit::foundation::Json::object()); // a step of one
  EXPECT_EQ(RSSStore::deckIndex(), 0);
  EXPECT_EQ(log.events(), test::reloadedAndNotified({"zavel.rss.deck"}, 2));
}

} // namespace
} // namespace zavel
