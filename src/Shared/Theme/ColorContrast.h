#pragma once

#include "kit/ui/Color.h"

#include <initializer_list>

namespace zavel {

// The relative luminance of a colour's opaque sRGB components, 0 for black to 1 for white, as
// the accessibility guidelines define it.
double relativeLuminance(const kit::ui::Color &color);

// How far apart two colours stand in luminance, from 1 (alike) to 21 (black on white); their
// opacities are ignored.
double contrastRatio(const kit::ui::Color &a, const kit::ui::Color &b);

// `ink` itself when it reaches `ratio` against every background; else the least mix of it with
// `toward` (black for a deeper shade, white for a lighter one) that does, in steps of a byte.
// Mixing with black or white keeps the hue. The opacity of `ink` is kept.
kit::ui::Color shadeReaching(const kit::ui::Color &ink, const kit::ui::Color &toward, double ratio,
                             std::initializer_list<kit::ui::Color> backgrounds);

} // namespace zavel
