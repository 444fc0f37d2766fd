#include "Shared/Data/WidgetIntents/ToggleFavCityIntent.h"

#include "Shared/Data/DeckState.h"
#include "Shared/Data/ExtrasStores/ReloadKinds.h"

namespace zavel {

kit::intents::IntentResult
ToggleFavCityIntent::perform(const ActionEnvironment &environment) const noexcept {
  return performQuietly([&] {
    DeckState::toggleFavCity(name, environment.home);
    reloadKinds({"zavel.weather.deck"});
  });
}

} // namespace zavel
