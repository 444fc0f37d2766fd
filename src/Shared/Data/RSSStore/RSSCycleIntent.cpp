#include "Shared/Data/RSSStore/RSSCycleIntent.h"

#include "Shared/Data/ExtrasStores/ReloadKinds.h"
#include "Shared/Data/RSSStore/RSSStore.h"

namespace zavel {

kit::intents::IntentResult RSSCycleIntent::perform() const noexcept {
  try {
    RSSStore::cycleDeckIndex(step);
    reloadKinds({"zavel.rss.deck"});
  } catch (...) {
    // Nothing is shown about a failure; the deck stays where it was.
  }
  return kit::intents::IntentResult::result();
}

} // namespace zavel
