#include "host/Host.h"
#include "host/HostRun.h"
#include "support/BusListener.h"
#include "support/PrivateBus.h"
#include "support/ScopedEnvironment.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include "Shared/Data/DeckState.h"
#include "Shared/Data/MediaIntents/MediaBridge.h"
#include "Shared/Data/NotesStore.h"
#include "Widgets/ZavelWidgetsBundle.h"
#include "kit/foundation/JsonCoding.h"
#include "kit/foundation/UUID.h"

#include <fmt/format.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace zavel::host::testing {
namespace {

using kit::foundation::Json;

const std::string oslo = R"({"place": "Oslo|59.9139|10.7522"})";
const std::string noConfiguration = "{}";

Json printed(const HostResult &result) {
  EXPECT_EQ(std::pair(result.status, result.err), std::pair(0, std::string())) << result.out;
  return Json::parse(result.out, nullptr, false);
}

class FeaturedDeckKeys : public ::testing::Test {
protected:
  // Where the key that performs `intent` lies in the widget's first entry: its centre, in points.
  std::vector<std::string> keyCentre(const std::string &kind, const Json &intent,
                                     const std::string &configuration) {
    std::string tree = (scratch.root() / "tree.json").string();
    printed(runHostOnWidgets({"render", kind, "--config", configuration, "-o",
                              (scratch.root() / "key.png").string(), "--tree", tree}));
    std::vector<Json> found;
    auto visit = [&](const Json &node, auto &self) -> void {
      if (node.value("intent", Json()) == intent)
        found.push_back(node["frame"]);
      for (const Json &child : node.value("children", Json::array()))
        self(child, self);
    };
    visit(Json::parse(fileText(tree))["root"], visit);
    EXPECT_EQ(found.size(), 1u) << intent.dump();
    if (found.empty())
      return {"-1", "-1"};
    const Json &frame = found.front();
    return {fmt::format("{}", frame[0].get<double>() + frame[2].get<double>() / 2),
            fmt::format("{}", frame[1].get<double>() + frame[3].get<double>() / 2)};
  }

  // Presses the key of `intent` and returns the host's report.
  Json press(const std::string &kind, const Json &intent,
             const std::string &configuration = noConfiguration) {
    std::vector<std::string> at = keyCentre(kind, intent, configuration);
    return printed(runHostOnWidgets({"press", kind, at[0], at[1], "--config", configuration}));
  }

  // The first entry's data as another process of the program sees it now.
  static Json dataSeenAfresh(const std::string &kind,
                             const std::string &configuration = noConfiguration) {
    Json timeline = printed(runExecutable({"timeline", kind, "--config", configuration}));
    return timeline["entries"][0]["data"];
  }

  static Json report(const Json &intent, std::vector<std::string> reloaded,
                     std::vector<std::string> notifications, std::vector<std::string> wrote) {
    return {{"intent", intent["type"]}, {"params", intent["params"]},
            {"reloaded", reloaded},     {"notifications", notifications},
            {"wrote", wrote},           {"url", nullptr}};
  }

