#pragma once

#include "Shared/Data/SharedSuite.h"
#include "Shared/Theme/ThemeStore.h"
#include "Widgets/Shell/ZavelWidgetRoot.h"
#include "kit/ui/LayoutTesting.h"
#include "kit/ui/UI.h"

#include <gtest/gtest.h>

#include <optional>

namespace zavel::testing {

// Stores the theme as the host application writes it.
inline void storeTheme(const ThemeSettings &theme) {
  ASSERT_TRUE(SharedSuite::write(ThemeStore::key, theme));
}

// Lays a view out as the host shows a widget of `size` points in a mode and scheme.
inline kit::ui::LaidOutTree
layWidget(const kit::ui::View &view, kit::ui::Size size,
          kit::ui::WidgetRenderingMode mode = kit::ui::WidgetRenderingMode::fullColor,
          kit::ui::ColorScheme scheme = kit::ui::ColorScheme::light) {
  return kit::ui::layOut(view, size,
                         kit::ui::LayoutContext{kit::ui::testing::fakeTextEngine(),
                                                kit::foundation::Date{}, mode, scheme});
}

// A root whose content records the context it was given and draws nothing.
inline kit::ui::View recordingRoot(ZavelSize size, CasingOption casing, std::optional<ZCtx> &seen) {
  return ZavelWidgetRoot(size, casing, [&seen](const ZCtx &ctx) {
    seen = ctx;
    return kit::ui::EmptyView();
  });
}

// The first colour of the casing gradient behind the widget, or none when there is no gradient.
inline std::optional<kit::ui::Color> casingGradientStart(const kit::ui::LaidOutTree &tree) {
  if (!tree.containerBackground)
    return std::nullopt;
  for (const kit::ui::LaidOutNode *node : tree.containerBackground->findAll("LinearGradient"))
    if (const auto *draw = node->as<kit::ui::ShapeDraw>())
      if (const auto *gradient = std::get_if<kit::ui::LinearGradient>(&draw->paint))
        return gradient->gradient.stops.front().color;
  return std::nullopt;
}

} // namespace zavel::testing
