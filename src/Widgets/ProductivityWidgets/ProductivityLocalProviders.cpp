#include "Widgets/ProductivityWidgets/ProductivityLocalProviders.h"

#include "Shared/Data/ExtrasProviders/QuoteProvider.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/MediaIntents/MediaBridge.h"

namespace zavel {

using kit::foundation::Clock;
using std::filesystem::path;

LocalProvider<StopwatchState> StopwatchLocalProvider(const path &home, const Clock &clock) {
  return {
      .sample = StopwatchState::sample(),
      .live =
          [home] {
            return ExtrasStore::read<StopwatchState>(ExtrasStore::stopwatchKey, home)
                .value_or(StopwatchState{});
          },
      .refreshMinutes = 60,
      .clock = clock,
  };
}

LocalProvider<QuoteItem> QuoteLocalProvider(const Clock &clock) {
  return {
      .sample = QuoteProvider::quotations().front(),
      .live = [clock] { return QuoteProvider::today(clock.now()); },
      .refreshMinutes = 360,
      .clock = clock,
  };
}

LocalProvider<InboxSnapshot> InboxLocalProvider(const path &home, const Clock &clock) {
  return {
      .sample = InboxSnapshot::zavelSample(),
      .live =
          [home, clock] {
            InboxSnapshot unconnected{.unread = 0,
                                      .latestPreview = std::nullopt,
                                      .latestDate = std::nullopt,
                                      .connected = false,
                                      .updated = clock.now()};
            return MediaBridge::inbox(home).value_or(unconnected);
          },
      .refreshMinutes = 15,
      .clock = clock,
  };
}

} // namespace zavel
