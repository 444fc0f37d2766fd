#include "Shared/Data/RSSStore/Fetch.h"

#include "Shared/Data/RSSStore/DateParsing.h"
#include "Shared/Data/RSSStore/LeadingHeadlines.h"
#include "Shared/Data/RSSStore/RSSError.h"
#include "Shared/Data/RSSStore/TextCleaning.h"
#include "Shared/Data/RSSStore/URLString.h"

#include "kit/foundation/TextOperations.h"
#include "kit/foundation/xml/XMLParser.h"

namespace zavel::RSSStore {

namespace {

constexpr std::size_t kSummaryLength = 200;

std::optional<kit::foundation::Date> publishedDate(const FeedParser::RawItem &raw) {
  return raw.dateString ? parseDate(*raw.dateString) : std::nullopt;
}

// The headline of one raw entry, whose date is already read; none when its title cleans to
// nothing.
std::optional<RSSItem> headline(const FeedParser::RawItem &raw, const RSSFeed &feed,
                                std::optional<kit::foundation::Date> published) {
  auto title = cleanText(raw.title);
  if (!title)
    return std::nullopt;
  RSSItem item;
  item.id = raw.link ? *raw.link : raw.guid ? *raw.guid : feed.title + "|" + *title;
  item.feedTitle = feed.title;
  item.title = std::move(*title);
  if (raw.summary) {
    if (auto summary = cleanText(*raw.summary))
      item.summary = kit::foundation::prefixCharacters(*summary, kSummaryLength);
  }
  if (raw.link && isWebLink(*raw.link))
    item.link = raw.link;
  item.published = published;
  return item;
}

// Throws RSSError when the document is not a well-formed feed document.
void readFeed(std::string_view document, FeedParser &parser) {
  kit::foundation::XMLParser xml;
  if (!xml.parse(document, parser) || !parser.isFeedDocument())
    throw RSSError(RSSError::Code::unreadableFeed);
}

} // namespace

std::vector<RSSItem> fetchItems(const RSSFeed &feed, std::size_t limit,
                                const kit::foundation::HttpSession &session) {
  // The status is not judged: a well-formed feed is read whatever came with it.
  return leadingHeadlines(session.data(feed.url).body, feed, limit);
}

FeedParser parseFeed(std::string_view document) {
  FeedParser parser;
  readFeed(document, parser);
  return parser;
}

std::vector<RSSItem> leadingHeadlines(std::string_view document, const RSSFeed &feed,
                                      std::size_t limit) {
  LeadingHeadlines kept(limit);
  // The date alone decides whether an entry can be shown, so the texts of the others are never
  // cleaned.
  FeedParser parser([&](FeedParser::RawItem &&raw) {
    auto published = publishedDate(raw);
    if (!kept.admits(published))
      return;
    if (auto item = headline(raw, feed, published))
      kept.offer(std::move(*item));
  });
  readFeed(document, parser);
  return std::move(kept).take();
}

std::vector<RSSItem> headlines(const FeedParser &parser, const RSSFeed &feed) {
  std::vector<RSSItem> items;
  items.reserve(parser.items().size());
  for (const auto &raw : parser.items()) {
    if (auto item = headline(raw, feed, publishedDate(raw)))
      items.push_back(std::move(*item));
  }
  return items;
}

} // namespace zavel::RSSStore
