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

TEST(RenditionCache, KeepsTheMostRecentDistinctKeysAndReplacesEqualOnes) {
  RenditionCache cache(3);
  RenditionKey tracked = key("a");
  tracked.style.tracking = 1;
  cache.insert(key("a"), rendition(1));
  cache.insert(key("a", 100), rendition(2));
  cache.insert(tracked, rendition(3));
  cache.insert(key("a", 100), rendition(4)); // replaced, and now recent
  ASSERT_NE(cache.find(key("a")), nullptr);  // now the most recent
  cache.insert(key("b"), rendition(5));      // forgets the oldest

  EXPECT_EQ(cache.size(), 3u);
  EXPECT_EQ(cache.find(tracked), nullptr);
  EXPECT_EQ(cache.find(key("a"))->metrics.lineCount, 1);
  EXPECT_EQ(cache.find(key("a", 100))->metrics.lineCount, 4);
  EXPECT_EQ(cache.find(key("b"))->metrics.lineCount, 5);
}

} // namespace
} // namespace kit::ui
