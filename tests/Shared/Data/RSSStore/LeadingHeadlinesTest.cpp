#include "Shared/Data/RSSStore/LeadingHeadlines.h"
#include "Shared/Data/RSSStore/Fetch.h"
#include "Shared/Data/RSSStore/HeadlineMerge.h"

#include "support/Pluck.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

namespace zavel {
namespace {

using kit::foundation::Date;

// One entry of a document: its title as written and its hour on 2025-01-06 UTC, if dated.
struct Entry {
  std::string title;
  std::optional<int> hour = {};
};

std::string rssDocument(const std::vector<Entry> &entries) {
  std::string items;
  for (const auto &entry : entries) {
    items += "<item><title>" + entry.title + "</title>";
    if (entry.hour)
      items += fmt::format("<pubDate>Mon, 06 Jan 2025 {:02}:00:00 +0000</pubDate>", *entry.hour);
    items += "</item>\n";
  }
  return "<rss><channel><title>Channel</title>\n" + items + "</channel></rss>";
}

TEST(LeadingHeadlines, AFeedKeepsWhatCanLeadTheMergeInTheMergeOrder) {
  struct Case {
    const char *what;
    std::vector<Entry> entries;
    std::size_t limit;
    std::string expected;
  };
  const Case cases[] = {
      {"fewer than the limit", {{"a"}, {"b", 9}, {"c", 10}, {"d"}}, 5, "c b a d"},
      {"equal dates keep document order", {{"a", 9}, {"b", 9}, {"c", 9}, {"d", 9}}, 3, "a b c"},
      {"undated fill what the dated leave", {{"u1"}, {"u2"}, {"u3"}, {"d", 1}}, 3, "d u1 u2"},
      {"undated after a full list", {{"a", 1}, {"b", 2}, {"u"}}, 2, "b a"},
      {"undated beyond the limit", {{"u1"}, {"u2"}, {"u3"}}, 2, "u1 u2"},
      {"a later newer one displaces the oldest",
       {{"a", 5}, {"b", 7}, {"c", 6}, {"d", 8}},
       3,
       "d b c"},
      {"a later equal of the last kept does not",
       {{"a", 5}, {"b", 7}, {"c", 6}, {"d", 5}},
       3,
       "b c a"},
      {"an old one among equals", {{"a", 5}, {"b", 5}, {"c", 1}, {"d", 5}, {"e", 5}}, 3, "a b d"},
      {"a title of markup alone takes no place",
       {{"<![CDATA[<b> </b>]]>", 23}, {"a", 5}, {"b", 4}, {"c", 3}},
       2,
       "a b"},
      {"no place at all", {{"a", 5}, {"b"}}, 0, ""},
  };
  for (const auto &c : cases) {
    auto kept = RSSStore::leadingHeadlines(rssDocument(c.entries), RSSFeed{{}, "F", "/f"}, c.limit);
    EXPECT_EQ(test::joined(kept, &RSSItem::title), c.expected) << c.what;
  }
}

using PerFeed = std::vector<std::optional<std::vector<RSSItem>>>;

// The merge of whole feeds written out on its own: every headline of every feed read, ranked by
// (dated first, newer first, feed, position in the feed), the first `limit`.
std::vector<RSSItem> plainMerge(const PerFeed &feeds, std::size_t limit) {
  std::vector<std::tuple<bool, double, std::size_t, std::size_t>> ranks;
  for (std::size_t feed = 0; feed < feeds.size(); ++feed) {
    for (std::size_t i = 0; feeds[feed] && i < feeds[feed]->size(); ++i) {
      const auto &published = (*feeds[feed])[i].published;
      ranks.emplace_back(!published, published ? -published->secondsSinceReferenceDate : 0, feed,
                         i);
    }
  }
  std::sort(ranks.begin(), ranks.end());
  std::vector<RSSItem> merged;
  for (std::size_t r = 0; r < ranks.size() && r < limit; ++r)
    merged.push_back((*feeds[std::get<2>(ranks[r])])[std::get<3>(ranks[r])]);
  return merged;
}

// Some feeds fail, some are empty, most are longer than the limit; dates come from a few hours so
// that ties are common, a quarter are undated, and some headlines repeat one of another feed.
PerFeed randomFeeds(std::mt19937 &random) {
  auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  PerFeed feeds(1 + below(6));
  std::vector<RSSItem> made;
  for (std::size_t feed = 0; feed < feeds.size(); ++feed) {
    if (feed > 0 && below(6) == 0)
      continue;
    feeds[feed].emplace();
    for (int i = 0, count = below(90); i < count; ++i) {
      RSSItem item{"", "F", fmt::format("f{}-{}", feed, i)};
      if (below(4) != 0)
        item.published = Date{3600.0 * below(8)};
      if (!made.empty() && below(10) == 0)
        item = made[static_cast<std::size_t>(below(static_cast<int>(made.size())))];
      made.push_back(item);
      feeds[feed]->push_back(item);
    }
  }
  return feeds;
}

TEST(LeadingHeadlines, MergingWhatEachFeedKeptGivesTheWholeMergeOnRandomFeeds) {
  std::mt19937 random(49);
  for (int trial = 0; trial < 3000; ++trial) {
    PerFeed feeds = randomFeeds(random), kept;
    std::size_t limit = std::uniform_int_distribution<std::size_t>(0, 30)(random);
    for (const auto &feed : feeds) {
      LeadingHeadlines leading(limit);
      for (std::size_t i = 0; feed && i < feed->size(); ++i)
        leading.offer((*feed)[i]);
      kept.push_back(feed ? std::optional(std::move(leading).take()) : std::nullopt);
      ASSERT_LE(kept.back().value_or(std::vector<RSSItem>{}).size(), limit);
    }
    ASSERT_EQ(mergedHeadlines(kept, limit), plainMerge(feeds, limit)) << "trial " << trial;
  }
}

} // namespace
} // namespace zavel
