#include "Shared/Data/DeckState.h"
#include "Shared/Data/MediaIntents/MediaBridge.h"
#include "Shared/Data/MediaIntents/MediaCommandIntent.h"
#include "Shared/Data/MediaIntents/ToggleLikeTrackIntent.h"

#include "../WidgetIntents/ActionTesting.h"

#include <cmath>
#include <limits>

namespace zavel {
namespace {

using kit::foundation::Date;
using Names = std::vector<std::string>;

const Names kFlipped{"reload zavel.nowplaying", "reload zavel.remote",
                     "notify com.brekholt.zavel.media.playpause"};

NowPlayingSnapshot track(int64_t position, int64_t duration, bool playing, Date updated) {
  return {"Teardrop", "Massive Attack", position, duration, playing, updated};
}

using MediaIntents = test::ActionTest;

TEST_F(MediaIntents, ClearingOrARecordThatCannotBeStoredRemovesTheStoredOne) {
  EXPECT_FALSE(MediaBridge::nowPlaying());
  const auto record = track(100, 245, true, Date{760000000});
  MediaBridge::setNowPlaying(record);
  EXPECT_EQ(MediaBridge::nowPlaying(), record);
  MediaBridge::setNowPlaying(std::nullopt);
  EXPECT_FALSE(stored(MediaBridge::nowPlayingKey));
  MediaBridge::setNowPlaying(record);
  MediaBridge::setNowPlaying(track(100, 245, true, Date{NAN}));
  EXPECT_FALSE(stored(MediaBridge::nowPlayingKey));
}

TEST_F(MediaIntents, PlayPauseFreezesOrResumesTheRecordAndReloadsTheMediaWidgets) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  const std::pair<NowPlayingSnapshot, int64_t> cases[] = {
      {track(100, 245, true, ago(30.7)), 130},
      {track(240, 245, true, ago(30)), 245},    // playing past the end
      {track(100, 245, false, ago(3600)), 100}, // paused
      {track(100, 245, true, ago(-50)), 100},   // updated in the future
      {track(50, 0, true, ago(10)), 60},        // unknown length keeps its position
      {track(-20, 245, false, ago(10)), 0},
      {track(5, 0, true, Date{-1e300}), kMax}, // elapsed saturates
  };
  for (const auto &[before, position] : cases) {
    ASSERT_TRUE(SharedSuite::write(MediaBridge::nowPlayingKey, before));
    test::ReloadLog caseLog;
    MediaCommandIntent{}.perform(environment());
    auto expected = before;
    std::tie(expected.positionSeconds, expected.isPlaying, expected.updated) =
        std::tuple(position, !before.isPlaying, now);
    EXPECT_EQ(MediaBridge::nowPlaying(), expected) << before.positionSeconds;
    EXPECT_EQ(caseLog.events(), kFlipped) << before.positionSeconds;
  }
}

// As a write of none would: the host application's record is not left half flipped.
TEST_F(MediaIntents, AFlipThatCannotBeStoredRemovesTheRecordAndStillReloads) {
  ASSERT_TRUE(SharedSuite::write(MediaBridge::nowPlayingKey, track(100, 245, false, ago(10))));
  auto unstorableNow = environment();
  unstorableNow.clock = kit::foundation::Clock::fixed(Date{NAN});
  MediaCommandIntent{}.perform(unstorableNow);
  EXPECT_FALSE(stored(MediaBridge::nowPlayingKey));
  EXPECT_EQ(log.events(), kFlipped);
}

TEST_F(MediaIntents, OtherCommandsOrNoRecordOnlyNotifyTheHost) {
  MediaCommandIntent{}.perform(environment()); // play/pause by default, nothing stored
  ASSERT_TRUE(SharedSuite::writeData(MediaBridge::nowPlayingKey, R"({"title":"T"})"));
  MediaCommandIntent{}.perform(environment());
  EXPECT_EQ(SharedSuite::readData(MediaBridge::nowPlayingKey), R"({"title":"T"})");
  auto record = track(100, 245, true, ago(30));
  ASSERT_TRUE(SharedSuite::write(MediaBridge::nowPlayingKey, record));
  MediaCommandIntent{.command = "PlayPause"}.perform(environment());
  MediaCommandIntent{.command = "skip 10 s"}.perform(environment());
  EXPECT_EQ(MediaBridge::nowPlaying(), record);
  EXPECT_EQ(log.events(),
            (Names{kFlipped[2], kFlipped[2], "notify com.brekholt.zavel.media.PlayPause",
                   "notify com.brekholt.zavel.media.skip 10 s"}));
}

TEST_F(MediaIntents, LovePressesAlternateBetweenLovedAndNotByTitleAndArtistAsTheyAre) {
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
              kit::foundation::DefaultsValue(*command == 'f' ? Names{"A|B|C", "Zebra|Z"}
                                                             : Names{"Zebra|Z"}));
  }
  EXPECT_EQ(log.events(), events);
}

// Loved tracks kept in a form the deck cannot read stay, and the host hears of no change.
TEST_F(MediaIntents, LoveLeavesALovedListItCannotReadAndTellsNobody) {
  MediaBridge::setNowPlaying(NowPlayingSnapshot{"A", "B", 0, 0, true, now});
  const kit::foundation::DefaultsValue unreadable = kit::foundation::Data{R"(["Zebra|Z"])"};
  store(DeckState::likedTracksKey, unreadable);
  ToggleLikeTrackIntent{}.perform(environment());
  EXPECT_EQ(stored(DeckState::likedTracksKey), unreadable);
  EXPECT_TRUE(log.events().empty());
}

} // namespace
} // namespace zavel
