#pragma once

#include "kit/ui/text/FontRegistry.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kit::ui::testing {

// The font files the build puts beside the test programs.
std::filesystem::path shippedFont(const std::string &fileName);
std::vector<std::filesystem::path> shippedFontFiles();

// The family fontsource's Doto files call themselves.
inline const FontFamilyAlias dotoAlias{"Doto", "Doto Black"};

// Registers every shipped file and the Doto alias, once per process, as the extension does.
void registerShippedFonts();

} // namespace kit::ui::testing