  test::TempHome home;
  test::ScopedLocaleAndZone locale{"en_GB", "Europe/Oslo"};
  test_support::ScratchTree scratch;
};

Json intent(const char *type, Json params = Json::object()) {
  return {{"type", type}, {"params", std::move(params)}};
}

const std::string reloadNotice = "com.brekholt.zavel.reloadwidgets";

TEST_F(FeaturedDeckKeys, WeatherDeckScreenKeysAndSavedLocationHearts) {
  for (const char *view : {"today", "week", "fav", "home"}) {
    SCOPED_TRACE(view);
    Json key = intent("WeatherDeckViewIntent", {{"view", view}});
    EXPECT_EQ(press("zavel.weather.deck", key, oslo),
              report(key, {"zavel.weather.deck"}, {reloadNotice}, {"zavel.deck.weather.view"}));
    EXPECT_EQ(dataSeenAfresh("zavel.weather.deck", oslo)["view"], view);
  }
  DeckState::setWeatherView(DeckState::WeatherView::fav);
  Json heart = intent("ToggleFavCityIntent", {{"name", "KYOTO"}});
  EXPECT_EQ(press("zavel.weather.deck", heart, oslo),
            report(heart, {"zavel.weather.deck"}, {reloadNotice}, {"zavel.deck.weather.favs"}));
  EXPECT_EQ(dataSeenAfresh("zavel.weather.deck", oslo)["cities"][1],
            Json::parse(R"({"name": "KYOTO", "temp": "—", "fav": true})"));
}

TEST_F(FeaturedDeckKeys, NowPlayingAndRemoteTransportAndLoveKeys) {
  const Json previous = intent("MediaCommandIntent", {{"command", "previous"}});
  const Json next = intent("MediaCommandIntent", {{"command", "next"}});
  const Json playPause = intent("MediaCommandIntent", {{"command", "playpause"}});
  const Json love = intent("ToggleLikeTrackIntent");
  // Without a record the love key does nothing at all.
  EXPECT_EQ(press("zavel.nowplaying", love), report(love, {"zavel.nowplaying"}, {}, {}));

  MediaBridge::setNowPlaying(
      NowPlayingSnapshot{"Tide", "Harbour", 30, 245, false, kit::foundation::Date{}});
  for (const auto &[kind, commands] : {std::pair{"zavel.nowplaying", std::vector{previous, next}},
                                       std::pair{"zavel.remote", std::vector{previous, next}}})
    for (const Json &key : commands)
      EXPECT_EQ(press(kind, key),
                report(key, {kind},
                       {"com.brekholt.zavel.media." + key["params"]["command"].get<std::string>()},
                       {}))
          << kind;

  EXPECT_EQ(press("zavel.nowplaying", love),
            report(love, {"zavel.nowplaying", "zavel.remote"},
                   {"com.brekholt.zavel.media.favorite", reloadNotice}, {"zavel.media.liked.v1"}));
  EXPECT_EQ(dataSeenAfresh("zavel.nowplaying")["liked"], true);

  for (const char *kind : {"zavel.nowplaying", "zavel.remote"}) {
    bool playing = dataSeenAfresh(kind)["now"]["isPlaying"];
    EXPECT_EQ(press(kind, playPause),
              report(playPause, {"zavel.nowplaying", "zavel.remote"},
                     {"com.brekholt.zavel.media.playpause"}, {"zavel.nowplaying.v1"}));
    EXPECT_EQ(dataSeenAfresh(kind)["now"]["isPlaying"], !playing) << kind;
  }
}

TEST_F(FeaturedDeckKeys, NotesDeckChevronsAndPin) {
  const Json up = intent("NoteDeckCycleIntent", {{"step", -1}});
  const Json down = intent("NoteDeckCycleIntent", {{"step", 1}});
  const Json pin = intent("NoteDeckPinIntent");
  // With no notes the pin key does nothing.
  EXPECT_EQ(press("zavel.notes.deck", pin), report(pin, {"zavel.notes.deck"}, {}, {}));

  std::vector<NoteItem> notes;
  for (const char *text : {"Oldest", "Middle", "Newest"})
    notes.push_back({kit::foundation::UUID::random(), text,
                     kit::foundation::Date{double(notes.size()) * 60}, false});
  std::ofstream(NotesStore::fileURL()) << kit::foundation::encodeJson(notes).dump();
  const std::vector<std::string> noteKinds{"zavel.notes.deck", "zavel.notes.pinned",
                                           "zavel.notes.list"};
  for (const auto &[key, index] :
       {std::pair{down, 1}, std::pair{down, 2}, std::pair{down, 0}, std::pair{up, 2}}) {
    EXPECT_EQ(press("zavel.notes.deck", key),
              report(key, noteKinds, {reloadNotice}, {"zavel.deck.notes.idx"}));
    EXPECT_EQ(dataSeenAfresh("zavel.notes.deck")["index"], index);
  }
  EXPECT_EQ(press("zavel.notes.deck", pin), report(pin, noteKinds, {reloadNotice}, {"notes.json"}));
  // The deck's third note, newest first, is the oldest; pinning does not move it.
  Json shown = dataSeenAfresh("zavel.notes.deck");
  EXPECT_EQ(shown["notes"][2]["text"], "Oldest");
  EXPECT_EQ(shown["notes"][2]["pinned"], true);
}

TEST_F(FeaturedDeckKeys, ThePostsOfAKeyReachTheSessionBus) {
  test::PrivateBus bus;
  ASSERT_TRUE(bus.started()) << "dbus-daemon could not be started";
  kit::foundation::testing::BusListener listener;
  ASSERT_TRUE(listener.connected());
  MediaBridge::setNowPlaying(
      NowPlayingSnapshot{"Tide", "Harbour", 30, 245, false, kit::foundation::Date{}});
  std::vector<std::string> at =
      keyCentre("zavel.nowplaying", intent("ToggleLikeTrackIntent"), "{}");
  printed(runExecutable({"press", "zavel.nowplaying", at[0], at[1]}));
  std::vector<std::string> names;
  for (const auto &signal : listener.waitFor("com.brekholt.zavel.", 2))
    names.push_back(signal.name);
  EXPECT_EQ(names, (std::vector<std::string>{"com.brekholt.zavel.media.favorite", reloadNotice}));
}

} // namespace
} // namespace zavel::host::testing
