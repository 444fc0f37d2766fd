#pragma once

#include "kit/ui/Color.h"

namespace zavel {

// The opaque colour `fraction` of the way from `color` to `target` in sRGB. The fraction is held
// to 0...1 (one that is not a number counts as 1); both opacities are ignored.
kit::ui::Color mixed(const kit::ui::Color &color, const kit::ui::Color &target, double fraction);

} // namespace zavel
