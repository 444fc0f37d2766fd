#pragma once

#include "kit/ui/View.h"

namespace zavel {

// The icons printed on deck keys. Each draws one fixed figure in a `size` × `size` point square,
// in the foreground it inherits (a key's ink, white on an accent key).

// A chevron pointing up or down.
kit::ui::View ChevronGlyph(double size, bool up);
// A right-pointing triangle.
kit::ui::View PlayGlyph(double size);
// Two upright bars.
kit::ui::View PauseGlyph(double size);
// A triangle against a bar: skip forward.
kit::ui::View NextGlyph(double size);
// A bar against a triangle: skip back.
kit::ui::View PrevGlyph(double size);
// The outline of a house: roof and walls.
kit::ui::View HouseGlyph(double size);
// A rounded box with a dot in its middle.
kit::ui::View BoxDotGlyph(double size);
// A heart, outlined or solid (the outline is drawn over the fill, so both have one edge).
kit::ui::View HeartGlyph(double size, bool filled);
// A ring with eight rays.
kit::ui::View SunGlyph(double size);
// A rounded box with a plus sign.
kit::ui::View BoxPlusGlyph(double size);

} // namespace zavel
