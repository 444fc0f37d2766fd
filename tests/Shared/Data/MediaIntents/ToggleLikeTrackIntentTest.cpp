#include "Shared/Data/MediaIntents/ToggleLikeTrackIntent.h"
#include "Shared/Data/DeckState.h"
#include "Shared/Data/MediaIntents/MediaBridge.h"

#include "../WidgetIntents/ActionTesting.h"

namespace zavel {
namespace {

using kit::foundation::DefaultsValue;

class LoveTrack : public test::ActionTest {
protected:
  void play(std::string title, std::string artist) {
    MediaBridge::setNowPlaying(
        NowPlayingSnapshot{std::move(title), std::move(artist), 0, 0, true, now});
  }
  static std::vector<std::string> afterMedia(const std::string &command) {
    return {"notify com.brekholt.zavel.media." + command, "reload zavel.nowplaying",
            "reload zavel.remote", "notify com.brekholt.zavel.reloadwidgets"};
  }
};

TEST_F(LoveTrack, WithoutAPlayingTrackNothingHappens) {
  ToggleLikeTrackIntent{}.perform(environment());
  ASSERT_TRUE(SharedSuite::writeData(MediaBridge::nowPlayingKey, "{}"));
  ToggleLikeTrackIntent{}.perform(environment());
  EXPECT_TRUE(log.events().empty());
  EXPECT_FALSE(stored(DeckState::likedTracksKey));
}

TEST_F(LoveTrack, PressesAlternateBetweenLovedAndNot) {
  play("Teardrop", "Massive Attack");
  ToggleLikeTrackIntent{}.perform(environment());
  EXPECT_EQ(stored(DeckState::likedTracksKey),
            DefaultsValue(std::vector<std::string>{"Teardrop|Massive Attack"}));
  EXPECT_EQ(log.events(), afterMedia("favorite"));
  ToggleLikeTrackIntent{}.perform(environment());
  EXPECT_EQ(stored(DeckState::likedTracksKey), DefaultsValue(std::vector<std::string>{}));
  auto both = afterMedia("favorite");
  for (const auto &event : afterMedia("unfavorite"))
    both.push_back(event);
  EXPECT_EQ(log.events(), both);
}

TEST_F(LoveTrack, KeyJoinsTitleAndArtistAsTheyAre) {
  store(DeckState::likedTracksKey, std::vector<std::string>{"Zebra|Z"});
  play("A|B", "C");
  ToggleLikeTrackIntent{}.perform(environment());
  EXPECT_EQ(stored(DeckState::likedTracksKey),
            DefaultsValue(std::vector<std::string>{"A|B|C", "Zebra|Z"}));
}

} // namespace
} // namespace zavel
