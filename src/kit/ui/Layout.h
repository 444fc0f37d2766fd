#pragma once

#include "kit/foundation/Date.h"
#include "kit/ui/Environment.h"
#include "kit/ui/LaidOutTree.h"
#include "kit/ui/View.h"

namespace kit::ui {

class TextEngine;

// What a layout needs besides the view: the text measurer, the moment of rendering (for
// self-updating text), and how the host shows the widget.
struct LayoutContext {
  const TextEngine &textEngine;
  foundation::Date now;
  WidgetRenderingMode renderingMode = WidgetRenderingMode::fullColor;
  ColorScheme colorScheme = ColorScheme::light;
};

// Lays the view out in a widget of `size` points: it is offered the whole size and centred in
// it; its container background fills the widget.
LaidOutTree layOut(const View &view, Size size, const LayoutContext &context);

} // namespace kit::ui
