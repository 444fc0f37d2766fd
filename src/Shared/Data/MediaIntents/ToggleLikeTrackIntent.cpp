#include "Shared/Data/MediaIntents/ToggleLikeTrackIntent.h"

#include "Shared/Data/DeckState.h"
#include "Shared/Data/ExtrasStores/ReloadKinds.h"
#include "Shared/Data/MediaIntents/MediaBridge.h"

#include <string>

namespace zavel {

kit::intents::IntentResult
ToggleLikeTrackIntent::perform(const ActionEnvironment &environment) const noexcept {
  return performQuietly([&] {
    auto record = MediaBridge::nowPlaying(environment.home);
    if (!record)
      return;
    // Joined as they come, nothing escaped: the keys already stored have this form.
    std::string key = record->title + "|" + record->artist;
    auto wasLiked = DeckState::toggleLikedTrack(key, environment.home);
    // A list we cannot read stays, and the host is told of no change.
    if (!wasLiked)
      return;
    MediaBridge::postMediaNotification(*wasLiked ? "unfavorite" : "favorite");
    reloadKinds({"zavel.nowplaying", "zavel.remote"});
  });
}

} // namespace zavel
