#include "Shared/Data/RSSStore/RSSCycleIntent.h"

#include "Shared/Data/ExtrasStores/ReloadKinds.h"
#include "Shared/Data/RSSStore/DeckIndex.h"
#include "Shared/Data/WidgetIntents/ActionEnvironment.h"

namespace zavel {

kit::intents::IntentResult RSSCycleIntent::perform() const noexcept {
  return performQuietly([&] {
    RSSStore::cycleDeckIndex(step);
    reloadKinds({"zavel.rss.deck"});
  });
}

} // namespace zavel
