#pragma once

#include "Shared/Views/WidgetContext.h"
#include "kit/ui/View.h"

namespace zavel {

// The dark glass screen at a corner radius in points: a gradient fill, a soft dark rim inside
// its edge and a faint light hairline on it. The content is clipped to the rounded shape and
// draws in the brightest screen text colour unless it sets its own.
kit::ui::View ScreenPane(double radius, const kit::ui::View &content);

// The corner radius of a screen set `margin` design units in from the casing's edge: concentric
// with the widget's corners, but never tighter than the size class's screen inset.
double screenRadius(const ZCtx &ctx, double margin);

// The screen most views draw in: a ScreenPane inset from the casing's edge by 14, 15 or 16
// design units by size class, with corners kept concentric with the widget's own.
kit::ui::View DeviceScreen(const ZCtx &ctx, const kit::ui::View &content);

} // namespace zavel
