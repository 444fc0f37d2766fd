#include "Shared/Data/DeckState.h"

#include "WidgetIntents/ActionTesting.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

using DeckState::NameSet;
using DeckState::WeatherView;
using kit::foundation::Data;
using kit::foundation::DefaultsValue;
using DeckStateTest = test::ActionTest;
using Names = std::vector<std::string>;

std::optional<Names> storedArray(std::string_view key) {
  return SharedSuite::open().stringArray(key);
}

TEST_F(DeckStateTest, ScreenReadsOnlyExactRawValuesAndHomeOtherwise) {
  EXPECT_EQ(DeckState::weatherView(), WeatherView::home); // unset
  std::pair<DefaultsValue, WeatherView> cases[] = {
      {std::string("week"), WeatherView::week},
      {std::string("Today"), WeatherView::home},
      {int64_t{2}, WeatherView::home},
  };
  for (const auto &[stored, view] : cases) {
    store(DeckState::weatherViewKey, stored);
    EXPECT_EQ(DeckState::weatherView(), view) << DeckState::rawValue(view);
  }
  for (auto view : DeckState::allWeatherViews) {
    DeckState::setWeatherView(view);
    EXPECT_EQ(DeckState::weatherView(), view) << DeckState::rawValue(view);
  }
}

TEST_F(DeckStateTest, FavouritesAreStoredSortedByCodePointAndToggleInAndOut) {
  store(DeckState::favCitiesKey, Names{"Sydney", "Lisbon", "Lisbon"});
  EXPECT_EQ(DeckState::favCities(), (NameSet{"Lisbon", "Sydney"})); // duplicates collapse
  for (const char *city : {"Kyoto", "oslo", "Zürich", "", "Sydney"})
    DeckState::toggleFavCity(city);
  // Not by locale: upper-case ASCII before lower case, accented letters after both.
  EXPECT_EQ(storedArray(DeckState::favCitiesKey), (Names{"", "Kyoto", "Lisbon", "Zürich", "oslo"}));
  for (const char *city : {"", "Kyoto", "Lisbon", "Zürich", "oslo"})
    DeckState::toggleFavCity(city);
  EXPECT_EQ(storedArray(DeckState::favCitiesKey), Names{}); // an empty array, not none

  store(DeckState::likedTracksKey, Data{R"(["a|b"])"});
  EXPECT_TRUE(DeckState::likedTracks().empty());
}

// A saved list in a form the deck cannot read is not replaced by a toggle's guess.
TEST_F(DeckStateTest, ToggleLeavesAStoredValueThatIsNoListOfNamesAsItIs) {
  const DefaultsValue unreadable[] = {Data{R"(["Lisbon"])"}, std::string("Lisbon"), int64_t{3}};
  for (const auto &value : unreadable) {
    store(DeckState::favCitiesKey, value);
    store(DeckState::likedTracksKey, value);
    DeckState::toggleFavCity("Kyoto");
    EXPECT_EQ(DeckState::toggleLikedTrack("a|b"), std::nullopt);
    EXPECT_EQ(stored(DeckState::favCitiesKey), value);
    EXPECT_EQ(stored(DeckState::likedTracksKey), value);
  }
  SharedSuite::open().removeObject(DeckState::likedTracksKey);
  EXPECT_EQ(DeckState::toggleLikedTrack("a|b"), false);
  EXPECT_EQ(DeckState::toggleLikedTrack("a|b"), true);
  EXPECT_EQ(storedArray(DeckState::likedTracksKey), Names{});
}

TEST_F(DeckStateTest, TwoSpellingsOfOneNameAreOneMember) {
  const std::string composed = "Z\u00FCrich", decomposed = "Zu\u0308rich";
  DeckState::toggleFavCity(composed);
  DeckState::toggleFavCity(decomposed);
  EXPECT_EQ(storedArray(DeckState::favCitiesKey), Names{});
  NameSet liked{decomposed};
  EXPECT_TRUE(DeckState::toggleMember(liked, composed));
  EXPECT_FALSE(DeckState::toggleMember(liked, "a|b"));
  DeckState::setLikedTracks(liked);
  EXPECT_EQ(storedArray(DeckState::likedTracksKey), Names{"a|b"});
}

} // namespace
} // namespace zavel
