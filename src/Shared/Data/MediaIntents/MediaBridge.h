#pragma once

#include "Shared/Data/ExtraModels/InboxSnapshot.h"
#include "Shared/Data/ExtraModels/NowPlayingSnapshot.h"
#include "kit/foundation/ZavelHome.h"

#include <filesystem>
#include <optional>
#include <string_view>

// The records the host application shares about its music player and its mail, and the media
// notifications that ask it to act. The widgets never talk to the player themselves.
namespace zavel::MediaBridge {

inline constexpr std::string_view nowPlayingKey = "zavel.nowplaying.v1";
inline constexpr std::string_view inboxKey = "zavel.inbox.v1";
// A media notification is this prefix followed by the command ("playpause", "favorite", …).
inline constexpr std::string_view mediaNotificationPrefix = "com.brekholt.zavel.media.";

// What plays; none when nothing is stored or it is not a whole record.
std::optional<NowPlayingSnapshot>
nowPlaying(const std::filesystem::path &home = kit::foundation::zavelHome());
// Stores the record; none, or a record that cannot be encoded, removes the stored one. False when
// the store refused.
bool setNowPlaying(const std::optional<NowPlayingSnapshot> &record,
                   const std::filesystem::path &home = kit::foundation::zavelHome());

// The mail summary, written by the host application only; none as for nowPlaying.
std::optional<InboxSnapshot>
inbox(const std::filesystem::path &home = kit::foundation::zavelHome());

// Posts the prefix followed by `command`, as given, to the host application.
void postMediaNotification(std::string_view command) noexcept;

} // namespace zavel::MediaBridge
