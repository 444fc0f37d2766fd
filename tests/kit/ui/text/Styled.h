#pragma once

#include "kit/ui/text/TextStyle.h"

namespace kit::ui::testing {

// A style with only its font set.
inline TextStyle styled(Font font) {
  TextStyle style;
  style.font = std::move(font);
  return style;
}

} // namespace kit::ui::testing
