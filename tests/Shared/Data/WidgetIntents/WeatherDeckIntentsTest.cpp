#include "Shared/Data/DeckState.h"
#include "Shared/Data/WidgetIntents/ToggleFavCityIntent.h"
#include "Shared/Data/WidgetIntents/WeatherDeckViewIntent.h"

#include "ActionTesting.h"

namespace zavel {
namespace {

using test::reloadedAndNotified;

class WeatherDeckIntents : public test::ActionTest {};

TEST_F(WeatherDeckIntents, ScreenKeyStoresTheNamedScreenOrHome) {
  EXPECT_EQ(WeatherDeckViewIntent().view, "home");
  EXPECT_EQ(WeatherDeckViewIntent(DeckState::WeatherView::fav).view, "fav");
  struct Case {
    const char *view;
    const char *stored;
  };
  const Case cases[] = {{"week", "week"}, {"Week", "home"},   {"fav", "fav"},
                        {"", "home"},     {"today", "today"}, {"home ", "home"}};
  std::vector<std::string> expected;
  for (const auto &c : cases) {
    WeatherDeckViewIntent{}.perform(environment()); // from the default
    WeatherDeckViewIntent intent;
    intent.view = c.view;
    intent.perform(environment());
    EXPECT_EQ(stored(DeckState::weatherViewKey),
              kit::foundation::DefaultsValue(std::string(c.stored)))
        << c.view;
    for (int run = 0; run < 2; ++run)
      for (const auto &event : reloadedAndNotified({"zavel.weather.deck"}))
        expected.push_back(event);
  }
  EXPECT_EQ(log.events(), expected);
}

TEST_F(WeatherDeckIntents, SaveKeyTogglesTheCityAndReloadsTheDeck) {
  EXPECT_EQ(ToggleFavCityIntent().name, "");
  ToggleFavCityIntent{.name = "Lisbon"}.perform(environment());
  ToggleFavCityIntent{.name = "Kyoto"}.perform(environment());
  EXPECT_EQ(DeckState::favCities(), (DeckState::NameSet{"Kyoto", "Lisbon"}));
  ToggleFavCityIntent{.name = "Lisbon"}.perform(environment());
  EXPECT_EQ(DeckState::favCities(), DeckState::NameSet{"Kyoto"});
  auto once = reloadedAndNotified({"zavel.weather.deck"});
  EXPECT_EQ(log.events(),
            (std::vector<std::string>{once[0], once[1], once[0], once[1], once[0], once[1]}));
}

} // namespace
} // namespace zavel
