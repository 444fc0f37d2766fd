#include "host/HostRun.h"

#include "Shared/Data/MediaIntents/MediaBridge.h"
#include "Shared/Data/NotesStore.h"
#include "Shared/Data/RSSStore/FeedList.h"
#include "Shared/Data/RSSStore/StoredValues.h"
#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/Calendar.h"
#include "kit/foundation/Clock.h"
#include "kit/foundation/DateFormatter.h"
#include "kit/foundation/JsonCoding.h"
#include "support/FakeHttpServer.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace zavel::host::testing {
namespace {

namespace fs = std::filesystem;
using kit::foundation::Json;
using testsupport::FakeResponse;

// A headline with a web link, so the feed deck's OPEN key is a link.
const char *const kFeed = "<rss version=\"2.0\"><channel><title>Wire</title>"
                          "<item><title>Alpha</title><link>http://example.org/alpha</link></item>"
                          "</channel></rss>";

// Two open reminders due today in Oslo, the zone the program runs in, so the list's rows and
// the single view's round key are drawn.
void addReminders(const fs::path &home) {
  auto oslo = *kit::foundation::TimeZone::named("Europe/Oslo");
  std::string today =
      kit::foundation::DateFormatter("yyyyMMdd", kit::foundation::Locale::posix(), oslo)
          .string(kit::foundation::systemNow());
  fs::create_directories(home / "calendars" / "Home");
  for (const char *uid : {"water", "call"})
    std::ofstream(home / "calendars" / "Home" / (std::string(uid) + ".ics"), std::ios::binary)
        << fmt::format("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Zavel tests//EN\r\n"
                       "BEGIN:VTODO\r\nUID:{0}\r\nSUMMARY:{0}\r\nDUE;VALUE=DATE:{1}\r\n"
                       "END:VTODO\r\nEND:VCALENDAR\r\n",
                       uid, today);
}

// A home in which every key of every widget is drawn: reminders, notes, a playing track, a feed
// with a link, and the weather deck on its saved places with their hearts.
void seed(const fs::path &home, const testsupport::FakeHttpServer &server) {
  addReminders(home);
  std::vector<NoteItem> notes{{kit::foundation::UUID::random(), "Groceries\nMilk", {}, false}};
  fs::create_directories(NotesStore::fileURL().parent_path());
  std::ofstream(NotesStore::fileURL()) << kit::foundation::encodeJson(notes).dump();
  MediaBridge::setNowPlaying(NowPlayingSnapshot{"Tide", "Harbour", 30, 245, true, {}});
  ASSERT_TRUE(RSSStore::write(
      RSSStore::feedsKey,
      std::vector<RSSFeed>{{kit::foundation::UUID::random(), "Wire", server.url("/feed.xml")}}));
  SharedSuite::open().set("zavel.deck.weather.view", std::string("fav"));
}

// A key as its widget's tree shows it: the intent it performs, or the address it opens, and the
// centre of its frame.
struct Key {
  Json intent;
  Json url;
  std::string x, y;
};

std::vector<Key> keysOf(const Json &node) {
  std::vector<Key> keys;
  if (node.contains("intent") || node.contains("url")) {
    const Json &frame = node["frame"];
    keys.push_back({node.value("intent", Json()), node.value("url", Json()),
                    fmt::format("{}", frame[0].get<double>() + frame[2].get<double>() / 2),
                    fmt::format("{}", frame[1].get<double>() + frame[3].get<double>() / 2)});
  }
  for (const Json &child : node.value("children", Json::array()))
    for (Key &key : keysOf(child))
      keys.push_back(std::move(key));
  return keys;
}

// The keys `kind` draws now, from its tree.
std::vector<Key> keysDrawn(const std::string &kind, const test_support::ScratchTree &scratch) {
  std::string tree = (scratch.root() / "tree.json").string();
  HostResult drawn =
      runExecutable({"render", kind, "-o", (scratch.root() / "key.png").string(), "--tree", tree});
  EXPECT_EQ(drawn.status, 0) << kind << ": " << drawn.err;
  return drawn.status == 0 ? keysOf(Json::parse(fileText(tree))["root"]) : std::vector<Key>{};
}

TEST(Extension, EveryKeyOfEveryWidgetPerformsItsOwnIntentOrOpensItsOwnLink) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  testsupport::FakeHttpServer server;
  server.serve("/feed.xml", FakeResponse::xml(kFeed));
  seed(home.path(), server);

  std::set<std::string> pressed;
  for (const std::string &row : lines(runExecutable({"list"}).out)) {
    std::string kind = row.substr(0, row.find('\t'));
    // A press may move the keys (a completed reminder leaves the single view for the next), so
    // each key is found in the widget as it is drawn just before it is pressed.
    for (std::size_t i = 0;; ++i) {
      std::vector<Key> keys = keysDrawn(kind, scratch);
      if (i >= keys.size())
        break;
      const Key &key = keys[i];
      HostResult result = runExecutable({"press", kind, key.x, key.y});
      ASSERT_EQ(result.status, 0) << kind << " at " << key.x << "," << key.y << ": " << result.err;
      Json report = Json::parse(result.out);
      if (key.intent.is_null()) {
        EXPECT_EQ(report["url"], key.url) << kind;
        EXPECT_TRUE(report["intent"].is_null()) << kind;
        pressed.insert("link");
        continue;
      }
      EXPECT_EQ(report["intent"], key.intent["type"]) << kind;
      EXPECT_EQ(report["params"], key.intent["params"]) << kind;
      EXPECT_TRUE(report["url"].is_null()) << kind;
      pressed.insert(key.intent["type"].get<std::string>());
    }
  }
  // Every kind of key was drawn somewhere, and so was pressed.
  EXPECT_EQ(pressed,
            (std::set<std::string>{"AddStepsIntent", "AddWaterIntent", "FocusResetIntent",
                                   "FocusToggleIntent", "HabitToggleIntent", "MediaCommandIntent",
                                   "NoteDeckCycleIntent", "NoteDeckPinIntent", "RSSCycleIntent",
                                   "StopwatchResetIntent", "StopwatchToggleIntent",
                                   "ToggleFavCityIntent", "ToggleLikeTrackIntent",
                                   "ToggleReminderIntent", "WeatherDeckViewIntent", "link"}));
}

} // namespace
} // namespace zavel::host::testing
