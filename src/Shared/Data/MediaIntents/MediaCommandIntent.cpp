#include "Shared/Data/MediaIntents/MediaCommandIntent.h"

#include "Shared/Data/MediaIntents/MediaBridge.h"
#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/Saturating.h"
#include "kit/widgets/WidgetCenter.h"

#include <algorithm>

namespace zavel {

using kit::foundation::saturatingAdd;
using kit::foundation::wholeTruncated;

namespace {

// The record as the host will see it after a play/pause: a playing track frozen where it is now
// and paused, a paused one playing on from where it stopped.
NowPlayingSnapshot flipped(NowPlayingSnapshot record, const kit::foundation::Clock &clock) {
  int64_t elapsed = 0;
  if (record.isPlaying)
    elapsed = std::max<int64_t>(wholeTruncated(clock.now().timeIntervalSince(record.updated)), 0);
  int64_t position = saturatingAdd(record.positionSeconds, elapsed);
  // A length below a second is unknown (a stream): no end to stop at.
  if (record.durationSeconds >= 1)
    position = std::min(position, record.durationSeconds);
  record.positionSeconds = std::max<int64_t>(position, 0);
  record.isPlaying = !record.isPlaying;
  record.updated = clock.now();
  return record;
}

// Flips the stored record in one write that no other writer's comes between; a record that
// cannot be encoded is removed, as a write of none would. False when nothing was stored.
bool flipStored(const ActionEnvironment &environment) {
  using kit::foundation::DefaultsChange;
  bool found = false;
  SharedSuite::update(
      MediaBridge::nowPlayingKey,
      [&](const std::optional<kit::foundation::DefaultsValue> &current) {
        auto record = SharedSuite::recordOf<NowPlayingSnapshot>(current);
        if (!record)
          return DefaultsChange::keep();
        found = true;
        auto bytes = kit::foundation::encodeJsonData(flipped(*record, environment.clock));
        if (!bytes)
          return DefaultsChange::remove();
        return DefaultsChange::replace(kit::foundation::Data{std::move(*bytes)});
      },
      environment.home);
  return found;
}

} // namespace

kit::intents::IntentResult
MediaCommandIntent::perform(const ActionEnvironment &environment) const noexcept {
  return performQuietly([&] {
    if (command == "playpause") {
      if (flipStored(environment)) {
        // Straight to the widgets: the media notification below is all the host needs.
        kit::widgets::WidgetCenter::shared().reloadTimelines("zavel.nowplaying");
        kit::widgets::WidgetCenter::shared().reloadTimelines("zavel.remote");
      }
    }
    MediaBridge::postMediaNotification(command);
  });
}

} // namespace zavel
