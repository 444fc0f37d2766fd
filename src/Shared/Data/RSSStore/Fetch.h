#pragma once

#include "Shared/Data/RSSStore/FeedParser.h"
#include "Shared/Data/RSSStore/FeedSession.h"
#include "Shared/Data/RSSStore/RSSError.h"
#include "Shared/Data/RSSStore/RSSFeed.h"
#include "Shared/Data/RSSStore/RSSItem.h"

#include "kit/foundation/net/HttpSession.h"

#include <cstddef>
#include <string_view>
#include <vector>

// One feed fetched and read into headlines.
namespace zavel::RSSStore {

// The headlines of one feed that can be among the first `limit` of the merged list, in merge
// order, whatever the status of the answer. Throws kit::foundation::HttpError when nothing came,
// RSSError when the body is no feed document.
std::vector<RSSItem> fetchItems(const RSSFeed &feed, std::size_t limit,
                                const kit::foundation::HttpSession &session = feedSession());

// The document read as a feed, every entry kept. Throws RSSError when it is not a feed document.
FeedParser parseFeed(std::string_view document);

// The headlines of the feed document that can be among the first `limit` of the merged list, in
// merge order, kept as the document is read: the others are never held. Throws RSSError when it
// is not a feed document.
std::vector<RSSItem> leadingHeadlines(std::string_view document, const RSSFeed &feed,
                                      std::size_t limit);

// The headlines of the feed's parsed document, in document order: entries whose title cleans to
// nothing are left out, texts cleaned, links kept only when they are web links, dates read.
std::vector<RSSItem> headlines(const FeedParser &parser, const RSSFeed &feed);

} // namespace zavel::RSSStore
