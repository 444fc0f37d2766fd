#pragma once

#include "kit/foundation/Date.h"
#include "kit/ui/View.h"

#include <functional>

namespace kit::ui {

// Content built for the moment of rendering: `now` is the moment self-updating timer texts show
// in the same layout.
View TimelineView(std::function<View(foundation::Date now)> build);

} // namespace kit::ui
