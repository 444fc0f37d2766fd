#include "Shared/Theme/ZavelFonts.h"

#include "kit/foundation/Resources.h"

#include <string>

namespace zavel::ZavelFonts {

using kit::ui::Font;
using kit::ui::FontDesign;
using kit::ui::FontWeight;
using NumeralStyle = ThemeSettings::NumeralStyle;

namespace {

// The packaged Doto faces name their family "Doto Black".
const std::vector<kit::ui::FontFamilyAlias> familyAliases{{"Doto", "Doto Black"}};

std::string postScriptName(FontWeight weight) {
  switch (weight) {
  case FontWeight::bold:
  case FontWeight::heavy:
  case FontWeight::black:
    return "IBMPlexMono-Bold";
  case FontWeight::semibold:
    return "IBMPlexMono-SemiBold";
  case FontWeight::medium:
    return "IBMPlexMono-Medium";
  default:
    return "IBMPlexMono-Regular";
  }
}

FontWeight lighter(FontWeight weight) {
  switch (weight) {
  case FontWeight::medium:
  case FontWeight::semibold:
  case FontWeight::bold:
  case FontWeight::heavy:
  case FontWeight::black:
    return FontWeight::light;
  default:
    return FontWeight::ultraLight;
  }
}

FontWeight boldOr(FontWeight asked, FontWeight forBold, FontWeight otherwise) {
  return asked == FontWeight::bold ? forBold : otherwise;
}

} // namespace

const std::vector<std::filesystem::path> &registerFrom(kit::ui::FontRegistry &registry,
                                                       const std::filesystem::path &folder) {
  std::vector<std::filesystem::path> paths;
  for (std::string_view name : files)
    paths.push_back(folder / (std::string(name) + ".ttf"));
  return registry.registerOnce(paths, familyAliases);
}

bool registerFonts() {
  static kit::ui::FontRegistry registry;
  // After the first call this is the only work, so fonts can be asked for freely while drawing.
  static const bool found = !registerFrom(registry, kit::foundation::resourcePath("fonts")).empty();
  return found;
}

Font label(double size, FontWeight weight) {
  registerFonts();
  return Font::postScript(postScriptName(weight), size);
}

Font numerals(double size, NumeralStyle style, FontWeight weight) {
  registerFonts();
  switch (style) {
  case NumeralStyle::firmware:
    return label(size, weight);
  case NumeralStyle::featherweight:
    return Font::system(size, lighter(weight));
  case NumeralStyle::rounded:
    return Font::system(size, weight, FontDesign::rounded);
  case NumeralStyle::mono:
    return Font::system(size, weight, FontDesign::monospaced);
  case NumeralStyle::serif:
    return Font::system(size, weight, FontDesign::serif);
  case NumeralStyle::dot:
    return Font::family("Doto", size, boldOr(weight, FontWeight::bold, FontWeight::semibold));
  case NumeralStyle::condensed:
    return Font::system(size, weight).withWidth(kit::ui::FontWidth::condensed);
  case NumeralStyle::orbit:
    return Font::family("Orbitron", size, boldOr(weight, FontWeight::medium, FontWeight::regular));
  case NumeralStyle::hairline:
    return Font::family("Gruppo", size);
  case NumeralStyle::typewriter:
    return Font::family("American Typewriter", size,
                        boldOr(weight, FontWeight::semibold, FontWeight::regular));
  }
  return label(size, weight);
}

} // namespace zavel::ZavelFonts
