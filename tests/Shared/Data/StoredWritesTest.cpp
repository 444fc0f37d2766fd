#include "Shared/Data/AppGroup.h"
#include "Shared/Data/DeckState.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/MediaIntents/MediaBridge.h"
#include "Shared/Data/RSSStore/DeckIndex.h"

#include "WidgetIntents/ActionTesting.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace zavel {
namespace {

using StoredWritesTest = test::ActionTest;

// Every writer of the decks', counters' and media state says whether the suite took the write:
// true on a suite that does, false on a read-only one, whose value stays as it was.
TEST_F(StoredWritesTest, EveryWriteSaysWhetherTheSuiteTookIt) {
  auto clock = kit::foundation::Clock::fixed(now);
  auto habit = HabitItem::samples().front().id;
  struct Writer {
    const char *name;
    std::string key;
    std::function<bool()> write;
  };
  const Writer writers[] = {
      {"screen", std::string(DeckState::weatherViewKey),
       [] { return DeckState::setWeatherView(DeckState::WeatherView::week); }},
      {"cities", std::string(DeckState::favCitiesKey),
       [] { return DeckState::setFavCities({"Kyoto"}); }},
      {"city toggled", std::string(DeckState::favCitiesKey),
       [] { return DeckState::toggleFavCity("Oslo").has_value(); }},
      {"note position", std::string(DeckState::noteIndexKey),
       [] { return DeckState::setNoteIndex(2); }},
      {"note position cycled", std::string(DeckState::noteIndexKey),
       [] { return DeckState::cycleNoteIndex(1, 3); }},
      {"loved tracks", std::string(DeckState::likedTracksKey),
       [] { return DeckState::setLikedTracks({"a|b"}); }},
      {"now playing", std::string(MediaBridge::nowPlayingKey),
       [] {
         return MediaBridge::setNowPlaying(
             NowPlayingSnapshot{"Tide", "Harbour", 30, 245, true, {}});
       }},
      {"feed position", std::string(RSSStore::deckIndexKey),
       [] { return RSSStore::setDeckIndex(4); }},
      {"feed position cycled", std::string(RSSStore::deckIndexKey),
       [] { return RSSStore::cycleDeckIndex(1).has_value(); }},
      {"water", "zavel.counter.water.2025-03-05",
       [&] { return ExtrasStore::addToCounter("water", 1, clock, home.path()); }},
      {"habit", std::string(ExtrasStore::habitsKey),
       [&] { return ExtrasStore::toggleHabitToday(habit, clock, home.path()); }},
      // Last, so the read-only pass below finds a record to keep.
      {"now playing removed", std::string(MediaBridge::nowPlayingKey),
       [] { return MediaBridge::setNowPlaying(std::nullopt); }},
  };
  for (const Writer &w : writers)
    EXPECT_TRUE(w.write()) << w.name;
  ASSERT_TRUE(MediaBridge::setNowPlaying(NowPlayingSnapshot{"Tide", "Harbour", 30, 245, true, {}}));

  auto suite = home.suiteFile(std::string(AppGroup::identifier));
  ::chmod(suite.c_str(), 0444);
  for (const Writer &w : writers) {
    auto before = stored(w.key);
    EXPECT_FALSE(w.write()) << w.name;
    EXPECT_EQ(stored(w.key), before) << w.name;
  }
  ::chmod(suite.c_str(), 0644);
}

// A write that finds nothing to change writes nothing and says so.
TEST_F(StoredWritesTest, AWriteWithNothingToChangeSaysNothingWasStored) {
  auto clock = kit::foundation::Clock::fixed(now);
  store(DeckState::favCitiesKey, std::string("Lisbon"));
  EXPECT_EQ(DeckState::toggleFavCity("Kyoto"), std::nullopt);
  store("zavel.counter.water.2025-03-05", std::string("many"));
  EXPECT_FALSE(ExtrasStore::addToCounter("water", 1, clock, home.path()));
  EXPECT_FALSE(ExtrasStore::toggleHabitToday(kit::foundation::UUID::random(), clock, home.path()));
  EXPECT_FALSE(stored(ExtrasStore::habitsKey));
}

} // namespace
} // namespace zavel
