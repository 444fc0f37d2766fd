#pragma once

#include <initializer_list>
#include <span>
#include <string_view>

namespace zavel {

// Told to the host application after widget state in the app group changed.
inline constexpr std::string_view reloadWidgetsNotification = "com.brekholt.zavel.reloadwidgets";

// The last step of a key's intent that changed shared state: asks for fresh timelines of each
// kind, in the order given, then tells the host application once, so both read the new state.
// The notification goes out even for an empty list. Never fails.
void reloadKinds(std::span<const std::string_view> kinds) noexcept;
void reloadKinds(std::initializer_list<std::string_view> kinds) noexcept;

} // namespace zavel
