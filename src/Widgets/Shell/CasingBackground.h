#pragma once

#include "kit/ui/View.h"

#include <optional>
#include <string>

namespace zavel {

// The casing behind a whole widget: a diagonal graphite or cream gradient, a 2-point edge line on
// the outline and a 2-point highlight, inset by a point, that fades out a fifth of the way down.
// The outline is a continuous rounded rectangle of `cornerRadius` points, or the widget's own
// outline when none is given. Lengths are points, never design units.
kit::ui::View CasingBackground(bool cream, std::optional<double> cornerRadius = std::nullopt);

// The static-layer key of a casing that fills a widget whose outline has `widgetCornerRadius`:
// everything its pixels depend on besides size, scale and colour scheme.
std::string casingLayerKey(bool cream, double widgetCornerRadius);

} // namespace zavel
