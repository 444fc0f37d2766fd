#pragma once

#include "Shared/Data/RSSStore/RSSStore.h"

#include "support/FakeHttpServer.h"

#include <string>
#include <vector>

namespace zavel::test {

// An RSS 2.0 document around the given items (the channel has its own title, link and
// description, which no headline may take).
std::string rssDocument(const std::string &items, const std::string &declaration = "");

// One RSS item; empty arguments leave the element out.
std::string rssItem(const std::string &title, const std::string &link = "",
                    const std::string &pubDate = "", const std::string &description = "");

// A feed of the list with a fresh id.
RSSFeed feed(const std::string &title, const std::string &url);

void storeFeeds(const std::vector<RSSFeed> &feeds);

// The stored cache; a test failure when there is none.
RSSStore::Cache storedCache();

// Limits short enough for tests: 1 s without data, 3 s in all, 256 KiB of body.
RSSStore::Environment testEnvironment();

// When the tests' refreshes say the cache was written.
inline constexpr kit::foundation::Date refreshMoment{760'000'000};

// An address where nothing listens.
std::string unreachableURL();

} // namespace zavel::test
