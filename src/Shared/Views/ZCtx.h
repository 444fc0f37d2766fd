#pragma once

#include "Shared/Theme/CasingInks.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Theme/ThemeSettings.h"
#include "Shared/Views/ZavelSize.h"
#include "kit/ui/Color.h"
#include "kit/ui/text/Font.h"

namespace zavel {

// The context of one render, built by the widget root and handed to every view and component.
struct ZCtx {
  ThemeSettings theme;
  kit::ui::Color accent = ZavelTokens::signal; // the theme's accent colour
  bool cream = false;                          // cream casing, drawn in full colour
  double u = 1;                                // points per design unit
  ZavelSize size = ZavelSize::s;
  double frameRadius = 28; // the widget's outer corner radius, in points, never scaled
  bool inWidget = true;

  // The font of labels and numerals at a size in design units. Sizes under 24 get the fixed-size
  // label face, small ones raised halfway toward 18 so they stay legible; from 24 up, the theme's
  // numeral style.
  kit::ui::Font mono(double designSize, kit::ui::FontWeight weight) const;

  // The ink of a text or mark drawn straight on the casing, at the level a screen would draw it
  // (`screenText1` is primary, `trackFine` an unlit mark): it reads on this casing, and on cream
  // an unlit mark is lighter than a lit one.
  kit::ui::Color casingInk(InkLevel level = InkLevel::primary) const {
    return zavel::casingInk(level, cream);
  }
  // A data or accent colour drawn straight on the casing, in a shade of its hue that reads there.
  kit::ui::Color casingShade(const kit::ui::Color &color) const {
    return zavel::casingShade(color, cream);
  }
};

} // namespace zavel
