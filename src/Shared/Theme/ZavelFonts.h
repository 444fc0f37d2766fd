#pragma once

#include "Shared/Theme/ThemeSettings.h"
#include "kit/ui/text/Font.h"
#include "kit/ui/text/FontRegistry.h"

#include <array>
#include <filesystem>
#include <string_view>
#include <vector>

// The shipped faces and the fonts of labels and numerals.
namespace zavel::ZavelFonts {

// The shipped font files, by base name (each a ".ttf" file in the resources' "fonts" folder), in
// the order they are registered.
inline constexpr std::array<std::string_view, 9> files{
    "IBMPlexMono-Regular", "IBMPlexMono-Medium", "IBMPlexMono-SemiBold",
    "IBMPlexMono-Bold",    "Doto-SemiBold",      "Doto-Bold",
    "Orbitron-Regular",    "Orbitron-Medium",    "Gruppo-Regular"};

// Makes the shipped faces available to this process's text, once: the first call registers the
// files found in the resources and later calls look at nothing; concurrent first callers wait
// until the files are added. Missing or unreadable files are skipped; when none is found, text is
// drawn in the system's fonts. Whether any was found.
bool registerFonts();

// What `registerFonts` does, with the registry and the folder given: the files of `files` found in
// `folder` are registered through `registry`, once. Returns the registered files in list order.
const std::vector<std::filesystem::path> &registerFrom(kit::ui::FontRegistry &registry,
                                                       const std::filesystem::path &folder);

// The label face for the weight at a fixed size in points: the shipped mono face.
kit::ui::Font label(double size, kit::ui::FontWeight weight);

// The font of large numerals in a style, at a size in points, for an asked weight.
kit::ui::Font numerals(double size, ThemeSettings::NumeralStyle style, kit::ui::FontWeight weight);

} // namespace zavel::ZavelFonts
