#pragma once

#include "kit/foundation/ZavelHome.h"

#include <filesystem>
#include <string_view>

// The app group the widgets share with the host application.
namespace zavel::AppGroup {

// The group's identifier: the name of the shared defaults suite and of the shared container.
inline constexpr std::string_view identifier = "QK7R2WX9P4.com.brekholt.zavel";

// The shared container folder, created when missing; the temporary folder when it cannot be had.
std::filesystem::path
containerURL(const std::filesystem::path &home = kit::foundation::zavelHome());

} // namespace zavel::AppGroup
