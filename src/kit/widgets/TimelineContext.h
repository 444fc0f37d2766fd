#pragma once

#include "kit/ui/Geometry.h"
#include "kit/widgets/WidgetFamily.h"

namespace kit::widgets {

// What a provider is told about the widget it serves.
struct TimelineContext {
  // True when the entry is for the widget gallery.
  bool isPreview = false;
  WidgetFamily family = WidgetFamily::systemSmall;
  // In points.
  ui::Size displaySize = widgets::displaySize(WidgetFamily::systemSmall);

  // The context of a widget of `family` shown at the family's size.
  static TimelineContext of(WidgetFamily family, bool isPreview = false) {
    return {isPreview, family, widgets::displaySize(family)};
  }
};

} // namespace kit::widgets
