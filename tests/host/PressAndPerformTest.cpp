#include "host/HostRun.h"
#include "host/TestBundle.h"
#include "kit/foundation/JsonCoding.h"
#include "support/TempHome.h"

#include "Shared/Data/SharedSuite.h"

#include <gtest/gtest.h>

namespace zavel::host::testing {
namespace {

using kit::foundation::Json;
namespace fs = std::filesystem;

Json report(const HostResult &result) {
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(result.err.empty());
  EXPECT_EQ(lines(result.out).size(), 1u);
  return Json::parse(result.out);
}

TEST(HostPress, KeyPerformsItsIntentAndReportsReloadsNotificationsAndWrites) {
  zavel::test::TempHome home;
  ASSERT_TRUE(SharedSuite::open().set(kCountKey, int64_t(5)));
  Json pressed = report(runHost({"press", "test.tally", "45", "30", "--config", R"({"step": 2})"}));
  EXPECT_EQ(pressed, Json::parse(R"({
      "intent": "TallyIntent", "params": {"step": 2},
      "reloaded": ["test.tally.board", "test.tally"],
      "notifications": ["com.test.tally.changed"],
      "wrote": ["test.tally.count", "tally.json"],
      "url": null})"));
  EXPECT_EQ(SharedSuite::open().integer(kCountKey), 7);

  // The edges of the key count; the next press writes the same file again.
  Json again = report(runHost({"press", "test.tally", "20", "69.5"}));
  EXPECT_EQ(again["wrote"], Json::parse(R"(["test.tally.count", "tally.json"])"));
  EXPECT_EQ(SharedSuite::open().integer(kCountKey), 8);
}

TEST(HostPress, LinkAndWidgetLinkOpenWithoutPerforming) {
  zavel::test::TempHome home;
  Json link = report(runHost({"press", "test.tally", "130", "130"}));
  EXPECT_EQ(link, Json::parse(R"({"intent": null, "params": null, "reloaded": [],
      "notifications": [], "wrote": [], "url": "zavel-test://tally/details"})"));
  Json widget = report(runHost({"press", "test.tally", "100", "40"}));
  EXPECT_EQ(widget["url"], kWidgetURL);
  EXPECT_TRUE(widget["intent"].is_null());
  EXPECT_FALSE(SharedSuite::open().object(kCountKey));
}

void expectRefused(const std::vector<std::string> &words) { expectRefusal(runHost(words), words); }

TEST(HostPress, RefusesBadWordsBeforeAnythingIsRead) {
  zavel::test::TempHome home;
  const std::vector<std::vector<std::string>> refused{
      {"press", "test.tally", "171", "10"}, // outside the widget
      {"press", "test.tally", "-1", "10"},
      {"press", "test.tally", "ten", "10"},
      {"press", "test.tally", "10"},
      {"press", "test.nothing", "45", "30"},
      {"press", "test.tally", "45", "30", "--config", "{\"step\":"},
      {"press", "test.tally", "45", "30", "--config", "{\"step\": \"two\"}"},
  };
  for (const auto &words : refused)
    expectRefused(words);
  EXPECT_EQ(filesBelow(home.path()), std::vector<fs::path>{});
}

TEST(HostPress, PointOffEveryKeyWithoutWidgetLinkPerformsNothing) {
  zavel::test::TempHome home;
  // The widget is drawn to find the key, and its provider reads the suite; nothing is written.
  expectRefused({"press", "test.tally.board", "100", "100"});
  EXPECT_FALSE(SharedSuite::open().object(kCountKey));
  EXPECT_FALSE(fs::exists(home.path() / "containers"));
}

TEST(HostPerform, PerformsByTypeNameWithParametersOverDefaults) {
  zavel::test::TempHome home;
  HostResult result = runHost({"perform", "TallyIntent", "--params", R"({"step": 10})"});
  EXPECT_TRUE(result.out.starts_with(R"({"intent":"TallyIntent","params":{"step":10},"reloaded":)"))
      << result.out;
  Json performed = report(result);
  EXPECT_EQ(performed, Json::parse(R"({
      "intent": "TallyIntent", "params": {"step": 10},
      "reloaded": ["test.tally.board"],
      "notifications": ["com.test.tally.changed"],
      "wrote": ["test.tally.count", "tally.json"],
      "url": null})"));
  Json defaults = report(runHost({"perform", "TallyIntent"}));
  EXPECT_EQ(defaults["params"], Json::object());
  EXPECT_EQ(SharedSuite::open().integer(kCountKey), 11);
}

TEST(HostPerform, ReportsWhatBackgroundWorkWroteAfterWaitingForIt) {
  zavel::test::TempHome home;
  Json performed = report(runHost({"perform", "LateIntent"}));
  EXPECT_EQ(performed["wrote"], Json::parse(R"(["test.tally.late"])"));
}

TEST(HostPerform, RefusesUnknownIntentsAndMalformedParametersWritingNothing) {
  zavel::test::TempHome home;
  const std::vector<std::vector<std::string>> refused{
      {"perform", "NoSuchIntent"},
      {"perform", "TallyIntent", "--params", "{\"step\": "},
      {"perform", "TallyIntent", "--params", "[1]"},
      {"perform", "TallyIntent", "--params", "{\"step\": 1.5}"},
      {"perform"},
  };
  for (const auto &words : refused)
    expectRefused(words);
  EXPECT_EQ(filesBelow(home.path()), std::vector<fs::path>{});
}

TEST(HostQuery, ListsSuggestedOrMatchingEntitiesOfTheBundle) {
  zavel::test::TempHome home;
  HostResult suggested = runHost({"query", "TestPlaceEntity"});
  ASSERT_EQ(suggested.status, 0) << suggested.err;
  EXPECT_EQ(Json::parse(suggested.out), Json::parse(R"([{"id": "oslo", "title": "Oslo"},
      {"id": "lisbon", "title": "Lisbon"}])"));
  HostResult matching = runHost({"query", "TestPlaceEntity", "KYO"});
  EXPECT_EQ(Json::parse(matching.out), Json::parse(R"([{"id": "kyoto", "title": "Kyoto"}])"));
  EXPECT_EQ(Json::parse(runHost({"query", "TestPlaceEntity", "paris"}).out), Json::array());

  for (const std::vector<std::string> &words : {std::vector<std::string>{"query", "TimeZoneEntity"},
                                                {"query"},
                                                {"query", "TestPlaceEntity", "a", "b"}}) {
    HostResult refused = runHost(words);
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(lines(refused.err).size(), 1u);
  }
}

} // namespace
} // namespace zavel::host::testing
