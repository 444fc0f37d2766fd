#include "Shared/Data/MediaIntents/MediaCommandIntent.h"
#include "Shared/Data/MediaIntents/MediaBridge.h"

#include "../WidgetIntents/ActionTesting.h"

#include <limits>

namespace zavel {
namespace {

using kit::foundation::Date;

const std::vector<std::string> kFlipped{"reload zavel.nowplaying", "reload zavel.remote",
                                        "notify com.brekholt.zavel.media.playpause"};

class MediaCommand : public test::ActionTest {
protected:
  static NowPlayingSnapshot track(int64_t position, int64_t duration, bool playing, Date updated) {
    return {"Teardrop", "Massive Attack", position, duration, playing, updated};
  }
};

TEST_F(MediaCommand, PlayPauseFreezesOrResumesTheRecordAndReloadsTheMediaWidgets) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  const struct {
    const char *what;
    NowPlayingSnapshot before;
    int64_t position;
  } cases[] = {
      {"playing, 30.7 s on", track(100, 245, true, ago(30.7)), 130},
      {"playing past the end", track(240, 245, true, ago(30)), 245},
      {"paused an hour ago", track(100, 245, false, ago(3600)), 100},
      {"updated in the future", track(100, 245, true, ago(-50)), 100},
      {"unknown length keeps its position", track(50, 0, true, ago(10)), 60},
      {"never below zero", track(-20, 245, false, ago(10)), 0},
      {"elapsed saturates", track(5, 0, true, Date{-1e300}), kMax},
  };
  for (const auto &c : cases) {
    ASSERT_TRUE(SharedSuite::write(MediaBridge::nowPlayingKey, c.before));
    test::ReloadLog caseLog;
    MediaCommandIntent{}.perform(environment());
    auto expected = c.before;
    expected.positionSeconds = c.position;
    expected.isPlaying = !c.before.isPlaying;
    expected.updated = now;
    EXPECT_EQ(MediaBridge::nowPlaying(), expected) << c.what;
    EXPECT_EQ(caseLog.events(), kFlipped) << c.what;
  }
}

TEST_F(MediaCommand, OtherCommandsOrNoRecordOnlyNotifyTheHost) {
  MediaCommandIntent{}.perform(environment()); // play/pause by default, nothing stored
  ASSERT_TRUE(SharedSuite::writeData(MediaBridge::nowPlayingKey, R"({"title":"T"})"));
  MediaCommandIntent{}.perform(environment());
  EXPECT_EQ(SharedSuite::readData(MediaBridge::nowPlayingKey), R"({"title":"T"})");
  auto record = track(100, 245, true, ago(30));
  ASSERT_TRUE(SharedSuite::write(MediaBridge::nowPlayingKey, record));
  MediaCommandIntent{.command = "PlayPause"}.perform(environment());
  MediaCommandIntent{.command = "skip 10 s"}.perform(environment());
  EXPECT_EQ(MediaBridge::nowPlaying(), record);
  EXPECT_EQ(log.events(), (std::vector<std::string>{kFlipped[2], kFlipped[2],
                                                    "notify com.brekholt.zavel.media.PlayPause",
                                                    "notify com.brekholt.zavel.media.skip 10 s"}));
}

} // namespace
} // namespace zavel
