#pragma once

#include "host/Commands.h"
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

// The widget of `kind` in the command's bundle, configured from `configuration` (JSON text of
// parameter name → value; none: every default). Throws BadInput for an unknown kind or a
// configuration that is not a JSON object, names a parameter the widget lacks or holds a value
// of the wrong form or outside a parameter's choices. An entity id that names nothing known is
// kept, and said on the command's error stream.
SelectedWidget selectWidget(const CommandContext &context, std::string_view kind,
                            const std::optional<std::string> &configuration);

// Entry `index` of the widget's timeline in `context`; BadInput when the timeline has no such
// entry.
kit::widgets::AnyEntry timelineEntry(const SelectedWidget &selected,
                                     const kit::widgets::TimelineContext &context,
                                     int64_t index = 0);

} // namespace zavel::host
