#include "Shared/Data/RSSStore/RSSStore.h"
#include "Shared/Data/RSSStore/URLString.h"

#include "support/RecordCoding.h"

#include <gtest/gtest.h>

using kit::foundation::Date;
using kit::foundation::decodeJsonData;
using zavel::RSSFeed;
using zavel::RSSItem;
namespace RSSStore = zavel::RSSStore;

TEST(RSSRecords, StoredFormsLeaveAbsentOptionalsOut) {
  RSSItem full{
      .id = "b",
      .feedTitle = "F",
      .title = "U",
      .summary = "S",
      .link = "https://x.example/b",
      .published = Date{-60},
  };
  zavel::test::expectJsonForm(
      R"({"updated":86400.5,"items":[{"id":"a","feedTitle":"F","title":"T"},
          {"id":"b","feedTitle":"F","title":"U","summary":"S","link":"https://x.example/b",
           "published":-60}]})",
      RSSStore::Cache{Date{86400.5}, {RSSItem{.id = "a", .feedTitle = "F", .title = "T"}, full}},
      R"({"updated":86400.5,"items":[{"id":"a","feedTitle":"F","title":"T"},
          {"id":"b","feedTitle":"F","title":"U","summary":"S","link":"https://x.example/b",
           "published":-60}]})");
  zavel::test::expectJsonForm(
      R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","title":"Name","url":"/relative"})",
      RSSFeed{*kit::foundation::UUID::fromString("0f8fad5b-d9cb-469f-a165-70867728950e"), "Name",
              "/relative"},
      R"({"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","title":"Name","url":"/relative"})");
}

TEST(RSSRecords, AFeedWithoutAURLOrAHeadlineLinkingOutsideTheWebIsUnreadable) {
  const char *feeds[] = {
      R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","title":"A","url":""})",
      R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","title":"A","url":"a b"})"};
  for (const char *json : feeds)
    EXPECT_FALSE(decodeJsonData<RSSFeed>(json)) << json;
  EXPECT_FALSE(decodeJsonData<RSSItem>(
      R"({"id":"a","feedTitle":"F","title":"T","link":"file:///etc/passwd"})"));
  EXPECT_FALSE(decodeJsonData<RSSItem>(R"({"id":"a","feedTitle":"F","title":"T","link":"/a"})"));
}

TEST(RSSStoreSamples, NineHeadlinesDatedFromTheirFirstUse) {
  auto before = kit::foundation::systemNow();
  const auto &samples = RSSStore::sampleItems();
  ASSERT_EQ(samples.size(), 9u);
  EXPECT_EQ(&samples, &RSSStore::sampleItems());
  const char *labels[] = {"JUST NOW", "26M AGO", "2H AGO", "4H AGO", "7H AGO",
                          "1D AGO",   "2D AGO",  "3D AGO", "5D AGO"};
  auto first = *samples[0].published;
  EXPECT_LE(std::abs(first.timeIntervalSince(before)), 60.0);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    EXPECT_EQ(samples[i].id, "zavel.rss.sample." + std::to_string(i + 1));
    EXPECT_TRUE(samples[i].link && zavel::isWebLink(*samples[i].link));
    EXPECT_EQ(samples[i].ageLabel(first), labels[i]);
  }
}
