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

Color materialColor(Material, ColorScheme scheme) {
  return scheme == ColorScheme::dark ? Color::white.opacity(0.18) : Color::black.opacity(0.06);
}

Paint Environment::resolvedForeground() const {
  if (foreground)
    return resolve(*foreground);
  return colorScheme == ColorScheme::dark ? Color::white : Color::black;
}

Paint Environment::resolve(const Paint &paint) const {
  if (const Material *material = std::get_if<Material>(&paint))
    return materialColor(*material, colorScheme);
  return paint;
}

} // namespace kit::ui
