#pragma once

#include "kit/foundation/Date.h"
#include "kit/ui/Environment.h"
#include "kit/ui/Geometry.h"
#include "kit/ui/Shape.h"
#include "kit/ui/View.h"

#include <optional>
#include <string>

namespace kit::ui {
class TextEngine;
}

namespace kit::ui::layout {

// What one layout of a widget shares: the text measurer, the render moment, and what views
// hand up to the widget host while they are placed.
struct LayoutPass {
  const TextEngine &textEngine;
  foundation::Date now;
  Size widgetSize;

  struct Background {
    View view;
    Environment environment;
  };
  std::optional<Background> containerBackground;
  std::optional<std::string> widgetURL;
};

// The widget's bounds and outline radius, as shapes in this pass need them.
inline ShapeContext shapeContext(const Environment &environment, const LayoutPass &pass) {
  return {{{0, 0}, pass.widgetSize}, nonNegativeLength(environment.widgetCornerRadius)};
}

} // namespace kit::ui::layout
