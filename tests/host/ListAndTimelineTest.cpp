#include "host/HostRun.h"
#include "host/TestBundle.h"
#include "kit/foundation/JsonCoding.h"
#include "support/TempHome.h"

#include "Shared/Data/SharedSuite.h"

#include <gtest/gtest.h>

namespace zavel::host::testing {
namespace {

using kit::foundation::Json;

TEST(HostList, ListsWidgetsInGalleryOrderAsTextAndJson) {
  zavel::test::TempHome home;
  HostResult text = runHost({"list"});
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(lines(text.out),
            (std::vector<std::string>{
                "test.tally\tTallyWidget\tTally & <Count>\tCounts what the key adds.\tsmall\t"
                "TallyConfigIntent",
                "test.tally.board\tTallyBoardWidget\tBoard\tHalf accent, half not.\tmedium\t"
                "TallyConfigIntent"}));

  HostResult json = runHost({"list", "--json"});
  ASSERT_EQ(json.status, 0);
  Json list = Json::parse(json.out);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0], Json::parse(R"({
    "kind": "test.tally", "type": "TallyWidget", "displayName": "Tally & <Count>",
    "description": "Counts what the key adds.", "family": "small",
    "configuration": {"type": "TallyConfigIntent", "title": "Tally Options", "parameters": [
      {"name": "label", "title": "Label", "default": "Cups"},
      {"name": "step", "title": "Step", "default": 1}]}})"));
}

TEST(HostTimeline, PrintsEntriesWithUtcDatesCasingDataAndPolicyOrThePreview) {
  zavel::test::TempHome home;
  ASSERT_TRUE(SharedSuite::open().set(kCountKey, int64_t(4)));
  HostResult result =
      runHost({"timeline", "test.tally", "--config", R"({"label": "Tea", "step": 3})"});
  ASSERT_EQ(result.status, 0) << result.err;
  // Members in the order a reader expects them.
  EXPECT_TRUE(result.out.starts_with(
      R"({"kind":"test.tally","entries":[{"date":"2025-03-01T09:30:00Z","casing":"followApp","data":{)"))
      << result.out;
  Json timeline = Json::parse(result.out);
  EXPECT_EQ(timeline["policy"], Json::parse(R"({"after": "2025-03-01T09:40:00Z"})"));
  ASSERT_EQ(timeline["entries"].size(), 3u);
  EXPECT_EQ(timeline["entries"][2], Json::parse(R"({"date": "2025-03-01T09:32:00Z",
      "casing": "followApp", "data": {"label": "Tea #2", "count": 4, "step": 3}})"));

  // A preview prints the gallery snapshot, with no policy.
  Json preview = Json::parse(runHost({"timeline", "test.tally", "--preview"}).out);
  EXPECT_EQ(preview["entries"], Json::parse(R"([{"date": "2025-03-01T09:30:00Z",
      "casing": "followApp", "data": {"label": "Preview Cups", "count": 4, "step": 1}}])"));
  EXPECT_TRUE(preview["policy"].is_null());
}

} // namespace
} // namespace zavel::host::testing
