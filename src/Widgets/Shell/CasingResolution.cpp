#include "Widgets/Shell/CasingResolution.h"

namespace zavel {

using Casing = ThemeSettings::Casing;

Casing resolvedCasing(CasingOption option, const ThemeSettings &theme,
                      kit::ui::ColorScheme scheme) {
  switch (option) {
  case CasingOption::cream:
    return Casing::cream;
  case CasingOption::graphite:
    return Casing::graphite;
  case CasingOption::followApp:
    break;
  }
  if (theme.followSystemCasing)
    return scheme == kit::ui::ColorScheme::light ? Casing::cream : Casing::graphite;
  return theme.casing;
}

bool drawsCream(Casing casing, kit::ui::WidgetRenderingMode mode) {
  return casing == Casing::cream && mode == kit::ui::WidgetRenderingMode::fullColor;
}

} // namespace zavel
