#include "host/HostRun.h"
#include "host/TestBundle.h"
#include "kit/foundation/JsonCoding.h"
#include "support/TempHome.h"

#include "Shared/Data/AppGroup.h"
#include "Shared/Data/SharedSuite.h"

#include <gtest/gtest.h>

namespace zavel::host::testing {
namespace {

using kit::foundation::Json;

// The one-line JSON report of a successful press or perform.
Json report(const HostResult &result) {
  EXPECT_EQ(std::tuple(result.status, result.err, lines(result.out).size()),
            std::tuple(0, std::string(), std::size_t{1}));
  return Json::parse(result.out);
}

TEST(HostList, ListsWidgetsInGalleryOrderAsTextAndJson) {
  zavel::test::TempHome home;
  EXPECT_EQ(lines(runHost({"list"}).out),
            (std::vector<std::string>{
                "test.tally\tTallyWidget\tTally & <Count>\tCounts what the key adds.\tsmall\t"
                "TallyConfigIntent",
                "test.tally.board\tTallyBoardWidget\tBoard\tHalf accent, half not.\tmedium\t"
                "TallyConfigIntent"}));
  Json list = Json::parse(runHost({"list", "--json"}).out);
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
  // Members in the order a reader expects them.
  EXPECT_TRUE(result.out.starts_with(
      R"({"kind":"test.tally","entries":[{"date":"2025-03-01T09:30:00Z","casing":"followApp","data":{)"))
      << result.out << result.err;
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

TEST(HostTimeline, TheProgramReadsTheMomentItIsStartedAt) {
  zavel::test::TempHome home;
  // 10:15:42 in Oslo's winter is 09:15:42 UTC; the clock runs on from there.
  Json timeline =
      Json::parse(runExecutableAt("2026-03-02 10:15:42", {"timeline", "zavel.moon"}).out);
  EXPECT_EQ(timeline["entries"][0]["date"].get<std::string>().substr(0, 18), "2026-03-02T09:15:4");
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
  // The edges of the key count; the next press writes the same file again.
  Json again = report(runHost({"press", "test.tally", "20", "69.5"}));
  EXPECT_EQ(again["wrote"], Json::parse(R"(["test.tally.count", "tally.json"])"));
  EXPECT_EQ(SharedSuite::open().integer(kCountKey), 8);
}

TEST(HostPress, LinkAndWidgetLinkOpenWithoutPerforming) {
  zavel::test::TempHome home;
  EXPECT_EQ(report(runHost({"press", "test.tally", "130", "130"})),
            Json::parse(R"({"intent": null, "params": null, "reloaded": [],
      "notifications": [], "wrote": [], "url": "zavel-test://tally/details"})"));
  EXPECT_EQ(report(runHost({"press", "test.tally", "100", "40"}))["url"], kWidgetURL);
  EXPECT_FALSE(SharedSuite::open().object(kCountKey));
}

TEST(HostPerform, PerformsByTypeNameWithParametersOverDefaults) {
  zavel::test::TempHome home;
  HostResult result = runHost({"perform", "TallyIntent", "--params", R"({"step": 10})"});
  EXPECT_TRUE(result.out.starts_with(R"({"intent":"TallyIntent","params":{"step":10},"reloaded":)"))
      << result.out;
  // Unlike a press, no widget was pressed: only what the intent reloads.
  EXPECT_EQ(report(result)["reloaded"], Json::parse(R"(["test.tally.board"])"));
  EXPECT_EQ(report(runHost({"perform", "TallyIntent"}))["params"], Json::object());
  EXPECT_EQ(SharedSuite::open().integer(kCountKey), 11);
}

TEST(HostDefaults, RoundTripsEveryTypeKeepingJsonAsData) {
  zavel::test::TempHome home;
  for (auto [type, written, printed] : {std::tuple{"--int", "42", "42"},
                                        {"--bool", "yes", "true"},
                                        {"", "héllo wörld", "héllo wörld"},
                                        {"--json", R"({"a": [1, 2]})", R"({"a": [1, 2]})"},
                                        {"--array", R"(["x", "y z"])", R"(["x","y z"])"}}) {
    std::vector<std::string> write{"defaults", "write", "test.key", written};
    if (*type)
      write.push_back(type);
    ASSERT_EQ(runHost(write).status, 0) << written;
    EXPECT_EQ(runHost({"defaults", "read", "test.key"}).out, printed + std::string("\n"));
  }
  EXPECT_EQ(SharedSuite::open().object("test.key"),
            kit::foundation::DefaultsValue(std::vector<std::string>{"x", "y z"}));
  ASSERT_EQ(runHost({"defaults", "write", "test.record", "{\"v\":1}", "--json"}).status, 0);
  EXPECT_EQ(SharedSuite::readData("test.record"), "{\"v\":1}");
  EXPECT_EQ(runHost({"defaults", "delete", "test.key"}).status, 0);
  HostResult missing = runHost({"defaults", "read", "test.key"});
  EXPECT_EQ(std::tuple(missing.status, missing.out, missing.err),
            std::tuple(1, "", "zavel-widgets: defaults: no value under \"test.key\"\n"));
}

// A search for places needs the geocoding service: without its address the query fails saying
// which variable names it. The suggestions need no search, and a service that cannot be reached
// is only an empty answer.
TEST(HostQuery, APlaceSearchWithoutTheGeocodingAddressNamesItsVariable) {
  zavel::test::TempHome home;
  zavel::test::ScopedEnvironment unset({{"ZAVEL_GEOCODING_URL", std::nullopt}});
  HostResult search = runHostOnWidgets({"query", "WeatherPlaceEntity", "Oslo"});
  EXPECT_EQ(std::tuple(search.status, search.out, lines(search.err).size()),
            std::tuple(1, "", std::size_t{1}));
  EXPECT_NE(search.err.find("ZAVEL_GEOCODING_URL"), std::string::npos) << search.err;
  HostResult suggested = runHostOnWidgets({"query", "WeatherPlaceEntity"});
  EXPECT_EQ(std::pair(suggested.status, Json::parse(suggested.out).size()),
            std::pair(0, std::size_t{1}));

  // The discard port: nobody answers there.
  zavel::test::ScopedEnvironment unreachable(
      {{"ZAVEL_GEOCODING_URL", std::string("http://127.0.0.1:9")}});
  HostResult unanswered = runHostOnWidgets({"query", "WeatherPlaceEntity", "Oslo"});
  EXPECT_EQ(std::tuple(unanswered.status, unanswered.out, unanswered.err),
            std::tuple(0, "[]\n", ""));
}

// With neither the group's suite file nor the standard one usable, a value would last only as
// long as the process: a write or removal fails saying so, and a perform claims no key and
// fails too.
TEST(HostDefaults, WithNoUsableSuiteFileWritesFailAndNothingIsClaimed) {
  zavel::test::TempHome home;
  home.blockSuites({std::string(AppGroup::identifier), "standard"});
  const std::vector<std::string> write{"defaults", "write", "zavel.y", "1", "--int"};
  for (const auto &words : {write, {"defaults", "delete", "zavel.y"}}) {
    HostResult refused = runExecutable(words);
    EXPECT_EQ(std::tuple(refused.status, refused.out, lines(refused.err).size()),
              std::tuple(1, std::string(), std::size_t{1}))
        << words[1] << refused.err;
  }
  EXPECT_EQ(runExecutable({"defaults", "read", "zavel.y"}).status, 1);
  HostResult performed = runExecutable({"perform", "FocusResetIntent"});
  EXPECT_EQ(std::tuple(performed.status, lines(performed.err).size()),
            std::tuple(1, std::size_t{1}))
      << performed.err;
  EXPECT_EQ(Json::parse(performed.out)["wrote"], Json::array());

  // The standard store stands in for the group's suite alone, as before.
  std::filesystem::remove(home.suiteFile("standard"));
  ASSERT_EQ(runExecutable(write).status, 0);
  EXPECT_EQ(runExecutable({"defaults", "read", "zavel.y"}).out, "1\n");
  EXPECT_EQ(report(runExecutable({"perform", "FocusResetIntent"}))["wrote"],
            Json::parse(R"(["zavel.focus.v1"])"));
}

} // namespace
} // namespace zavel::host::testing
