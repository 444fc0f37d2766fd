#pragma once

#include "kit/widgets/WidgetBundle.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zavel::host {

// A widget of the bundle with the configuration a command line gave it.
struct SelectedWidget {
  const kit::widgets::AnyWidget &widget;
  kit::widgets::ConfiguredWidget configured;
};

// The widget of `kind` configured from `configuration` (JSON text of parameter name → value;
// none: every default). Throws BadInput for an unknown kind or a configuration that is not a
// JSON object or holds a value of the wrong form.
SelectedWidget selectWidget(const kit::widgets::WidgetBundle &bundle, std::string_view kind,
                            const std::optional<std::string> &configuration);

// Entry `index` of the widget's timeline in `context`; BadInput when the timeline has no such
// entry.
kit::widgets::AnyEntry timelineEntry(const SelectedWidget &selected,
                                     const kit::widgets::TimelineContext &context,
                                     int64_t index = 0);

} // namespace zavel::host
