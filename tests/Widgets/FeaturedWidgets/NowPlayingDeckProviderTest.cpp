#include "Widgets/FeaturedWidgets/NowPlayingDeckProvider.h"

#include "Shared/Data/DeckState.h"
#include "Shared/Data/MediaIntents/MediaBridge.h"
#include "Widgets/WeatherWidgets/WeatherWidgetsTesting.h"
#include "kit/foundation/Iso8601.h"

#include <gtest/gtest.h>

#include <limits>

namespace zavel {
namespace {

using kit::foundation::Date;
using test::kOnScreen;

constexpr int64_t far = std::numeric_limits<int64_t>::max();

class NowPlayingTimeline : public ::testing::Test {
protected:
  NowPlayingDeckProvider provider() const {
    return {home.path(), kit::foundation::Clock::fixed(now)};
  }
  NowPlayingSnapshot record(int64_t position, int64_t duration, bool playing,
                            double stampedAgo) const {
    return {"Tide", "Harbour", position, duration, playing, now.addingTimeInterval(-stampedAgo)};
  }

  test::TempHome home;
  const Date now = *kit::foundation::dateFromIso8601("2026-03-02T10:00:00Z");
  const CasingConfigIntent cream{CasingOption::cream};
};

// Positions from `first` in steps of 15 seconds up to `last`, then `end` once.
std::vector<int64_t> steps(int64_t first, int64_t last, std::optional<int64_t> end) {
  std::vector<int64_t> positions;
  for (int64_t position = first; position <= last; position += 15)
    positions.push_back(position);
  if (end)
    positions.push_back(*end);
  return positions;
}

TEST_F(NowPlayingTimeline, APlayingTrackAdvancesEveryFifteenSecondsUntilItsEnd) {
  const struct {
    const char *name;
    int64_t position = 0;
    int64_t duration = 0;
    bool playing = true;
    double stampedAgo = 0;
    // Of the entries, 15 seconds apart from now; none: one entry of the record as stored.
    std::optional<std::vector<int64_t>> positions = std::nullopt;
  } cases[] = {
      {.name = "finishing",
       .position = 30,
       .duration = 245,
       .stampedAgo = 100,
       .positions = steps(130, 235, 245)},
      {.name = "long", .duration = 3600, .positions = steps(0, 285, std::nullopt)},
      {.name = "at its end", .position = 245, .duration = 245, .positions = {{245}}},
      {.name = "stamped ahead",
       .position = 30,
       .duration = 245,
       .stampedAgo = -50,
       .positions = steps(30, 240, 245)},
      {.name = "stored below the start",
       .position = -40,
       .duration = 245,
       .stampedAgo = 10,
       .positions = steps(10, 235, 245)},
      {.name = "stamped before any sum fits",
       .position = far - 5,
       .duration = far,
       .stampedAgo = 100,
       .positions = {{far}}},
      {.name = "paused", .position = 30, .duration = 245, .playing = false, .stampedAgo = 100},
      {.name = "unknown length", .position = 30, .stampedAgo = 100},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    NowPlayingSnapshot stored = record(c.position, c.duration, c.playing, c.stampedAgo);
    MediaBridge::setNowPlaying(stored, home.path());
    auto timeline = provider().timeline(cream, kOnScreen);
    EXPECT_EQ(timeline.policy, test::reloadAfterMinutes(now, 2));
    if (!c.positions) {
      EXPECT_EQ(timeline.entries,
                (std::vector<NowPlayingEntry>{{now, {stored, false}, CasingOption::cream}}));
      continue;
    }
    ASSERT_EQ(timeline.entries.size(), c.positions->size());
    for (std::size_t k = 0; k < timeline.entries.size(); ++k) {
      NowPlayingSnapshot advanced = stored;
      advanced.positionSeconds = (*c.positions)[k];
      advanced.updated = now.addingTimeInterval(15.0 * double(k));
      EXPECT_EQ(timeline.entries[k],
                (NowPlayingEntry{advanced.updated, {advanced, false}, CasingOption::cream}))
          << k;
    }
  }
}

TEST_F(NowPlayingTimeline, LovedByTheStoredKeyOnlyWhileARecordIsShared) {
  NowPlayingData nothing = NowPlayingData::nothingPlaying(now);
  DeckState::setLikedTracks({nothing.now.title + "|" + nothing.now.artist, "Tide|Harbour"},
                            home.path());
  EXPECT_EQ(provider().timeline(cream, kOnScreen).entries,
            (std::vector<NowPlayingEntry>{{now, nothing, CasingOption::cream}}));
  EXPECT_EQ(nothing.now.title, "Nothing Playing");
  EXPECT_EQ(nothing.now.artist, "Press play to open Music");

  MediaBridge::setNowPlaying(record(30, 245, false, 0), home.path());
  EXPECT_TRUE(provider().snapshot(cream, kOnScreen).data.liked);
  DeckState::setLikedTracks({"tide|harbour"}, home.path());
  EXPECT_FALSE(provider().snapshot(cream, kOnScreen).data.liked);
  test::expectSamplePreviews(provider(), cream, now, NowPlayingData::sample());
}

} // namespace
} // namespace zavel
