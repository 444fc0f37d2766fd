#include "kit/ui/Environment.h"

namespace kit::ui {

TextStyle Environment::textStyle() const {
  return TextStyle{font,
                   finiteOr(tracking),
                   lineLimit,
                   finiteOr(lineSpacing),
                   std::isfinite(minimumScaleFactor) ? std::clamp(minimumScaleFactor, 0.01, 1.0)
                                                     : 1.0,
                   multilineTextAlignment,
                   strikethrough,
                   monospacedDigit};
}

Paint Environment::resolvedForeground() const {
  if (foreground)
    return *foreground;
  return colorScheme == ColorScheme::dark ? Color::white : Color::black;
}

} // namespace kit::ui
