#include "Shared/Data/MediaIntents/MediaBridge.h"

#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/notifications/DistributedNotificationCenter.h"

#include <string>

namespace zavel::MediaBridge {

std::optional<NowPlayingSnapshot> nowPlaying(const std::filesystem::path &home) {
  return SharedSuite::read<NowPlayingSnapshot>(nowPlayingKey, home);
}

bool setNowPlaying(const std::optional<NowPlayingSnapshot> &record,
                   const std::filesystem::path &home) {
  auto bytes = record ? kit::foundation::encodeJsonData(*record) : std::nullopt;
  if (bytes)
    return SharedSuite::writeData(nowPlayingKey, std::move(*bytes), home);
  return SharedSuite::open(home).removeObject(nowPlayingKey);
}

std::optional<InboxSnapshot> inbox(const std::filesystem::path &home) {
  return SharedSuite::read<InboxSnapshot>(inboxKey, home);
}

void postMediaNotification(std::string_view command) noexcept {
  try {
    kit::foundation::DistributedNotificationCenter::defaultCenter().postNotificationName(
        std::string(mediaNotificationPrefix) + std::string(command));
  } catch (...) {
    // A notification never fails visibly.
  }
}

} // namespace zavel::MediaBridge
