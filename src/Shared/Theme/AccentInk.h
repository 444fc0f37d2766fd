#pragma once

#include "kit/ui/Color.h"

namespace zavel {

// The ink of a text or glyph drawn on the accent (an accent key, a badge): white where it reads
// 3:1 against the accent, else the keys' dark ink, which does on an accent too light for white.
kit::ui::Color accentInk(const kit::ui::Color &accent);

} // namespace zavel
