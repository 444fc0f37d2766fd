#pragma once

#include "kit/ui/text/PangoHandles.h"
#include "kit/ui/text/TextEngine.h"

#include <optional>
#include <string_view>

namespace kit::ui {

// A text as it will be drawn: its final layout (none when nothing is drawn) and its metrics.
struct Rendition {
  GObjectPtr<PangoLayout> layout;
  TextMetrics metrics;
};

// The room a text is fitted into, in Pango units; an absent axis is unbounded.
struct TextBounds {
  std::optional<int> width;
  std::optional<int> height;
  bool operator==(const TextBounds &) const = default;
};

// Lays a text out within bounds: wrapped to the width, on no more lines than the line limit and
// the height allow; shrunk down to the minimum scale factor when it does not fit, and only then
// cut short with an ellipsis. `text` must be valid UTF-8.
Rendition fitText(PangoContext *context, const PangoFontDescription *font, std::string_view text,
                  const TextStyle &style, TextBounds bounds);

} // namespace kit::ui
