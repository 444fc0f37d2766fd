#include "Shared/Data/RSSStore/RSSStore.h"

#include "Shared/Data/RSSStore/URLString.h"

#include "kit/foundation/TextOperations.h"
#include "kit/foundation/xml/XMLParser.h"

namespace zavel::RSSStore {

namespace {

constexpr std::size_t kSummaryLength = 200;

// The headline of one raw entry; none when its title cleans to nothing.
std::optional<RSSItem> headline(const FeedParser::RawItem &raw, const RSSFeed &feed) {
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
  if (raw.dateString)
    item.published = parseDate(*raw.dateString);
  return item;
}

} // namespace

const kit::foundation::HttpSession &feedSession() {
  static const kit::foundation::HttpSession session(kit::foundation::HttpSession::Configuration{
      .timeout = std::chrono::seconds(10),
      .deadline = std::chrono::seconds(30),
      .maxBodyBytes = 5 * 1024 * 1024,
  });
  return session;
}

FeedParser fetchAndParse(const std::string &url, const kit::foundation::HttpSession &session) {
  // The status is not judged: a well-formed feed is read whatever came with it.
  return parseFeed(session.data(url).body);
}

FeedParser parseFeed(std::string_view document) {
  FeedParser parser;
  kit::foundation::XMLParser xml;
  if (!xml.parse(document, parser) || !parser.isFeedDocument())
    throw RSSError(RSSError::Code::unreadableFeed);
  return parser;
}

std::vector<RSSItem> fetchItems(const RSSFeed &feed, const kit::foundation::HttpSession &session) {
  return headlines(fetchAndParse(feed.url, session), feed);
}

std::vector<RSSItem> headlines(const FeedParser &parser, const RSSFeed &feed) {
  std::vector<RSSItem> items;
  items.reserve(parser.items().size());
  for (const auto &raw : parser.items()) {
    if (auto item = headline(raw, feed))
      items.push_back(std::move(*item));
  }
  return items;
}

} // namespace zavel::RSSStore
