#include "Shared/Data/RSSStore/Cache.h"
#include "Shared/Data/RSSStore/FeedList.h"
#include "Shared/Data/RSSStore/Fetch.h"
#include "Shared/Data/RSSStore/Refresh.h"
#include "Shared/Data/RSSStore/StoredValues.h"

#include "Shared/Data/AppGroup.h"
#include "kit/foundation/Iso8601.h"
#include "kit/foundation/net/HttpError.h"
#include "support/FakeHttpServer.h"
#include "support/Pluck.h"
#include "support/TempHome.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace zavel {

namespace {

using kit::foundation::Date;
using testsupport::FakeHttpServer;
using testsupport::FakeResponse;
using Titles = std::vector<std::string>;

constexpr Date kRefreshMoment{760'000'000};
const char *const kUnreachable = "http://127.0.0.1:1/feed.xml";
const RSSStore::Cache kEarlier{Date{1000}, {RSSItem{"old", "F", "Old"}}};

Date at(const char *iso8601) { return *kit::foundation::dateFromIso8601(iso8601); }

// The RFC 822 text of `hour` o'clock on 2025-01-06 UTC.
std::string hoursOn(int hour) { return fmt::format("Mon, 06 Jan 2025 {:02}:00:00 +0000", hour); }

// An RSS 2.0 document around the items (the channel's own title, link and description are no
// headlines).
std::string rssDocument(const std::string &items) {
  return "<rss version=\"2.0\"><channel><title>Channel title</title>"
         "<link>https://channel.example/</link><description>Channel description</description>\n" +
         items + "</channel></rss>\n";
}

// One RSS item; empty arguments leave the element out.
std::string rssItem(const std::string &title, const std::string &link = "",
                    const std::string &pubDate = "", const std::string &description = "") {
  std::string item = "<item><title>" + title + "</title>";
  for (auto [name, value] :
       {std::pair("link", link), {"pubDate", pubDate}, {"description", description}})
    if (!value.empty())
      item += fmt::format("<{0}>{1}</{0}>", name, value);
  return item + "</item>\n";
}

// Lists feeds of these titles and addresses.
void storeFeeds(const std::vector<std::pair<std::string, std::string>> &feeds) {
  std::vector<RSSFeed> list;
  for (const auto &[title, url] : feeds)
    list.push_back({kit::foundation::UUID::random(), title, url});
  ASSERT_TRUE(RSSStore::write(RSSStore::feedsKey, list));
}

// Limits short enough for tests: 1 s without data, 3 s in all, 256 KiB of body.
RSSStore::Environment testEnvironment() {
  return {.clock = kit::foundation::Clock::fixed(kRefreshMoment),
          .session = kit::foundation::HttpSession({.timeout = std::chrono::seconds(1),
                                                   .deadline = std::chrono::seconds(3),
                                                   .maxBodyBytes = 256 * 1024})};
}

RSSStore::Cache storedCache() {
  auto cache = RSSStore::read<RSSStore::Cache>(RSSStore::cacheKey);
  EXPECT_TRUE(cache) << "no readable cache";
  return cache.value_or(RSSStore::Cache{});
}

Titles storedTitles() { return test::pluck(storedCache().items, &RSSItem::title); }

TEST(RSSStoreRefresh, AnEmptyOrUnreadableFeedListEmptiesTheCacheAndSucceeds) {
  const std::string entry = R"({"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","title":"A","url":)";
  std::optional<std::string> lists[] = {
      std::nullopt, "[]",
      "[" + entry + R"("https://a.example/"},{"id":"7C9E6679-7425-40DE-944B-E07FC1F90AE7"}])"};
  for (const auto &list : lists) {
    test::TempHome home;
    ASSERT_TRUE(RSSStore::write(RSSStore::cacheKey, kEarlier));
    if (list)
      SharedSuite::writeData(RSSStore::feedsKey, *list);
    EXPECT_TRUE(RSSStore::refresh(testEnvironment()));
    EXPECT_EQ(storedCache(), (RSSStore::Cache{kRefreshMoment, {}})) << list.value_or("absent");
  }
}

TEST(RSSStoreRefresh, EntriesBecomeCleanedHeadlinesIdentifiedByLinkElseGuidElseFeedAndTitle) {
  FakeHttpServer server;
  // 250 characters; a thumbs-up emoji is one.
  std::string group = "w\u00E9\U0001F44D ", summary;
  for (int i = 0; i < 62; ++i)
    summary += group;
  server.serve(
      "/rss",
      FakeResponse::xml(rssDocument(
          rssItem("<![CDATA[Caf&eacute; <b>opens</b>]]>", "https://rss.example/a",
                  "Mon, 06 Jan 2025 10:00:00 +0000", "&lt;p&gt;Fish &amp;amp; chips&lt;/p&gt;") +
          "<item><title>B &#8212; dash</title><guid>urn:b</guid></item>" +
          rssItem("  Third\n  title ", "", "", summary + "xy") +
          rssItem("&lt;br/&gt; \n", "https://rss.example/skipped") +
          rssItem("Script", "javascript:alert(1)") +
          "<item><title>Relative</title><link>/path/only</link><guid>g</guid></item>")));
  test::TempHome home;
  storeFeeds({{"One", server.url("/rss")}});

  ASSERT_TRUE(RSSStore::refresh(testEnvironment()));

  std::vector<RSSItem> expected = {
      {"https://rss.example/a", "One", "Caf&eacute; opens", "Fish & chips", "https://rss.example/a",
       at("2025-01-06T10:00:00Z")},
      {"urn:b", "One", "B \u2014 dash"},
      {"One|Third title", "One", "Third title", summary.substr(0, 50 * group.size())},
      {"javascript:alert(1)", "One", "Script"}, // no link outside the web
      {"/path/only", "One", "Relative"},
  };
  EXPECT_EQ(storedCache(), (RSSStore::Cache{kRefreshMoment, expected}));
}

TEST(RSSStoreRefresh, DatedHeadlinesComeFirstNewestFirstEqualsInListOrderAndOnly24) {
  // Enough equal dates and undated entries that an unstable sort would show.
  std::string one = rssItem("1a", "https://same.example/x", hoursOn(10)) + rssItem("1b") +
                    rssItem("1c", "", hoursOn(11)) + rssItem("1d", "", hoursOn(10));
  std::string two = rssItem("2a", "https://same.example/x", hoursOn(10)) + rssItem("2b") +
                    rssItem("2c", "", "Fri, 01 Jan 1999 00:00:00 +0000");
  std::string tens, undatedOne;
  for (int i = 0; i < 8; ++i) {
    std::string n = std::to_string(i);
    one += rssItem("1u" + n);
    two += rssItem("2t" + n, "", hoursOn(10)) + rssItem("2u" + n);
    tens += " 2t" + n;
    undatedOne += " 1u" + n;
  }
  FakeHttpServer server;
  server.serve("/one", FakeResponse::xml(rssDocument(one)));
  server.serve("/two", FakeResponse::xml(rssDocument(two)));
  test::TempHome home;
  storeFeeds({{"First", server.url("/one")}, {"Second", server.url("/two")}});

  ASSERT_TRUE(RSSStore::refresh(testEnvironment()));

  // 24: the other undated ones are cut; the same article in two feeds stays twice.
  EXPECT_EQ(test::joined(storedTitles()), "1c 1a 1d 2a" + tens + " 2c 1b" + undatedOne + " 2b 2u0");
}

TEST(RSSStoreRefresh, AFeedThatFailsIsLeftOutAndTheOthersMerge) {
  FakeHttpServer server;
  server.serve("/good", FakeResponse::xml(rssDocument(rssItem("Good", "", hoursOn(1)))));
  std::string cut = rssDocument(rssItem("Cut 1") + rssItem("Cut 2"));

  std::pair<std::string, std::optional<FakeResponse>> cases[] = {
      {kUnreachable, {}},
      {"file:///etc/hostname", {}},
      {server.url("/bad"),
       FakeResponse::xml(cut.substr(0, cut.size() - 20))}, // broken off: no entry counts
      {server.url("/bad"), FakeResponse::endless()},       // cut off by the session's limits
  };
  for (const auto &[url, response] : cases) {
    if (response)
      server.serve("/bad", *response);
    test::TempHome home;
    storeFeeds({{"Bad", url}, {"Good", server.url("/good")}});
    EXPECT_TRUE(RSSStore::refresh(testEnvironment()));
    EXPECT_EQ(storedTitles(), Titles{"Good"})
        << url << " " << (response ? response->body.substr(0, 60) : "");
  }
}

// A feed's answer is read up to 5 MiB: a document of just that size is read, one a byte longer
// is not, whether its length is declared or sent in chunks.
TEST(RSSStoreFetch, AnAnswerOverFiveMiBIsNotRead) {
  constexpr std::size_t kLimit = 5 * 1024 * 1024;
  FakeHttpServer server;
  const RSSFeed feed{{}, "Big", server.url("/big")};
  for (std::size_t size : {kLimit, kLimit + 1}) {
    std::string bare = rssDocument(rssItem("Headline") + "<!---->");
    std::string document =
        rssDocument(rssItem("Headline") + "<!--" + std::string(size - bare.size(), '.') + "-->");
    ASSERT_EQ(document.size(), size);
    for (bool declared : {true, false}) {
      FakeResponse answer = FakeResponse::xml(document);
      if (!declared)
        answer.stream = FakeResponse::Stream{document, document.size(), {}, std::nullopt};
      server.serve("/big", answer);
      std::optional<kit::foundation::HttpError::Code> failure;
      std::vector<RSSItem> items;
      try {
        items = RSSStore::fetchItems(feed, 24);
      } catch (const kit::foundation::HttpError &error) {
        failure = error.code();
      }
      if (size == kLimit) {
        EXPECT_EQ(failure, std::nullopt) << declared;
        EXPECT_EQ(test::joined(items, &RSSItem::title), "Headline") << declared;
      } else {
        EXPECT_EQ(failure, kit::foundation::HttpError::Code::dataLengthExceedsMaximum) << declared;
      }
    }
  }
}

TEST(RSSStoreRefresh, WhenEveryFeedFailsTheCacheStaysAndRefreshFailsButOneReadFeedCounts) {
  FakeHttpServer server;
  server.serve("/html", FakeResponse::text("<html/>", 200, "text/html"));
  server.serve("/empty", FakeResponse::xml(rssDocument(rssItem("<![CDATA[<b> </b>]]>")), 404));
  test::TempHome home;
  ASSERT_TRUE(RSSStore::write(RSSStore::cacheKey, kEarlier));
  storeFeeds({{"A", kUnreachable}, {"B", server.url("/html")}});
  EXPECT_FALSE(RSSStore::refresh(testEnvironment()));
  EXPECT_EQ(storedCache(), kEarlier);

  // A feed read without headlines, whatever the status, is a feed read.
  storeFeeds({{"A", kUnreachable}, {"B", server.url("/empty")}});
  EXPECT_TRUE(RSSStore::refresh(testEnvironment()));
  EXPECT_EQ(storedCache(), (RSSStore::Cache{kRefreshMoment, {}}));
}

TEST(RSSStoreRefresh, ACacheThatCannotBeStoredFailsTheRefresh) {
  FakeHttpServer server;
  server.serve("/feed", FakeResponse::xml(rssDocument(rssItem("Fresh"))));
  for (bool listed : {false, true}) {
    test::TempHome home;
    ASSERT_TRUE(RSSStore::write(RSSStore::cacheKey, kEarlier));
    if (listed)
      storeFeeds({{"A", server.url("/feed")}});
    auto suite = home.suiteFile(std::string(AppGroup::identifier));
    ::chmod(suite.c_str(), 0444);
    EXPECT_FALSE(RSSStore::refresh(testEnvironment())) << listed;
    ::chmod(suite.c_str(), 0644);
    EXPECT_EQ(storedCache(), kEarlier) << listed;
  }
}

} // namespace
} // namespace zavel
