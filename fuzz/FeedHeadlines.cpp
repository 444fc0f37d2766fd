#include "FuzzSupport.h"
#include "Harnesses.h"

#include "Shared/Data/RSSStore/Cache.h"
#include "Shared/Data/RSSStore/DateParsing.h"
#include "Shared/Data/RSSStore/Fetch.h"
#include "Shared/Data/RSSStore/HeadlineMerge.h"
#include "Shared/Data/RSSStore/RSSError.h"
#include "Shared/Data/RSSStore/TextCleaning.h"
#include "Shared/Data/RSSStore/URLString.h"

namespace zavel::fuzz {

namespace {

void checkHeadline(const RSSItem &item) {
  require(!item.title.empty(), "a headline without a title");
  require(!item.link || isWebLink(*item.link), "a headline keeps a link that is no web link");
  item.ageLabel(fuzzNow);
  // A headline read from a feed is cached as it is and reads back the same.
  auto stored = kit::foundation::encodeJsonData(item);
  require(stored.has_value(), "a headline that cannot be stored");
  require(kit::foundation::decodeJsonData<RSSItem>(*stored) == item,
          "a stored headline reads back otherwise");
}

} // namespace

int fuzzFeedHeadlines(const std::uint8_t *data, std::size_t size) {
  fuzzingHome();
  std::string_view text = textOf(data, size);
  // The pieces alone, on the raw bytes, as they meet a feed's texts.
  RSSStore::cleanText(text);
  RSSStore::parseDate(text);
  isWebLink(text);
  const RSSFeed feed{{}, "Feed", "https://feed.test/"};
  std::vector<RSSItem> items;
  try {
    items = RSSStore::headlines(RSSStore::parseFeed(text), feed);
  } catch (const RSSError &) {
    return 0;
  }
  for (const auto &item : items)
    checkHeadline(item);
  auto merged = mergedHeadlines({items, std::nullopt, items}, RSSStore::Cache::capacity);
  require(merged && merged->size() <= RSSStore::Cache::capacity, "merging lost its bound");
  // What a refresh keeps of the feed as it reads it is what merging the whole feed keeps.
  require(RSSStore::leadingHeadlines(text, feed, RSSStore::Cache::capacity) ==
              mergedHeadlines({items}, RSSStore::Cache::capacity),
          "the headlines kept while reading are not those of the whole feed");
  return 0;
}

} // namespace zavel::fuzz
