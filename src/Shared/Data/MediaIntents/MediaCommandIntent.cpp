#include "Shared/Data/MediaIntents/MediaCommandIntent.h"

#include "Shared/Data/MediaIntents/MediaBridge.h"
#include "Shared/Data/Models/WholeNumbers.h"
#include "kit/widgets/WidgetCenter.h"

#include <algorithm>

namespace zavel {

namespace {

// The record as the host will see it after a play/pause: a playing track frozen where it is now
// and paused, a paused one playing on from where it stopped.
NowPlayingSnapshot flipped(NowPlayingSnapshot record, const kit::foundation::Clock &clock) {
  int64_t elapsed = 0;
  if (record.isPlaying)
    elapsed = std::max<int64_t>(wholeTruncated(clock.now().timeIntervalSince(record.updated)), 0);
  int64_t position = saturatingSum(record.positionSeconds, elapsed);
  // A length below a second is unknown (a stream): no end to stop at.
  if (record.durationSeconds >= 1)
    position = std::min(position, record.durationSeconds);
  record.positionSeconds = std::max<int64_t>(position, 0);
  record.isPlaying = !record.isPlaying;
  record.updated = clock.now();
  return record;
}

} // namespace

kit::intents::IntentResult
MediaCommandIntent::perform(const ActionEnvironment &environment) const noexcept {
  return performQuietly([&] {
    if (command == "playpause") {
      if (auto record = MediaBridge::nowPlaying(environment.home)) {
        MediaBridge::setNowPlaying(flipped(*record, environment.clock), environment.home);
        // Straight to the widgets: the media notification below is all the host needs.
        kit::widgets::WidgetCenter::shared().reloadTimelines("zavel.nowplaying");
        kit::widgets::WidgetCenter::shared().reloadTimelines("zavel.remote");
      }
    }
    MediaBridge::postMediaNotification(command);
  });
}

} // namespace zavel
