#pragma once

#include "kit/ui/Paint.h"
#include "kit/ui/layout/Element.h"
#include "kit/ui/text/TextStyle.h"

#include <string>

namespace kit::ui {
class TextEngine;
}

namespace kit::ui::layout {

// Text measured by the engine: the size and baselines it reports for each proposal. Its node
// reports how it is drawn in the frame it is given, and its role.
ElementPtr makeText(std::string text, TextStyle style, Paint paint, TextRole role,
                    const TextEngine &engine);

} // namespace kit::ui::layout
