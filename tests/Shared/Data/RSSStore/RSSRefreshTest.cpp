#include "FeedFixtures.h"

#include "kit/foundation/DateFormatter.h"
#include "kit/foundation/Iso8601.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using kit::foundation::Date;
using testsupport::FakeHttpServer;
using testsupport::FakeResponse;
using zavel::RSSItem;
using zavel::test::feed;
using zavel::test::refreshMoment;
using zavel::test::rssDocument;
using zavel::test::rssItem;
using zavel::test::storedCache;
using zavel::test::storeFeeds;
using zavel::test::TempHome;
using zavel::test::testEnvironment;
using zavel::test::unreachableURL;
namespace RSSStore = zavel::RSSStore;

namespace zavel {
void PrintTo(const RSSItem &item, std::ostream *out) {
  *out << "{id \"" << item.id << "\", feed \"" << item.feedTitle << "\", title \"" << item.title
       << "\", summary " << (item.summary ? "\"" + *item.summary + "\"" : "none") << ", link "
       << (item.link ? "\"" + *item.link + "\"" : "none") << ", published "
       << (item.published ? kit::foundation::iso8601String(*item.published, true) : "none") << "}";
}
} // namespace zavel

namespace {

Date at(const char *iso8601) { return *kit::foundation::dateFromIso8601(iso8601); }

// The RFC 822 text of `hours` after 2025-01-06 00:00 UTC.
std::string hoursOn(int hours) {
  static const kit::foundation::DateFormatter format("EEE, d MMM yyyy HH:mm:ss Z",
                                                     kit::foundation::Locale::posix(),
                                                     kit::foundation::TimeZone::utc());
  return format.string(at("2025-01-06T00:00:00Z").addingTimeInterval(hours * 3600.0));
}

std::vector<std::string> titles(const std::vector<RSSItem> &items) {
  std::vector<std::string> result;
  for (const auto &item : items)
    result.push_back(item.title);
  return result;
}

const RSSStore::Cache kEarlier{Date{1000},
                               {RSSItem{.id = "old", .feedTitle = "F", .title = "Old"}}};

} // namespace

TEST(RSSStoreRefresh, AnEmptyOrUnreadableFeedListEmptiesTheCacheAndSucceeds) {
  FakeHttpServer server;
  server.serve("/feed", FakeResponse::xml(rssDocument(rssItem("Never read"))));
  std::string url = server.url("/feed");
  struct Case {
    const char *name;
    std::optional<std::string> list;
  } cases[] = {
      {"absent", std::nullopt},
      {"empty", "[]"},
      {"an entry without url",
       R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","title":"A","url":")" + url +
           R"("},{"id":"7C9E6679-7425-40DE-944B-E07FC1F90AE7","title":"B"}])"},
      {"a url that is no URL",
       R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","title":"A","url":"not a url"}])"},
      {"an id that is no UUID", R"([{"id":"x","title":"A","url":")" + url + R"("}])"},
      {"not JSON", "<rss/>"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    TempHome home;
    RSSStore::write(kEarlier, RSSStore::cacheKey);
    if (c.list)
      zavel::SharedSuite::writeData(RSSStore::feedsKey, *c.list);
    EXPECT_TRUE(RSSStore::refresh(testEnvironment()));
    EXPECT_EQ(storedCache(), (RSSStore::Cache{refreshMoment, {}}));
  }
  EXPECT_EQ(server.requestCount(), 0u);
}

