#include "Shared/Data/WidgetIntents/WeatherDeckViewIntent.h"

#include "Shared/Data/ExtrasStores/ReloadKinds.h"

namespace zavel {

kit::intents::IntentResult
WeatherDeckViewIntent::perform(const ActionEnvironment &environment) const noexcept {
  return performQuietly([&] {
    auto screen = DeckState::weatherViewFromRawValue(view).value_or(DeckState::WeatherView::home);
    DeckState::setWeatherView(screen, environment.home);
    reloadKinds({"zavel.weather.deck"});
  });
}

} // namespace zavel
