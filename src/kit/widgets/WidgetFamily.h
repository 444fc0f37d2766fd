#pragma once

#include "kit/ui/Geometry.h"

#include <string_view>

namespace kit::widgets {

// The size a widget comes in; each widget supports exactly one.
enum class WidgetFamily { systemSmall, systemMedium, systemLarge };

// "small", "medium" or "large".
std::string_view familyName(WidgetFamily family);

// The size the host shows the family at, in points: 170×170, 364×170 or 364×382.
ui::Size displaySize(WidgetFamily family);

} // namespace kit::widgets
