#include "Shared/Data/MediaIntents/MediaBridge.h"

#include "Shared/Data/SharedSuite.h"
#include "support/TempHome.h"

#include <cmath>
#include <gtest/gtest.h>

namespace zavel {
namespace {

using kit::foundation::Date;

TEST(MediaBridge, ClearingOrARecordThatCannotBeStoredRemovesTheStoredOne) {
  test::TempHome home;
  EXPECT_FALSE(MediaBridge::nowPlaying());
  const NowPlayingSnapshot track{"Teardrop", "Massive Attack", 100, 245, true, Date{760000000}};
  MediaBridge::setNowPlaying(track);
  EXPECT_EQ(MediaBridge::nowPlaying(), track);
  MediaBridge::setNowPlaying(std::nullopt);
  EXPECT_FALSE(SharedSuite::open().object(MediaBridge::nowPlayingKey));
  MediaBridge::setNowPlaying(track);
  auto broken = track;
  broken.updated = Date{NAN};
  MediaBridge::setNowPlaying(broken);
  EXPECT_FALSE(SharedSuite::open().object(MediaBridge::nowPlayingKey));
}

} // namespace
} // namespace zavel
