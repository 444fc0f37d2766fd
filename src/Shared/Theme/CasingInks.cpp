#include "Shared/Theme/CasingInks.h"

#include "Shared/Theme/ColorContrast.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Theme/HexColor.h"

#include <array>

namespace zavel {

using kit::ui::Color;

namespace {

// Lighter on graphite, deeper on cream, until the ink reaches `ratio` against both ends of the
// casing's gradient.
Color reaching(const Color &ink, double ratio, bool cream) {
  if (cream)
    return shadeReaching(ink, Color::black, ratio, {ZavelTokens::creamA, ZavelTokens::creamB});
  return shadeReaching(ink, Color::white, ratio, {ZavelTokens::graphiteA, ZavelTokens::graphiteB});
}

using Inks = std::array<Color, 6>; // by InkLevel

const Inks &graphiteInks() {
  static const Inks inks{
      reaching(ZavelTokens::screenText1, primaryTextContrast, false),
      reaching(ZavelTokens::screenText2, casingInkContrast, false),
      reaching(ZavelTokens::screenText3, casingInkContrast, false),
      reaching(ZavelTokens::muted, casingInkContrast, false),
      ZavelTokens::track,
      ZavelTokens::trackFine,
  };
  return inks;
}

// The keys' warm ink, and lighter mixes of it toward white for the dimmer levels: about 4.6, 3.6
// and 3.2 to 1 against the darker end of the gradient. Grooves and unlit marks are a pale shade of
// the casing itself.
constexpr Inks creamInks{
    ZavelTokens::keyInk, hexColor("#5F5A51"), hexColor("#6F6B63"),
    hexColor("#76726B"), hexColor("#C4BFB4"), hexColor("#C4BFB4"),
};

} // namespace

Color casingInk(InkLevel level, bool cream) {
  const Inks &inks = cream ? creamInks : graphiteInks();
  return inks[static_cast<std::size_t>(level)];
}

Color casingShade(const Color &color, bool cream) {
  return reaching(color, casingInkContrast, cream);
}

} // namespace zavel
