#include "host/HostRun.h"
#include "kit/foundation/JsonCoding.h"
#include "support/TempHome.h"

#include "Shared/Data/ExtraModels/HabitItem.h"

#include <gtest/gtest.h>

namespace zavel::host::testing {
namespace {

using kit::foundation::Json;

// Wednesday 4 March 2026 in Oslo.
constexpr const char *kMorning = "2026-03-04 10:15:00";

TEST(HealthKeys, PressesAddToTodaysCountsAndCheckInsThatTheNextProcessReads) {
  const std::string read = HabitItem::samples()[1].id.uuidString();
  struct Case {
    const char *name, *kind, *x, *y;
    Json report;
    const char *shown; // a pointer into the next timeline's first entry
    Json afterOne, afterTwo;
  };
  for (const Case &c : {
           Case{.name = "steps, at a corner",
          .kind = "zavel.steps",
          .x = "5",
          .y = "5",
          .report = {{"intent", "AddStepsIntent"},
                     {"params", {{"steps", 1000}}},
                     {"reloaded", {"zavel.steps"}},
                     {"wrote", {"zavel.counter.steps.2026-03-04"}}},
          .shown = "/data/value",
          .afterOne = 1000,
          .afterTwo = 2000},
           Case{.name = "water, beside the cells",
           .kind = "zavel.water",
           .x = "160",
           .y = "160",
           .report = {{"intent", "AddWaterIntent"},
                      {"params", Json::object()},
                      {"reloaded", {"zavel.water"}},
                      {"wrote", {"zavel.counter.water.2026-03-04"}}},
           .shown = "/data/value",
           .afterOne = 1,
           .afterTwo = 2},
           // The second row, "Read", between its name and its dots; a second press takes the
           // check-in back.
           Case{.name = "a habit row",
           .kind = "zavel.habits.week",
           .x = "75",
           .y = "74",
           .report = {{"intent", "HabitToggleIntent"},
                      {"params", {{"habitID", read}}},
                      {"reloaded", {"zavel.habits.week"}},
                      {"wrote", {"zavel.habits.v1"}}},
           .shown = "/data/1/done",
           .afterOne = 1,
           .afterTwo = 0},
       }) {
    SCOPED_TRACE(c.name);
    zavel::test::TempHome home;
    for (const Json &expected : {c.afterOne, c.afterTwo}) {
      HostResult pressed = runExecutableAt(kMorning, {"press", c.kind, c.x, c.y});
      ASSERT_EQ(pressed.status, 0) << pressed.err;
      Json report = Json::parse(pressed.out);
      for (const auto &[key, value] : c.report.items())
        EXPECT_EQ(report[key], value) << key;
      EXPECT_EQ(report["notifications"], Json{"com.brekholt.zavel.reloadwidgets"});
      Json timeline = Json::parse(runExecutableAt(kMorning, {"timeline", c.kind}).out);
      EXPECT_EQ(timeline["entries"][0].at(Json::json_pointer(c.shown)), expected);
    }
  }
}

// The user's list in a form the widget cannot read shows as the samples, and neither a row's
// press nor the intent performed by name replaces it.
TEST(HealthKeys, AHabitListThatCannotBeReadStaysAsItWasByteForByte) {
  const std::string read = HabitItem::samples()[1].id.uuidString();
  const std::string unreadable[] = {
      R"([{"id":")" + read + R"(","name":"Read"}])", // no check-ins
      R"("Run, Read")",
  };
  for (const std::string &list : unreadable) {
    SCOPED_TRACE(list);
    zavel::test::TempHome home;
    ASSERT_EQ(runExecutable({"defaults", "write", "zavel.habits.v1", list, "--json"}).status, 0);
    for (const std::vector<std::string> &words :
         {std::vector<std::string>{"press", "zavel.habits.week", "75", "74"},
          {"perform", "HabitToggleIntent", "--params", R"({"habitID":")" + read + R"("})"}}) {
      HostResult result = runExecutableAt(kMorning, words);
      ASSERT_EQ(result.status, 0) << result.err;
      Json report = Json::parse(result.out);
      EXPECT_EQ(report["params"], (Json{{"habitID", read}}));
      EXPECT_EQ(report["wrote"], Json::array());
      EXPECT_EQ(runExecutable({"defaults", "read", "zavel.habits.v1"}).out, list + "\n");
    }
  }
}

} // namespace
} // namespace zavel::host::testing
