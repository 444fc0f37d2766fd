#pragma once

#include "kit/ui/text/Font.h"

#include <optional>

namespace kit::ui {

enum class TextAlignment { leading, center, trailing };

// Everything about a run of text that changes how it is measured and drawn (its paint is the
// renderer's business).
struct TextStyle {
  Font font;
  double tracking = 0;           // points after every character, the last one included
  std::optional<int> lineLimit;  // none: as many lines as the height allows
  double lineSpacing = 0;        // extra points between lines
  double minimumScaleFactor = 1; // shrink down to this before truncating
  TextAlignment alignment = TextAlignment::leading; // of lines within a multi-line block
  bool strikethrough = false;
  bool monospacedDigit = false;

  bool operator==(const TextStyle &) const = default;
};

} // namespace kit::ui
