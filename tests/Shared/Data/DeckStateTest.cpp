#include "Shared/Data/DeckState.h"

#include "Shared/Data/SharedSuite.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <limits>

namespace zavel {
namespace {

using DeckState::NameSet;
using DeckState::WeatherView;
using kit::foundation::Data;
using kit::foundation::DefaultsValue;
using test::TempHome;

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

void store(std::string_view key, const DefaultsValue &value) {
  ASSERT_TRUE(SharedSuite::open().set(key, value));
}

std::optional<std::vector<std::string>> storedArray(std::string_view key) {
  return SharedSuite::open().stringArray(key);
}

TEST(DeckState, ScreenReadsOnlyExactRawValuesAndHomeOtherwise) {
  TempHome home;
  EXPECT_EQ(DeckState::weatherView(), WeatherView::home); // unset
  struct Case {
    DefaultsValue stored;
    WeatherView expected;
  };
  const Case cases[] = {
      {std::string("fav"), WeatherView::fav},    {std::string("week"), WeatherView::week},
      {std::string("Today"), WeatherView::home}, {std::string(" today"), WeatherView::home},
      {int64_t{2}, WeatherView::home},           {Data{"today"}, WeatherView::home},
  };
  for (const auto &c : cases) {
    store(DeckState::weatherViewKey, c.stored);
    EXPECT_EQ(DeckState::weatherView(), c.expected) << DeckState::rawValue(c.expected);
  }
  for (auto view : DeckState::allWeatherViews) {
    DeckState::setWeatherView(view);
    EXPECT_EQ(SharedSuite::open().string(DeckState::weatherViewKey),
              std::string(DeckState::rawValue(view)));
    EXPECT_EQ(DeckState::weatherView(), view);
  }
}

TEST(DeckState, FavouritesAreStoredSortedByCodePointAndToggleInAndOut) {
  TempHome home;
  store(DeckState::favCitiesKey, std::vector<std::string>{"Sydney", "Lisbon"});
  DeckState::toggleFavCity("Kyoto");
  EXPECT_EQ(storedArray(DeckState::favCitiesKey),
            (std::vector<std::string>{"Kyoto", "Lisbon", "Sydney"}));
  DeckState::toggleFavCity("oslo");
  DeckState::toggleFavCity("Zürich");
  DeckState::toggleFavCity("");
  // Not by locale: upper-case ASCII before lower case, accented letters after both.
  EXPECT_EQ(storedArray(DeckState::favCitiesKey),
            (std::vector<std::string>{"", "Kyoto", "Lisbon", "Sydney", "Zürich", "oslo"}));
  DeckState::toggleFavCity("Lisbon");
  DeckState::toggleFavCity("Lisbon");
  EXPECT_EQ(DeckState::favCities(), (NameSet{"", "Kyoto", "Lisbon", "Sydney", "Zürich", "oslo"}));
}

TEST(DeckState, TogglingTheOnlyCityTwiceKeepsAnEmptyStoredArray) {
  TempHome home;
  DeckState::toggleFavCity("Lisbon");
  DeckState::toggleFavCity("Lisbon");
  EXPECT_EQ(storedArray(DeckState::favCitiesKey), std::vector<std::string>{});
}

TEST(DeckState, StoredDuplicatesCollapseAndOtherFormsReadAsEmpty) {
  TempHome home;
  store(DeckState::favCitiesKey, std::vector<std::string>{"Lisbon", "Lisbon"});
  EXPECT_EQ(DeckState::favCities(), NameSet{"Lisbon"});
  DeckState::toggleFavCity("Lisbon");
  EXPECT_EQ(storedArray(DeckState::favCitiesKey), std::vector<std::string>{});
  store(DeckState::favCitiesKey, std::string("Lisbon"));
  EXPECT_TRUE(DeckState::favCities().empty());
  store(DeckState::likedTracksKey, Data{R"(["a|b"])"});
  EXPECT_TRUE(DeckState::likedTracks().empty());
}

TEST(DeckState, TwoSpellingsOfOneNameAreOneMember) {
  TempHome home;
  const std::string composed = "Z\u00FCrich";
  const std::string decomposed = "Zu\u0308rich";
  DeckState::toggleFavCity(composed);
  DeckState::toggleFavCity(decomposed);
  EXPECT_EQ(storedArray(DeckState::favCitiesKey), std::vector<std::string>{});
  NameSet liked{decomposed};
  EXPECT_TRUE(DeckState::toggleMember(liked, composed));
  EXPECT_TRUE(liked.empty());
  EXPECT_FALSE(DeckState::toggleMember(liked, "a|b"));
  DeckState::setLikedTracks(liked);
  EXPECT_EQ(storedArray(DeckState::likedTracksKey), std::vector<std::string>{"a|b"});
}

TEST(DeckState, NoteIndexIsStoredAndReadUnchanged) {
  TempHome home;
  EXPECT_EQ(DeckState::noteIndex(), 0);
  DeckState::setNoteIndex(7);
  EXPECT_EQ(DeckState::noteIndex(), 7);
  DeckState::setNoteIndex(-3);
  EXPECT_EQ(DeckState::noteIndex(), -3);
  store(DeckState::noteIndexKey, std::string("twelve"));
  EXPECT_EQ(DeckState::noteIndex(), 0);
}

TEST(DeckState, PositionsStayInRangeWhateverIsStored) {
  struct Case {
    int64_t index, count, position;
  };
  const Case cases[] = {{9, 3, 2}, {1, 3, 1}, {-4, 3, 0}, {kMax, 5, 4}, {kMin, 5, 0}, {5, 0, 0}};
  for (const auto &c : cases)
    EXPECT_EQ(DeckState::notePosition(c.index, c.count), c.position) << c.index << "/" << c.count;
}

TEST(DeckState, CyclingWrapsBothWaysWithoutOverflowing) {
  struct Case {
    int64_t index, step, count, next;
  };
  const Case cases[] = {
      {4, 1, 5, 0},       {0, -1, 5, 4},    {2, 7, 5, 4},    {9, 1, 3, 1},
      {-1, 1, 5, 0},      {3, -13, 5, 0},   {kMax, 1, 5, 3}, {kMax, kMax, 7, 0},
      {kMin, kMin, 5, 4}, {kMin, -1, 3, 0}, {6, 3, 0, 0},    {kMax, kMin, 1, 0},
  };
  for (const auto &c : cases)
    EXPECT_EQ(DeckState::cycledNoteIndex(c.index, c.step, c.count), c.next)
        << c.index << " + " << c.step << " in " << c.count;
}

} // namespace
} // namespace zavel
