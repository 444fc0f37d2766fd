#include "Shared/Data/RSSStore/Cache.h"
#include "Shared/Data/RSSStore/DeckIndex.h"
#include "Shared/Data/RSSStore/FeedList.h"
#include "Shared/Data/RSSStore/SampleItems.h"
#include "Shared/Data/RSSStore/StoredValues.h"
#include "Widgets/RSSWidgets/RSSDeckProvider.h"
#include "Widgets/RSSWidgets/RSSTimelineProvider.h"

#include "support/FakeHttpServer.h"
#include "support/Pluck.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <memory>

namespace zavel {
namespace {

using kit::foundation::Date;
using kit::widgets::ReloadPolicy;
using kit::widgets::TimelineContext;
using kit::widgets::WidgetFamily;
using testsupport::FakeResponse;

const TimelineContext kOnScreen = TimelineContext::of(WidgetFamily::systemSmall);
const TimelineContext kGallery = TimelineContext::of(WidgetFamily::systemSmall, true);
const CasingConfigIntent kCream{CasingOption::cream};
constexpr Date kStart{760'000'000};

// Two headlines, the newer second in the document.
const char *const kFeed = "<rss version=\"2.0\"><channel><title>Ignored</title>"
                          "<item><title>Older</title><link>https://a.example/1</link>"
                          "<pubDate>Mon, 06 Jan 2025 08:00:00 +0000</pubDate></item>"
                          "<item><title>Newer</title><link>https://a.example/2</link>"
                          "<pubDate>Mon, 06 Jan 2025 09:00:00 +0000</pubDate></item>"
                          "</channel></rss>";

const std::vector<RSSItem> kEarlier{{.id = "earlier", .feedTitle = "F", .title = "Earlier"}};

ReloadPolicy reloadAfter(Date date, int minutes) {
  return ReloadPolicy::after(date.addingTimeInterval(minutes * 60.0));
}

// A home, the loopback feed server and a clock that moves on a second at every reading, so an
// entry's date tells when it was taken.
class FeedProviders : public ::testing::Test {
protected:
  FeedProviders() { server.serve("/feed.xml", FakeResponse::xml(kFeed)); }

  RSSStore::Environment environment() const {
    auto readings = std::make_shared<double>(0);
    return {.home = home.path(),
            .clock = kit::foundation::Clock(
                [readings] { return kStart.addingTimeInterval(++*readings); }),
            .session = kit::foundation::HttpSession(
                {.timeout = std::chrono::seconds(1), .deadline = std::chrono::seconds(3)})};
  }
  // The same in a home of its own.
  RSSStore::Environment environment(const test::TempHome &other) const {
    RSSStore::Environment environment = this->environment();
    environment.home = other.path();
    return environment;
  }
  RSSTimelineProvider headlines() const { return {environment()}; }
  RSSDeckProvider deck() const { return {environment()}; }

  static void listFeeds(const std::vector<std::string> &urls, const test::TempHome &in) {
    std::vector<RSSFeed> feeds;
    for (const std::string &url : urls)
      feeds.push_back({kit::foundation::UUID::random(), "Wire", url});
    ASSERT_TRUE(RSSStore::write(RSSStore::feedsKey, feeds, in.path()));
  }
  static void cache(const std::vector<RSSItem> &items, const test::TempHome &in) {
    ASSERT_TRUE(RSSStore::write(RSSStore::cacheKey, RSSStore::Cache{Date{1000}, items}, in.path()));
  }
  std::optional<RSSStore::Cache> stored() const {
    return RSSStore::read<RSSStore::Cache>(RSSStore::cacheKey, home.path());
  }
  std::string live() const { return server.url("/feed.xml"); }
  std::string dead() const { return server.url("/gone.xml"); }

