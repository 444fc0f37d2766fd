#pragma once

#include "Shared/Theme/ThemeSettings.h"
#include "kit/foundation/ZavelHome.h"

#include <filesystem>
#include <string_view>

namespace zavel {

// Where the widgets find the theme the host application wrote. Nothing is cached: every read
// opens the shared suite anew, so a change shows at the next render.
class ThemeStore {
public:
  static constexpr std::string_view key = "zavel.theme.v1";

  // The stored theme; the default theme when nothing readable is stored.
  static ThemeSettings current(const std::filesystem::path &home = kit::foundation::zavelHome());
};

} // namespace zavel
