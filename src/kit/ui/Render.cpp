#include "kit/ui/Render.h"

#include "kit/ui/drawing/CairoHandles.h"
#include "kit/ui/drawing/CairoPath.h"
#include "kit/ui/drawing/Renderer.h"
#include "kit/ui/drawing/Tint.h"

#include <cmath>

namespace kit::ui {
namespace {

using drawing::AccentPass;
using drawing::ContextPtr;

constexpr double maximumPixels = 8192;

double usableScale(double scale) { return std::isfinite(scale) && scale > 0 ? scale : 1; }

int pixels(double points, double scale) {
  return static_cast<int>(std::clamp(std::ceil(points * scale), 1.0, maximumPixels));
}

// A context on the image whose user space is the widget's points, clipped to its outline.
ContextPtr widgetContext(const Image &image, const LaidOutTree &tree, const RenderOptions &options,
                         double scale) {
  ContextPtr cr(cairo_create(image.surface()));
  cairo_scale(cr.get(), scale, scale);
  if (options.clipToWidgetOutline) {
    drawing::setPath(cr.get(), widgetOutline(tree.size, options.widgetCornerRadius));
    cairo_clip(cr.get());
  }
  return cr;
}

// The content drawn on its own in one tint, then laid over the image.
void drawTinted(const Image &image, const LaidOutTree &tree, const RenderOptions &options,
                double scale, AccentPass pass, const Color &tint) {
  Image layer(image.width(), image.height());
  {
    ContextPtr cr = widgetContext(layer, tree, options, scale);
    drawing::Renderer(cr.get(), tree.textEngine, tree.colorScheme, pass).draw(tree.root);
  }
  drawing::tintByLuminance(layer.surface(), tint);
  ContextPtr cr(cairo_create(image.surface()));
  cairo_set_source_surface(cr.get(), layer.surface(), 0, 0);
  cairo_paint(cr.get());
}

} // namespace

Path widgetOutline(Size size, double cornerRadius) {
  Path path;
  path.addRoundedRect({{0, 0}, size}, cornerRadius, RoundedCornerStyle::continuous);
  return path;
}

Image render(const LaidOutTree &tree, const RenderOptions &options) {
  double scale = usableScale(options.scale);
  Image image(pixels(tree.size.width, scale), pixels(tree.size.height, scale));
  {
    ContextPtr cr = widgetContext(image, tree, options, scale);
    drawing::Renderer background(cr.get(), tree.textEngine, tree.colorScheme);
    if (tree.containerBackground)
      background.draw(*tree.containerBackground);
    if (tree.renderingMode == WidgetRenderingMode::fullColor) {
      background.draw(tree.root);
      return image;
    }
  }
  bool accented = tree.renderingMode == WidgetRenderingMode::accented;
  drawTinted(image, tree, options, scale,
             accented ? AccentPass::withoutAccentable : AccentPass::all, Color::white);
  if (accented)
    drawTinted(image, tree, options, scale, AccentPass::onlyAccentable, options.accentTint);
  return image;
}

} // namespace kit::ui
