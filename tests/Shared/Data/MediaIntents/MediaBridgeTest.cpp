#include "Shared/Data/MediaIntents/MediaBridge.h"

#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/notifications/NotificationRecorder.h"
#include "support/TempHome.h"

#include <cmath>
#include <gtest/gtest.h>

namespace zavel {
namespace {

using kit::foundation::Date;
using test::TempHome;

const NowPlayingSnapshot kTrack{"Teardrop", "Massive Attack", 100, 245, true, Date{760000000}};

TEST(MediaBridge, NowPlayingReadsOnlyAWholeStoredRecord) {
  TempHome home;
  EXPECT_FALSE(MediaBridge::nowPlaying());
  for (const char *data : {"", "{}", R"({"title":"T","artist":"A","positionSeconds":1})"}) {
    ASSERT_TRUE(SharedSuite::writeData(MediaBridge::nowPlayingKey, data));
    EXPECT_FALSE(MediaBridge::nowPlaying()) << data;
  }
  ASSERT_TRUE(SharedSuite::open().set(MediaBridge::nowPlayingKey, std::string(R"({"title":"T"})")));
  EXPECT_FALSE(MediaBridge::nowPlaying());
  MediaBridge::setNowPlaying(kTrack);
  EXPECT_EQ(MediaBridge::nowPlaying(), kTrack);
}

TEST(MediaBridge, StoringNoneOrARecordThatCannotBeEncodedRemovesTheRecord) {
  TempHome home;
  MediaBridge::setNowPlaying(kTrack);
  MediaBridge::setNowPlaying(std::nullopt);
  EXPECT_FALSE(SharedSuite::open().object(MediaBridge::nowPlayingKey));
  MediaBridge::setNowPlaying(kTrack);
  auto broken = kTrack;
  broken.updated = Date{NAN};
  MediaBridge::setNowPlaying(broken);
  EXPECT_FALSE(SharedSuite::open().object(MediaBridge::nowPlayingKey));
}

TEST(MediaBridge, InboxReadsTheHostsRecordOrNone) {
  TempHome home;
  EXPECT_FALSE(MediaBridge::inbox());
  ASSERT_TRUE(SharedSuite::writeData(MediaBridge::inboxKey, R"({"unread":3,"updated":0})"));
  EXPECT_FALSE(MediaBridge::inbox()); // "connected" is required
  ASSERT_TRUE(SharedSuite::writeData(MediaBridge::inboxKey,
                                     R"({"unread":3,"connected":true,"updated":10})"));
  EXPECT_EQ(MediaBridge::inbox(), (InboxSnapshot{3, std::nullopt, std::nullopt, true, Date{10}}));
}

TEST(MediaBridge, MediaNotificationsCarryTheCommandAsGiven) {
  kit::foundation::NotificationRecorder recorder;
  MediaBridge::postMediaNotification("favorite");
  MediaBridge::postMediaNotification("skip 10 s");
  EXPECT_EQ(recorder.names(), (std::vector<std::string>{"com.brekholt.zavel.media.favorite",
                                                        "com.brekholt.zavel.media.skip 10 s"}));
}

} // namespace
} // namespace zavel
