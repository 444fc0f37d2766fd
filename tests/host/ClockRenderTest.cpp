#include "host/HostRun.h"
#include "kit/foundation/JsonCoding.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace zavel::host::testing {
namespace {

using kit::foundation::Json;

// Every text of a dumped tree, in drawing order.
void collectTexts(const Json &node, std::vector<std::string> &texts) {
  if (node.contains("text"))
    texts.push_back(node["text"]);
  for (const Json &child : node.value("children", Json::array()))
    collectTexts(child, texts);
}

TEST(ClockRender, AnEntryDrawsItsMinuteForThePickedCitiesInTheStoredHourFormat) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  std::string
      kolkata = Json::parse(runExecutable({"query", "TimeZoneEntity", "kolkata"}).out).at(0)["id"],
      kathmandu =
          Json::parse(runExecutable({"query", "TimeZoneEntity", "kathmandu"}).out).at(0)["id"];
  std::string config = Json{{"city1", kolkata}, {"city3", kathmandu}}.dump();
  struct Case {
    const char *format = "";
    std::vector<std::string> texts;
  };
  // 10:15:42 in Oslo is 09:15:42 UTC; entry 5 is 09:20, with New York in city 2 by default.
  const Case cases[] = {
      {.format = "12",
       .texts = {"KOL", "02:50", "DAY", "NYC", "04:20", "NIGHT", "KAT", "03:05", "DAY"}},
      {.format = "24",
       .texts = {"KOL", "14:50", "DAY", "NYC", "04:20", "NIGHT", "KAT", "15:05", "DAY"}},
  };
  for (const Case &c : cases) {
    ASSERT_EQ(runExecutable({"defaults", "write", "zavel.timeformat", c.format, "--int"}).status,
              0);
    HostResult result = runExecutableAt("2026-03-02 10:15:42",
                                        {"render", "zavel.clock.worldStrip", "--entry", "5",
                                         "--config", config, "-o", scratch.root() / "strip.png",
                                         "--tree", scratch.root() / "strip.json"});
    ASSERT_EQ(result.status, 0) << result.err;
    std::vector<std::string> texts;
    collectTexts(Json::parse(fileText(scratch.root() / "strip.json"))["root"], texts);
    EXPECT_EQ(texts, c.texts) << c.format;
  }
}

} // namespace
} // namespace zavel::host::testing
