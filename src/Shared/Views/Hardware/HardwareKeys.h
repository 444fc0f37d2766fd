#pragma once

#include "kit/ui/Color.h"
#include "kit/ui/Environment.h"
#include "kit/ui/View.h"

namespace zavel {

// The neutral round key cap, `diameter` points wide: a light top-lit face, a dark rim, a thin
// highlight ring and a drop shadow. The icon draws in `ink`, deepened where it would not read on
// the light face, unless it sets its own colour. Rim, ring and shadow follow `u`; the cap's size
// does not.
kit::ui::View KeyFace(double diameter, double u, kit::ui::Color ink, const kit::ui::View &icon);

// The round key cap in the accent colour, `side` points wide, lighter at the top and shaded
// below, with a deeper shadow. Its icon is white, or the dark key ink on an accent too light for
// white.
kit::ui::View AccentKeyFace(double side, double u, kit::ui::Color accent,
                            const kit::ui::View &icon);

// The pressed look of a key button: the label moves down by 2·u while held.
kit::ui::ButtonStyle HardwareKeyStyle(double u);

} // namespace zavel
