#include "FeedFixtures.h"

#include <gtest/gtest.h>

namespace zavel::test {

std::string rssDocument(const std::string &items, const std::string &declaration) {
  return declaration +
         "<rss version=\"2.0\" xmlns:content=\"http://purl.org/rss/1.0/modules/content/\">"
         "<channel><title>Channel title</title><link>https://channel.example/</link>"
         "<description>Channel description</description>\n" +
         items + "</channel></rss>\n";
}

std::string rssItem(const std::string &title, const std::string &link, const std::string &pubDate,
                    const std::string &description) {
  std::string item = "<item><title>" + title + "</title>";
  if (!link.empty())
    item += "<link>" + link + "</link>";
  if (!pubDate.empty())
    item += "<pubDate>" + pubDate + "</pubDate>";
  if (!description.empty())
    item += "<description>" + description + "</description>";
  return item + "</item>\n";
}

RSSFeed feed(const std::string &title, const std::string &url) {
  return RSSFeed{kit::foundation::UUID::random(), title, url};
}

void storeFeeds(const std::vector<RSSFeed> &feeds) { RSSStore::write(feeds, RSSStore::feedsKey); }

RSSStore::Cache storedCache() {
  auto cache = RSSStore::read<RSSStore::Cache>(RSSStore::cacheKey);
  EXPECT_TRUE(cache) << "no readable cache";
  return cache.value_or(RSSStore::Cache{});
}

RSSStore::Environment testEnvironment() {
  kit::foundation::HttpSession::Configuration configuration;
  configuration.timeout = std::chrono::seconds(1);
  configuration.deadline = std::chrono::seconds(3);
  configuration.maxBodyBytes = 256 * 1024;
  return RSSStore::Environment{.clock = kit::foundation::Clock::fixed(refreshMoment),
                               .session = kit::foundation::HttpSession(configuration)};
}

std::string unreachableURL() { return "http://127.0.0.1:1/feed.xml"; }

} // namespace zavel::test
