#pragma once

#include "kit/ui/Geometry.h"

namespace kit::ui {

class Path;

// How strongly continuous corners blend into their edges.
inline constexpr double continuousCornerSmoothing = 0.6;

// Adds a rounded rectangle whose corners ease into the edges with matching curvature: each corner
// is a short circular arc between two cubic curves. `radius` must lie within half the shorter
// side; the smoothing gives way where the corner would not fit.
void addContinuousRoundedRect(Path &path, const Rect &rect, double radius);

} // namespace kit::ui
