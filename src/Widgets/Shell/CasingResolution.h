#pragma once

#include "Shared/Data/WidgetIntents/CasingOption.h"
#include "Shared/Theme/ThemeSettings.h"
#include "kit/ui/Environment.h"

namespace zavel {

// The casing a widget is drawn in: its own choice when it made one; otherwise the theme's, which
// may follow the system's light (cream) or dark (graphite) appearance.
ThemeSettings::Casing resolvedCasing(CasingOption option, const ThemeSettings &theme,
                                     kit::ui::ColorScheme scheme);

// Whether views draw for the cream casing: only when the host shows the widget in full colour,
// since the accented and vibrant modes drop the casing for a translucent backdrop.
bool drawsCream(ThemeSettings::Casing casing, kit::ui::WidgetRenderingMode mode);

} // namespace zavel
