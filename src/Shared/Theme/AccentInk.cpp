#include "Shared/Theme/AccentInk.h"

#include "Shared/Theme/CasingInks.h"
#include "Shared/Theme/ColorContrast.h"
#include "Shared/Theme/DesignTokens.h"

namespace zavel {

using kit::ui::Color;

Color accentInk(const Color &accent) {
  return contrastRatio(Color::white, accent) >= casingInkContrast ? Color::white
                                                                  : ZavelTokens::keyInk;
}

} // namespace zavel
