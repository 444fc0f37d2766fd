#include "Shared/Data/RSSStore/RSSStore.h"

#include "support/TempHome.h"

#include <gtest/gtest.h>

using kit::foundation::Date;
using kit::foundation::decodeJsonData;
using kit::foundation::encodeJsonData;
using kit::foundation::Json;
using zavel::RSSFeed;
using zavel::RSSItem;
namespace RSSStore = zavel::RSSStore;

TEST(RSSRecords, StoredFormsUseTheFieldNamesAndLeaveAbsentOptionalsOut) {
  RSSStore::Cache cache{
      Date{86400.5},
      {RSSItem{.id = "a", .feedTitle = "F", .title = "T"}, RSSItem{.id = "b",
                                                                   .feedTitle = "F",
                                                                   .title = "U",
                                                                   .summary = "S",
                                                                   .link = "https://x.example/b",
                                                                   .published = Date{-60}}}};
  auto text = encodeJsonData(cache);
  ASSERT_TRUE(text);
  EXPECT_EQ(Json::parse(*text), Json::parse(R"({"updated":86400.5,"items":[
      {"id":"a","feedTitle":"F","title":"T"},
      {"id":"b","feedTitle":"F","title":"U","summary":"S","link":"https://x.example/b",
       "published":-60}]})"));
  EXPECT_EQ(decodeJsonData<RSSStore::Cache>(*text), cache);

  RSSFeed feed{*kit::foundation::UUID::fromString("0f8fad5b-d9cb-469f-a165-70867728950e"), "Name",
               "https://f.example/rss"};
  auto feedText = encodeJsonData(feed);
  EXPECT_EQ(Json::parse(*feedText), Json::parse(R"({"id":"0F8FAD5B-D9CB-469F-A165-70867728950E",
      "title":"Name","url":"https://f.example/rss"})"));
  EXPECT_EQ(decodeJsonData<RSSFeed>(*feedText), feed);
}

TEST(RSSRecords, MalformedStoredValuesReadAsNothing) {
  struct Case {
    const char *json;
    bool feed; // a feed entry, else a headline
    bool readable;
  } cases[] = {
      {R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","title":"A","url":"/relative"})", true,
       true},
      {R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","title":"A","url":""})", true, false},
      {R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","title":"A","url":"a b"})", true, false},
      {R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","url":"https://x"})", true, false},
      {R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","title":"A","url":7})", true, false},
      {R"({"id":"a","feedTitle":"F","title":"T","link":"https://x.example/"})", false, true},
      {R"({"id":"a","feedTitle":"F","title":"T","link":"file:///etc/passwd"})", false, false},
      {R"({"id":"a","feedTitle":"F","title":"T","published":"yesterday"})", false, false},
      {R"({"id":"a","title":"T"})", false, false},
  };
  for (const auto &c : cases) {
    bool readable = c.feed ? decodeJsonData<RSSFeed>(c.json).has_value()
                           : decodeJsonData<RSSItem>(c.json).has_value();
    EXPECT_EQ(readable, c.readable) << c.json;
  }
}

TEST(RSSRecords, ReadAndWriteGoThroughTheSharedSuite) {
  zavel::test::TempHome home;
  EXPECT_EQ(RSSStore::read<RSSStore::Cache>(RSSStore::cacheKey), std::nullopt);
  RSSStore::Cache cache{Date{5}, {RSSItem{.id = "a", .feedTitle = "F", .title = "T"}}};
  RSSStore::write(cache, RSSStore::cacheKey);
  EXPECT_EQ(zavel::SharedSuite::read<RSSStore::Cache>(RSSStore::cacheKey), cache);
  EXPECT_EQ(RSSStore::read<RSSStore::Cache>(RSSStore::cacheKey), cache);
  zavel::SharedSuite::writeData(RSSStore::cacheKey, R"({"updated":1})");
  EXPECT_EQ(RSSStore::read<RSSStore::Cache>(RSSStore::cacheKey), std::nullopt);
}
