#include "kit/ui/text/FontConfiguration.h"

namespace kit::ui {

namespace {

std::mutex &fontMutex() {
  static std::mutex mutex;
  return mutex;
}

std::uint64_t generation = 0;

constexpr const char *kConfiguration = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <dir prefix="xdg">fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
  <match target="pattern">
    <edit name="family" mode="append_last"><string>DejaVu Sans</string></edit>
  </match>
</fontconfig>)";

FcConfig *makeConfiguration() {
  FcConfig *config = FcConfigCreate();
  if (!config)
    return nullptr;
  if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8 *>(kConfiguration),
                                      FcFalse) ||
      !FcConfigBuildFonts(config) || !FcConfigSetCurrent(config)) {
    FcConfigDestroy(config);
    return nullptr;
  }
  // The current configuration holds its own reference now.
  FcConfigDestroy(config);
  return config;
}

} // namespace

FcConfig *fontConfiguration() {
  // Should ours fail, fontconfig's own system configuration serves.
  static FcConfig *config = makeConfiguration();
  return config ? config : FcConfigGetCurrent();
}

std::unique_lock<std::mutex> lockFontConfiguration() {
  return std::unique_lock<std::mutex>(fontMutex());
}

std::uint64_t fontConfigurationGeneration() { return generation; }

void noteFontConfigurationChanged() { ++generation; }

} // namespace kit::ui
