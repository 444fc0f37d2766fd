#include "host/HostRun.h"
#include "kit/foundation/JsonCoding.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zavel::host::testing {
namespace {

using kit::foundation::Json;

class ProductivityKeys : public ::testing::Test {
protected:
  // Each program is started ten seconds after the one before, its clock running on from there,
  // so each reads a later moment than the last.
  std::string next() {
    seconds += 10;
    return fmt::format("2026-03-02 10:{:02}:{:02}", 15 + seconds / 60, seconds % 60);
  }

  // The report of pressing the widget at (x, y) in a new process.
  Json press(const std::string &kind, int x, int y) {
    HostResult result =
        runExecutableAt(next(), {"press", kind, std::to_string(x), std::to_string(y)});
    EXPECT_EQ(result.status, 0) << result.err;
    return Json::parse(result.out);
  }

  // The texts a new process draws for the timeline's entry, at the entry's own moment.
  std::vector<std::string> texts(const std::string &kind, int entry = 0) {
    std::string tree = (scratch.root() / "tree.json").string();
    HostResult result =
        runExecutableAt(next(), {"render", kind, "--entry", std::to_string(entry), "-o",
                                 (scratch.root() / "out.png").string(), "--tree", tree});
    EXPECT_EQ(result.status, 0) << result.err;
    std::vector<std::string> found;
    auto visit = [&](const Json &node, auto &self) -> void {
      if (node.contains("text"))
        found.push_back(node["text"]);
      for (const Json &child : node.value("children", Json::array()))
        self(child, self);
    };
    visit(Json::parse(fileText(tree))["root"], visit);
    return found;
  }

  Json timeline(const std::string &kind) {
    return Json::parse(runExecutableAt(next(), {"timeline", kind}).out);
  }

  // What a key reports beyond the intent's name: its kind reloaded, the host told, one record.
  static void expectWrote(const Json &report, const char *intent, const char *kind,
                          const char *key) {
    EXPECT_EQ(report["intent"], intent);
    EXPECT_EQ(report["params"], Json::object());
    EXPECT_EQ(report["reloaded"].front(), kind);
    EXPECT_EQ(report["notifications"], Json::parse(R"(["com.brekholt.zavel.reloadwidgets"])"));
    EXPECT_EQ(report["wrote"], Json::array({key}));
  }

  int seconds = 0;
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
};

TEST_F(ProductivityKeys, FocusStartsInOneProcessRunsInTheNextEndsDoneAndResets) {
  const std::string kind = "zavel.focus.timer";
  EXPECT_EQ(texts(kind),
            (std::vector<std::string>{"FOCUS", "25:00", "TAP TIME TO START", "RESET"}));
  expectWrote(press(kind, 40, 80), "FocusToggleIntent", kind.c_str(), "zavel.focus.v1");

  Json entries = timeline(kind)["entries"];
  ASSERT_EQ(entries.size(), 26u);
  EXPECT_EQ(texts(kind)[2], "RUNNING");
  EXPECT_EQ(texts(kind, 25), (std::vector<std::string>{"FOCUS", "0:00", "DONE — TAKE 5", "RESET"}));

  expectWrote(press(kind, 137, 147), "FocusResetIntent", kind.c_str(), "zavel.focus.v1");
  EXPECT_EQ(timeline(kind)["entries"].size(), 1u);
  EXPECT_EQ(texts(kind)[2], "TAP TIME TO START");
}

TEST_F(ProductivityKeys, StopwatchStartsTakesALapKeepingItsStartAndResets) {
  const std::string kind = "zavel.stopwatch";
  expectWrote(press(kind, 40, 80), "StopwatchToggleIntent", kind.c_str(), "zavel.stopwatch.v1");
  Json started = timeline(kind)["entries"][0]["data"];
  EXPECT_EQ(started["laps"], Json::array());
  EXPECT_EQ(texts(kind)[2], "TAP TIME FOR LAP");

  expectWrote(press(kind, 40, 80), "StopwatchToggleIntent", kind.c_str(), "zavel.stopwatch.v1");
  Json lapped = timeline(kind)["entries"][0]["data"];
  EXPECT_EQ(lapped["startDate"], started["startDate"]);
  ASSERT_EQ(lapped["laps"].size(), 1u);
  EXPECT_GT(lapped["laps"][0].get<double>(), 0);

  // RESET is where it is while stopped, as the focus timer's is.
  expectWrote(press(kind, 137, 147), "StopwatchResetIntent", kind.c_str(), "zavel.stopwatch.v1");
  EXPECT_EQ(timeline(kind)["entries"][0]["data"], Json::parse(R"({"laps": []})"));
  EXPECT_EQ(texts(kind),
            (std::vector<std::string>{"STOPWATCH", "0:00", "TAP TIME TO START", "RESET"}));
}

} // namespace
} // namespace zavel::host::testing
