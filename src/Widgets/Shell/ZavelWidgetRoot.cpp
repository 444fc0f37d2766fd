#include "Widgets/Shell/ZavelWidgetRoot.h"

#include "Shared/Theme/ThemeStore.h"
#include "Widgets/Shell/CasingBackground.h"
#include "Widgets/Shell/CasingResolution.h"
#include "Widgets/Shell/DesignUnit.h"
#include "kit/ui/UI.h"

namespace zavel {
namespace {

using namespace kit::ui;

ZCtx renderContext(const ThemeSettings &theme, bool cream, double u, ZavelSize size) {
  ZCtx ctx;
  ctx.theme = theme;
  ctx.accent = theme.accentColor();
  ctx.cream = cream;
  ctx.u = u;
  ctx.size = size;
  ctx.frameRadius = 28;
  ctx.inWidget = true;
  return ctx;
}

// The casing only shows in full colour; it fills the widget, so it is drawn once per casing and
// widget outline and copied afterwards.
View widgetBackground(const Environment &env, bool cream) {
  if (env.renderingMode != WidgetRenderingMode::fullColor)
    return Rectangle().fill(Material::ultraThin);
  return CasingBackground(cream).staticLayer(casingLayerKey(cream, env.widgetCornerRadius));
}

} // namespace

View ZavelWidgetRoot(ZavelSize size, CasingOption casing, ZavelContent content) {
  return EnvironmentReader([size, casing, content = std::move(content)](const Environment &env) {
    // Read anew at every render, so a theme change shows at the next one.
    const ThemeSettings theme = ThemeStore::current();
    const bool cream =
        drawsCream(resolvedCasing(casing, theme, env.colorScheme), env.renderingMode);
    return GeometryReader([=](const GeometryProxy &proxy) {
             ZCtx ctx = renderContext(theme, cream, designUnit(size, proxy.size), size);
             View view = content ? content(ctx) : EmptyView();
             return view.frame(proxy.size.width, proxy.size.height);
           })
        // A text with no colour of its own reads on the casing whatever the host's scheme:
        // light on graphite, dark on cream.
        .colorScheme(cream ? ColorScheme::light : ColorScheme::dark)
        .containerBackground(widgetBackground(env, cream));
  });
}

} // namespace zavel
