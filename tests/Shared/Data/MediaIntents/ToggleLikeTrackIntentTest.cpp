#include "Shared/Data/MediaIntents/ToggleLikeTrackIntent.h"
#include "Shared/Data/DeckState.h"
#include "Shared/Data/MediaIntents/MediaBridge.h"

#include "../WidgetIntents/ActionTesting.h"

namespace zavel {
namespace {

using kit::foundation::DefaultsValue;
using Names = std::vector<std::string>;

class LoveTrack : public test::ActionTest {};

TEST_F(LoveTrack, PressesAlternateBetweenLovedAndNotByTitleAndArtistAsTheyAre) {
  store(DeckState::likedTracksKey, Names{"Zebra|Z"});
  // Without a whole record of a playing track, nothing happens.
  ToggleLikeTrackIntent{}.perform(environment());
  ASSERT_TRUE(SharedSuite::writeData(MediaBridge::nowPlayingKey, "{}"));
  ToggleLikeTrackIntent{}.perform(environment());
  EXPECT_TRUE(log.events().empty());
  MediaBridge::setNowPlaying(NowPlayingSnapshot{"A|B", "C", 0, 0, true, now});
  Names events;
  for (const char *command : {"favorite", "unfavorite"}) {
    ToggleLikeTrackIntent{}.perform(environment());
    events.push_back(std::string("notify com.brekholt.zavel.media.") + command);
    for (const auto &event : test::reloadedAndNotified({"zavel.nowplaying", "zavel.remote"}))
      events.push_back(event);
    EXPECT_EQ(stored(DeckState::likedTracksKey),
              DefaultsValue(*command == 'f' ? Names{"A|B|C", "Zebra|Z"} : Names{"Zebra|Z"}));
  }
  EXPECT_EQ(log.events(), events);
}

} // namespace
} // namespace zavel
