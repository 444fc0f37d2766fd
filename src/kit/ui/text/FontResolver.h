#pragma once

#include "kit/ui/text/Font.h"
#include "kit/ui/text/PangoHandles.h"

#include <string>

namespace kit::ui {

// The Pango description (without a size) that selects the face a font request names: a
// PostScript name's exact face, a family at a weight and width, or the system font's design.
// A face that is not installed is left to fontconfig's fallback, and an unknown PostScript name
// gives the system font. Call under the font configuration lock.
FontDescriptionPtr describeFont(const Font &font);

PangoWeight pangoWeight(FontWeight weight);
// The platform weight nearest to a Pango weight.
FontWeight fontWeight(PangoWeight weight);

// The PostScript name of a loaded face ("" when it has none).
std::string postScriptNameOf(PangoFont *font);

} // namespace kit::ui
