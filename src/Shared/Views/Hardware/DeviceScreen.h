#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The dark glass screen at a corner radius in points: a gradient fill, a soft dark rim inside
// its edge and a faint light hairline on it. The content is clipped to the rounded shape and
// draws in the brightest screen text colour unless it sets its own.
kit::ui::View ScreenPane(double radius, const kit::ui::View &content);

// The corner radius of a screen set `margin` points in from the casing's edge: concentric with
// the widget's corners, but never tighter than the size class's inset.
double screenRadius(const ZCtx &ctx, double margin);

// The screen most views draw in: a ScreenPane inset from the casing's edge by 14, 15 or 16
// design units by size class, with corners kept concentric with the widget's own.
kit::ui::View DeviceScreen(const ZCtx &ctx, const kit::ui::View &content);

// The corner radius of the screen DeviceScreen draws, in points.
double deviceScreenRadius(const ZCtx &ctx);

// The screen's soft dark rim alone, for content that covers the glass and must still look set
// into it: laid over a screen of that radius, its clipping leaves the inner half of the blur.
kit::ui::View ScreenRim(double radius);

} // namespace zavel
