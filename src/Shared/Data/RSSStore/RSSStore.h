#pragma once

#include "Shared/Data/RSSStore/FeedParser.h"
#include "Shared/Data/RSSStore/RSSError.h"
#include "Shared/Data/RSSStore/RSSFeed.h"
#include "Shared/Data/RSSStore/RSSItem.h"
#include "Shared/Data/SharedSuite.h"

#include "kit/foundation/Clock.h"
#include "kit/foundation/net/HttpSession.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The feeds' data: the host application's feed list, fetching every feed at once, merging the
// headlines newest first into the stored cache, and the feed deck's position.
namespace zavel::RSSStore {

// The feed list, written by the host application only.
inline constexpr std::string_view feedsKey = "zavel.rss.feeds.v1";
// The merged headlines, written by refresh().
inline constexpr std::string_view cacheKey = "zavel.rss.cache.v1";
// The feed deck's position.
inline constexpr std::string_view deckIndexKey = "zavel.deck.rss.idx";

// The stored headlines: at most `capacity`, in the order refresh() left them.
struct Cache {
  static constexpr std::size_t capacity = 24;
  kit::foundation::Date updated;
  std::vector<RSSItem> items;
  bool operator==(const Cache &) const = default;
  static constexpr auto jsonFields() {
    return std::tuple{kit::foundation::field("updated", &Cache::updated),
                      kit::foundation::field("items", &Cache::items)};
  }
};

// How one feed is fetched: a plain GET that gives up after 10 seconds without data, 30 seconds
// in all, or a body over 5 MiB, so one bad feed cannot hold or swamp a refresh.
const kit::foundation::HttpSession &feedSession();

// Where the store reads, writes and fetches; tests replace any of them.
struct Environment {
  std::filesystem::path home = kit::foundation::zavelHome();
  kit::foundation::Clock clock = {};
  kit::foundation::HttpSession session = feedSession();
};

// Fetches every listed feed at once, merges their headlines (dated first, newest first; feed
// order, then document order, between equals), keeps the first 24 and stores them. True when
// the list is empty, absent or unreadable (the cache is then emptied) or at least one feed was
// read; false when every feed failed, leaving the cache as it was. Never throws.
bool refresh(const Environment &environment = {});

// The value stored under `key`; none when absent or not of the type's JSON form.
template <class T>
std::optional<T> read(std::string_view key,
                      const std::filesystem::path &home = kit::foundation::zavelHome()) {
  return SharedSuite::read<T>(key, home);
}

// Stores the value as JSON under `key`; a value that cannot be encoded writes nothing.
template <class T>
void write(const T &value, std::string_view key,
           const std::filesystem::path &home = kit::foundation::zavelHome()) {
  SharedSuite::write(key, value, home);
}

// The stored deck position, unbounded (readers bound it by what they show); 0 when absent.
int64_t deckIndex(const std::filesystem::path &home = kit::foundation::zavelHome());
void setDeckIndex(int64_t index, const std::filesystem::path &home = kit::foundation::zavelHome());

// Moves the deck `step` headlines on, wrapping around the headlines the deck shows (the cached
// ones when feeds are listed, else the samples), stores the new position and returns it. Does
// not refresh.
int64_t cycleDeckIndex(int64_t step,
                       const std::filesystem::path &home = kit::foundation::zavelHome());

// Nine built-in headlines, dated relative to their first use in the process.
const std::vector<RSSItem> &sampleItems();

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

// Feed text as plain text: tags become spaces, the common HTML entities are decoded once, white
// space runs become one space, the ends are trimmed. None when nothing is left.
std::optional<std::string> cleanText(std::string_view text);

// A feed's date text: RFC 822 forms ("Tue, 10 Jun 2003 04:00:00 +0000", "… GMT", "… EST",
// without seconds, without weekday) or ISO 8601 internet time, with or without fractional
// seconds. None for anything else.
std::optional<kit::foundation::Date> parseDate(std::string_view text);

} // namespace zavel::RSSStore
