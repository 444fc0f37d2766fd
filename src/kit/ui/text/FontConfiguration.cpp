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
  <!-- A bitmap face (colour emoji among them) is drawn at the size asked, not at its strike's. -->
  <match target="font">
    <test name="outline" compare="eq"><bool>false</bool></test>
    <edit name="pixelsizefixupfactor" mode="assign">
      <divide>
        <name target="pattern">pixelsize</name>
        <name target="font">pixelsize</name>
      </divide>
    </edit>
  </match>
  <match target="font">
    <test name="outline" compare="eq"><bool>false</bool></test>
    <test name="scalable" compare="eq"><bool>false</bool></test>
    <test name="hinting" compare="eq"><bool>true</bool></test>
    <edit name="scalingnotneeded" mode="assign">
      <and>
        <less><name>pixelsizefixupfactor</name><double>1.2</double></less>
        <more><name>pixelsizefixupfactor</name><double>0.8</double></more>
      </and>
    </edit>
  </match>
  <match target="font">
    <test name="scalingnotneeded" compare="eq"><bool>true</bool></test>
    <edit name="pixelsizefixupfactor" mode="assign"><double>1.0</double></edit>
  </match>
  <match target="font">
    <test name="outline" compare="eq"><bool>false</bool></test>
    <test name="pixelsizefixupfactor" compare="not_eq"><double>1.0</double></test>
    <edit name="matrix" mode="assign">
      <times>
        <name>matrix</name>
        <matrix>
          <name>pixelsizefixupfactor</name><double>0</double>
          <double>0</double><name>pixelsizefixupfactor</name>
        </matrix>
      </times>
    </edit>
    <edit name="size" mode="assign">
      <divide><name>size</name><name>pixelsizefixupfactor</name></divide>
    </edit>
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
