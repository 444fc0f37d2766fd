#include "Shared/Data/RSSStore/RSSCycleIntent.h"

#include "Shared/Data/RSSStore/RSSStore.h"
#include "Shared/Data/RSSStore/WidgetReload.h"

namespace zavel {

kit::intents::IntentResult RSSCycleIntent::perform() const noexcept {
  try {
    RSSStore::cycleDeckIndex(step);
    reloadWidgetKinds({"zavel.rss.deck"});
  } catch (...) {
    // Nothing is shown about a failure; the deck stays where it was.
  }
  return kit::intents::IntentResult::result();
}

} // namespace zavel
