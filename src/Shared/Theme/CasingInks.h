#pragma once

#include "kit/ui/Color.h"

namespace zavel {

// How much a text or mark drawn straight on the casing stands out, brightest first: the levels
// a screen draws with `screenText1` to `screenText3`, `muted`, `track` (the groove of a bar) and
// `trackFine` (an unlit dot, cell or ring).
enum class InkLevel { primary, secondary, tertiary, muted, track, unlit };

// The least contrast each kind of ink reaches against the casing, at both ends of its gradient.
inline constexpr double primaryTextContrast = 4.5;
inline constexpr double casingInkContrast = 3; // every other text and every lit mark

// The ink of a level on the cream or the graphite casing. On graphite the screen's own token
// stands wherever it reaches its contrast, and the nearest lighter ink that does where it does
// not; tracks and unlit marks stay the screen's. On cream each level has a warm ink of its own,
// darker the more it stands out, and tracks and unlit marks are lighter than any lit one.
kit::ui::Color casingInk(InkLevel level, bool cream);

// A data or accent colour drawn straight on the casing: itself where it reaches 3:1 against the
// whole casing, else the nearest shade of its hue that does (deeper on cream, lighter on
// graphite).
kit::ui::Color casingShade(const kit::ui::Color &color, bool cream);

} // namespace zavel
