#include "host/HostRun.h"

#include "Shared/Data/RSSStore/DeckIndex.h"
#include "Shared/Data/RSSStore/FeedList.h"
#include "Shared/Data/RSSStore/StoredValues.h"
#include "support/BusListener.h"
#include "support/FakeHttpServer.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace zavel::host::testing {
namespace {

using Json = nlohmann::json;
using testsupport::FakeResponse;

// Three headlines, newest first; the third has no link.
const char *const kFeed = "<rss version=\"2.0\"><channel><title>T</title>"
                          "<item><title>Alpha</title><link>https://a.example/alpha</link>"
                          "<pubDate>Mon, 06 Jan 2025 09:00:00 +0000</pubDate></item>"
                          "<item><title>Bravo</title><link>https://a.example/bravo</link>"
                          "<pubDate>Mon, 06 Jan 2025 08:00:00 +0000</pubDate></item>"
                          "<item><title>Charlie</title>"
                          "<pubDate>Mon, 06 Jan 2025 07:00:00 +0000</pubDate></item>"
                          "</channel></rss>";

// The centres of the deck's keys on the 364 × 170 point widget, down the rail.
const std::vector<std::string> kUp{"335", "25"}, kDown{"335", "54"}, kOpen{"335", "145"};

HostResult press(const std::vector<std::string> &key) {
  return runExecutable({"press", "zavel.rss.deck", key[0], key[1]});
}

Json cycled(int step) {
  return {
      {"intent", "RSSCycleIntent"},      {"params", {{"step", step}}},
      {"reloaded", {"zavel.rss.deck"}},  {"notifications", {"com.brekholt.zavel.reloadwidgets"}},
      {"wrote", {"zavel.deck.rss.idx"}}, {"url", nullptr}};
}

// The title the deck shows in a fresh process, and its position there.
std::pair<std::string, int64_t> shownByANewProcess() {
  HostResult result = runExecutable({"timeline", "zavel.rss.deck"});
  EXPECT_EQ(result.status, 0) << result.err;
  Json deck = Json::parse(result.out)["entries"][0]["data"];
  int64_t index = deck["index"].get<int64_t>();
  return {deck["items"][index]["title"].get<std::string>(), index};
}

TEST(RSSDeckPress, ChevronsCycleTheStoredPositionAndOpenReportsTheShownLink) {
  zavel::test::TempHome home;
  testsupport::FakeHttpServer server;
  server.serve("/feed.xml", FakeResponse::xml(kFeed));
  ASSERT_TRUE(RSSStore::write(
      RSSStore::feedsKey,
      std::vector<RSSFeed>{{kit::foundation::UUID::random(), "Wire", server.url("/feed.xml")}}));
  kit::foundation::testing::BusListener bus;
  ASSERT_TRUE(bus.connected()) << "no session bus: run the tests under dbus-run-session";

  HostResult next = press(kDown);
  EXPECT_EQ(Json::parse(next.out), cycled(1)) << next.err;
  EXPECT_EQ(bus.waitFor("com.brekholt.zavel.reloadwidgets", 1).size(), 1u);
  EXPECT_EQ(shownByANewProcess(), (std::pair<std::string, int64_t>{"Bravo", 1}));

  struct Step {
    std::vector<std::string> key;
    int step;
    int64_t position;
    std::string shown;
  };
  // Around the list both ways.
  for (const Step &s : {Step{.key = kUp, .step = -1, .position = 0, .shown = "Alpha"},
                        Step{.key = kUp, .step = -1, .position = 2, .shown = "Charlie"},
                        Step{.key = kDown, .step = 1, .position = 0, .shown = "Alpha"}}) {
    HostResult pressed = press(s.key);
    EXPECT_EQ(Json::parse(pressed.out), cycled(s.step)) << pressed.err;
    EXPECT_EQ(RSSStore::deckIndex(), s.position);
    EXPECT_EQ(shownByANewProcess(), (std::pair{s.shown, s.position}));
  }

  // OPEN reports the shown headline's page and performs nothing.
  HostResult opened = press(kOpen);
  EXPECT_EQ(Json::parse(opened.out), Json::parse(R"({"intent": null, "params": null,
      "reloaded": [], "notifications": [], "wrote": [], "url": "https://a.example/alpha"})"));
  // Without a link it is no key at all.
  press(kUp);
  ASSERT_EQ(shownByANewProcess().first, "Charlie");
  expectRefusal(press(kOpen), {"press", "zavel.rss.deck", kOpen[0], kOpen[1]});
  EXPECT_EQ(RSSStore::deckIndex(), 2);
}

} // namespace
} // namespace zavel::host::testing
