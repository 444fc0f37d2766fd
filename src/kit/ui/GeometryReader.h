#pragma once

#include "kit/ui/View.h"

#include <functional>

namespace kit::ui {

// What a geometry reader tells its content: the size it was given and where it lies in the widget.
struct GeometryProxy {
  Size size;
  Rect frame;
};

// Takes all the space offered and builds its content for that size, placed at its top-leading
// corner.
View GeometryReader(std::function<View(const GeometryProxy &)> build);

// Builds a view from the environment it finds (rendering mode, colour scheme, …).
View EnvironmentReader(std::function<View(const Environment &)> build);

} // namespace kit::ui
