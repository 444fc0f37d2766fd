#include "kit/ui/text/RenditionCache.h"

#include <gtest/gtest.h>

namespace kit::ui {
namespace {

RenditionKey key(const char *text, std::optional<int> width = std::nullopt) {
  return {text, TextStyle{}, {width, std::nullopt}};
}

std::shared_ptr<const Rendition> rendition(int lines) {
  auto made = std::make_shared<Rendition>();
  made->metrics.lineCount = lines;
  return made;
}

TEST(RenditionCache, KeepsTheMostRecentlyUsedAndForgetsTheOldest) {
  RenditionCache cache(2);
  cache.insert(key("a"), rendition(1));
  cache.insert(key("b"), rendition(2));
  ASSERT_NE(cache.find(key("a")), nullptr); // "a" is now the most recent
  cache.insert(key("c"), rendition(3));

  EXPECT_EQ(cache.size(), 2u);
  EXPECT_EQ(cache.find(key("b")), nullptr);
  EXPECT_EQ(cache.find(key("a"))->metrics.lineCount, 1);
  EXPECT_EQ(cache.find(key("c"))->metrics.lineCount, 3);
}

TEST(RenditionCache, KeysDifferingInBoundsOrStyleAreDistinctAndReplacementKeepsOneEntry) {
  RenditionCache cache(8);
  cache.insert(key("a"), rendition(1));
  cache.insert(key("a", 100), rendition(2));
  RenditionKey tracked = key("a");
  tracked.style.tracking = 1;
  cache.insert(tracked, rendition(3));
  cache.insert(key("a", 100), rendition(4));

  EXPECT_EQ(cache.size(), 3u);
  EXPECT_EQ(cache.find(key("a"))->metrics.lineCount, 1);
  EXPECT_EQ(cache.find(key("a", 100))->metrics.lineCount, 4);
  EXPECT_EQ(cache.find(tracked)->metrics.lineCount, 3);
  cache.clear();
  EXPECT_EQ(cache.find(key("a")), nullptr);
  EXPECT_EQ(cache.size(), 0u);
}

} // namespace
} // namespace kit::ui