TEST(RSSStoreRefresh, ReadsEachDialectIntoCleanedHeadlines) {
  FakeHttpServer server;
  // 250 characters; a thumbs-up emoji is one.
  std::string group = "w\u00E9\U0001F44D ", summary;
  for (int i = 0; i < 62; ++i)
    summary += group;
  server.serve(
      "/rss",
      FakeResponse::xml(rssDocument(
          "<item><title><![CDATA[Caf&eacute; <b>opens</b>]]></title>"
          "<link>https://rss.example/a</link><guid>ga</guid>"
          "<pubDate>Mon, 06 Jan 2025 10:00:00 +0000</pubDate>"
          "<description>&lt;p&gt;Fish &amp;amp; chips&lt;/p&gt;</description>"
          "<content:encoded>Ignored</content:encoded></item>"
          "<item><title>B &#8212; dash</title><guid>urn:b</guid></item>"
          "<item><title>  Third\n  title </title><description>" +
              summary +
              "xy</description></item>"
              "<item><title>&lt;br/&gt; \n</title><link>https://rss.example/skipped</link></item>"
              "<item><title>Script</title><link>javascript:alert(1)</link></item>"
              "<item><title>Relative</title><link>/path/only</link><guid>g</guid></item>",
          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n")));
  server.serve(
      "/atom",
      FakeResponse::xml("<feed xmlns=\"http://www.w3.org/2005/Atom\"><title>Own title</title>"
                        "<entry><title type=\"html\">Atom &amp;amp; more</title><id>urn:atom:1</id>"
                        "<link rel=\"replies\" href=\"https://atom.example/1/comments\"/>"
                        "<link href=\"https://atom.example/1\"/>"
                        "<updated>2025-01-08T00:00:00Z</updated>"
                        "<published>2025-01-07T08:00:00+02:00</published>"
                        "<summary type=\"html\">&lt;i&gt;Short&lt;/i&gt; &amp;hellip;</summary>"
                        "</entry></feed>"));
  server.serve("/rdf", FakeResponse::xml(
                           "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\" "
                           "xmlns=\"http://purl.org/rss/1.0/\" "
                           "xmlns:dc=\"http://purl.org/dc/elements/1.1/\">"
                           "<channel><title>C</title></channel>"
                           "<item rdf:about=\"https://rdf.example/1\"><title>Rdf</title>"
                           "<link>https://rdf.example/1</link>"
                           "<dc:date>2025-01-06T12:00:00.500Z</dc:date></item></rdf:RDF>"));
  server.serve("/cp1252", FakeResponse::xml(rssDocument(
                              rssItem("\x93"
                                      "Caf\xE9\x94 \x96 \x80"
                                      "5",
                                      "https://w.example/1", "Sun, 05 Jan 2025 09:00:00 GMT"),
                              "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n")));
  TempHome home;
  storeFeeds({feed("One", server.url("/rss")), feed("Two", server.url("/atom")),
              feed("Three", server.url("/rdf")), feed("Four", server.url("/cp1252"))});

  ASSERT_TRUE(RSSStore::refresh(testEnvironment()));

  std::vector<RSSItem> expected = {
      {.id = "https://atom.example/1",
       .feedTitle = "Two",
       .title = "Atom & more",
       .summary = "Short \u2026",
       .link = "https://atom.example/1",
       .published = at("2025-01-07T06:00:00Z")},
      {.id = "https://rdf.example/1",
       .feedTitle = "Three",
       .title = "Rdf",
       .link = "https://rdf.example/1",
       .published = at("2025-01-06T12:00:00.500Z")},
      {.id = "https://rss.example/a",
       .feedTitle = "One",
       .title = "Caf&eacute; opens",
       .summary = "Fish & chips",
       .link = "https://rss.example/a",
       .published = at("2025-01-06T10:00:00Z")},
      {.id = "https://w.example/1",
       .feedTitle = "Four",
       .title = "\u201C"
                "Caf\u00E9\u201D \u2013 \u20AC"
                "5",
       .link = "https://w.example/1",
       .published = at("2025-01-05T09:00:00Z")},
      {.id = "urn:b", .feedTitle = "One", .title = "B \u2014 dash"},
      {.id = "One|Third title",
       .feedTitle = "One",
       .title = "Third title",
       .summary = summary.substr(0, 50 * group.size())},
      {.id = "javascript:alert(1)", .feedTitle = "One", .title = "Script"},
      {.id = "/path/only", .feedTitle = "One", .title = "Relative"},
  };
  auto cache = storedCache();
  EXPECT_EQ(cache.updated, refreshMoment);
  EXPECT_EQ(cache.items, expected);
}

TEST(RSSStoreRefresh, DatedHeadlinesComeFirstNewestFirstAndEqualsKeepListOrder) {
  // Enough equal dates and undated entries that an unstable sort would show.
  std::string one = rssItem("1a", "https://same.example/x", hoursOn(10)) + rssItem("1b") +
                    rssItem("1c", "", hoursOn(11)) + rssItem("1d", "", hoursOn(10));
  std::string two = rssItem("2a", "https://same.example/x", hoursOn(10)) + rssItem("2b") +
                    rssItem("2c", "", "Fri, 01 Jan 1999 00:00:00 +0000");
  for (int i = 0; i < 8; ++i) {
    std::string n = std::to_string(i);
    one += rssItem("1u" + n);
    two += rssItem("2t" + n, "", hoursOn(10)) + rssItem("2u" + n);
  }
  FakeHttpServer server;
  server.serve("/one", FakeResponse::xml(rssDocument(one)));
  server.serve("/two", FakeResponse::xml(rssDocument(two)));
  TempHome home;
  storeFeeds({feed("First", server.url("/one")), feed("Second", server.url("/two"))});

  ASSERT_TRUE(RSSStore::refresh(testEnvironment()));

  auto items = storedCache().items;
  std::vector<std::string> expected = {"1c", "1a", "1d", "2a"};
  for (int i = 0; i < 8; ++i)
    expected.push_back("2t" + std::to_string(i));
  expected.push_back("2c");
  expected.push_back("1b");
  for (int i = 0; i < 8; ++i)
    expected.push_back("1u" + std::to_string(i));
  expected.push_back("2b");
  for (int i = 0; i < 8; ++i)
    expected.push_back("2u" + std::to_string(i));
  expected.resize(RSSStore::Cache::capacity);
  EXPECT_EQ(titles(items), expected);
  // The same article in two feeds stays twice, under one id.
  ASSERT_GE(items.size(), 4u);
  EXPECT_EQ(items[1].id, "https://same.example/x");
  EXPECT_EQ(items[3].id, "https://same.example/x");
}

TEST(RSSStoreRefresh, KeepsTheNewest24Headlines) {
  FakeHttpServer server;
  std::string odd, even;
  for (int i = 0; i < 30; ++i)
    (i % 2 ? odd : even) += rssItem("n" + std::to_string(i), "", hoursOn(i));
  server.serve("/odd", FakeResponse::xml(rssDocument(odd)));
  server.serve("/even", FakeResponse::xml(rssDocument(even)));
  TempHome home;
  storeFeeds({feed("Odd", server.url("/odd")), feed("Even", server.url("/even"))});

  ASSERT_TRUE(RSSStore::refresh(testEnvironment()));

  std::vector<std::string> newest;
  for (int i = 29; i >= 6; --i)
    newest.push_back("n" + std::to_string(i));
  EXPECT_EQ(titles(storedCache().items), newest);
}

TEST(RSSStoreRefresh, FetchesEveryFeedAtOnce) {
  constexpr int kFeeds = 6;
  FakeHttpServer server;
  std::vector<zavel::RSSFeed> feeds;
  for (int i = 0; i < kFeeds; ++i) {
    std::string path = "/f" + std::to_string(i);
    // Each answer waits until all requests are in flight together (or gives up after 5 s).
    auto response = FakeResponse::xml(rssDocument(rssItem(path)));
    response.holdUntilInFlight = kFeeds;
    server.serve(path, response);
    feeds.push_back(feed(path, server.url(path)));
  }
  TempHome home;
  storeFeeds(feeds);

  auto environment = testEnvironment();
  environment.session = kit::foundation::HttpSession(); // no time-out shorter than the hold
  ASSERT_TRUE(RSSStore::refresh(environment));

  EXPECT_EQ(server.maxInFlight(), kFeeds);
  EXPECT_EQ(storedCache().items.size(), static_cast<std::size_t>(kFeeds));
}

TEST(RSSStoreRefresh, AFeedThatFailsIsLeftOutAndTheOthersMerge) {
  FakeHttpServer server;
  server.serve("/good", FakeResponse::xml(rssDocument(rssItem("Good", "", hoursOn(1)))));
  std::string tenItems;
  for (int i = 0; i < 10; ++i)
    tenItems += rssItem("Cut " + std::to_string(i));
  std::string laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE rss [\n<!ENTITY lol \"lol\">\n";
  for (int level = 1; level <= 9; ++level) {
    std::string previous = level == 1 ? "lol" : "lol" + std::to_string(level - 1);
    laughs += "<!ENTITY lol" + std::to_string(level) + " \"";
    for (int i = 0; i < 10; ++i)
      laughs += "&" + previous + ";";
    laughs += "\">\n";
  }
  laughs += "]>\n" + rssDocument(rssItem("Visible") + rssItem("&lol9;"));
  std::string external = "<?xml version=\"1.0\"?>\n<!DOCTYPE rss [<!ENTITY xxe SYSTEM "
                         "\"file:///etc/hostname\">]>\n" +
                         rssDocument(rssItem("Visible") + rssItem("&xxe;"));
  auto hanging = FakeResponse::xml(rssDocument(rssItem("Too late")));
  hanging.delay = std::chrono::seconds(5);

  struct Case {
    const char *name;
    std::string url;
    std::optional<FakeResponse> response;
  } cases[] = {
      {"nothing listens", unreachableURL(), {}},
      {"an HTML error page", server.url("/bad"),
       FakeResponse::text("<html><body>Not found</body></html>", 404, "text/html")},
      {"an HTML root with items", server.url("/bad"),
       FakeResponse::xml("<html><item><title>No</title></item></html>")},
      {"cut short after ten items", server.url("/bad"),
       FakeResponse::xml(rssDocument(tenItems).substr(0, rssDocument(tenItems).size() - 20))},
      {"not XML", server.url("/bad"), FakeResponse::json("{\"items\":[]}")},
      {"an empty body", server.url("/bad"), FakeResponse::xml("")},
      {"silent past the time-out", server.url("/bad"), hanging},
      {"trickling past the deadline", server.url("/bad"),
       FakeResponse::trickle(std::chrono::milliseconds(100))},
      {"an endless body", server.url("/bad"), FakeResponse::endless()},
      {"entities that multiply", server.url("/bad"), FakeResponse::xml(laughs)},
      {"an external entity", server.url("/bad"), FakeResponse::xml(external)},
      {"a file address", "file:///etc/hostname", {}},
      {"an address without scheme", "127.0.0.1/feed", {}},
      {"a redirect to a file", server.url("/bad"), FakeResponse::redirect("file:///etc/hostname")},
      {"a redirect to ftp", server.url("/bad"),
       FakeResponse::redirect("ftp://127.0.0.1:" + std::to_string(server.port()) + "/good")},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    if (c.response)
      server.serve("/bad", *c.response);
    TempHome home;
    storeFeeds({feed("Bad", c.url), feed("Good", server.url("/good"))});
    auto started = std::chrono::steady_clock::now();
    EXPECT_TRUE(RSSStore::refresh(testEnvironment()));
    EXPECT_EQ(titles(storedCache().items), std::vector<std::string>{"Good"});
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
  }
}

TEST(RSSStoreRefresh, ReadsAFeedWhateverTheStatusAndAfterWebRedirects) {
  FakeHttpServer server;
  server.serve("/missing", FakeResponse::xml(rssDocument(rssItem("From a 404")), 404));
  server.serve("/moved", FakeResponse::redirect("/new", 301));
  server.serve("/new", FakeResponse::xml(rssDocument(rssItem("Moved"))));
  server.serve("/packed", FakeResponse::gzip(rssDocument(rssItem("Packed")), "application/xml"));
  TempHome home;
  storeFeeds({feed("A", server.url("/missing")), feed("B", server.url("/moved")),
              feed("C", server.url("/packed"))});

  ASSERT_TRUE(RSSStore::refresh(testEnvironment()));

  EXPECT_EQ(titles(storedCache().items),
            (std::vector<std::string>{"From a 404", "Moved", "Packed"}));
  auto requests = server.requests("/missing");
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].method, "GET");
}

TEST(RSSStoreRefresh, NeverLoadsAnExternalDocumentTypeDefinition) {
  FakeHttpServer server;
  server.serve("/evil.dtd",
               FakeResponse::text("<!ENTITY title \"Injected\">", 200, "application/xml-dtd"));
  server.serve("/feed", FakeResponse::xml("<?xml version=\"1.0\"?>\n<!DOCTYPE rss SYSTEM \"" +
                                          server.url("/evil.dtd") + "\">\n" +
                                          rssDocument(rssItem("Plain"))));
  TempHome home;
  storeFeeds({feed("A", server.url("/feed"))});

  ASSERT_TRUE(RSSStore::refresh(testEnvironment()));

  EXPECT_EQ(titles(storedCache().items), std::vector<std::string>{"Plain"});
  EXPECT_TRUE(server.requests("/evil.dtd").empty());
}

TEST(RSSStoreRefresh, WhenEveryFeedFailsTheCacheStaysAndRefreshFails) {
  FakeHttpServer server;
  server.serve("/html", FakeResponse::text("<html/>", 200, "text/html"));
  TempHome home;
  RSSStore::write(kEarlier, RSSStore::cacheKey);
  storeFeeds({feed("A", unreachableURL()), feed("B", server.url("/html"))});

  EXPECT_FALSE(RSSStore::refresh(testEnvironment()));

  EXPECT_EQ(storedCache(), kEarlier);
}

TEST(RSSStoreRefresh, AFeedReadWithoutHeadlinesStillCounts) {
  FakeHttpServer server;
  server.serve("/empty", FakeResponse::xml(rssDocument(rssItem("<![CDATA[<b> </b>]]>"))));
  TempHome home;
  RSSStore::write(kEarlier, RSSStore::cacheKey);
  storeFeeds(
      {feed("A", unreachableURL()), feed("B", server.url("/empty")), feed("C", unreachableURL())});

  EXPECT_TRUE(RSSStore::refresh(testEnvironment()));

  EXPECT_EQ(storedCache(), (RSSStore::Cache{refreshMoment, {}}));
}

TEST(RSSStoreRefresh, FeedsAreFetchedWithinFixedLimits) {
  const auto &configuration = RSSStore::feedSession().configuration();
  EXPECT_EQ(configuration.timeout, std::chrono::seconds(10));
  EXPECT_EQ(configuration.deadline, std::chrono::seconds(30));
  EXPECT_EQ(configuration.maxBodyBytes, 5u * 1024 * 1024);

  // A body past 5 MiB fails its feed alone.
  FakeHttpServer server;
  server.serve("/huge", FakeResponse::endless());
  server.serve("/good", FakeResponse::xml(rssDocument(rssItem("Good"))));
  TempHome home;
  storeFeeds({feed("A", server.url("/huge")), feed("B", server.url("/good"))});
  EXPECT_TRUE(RSSStore::refresh({.clock = kit::foundation::Clock::fixed(refreshMoment)}));
  EXPECT_EQ(titles(storedCache().items), std::vector<std::string>{"Good"});
}
