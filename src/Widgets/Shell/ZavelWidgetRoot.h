#pragma once

#include "Shared/Data/WidgetIntents/CasingOption.h"
#include "Shared/Views/WidgetContext.h"
#include "Shared/Views/ZavelSize.h"
#include "kit/ui/View.h"

#include <functional>

namespace zavel {

// Builds a widget's view from the context of the render.
using ZavelContent = std::function<kit::ui::View(const ZCtx &)>;

// The frame every widget renders through, from its content closure:
//   [](const ZavelEntry<WeatherSnapshot> &entry) {
//     return ZavelWidgetRoot(ZavelSize::s, entry.casing, [data = entry.data](const ZCtx &ctx) {
//       return WeatherConditionsView(data, ctx);
//     });
//   }
// At every render it reads the theme, resolves the casing for the host's rendering mode and
// colour scheme, works out the design unit for the space it is given, and hands the one ZCtx of
// the render to `content`, whose view fills the whole widget. Behind it goes the casing in full
// colour, an ultra-thin material in the other modes.
kit::ui::View ZavelWidgetRoot(ZavelSize size, CasingOption casing, ZavelContent content);

} // namespace zavel
