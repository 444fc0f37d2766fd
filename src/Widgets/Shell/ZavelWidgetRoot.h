#pragma once

#include "Shared/Data/WidgetIntents/CasingOption.h"
#include "Shared/Views/ZCtx.h"
#include "Shared/Views/ZavelSize.h"
#include "kit/ui/View.h"

#include <functional>

namespace zavel {

// Builds a widget's view from the context of the render.
using ZavelContent = std::function<kit::ui::View(const ZCtx &)>;

// The frame every widget renders through; a widget's declaration (ZavelWidget) wraps its face in
// it for every entry:
//   ZavelWidgetRoot(ZavelSize::s, entry.casing, [entry](const ZCtx &ctx) {
//     return WeatherConditionsView{entry.data, ctx}.body();
//   })
// At every render it reads the theme, resolves the casing for the host's rendering mode and
// colour scheme, works out the design unit for the space it is given, and hands the one ZCtx of
// the render to `content`, whose view fills the whole widget in the colour scheme of the casing
// (dark on graphite, light on cream). Behind it goes the casing in full colour, an ultra-thin
// material in the other modes.
kit::ui::View ZavelWidgetRoot(ZavelSize size, CasingOption casing, ZavelContent content);

} // namespace zavel
