#include "host/WidgetRendering.h"

#include "Shared/Theme/ThemeStore.h"
#include "Shared/Theme/ZavelFonts.h"
#include "host/QuotedText.h"
#include "kit/foundation/Clock.h"
#include "kit/foundation/Resources.h"
#include "kit/ui/Layout.h"
#include "kit/ui/Png.h"
#include "kit/ui/Render.h"
#include "kit/ui/text/TextEngine.h"

#include <algorithm>

namespace zavel::host {

void useShippedFonts(const CommandContext &context) {
  if (ZavelFonts::registerFonts())
    return;
  std::string folders;
  for (const auto &candidate : kit::foundation::resourceFolderCandidates())
    folders += (folders.empty() ? "" : " or ") + quotedPath(candidate / "fonts");
  context.warn("the shipped fonts are not in " + folders +
               "; text is drawn in the system's fonts (ZAVEL_RESOURCES names the folder that "
               "holds fonts/)");
}

kit::ui::LaidOutTree layOutEntry(const kit::widgets::AnyEntry &entry, kit::ui::Size size,
                                 const Appearance &appearance) {
  ZavelFonts::registerFonts();
  kit::ui::LayoutContext context{kit::ui::defaultTextEngine(),
                                 std::max(kit::foundation::systemNow(), entry.date()),
                                 appearance.mode, appearance.scheme};
  return kit::ui::layOut(entry.view(), size, context);
}

kit::ui::Image renderTree(const kit::ui::LaidOutTree &tree, double scale) {
  kit::ui::RenderOptions options;
  options.scale = scale;
  // The theme is read only where it shows.
  if (tree.renderingMode == kit::ui::WidgetRenderingMode::accented)
    options.accentTint = ThemeStore::current().accentColor();
  return kit::ui::render(tree, options);
}

std::string renderPng(const kit::ui::LaidOutTree &tree, double scale) {
  std::vector<std::uint8_t> png = kit::ui::encodePng(renderTree(tree, scale));
  return {png.begin(), png.end()};
}

} // namespace zavel::host