  test::TempHome home;
  testsupport::FakeHttpServer server;
};

TEST_F(FeedProviders, TheGalleryAndPlaceholdersShowTheSamplesWithoutFetching) {
  listFeeds({live()}, home);
  cache(kEarlier, home);
  RSSStore::setDeckIndex(4, home.path());
  RSSEntry preview = headlines().snapshot(kCream, kGallery);
  EXPECT_EQ(preview.data, RSSStore::sampleItems());
  EXPECT_EQ(preview.casing, CasingOption::cream);
  EXPECT_EQ(headlines().placeholder(kOnScreen).data, RSSStore::sampleItems());
  EXPECT_EQ(headlines().placeholder(kOnScreen).casing, CasingOption::followApp);
  EXPECT_EQ(deck().snapshot(kCream, kGallery).data, RSSDeckData::sample());
  EXPECT_EQ(deck().placeholder(kOnScreen).data, (RSSDeckData{RSSStore::sampleItems(), 0}));
  EXPECT_EQ(deck().placeholder(kOnScreen).casing, CasingOption::followApp);
  EXPECT_EQ(server.requestCount(), 0u);
}

TEST_F(FeedProviders, ATimelineFetchesThenHoldsOneEntryDatedAfterTheRefresh) {
  listFeeds({live(), dead()}, home);
  auto timeline = headlines().timeline(kCream, kOnScreen);
  ASSERT_EQ(timeline.entries.size(), 1u);
  const RSSEntry &entry = timeline.entries.front();
  EXPECT_EQ(test::pluck(entry.data, &RSSItem::title), (std::vector<std::string>{"Newer", "Older"}));
  EXPECT_EQ(entry.casing, CasingOption::cream);
  ASSERT_TRUE(stored());
  EXPECT_EQ(stored()->items, entry.data);
  EXPECT_GT(entry.date, stored()->updated);
  EXPECT_EQ(timeline.policy, reloadAfter(entry.date, 30));
  EXPECT_EQ(server.requests("/feed.xml").size(), 1u);

  // Outside the gallery a snapshot shows what is stored and fetches nothing.
  server.clearRecords();
  cache(kEarlier, home);
  EXPECT_EQ(headlines().snapshot(kCream, kOnScreen).data, kEarlier);
  EXPECT_EQ(server.requestCount(), 0u);
}

TEST_F(FeedProviders, WhatTimelinesShowWithoutFeedsOrWhenNoFeedAnswers) {
  struct Case {
    std::string name;
    std::vector<std::string> feeds;
    std::optional<std::vector<RSSItem>> cached;
    std::vector<RSSItem> shown;
    int64_t deckIndex = 0; // of the stored 3
    int reloadMinutes = 0;
  };
  const Case cases[] = {
      {.name = "no feeds: the samples",
       .feeds = {},
       .cached = kEarlier,
       .shown = RSSStore::sampleItems(),
       .deckIndex = 3,
       .reloadMinutes = 30},
      {.name = "every feed failing: the earlier headlines",
       .feeds = {dead(), dead()},
       .cached = kEarlier,
       .shown = kEarlier,
       .deckIndex = 0,
       .reloadMinutes = 10},
      {.name = "every feed failing with nothing cached: none",
       .feeds = {dead()},
       .cached = std::nullopt,
       .shown = {},
       .deckIndex = 0,
       .reloadMinutes = 10},
  };
  for (const Case &c : cases) {
    test::TempHome caseHome;
    listFeeds(c.feeds, caseHome);
    if (c.cached)
      cache(*c.cached, caseHome);
    RSSStore::setDeckIndex(3, caseHome.path());

    auto latest = RSSTimelineProvider{environment(caseHome)}.timeline(kCream, kOnScreen);
    ASSERT_EQ(latest.entries.size(), 1u) << c.name;
    EXPECT_EQ(latest.entries[0].data, c.shown) << c.name;
    EXPECT_EQ(latest.policy, reloadAfter(latest.entries[0].date, c.reloadMinutes)) << c.name;

    auto decked = RSSDeckProvider{environment(caseHome)}.timeline(kCream, kOnScreen);
    ASSERT_EQ(decked.entries.size(), 1u) << c.name;
    EXPECT_EQ(decked.entries[0].data, (RSSDeckData{c.shown, c.deckIndex})) << c.name;
    EXPECT_EQ(decked.policy, reloadAfter(decked.entries[0].date, c.reloadMinutes)) << c.name;
  }
}

TEST_F(FeedProviders, TheDeckHoldsTheStoredPositionToTheHeadlinesWithoutFetching) {
  struct Case {
    std::string name;
    std::vector<std::string> feeds;
    std::optional<std::string> cacheData = std::nullopt;
    // Stored as the list instead of `feeds`.
    std::optional<std::string> feedsData = std::nullopt;
    int64_t stored = 0;
    RSSDeckData shown;
  };
  const Case cases[] = {
      {.name = "samples at 5", .feeds = {}, .stored = 5, .shown = {RSSStore::sampleItems(), 5}},
      {.name = "samples past the end",
       .feeds = {},
       .stored = 40,
       .shown = {RSSStore::sampleItems(), 8}},
      {.name = "samples before the start",
       .feeds = {},
       .stored = -3,
       .shown = {RSSStore::sampleItems(), 0}},
      {.name = "an unreadable feed list counts as none",
       .feeds = {},
       .cacheData = R"({"updated":0,"items":[]})",
       .feedsData = R"([{"title":"no id or address"}])",
       .stored = 5,
       .shown = {RSSStore::sampleItems(), 5}},
      {.name = "feeds with an empty cache",
       .feeds = {dead()},
       .cacheData = R"({"updated":0,"items":[]})",
       .stored = 5,
       .shown = {{}, 0}},
      {.name = "feeds with an unreadable cache",
       .feeds = {dead()},
       .cacheData = R"({"items":[]})",
       .stored = 5,
       .shown = {{}, 0}},
      {.name = "feeds without a cache", .feeds = {dead()}, .stored = -3, .shown = {{}, 0}},
  };
  for (const Case &c : cases) {
    test::TempHome caseHome;
    listFeeds(c.feeds, caseHome);
    if (c.feedsData)
      SharedSuite::writeData(RSSStore::feedsKey, *c.feedsData, caseHome.path());
    if (c.cacheData)
      SharedSuite::writeData(RSSStore::cacheKey, *c.cacheData, caseHome.path());
    RSSStore::setDeckIndex(c.stored, caseHome.path());
    EXPECT_EQ(RSSDeckProvider{environment(caseHome)}.snapshot(kCream, kOnScreen).data, c.shown)
        << c.name;
  }
  EXPECT_EQ(server.requestCount(), 0u);
}

} // namespace
} // namespace zavel
