#include "FeedFixtures.h"

#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <climits>

using zavel::RSSItem;
using zavel::test::feed;
using zavel::test::storeFeeds;
using zavel::test::TempHome;
namespace RSSStore = zavel::RSSStore;

namespace {

RSSStore::Cache cacheOf(std::size_t count) {
  RSSStore::Cache cache;
  for (std::size_t i = 0; i < count; ++i)
    cache.items.push_back(RSSItem{.id = std::to_string(i), .feedTitle = "F", .title = "T"});
  return cache;
}

} // namespace

TEST(RSSStoreDeck, PositionReadsZeroWhenAbsentAndIsNotBounded) {
  TempHome home;
  EXPECT_EQ(RSSStore::deckIndex(), 0);
  RSSStore::setDeckIndex(-7);
  EXPECT_EQ(RSSStore::deckIndex(), -7);
  EXPECT_EQ(zavel::SharedSuite::open().integer(RSSStore::deckIndexKey), -7);
}

TEST(RSSStoreDeck, CyclingWrapsAroundTheHeadlinesTheDeckShows) {
  struct Case {
    const char *name;
    bool feedsListed;
    std::optional<std::size_t> cached;
    std::optional<int64_t> stored;
    int64_t step;
    int64_t result;
  } cases[] = {
      {"samples, back from the first", false, std::nullopt, 0, -1, 8},
      {"samples, on from the last", false, std::nullopt, 8, 1, 0},
      {"samples, nothing stored", false, std::nullopt, std::nullopt, 1, 1},
      {"samples, a cache is ignored", false, 3, 1, 1, 2},
      {"position past the end", false, std::nullopt, 40, 1, 5},
      {"feeds without a cache", true, std::nullopt, 5, 1, 0},
      {"feeds with an empty cache", true, 0, 5, -1, 0},
      {"cached headlines", true, 24, 23, 1, 0},
      {"cached headlines, back", true, 24, 0, -1, 23},
      {"a large step", true, 24, 2, 50, 4},
      // Positions no deck stores, brought into range before the step is added.
      {"negative position", true, 24, -3, 1, 22},
      {"most negative position", true, 24, INT64_MIN, -1, 15},
      {"largest position", false, std::nullopt, INT64_MAX, 1, 8},
      {"largest step", false, std::nullopt, 8, INT64_MAX, 6},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    TempHome home;
    if (c.feedsListed)
      storeFeeds({feed("A", "https://a.example/feed")});
    if (c.cached)
      RSSStore::write(cacheOf(*c.cached), RSSStore::cacheKey);
    if (c.stored)
      RSSStore::setDeckIndex(*c.stored);
    EXPECT_EQ(RSSStore::cycleDeckIndex(c.step), c.result);
    EXPECT_EQ(RSSStore::deckIndex(), c.result);
  }
}

TEST(RSSStoreSamples, NineHeadlinesDatedFromTheirFirstUse) {
  auto before = kit::foundation::systemNow();
  const auto &samples = RSSStore::sampleItems();
  ASSERT_EQ(samples.size(), 9u);
  EXPECT_EQ(&samples, &RSSStore::sampleItems());
  const double ages[] = {0, 1560, 7200, 14400, 25200, 93600, 172800, 259200, 432000};
  const char *labels[] = {"JUST NOW", "26M AGO", "2H AGO", "4H AGO", "7H AGO",
                          "1D AGO",   "2D AGO",  "3D AGO", "5D AGO"};
  auto first = *samples[0].published;
  EXPECT_LE(std::abs(first.timeIntervalSince(before)), 60.0);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const RSSItem &item = samples[i];
    std::string n = std::to_string(i + 1);
    EXPECT_EQ(item.id, "zavel.rss.sample." + n);
    ASSERT_TRUE(item.link && item.summary && item.published);
    EXPECT_TRUE(item.link->starts_with("https://")) << *item.link;
    EXPECT_TRUE(item.link->ends_with("/wire/" + n)) << *item.link;
    EXPECT_FALSE(item.summary->empty());
    EXPECT_EQ(first.timeIntervalSince(*item.published), ages[i]);
    EXPECT_EQ(item.ageLabel(first), labels[i]);
  }
  EXPECT_EQ(samples[0].feedTitle, "THE TERMINAL WIRE");
  EXPECT_EQ(samples[2].title, "Firmware 2.4 ships a quieter boot chime");
  EXPECT_EQ(samples[5].feedTitle, "ZAVEL LABS");
}
