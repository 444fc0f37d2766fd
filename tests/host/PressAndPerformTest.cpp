#include "host/HostRun.h"
#include "host/TestBundle.h"
#include "kit/foundation/JsonCoding.h"
#include "support/TempHome.h"

#include "Shared/Data/SharedSuite.h"

#include <gtest/gtest.h>

namespace zavel::host::testing {
namespace {

using kit::foundation::Json;

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

} // namespace
} // namespace zavel::host::testing
