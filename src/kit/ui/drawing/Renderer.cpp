#include "kit/ui/drawing/Renderer.h"

#include "kit/ui/drawing/Blur.h"
#include "kit/ui/drawing/CairoPaint.h"
#include "kit/ui/drawing/CairoPath.h"
#include "kit/ui/drawing/DeviceLayer.h"
#include "kit/ui/drawing/InkBounds.h"
#include "kit/ui/drawing/StaticLayerCache.h"
#include "kit/ui/text/TextEngine.h"

#include <cmath>

namespace kit::ui::drawing {
namespace {

// Saves the context's state for the scope.
class Saved {
public:
  explicit Saved(cairo_t *cr) : cr_(cr) { cairo_save(cr_); }
  ~Saved() { cairo_restore(cr_); }
  Saved(const Saved &) = delete;
  Saved &operator=(const Saved &) = delete;

private:
  cairo_t *cr_;
};

std::optional<Rect> childrenInk(const LaidOutNode &node) {
  std::optional<Rect> ink;
  for (const LaidOutNode &child : node.children) {
    if (auto childInk = inkBounds(child))
      ink = ink ? ink->unionWith(*childInk) : *childInk;
  }
  return ink;
}

cairo_matrix_t userToDevice(cairo_t *cr) {
  cairo_matrix_t m;
  cairo_get_matrix(cr, &m);
  return m;
}

// Paints a layer back where it came from in device space.
void paintLayer(cairo_t *cr, const DeviceLayer &layer) {
  Saved saved(cr);
  cairo_identity_matrix(cr);
  cairo_set_source_surface(cr, layer.surface.get(), layer.x, layer.y);
  cairo_paint(cr);
}

// Limits drawing to where the children paint, so offscreen groups stay small; false when they
// paint nothing.
bool clipToChildren(cairo_t *cr, const LaidOutNode &node) {
  std::optional<Rect> ink = childrenInk(node);
  if (!ink)
    return false;
  cairo_rectangle(cr, ink->minX(), ink->minY(), ink->size.width, ink->size.height);
  cairo_clip(cr);
  return true;
}

} // namespace

bool Renderer::shows(bool accentable) const {
  return pass_ == AccentPass::all || (pass_ == AccentPass::onlyAccentable) == accentable;
}

void Renderer::draw(const LaidOutNode &node, bool accentable) {
  if (node.as<AccentableMark>()) {
    if (pass_ == AccentPass::withoutAccentable)
      return;
    accentable = true;
  }
  if (shows(accentable))
    drawOwn(node);
  drawEffect(node, accentable);
}

void Renderer::drawOwn(const LaidOutNode &node) {
  if (const ShapeDraw *shape = node.as<ShapeDraw>())
    drawShape(*shape, node.frame);
  else if (const TextRun *text = node.as<TextRun>())
    drawText(*text, node.frame);
  else if (const CanvasDrawing *canvas = node.as<CanvasDrawing>()) {
    for (const ShapeDraw &operation : canvas->operations)
      drawShape(operation, node.frame);
  }
}

void Renderer::drawShape(const ShapeDraw &shape, const Rect &bounds) {
  if (shape.path.isEmpty() || (shape.stroke && shape.stroke->lineWidth <= 0))
    return;
  Saved saved(cr_);
  setPath(cr_, shape.path);
  setSource(cr_, shape.paint, bounds, scheme_);
  if (!shape.stroke) {
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr_);
    return;
  }
  setStrokeStyle(cr_, *shape.stroke);
  cairo_stroke(cr_);
}

void Renderer::drawText(const TextRun &run, const Rect &frame) {
  if (!textEngine_ || run.text.empty())
    return;
  Saved saved(cr_);
  setSource(cr_, run.paint, frame, scheme_);
  textEngine_->draw(cr_, run.text, run.style, frame);
}

void Renderer::drawChildren(const LaidOutNode &node, bool accentable) {
  for (const LaidOutNode &child : node.children)
    draw(child, accentable);
}

void Renderer::drawEffect(const LaidOutNode &node, bool accentable) {
  if (node.children.empty())
    return;
  if (const OpacityEffect *o = node.as<OpacityEffect>()) {
    if (o->opacity <= 0)
      return;
    if (o->opacity < 1)
      return drawInGroup(node, accentable, o->opacity);
  } else if (node.as<CompositingGroup>()) {
    return drawInGroup(node, accentable, 1);
  } else if (const TransformEffect *t = node.as<TransformEffect>()) {
    if (!t->transform.inverted())
      return;
    Saved saved(cr_);
    const AffineTransform &a = t->transform;
    cairo_matrix_t m{a.a, a.b, a.c, a.d, a.tx, a.ty};
    cairo_transform(cr_, &m);
    return drawChildren(node, accentable);
  } else if (const ClipEffect *clip = node.as<ClipEffect>()) {
    if (clip->path.isEmpty())
      return;
    Saved saved(cr_);
    setPath(cr_, clip->path);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
    cairo_clip(cr_);
    return drawChildren(node, accentable);
  } else if (const ShadowEffect *shadow = node.as<ShadowEffect>()) {
    return drawShadowed(node, *shadow, accentable);
  } else if (const BlurEffect *blur = node.as<BlurEffect>()) {
    return drawBlurred(node, *blur, accentable);
  } else if (const StaticLayer *layer = node.as<StaticLayer>()) {
    if (!shows(accentable))
      return;
    return drawStatic(node, *layer);
  }
  drawChildren(node, accentable);
}

// Composites the children on their own first, then paints the result at an opacity.
void Renderer::drawInGroup(const LaidOutNode &node, bool accentable, double opacity) {
  Saved saved(cr_);
  if (!clipToChildren(cr_, node))
    return;
  cairo_push_group(cr_);
  drawChildren(node, accentable);
  cairo_pop_group_to_source(cr_);
  cairo_paint_with_alpha(cr_, opacity);
}

// The children composited on a layer; its alpha, blurred and moved, tinted in the shadow's colour
// beneath it.
void Renderer::drawShadowed(const LaidOutNode &node, const ShadowEffect &shadow, bool accentable) {
  std::optional<Rect> ink = childrenInk(node);
  if (!ink)
    return;
  cairo_matrix_t m = userToDevice(cr_);
  double sigma = shadow.radius * deviceScale(m);
  double dx = m.xx * shadow.x + m.xy * shadow.y, dy = m.yx * shadow.x + m.yy * shadow.y;
  double margin = 3 * sigma + 2;
  auto layer = makeLayer(cr_, *ink, margin, margin + std::hypot(dx, dy));
  if (!layer)
    return;
  ContextPtr layerCr = layerContext(*layer, m);
  on(layerCr.get()).drawChildren(node, accentable);
  layerCr.reset();

  SurfacePtr alpha(cairo_image_surface_create(CAIRO_FORMAT_A8, layer->width, layer->height));
  {
    ContextPtr copy(cairo_create(alpha.get()));
    cairo_set_source_surface(copy.get(), layer->surface.get(), 0, 0);
    cairo_set_operator(copy.get(), CAIRO_OPERATOR_SOURCE);
    cairo_paint(copy.get());
  }
  gaussianBlur(alpha.get(), sigma);
  {
    Saved saved(cr_);
    cairo_identity_matrix(cr_);
    const Color &c = shadow.color;
    cairo_set_source_rgba(cr_, c.red, c.green, c.blue, c.alpha);
    cairo_mask_surface(cr_, alpha.get(), layer->x + dx, layer->y + dy);
  }
  paintLayer(cr_, *layer);
}

void Renderer::drawBlurred(const LaidOutNode &node, const BlurEffect &blur, bool accentable) {
  std::optional<Rect> ink = childrenInk(node);
  if (!ink)
    return;
  cairo_matrix_t m = userToDevice(cr_);
  double sigma = blur.radius * deviceScale(m);
  double margin = 3 * sigma + 2;
  auto layer = makeLayer(cr_, *ink, margin, margin);
  if (!layer)
    return;
  ContextPtr layerCr = layerContext(*layer, m);
  on(layerCr.get()).drawChildren(node, accentable);
  layerCr.reset();
  gaussianBlur(layer->surface.get(), sigma);
  paintLayer(cr_, *layer);
}

// Through the process-wide cache, when the context only scales and moves; the layer is
// drawn at the same fraction of a device pixel as when it was made, so it copies exactly.
void Renderer::drawStatic(const LaidOutNode &node, const StaticLayer &layer) {
  StaticLayerCache &cache = StaticLayerCache::shared();
  cairo_matrix_t m = userToDevice(cr_);
  if (m.xy != 0 || m.yx != 0 || m.xx != m.yy || !(m.xx > 0))
    return drawChildren(node, false);
  double scale = m.xx;
  double ox = node.frame.minX() * scale + m.x0, oy = node.frame.minY() * scale + m.y0;
  double baseX = std::floor(ox), baseY = std::floor(oy);
  StaticLayerCache::Key key{layer.key,
                            scale,
                            node.frame.size.width,
                            node.frame.size.height,
                            static_cast<int>(std::lround((ox - baseX) * 64)),
                            static_cast<int>(std::lround((oy - baseY) * 64)),
                            scheme_};
  std::shared_ptr<const StaticLayerCache::Entry> entry = cache.find(key);
  if (!entry) {
    cairo_matrix_t fromBase = m;
    fromBase.x0 -= baseX;
    fromBase.y0 -= baseY;
    entry = rasterize(node, fromBase);
    if (!entry)
      return;
    cache.store(key, entry);
  }
  Saved saved(cr_);
  cairo_identity_matrix(cr_);
  cairo_set_source_surface(cr_, entry->surface.get(), baseX + entry->dx, baseY + entry->dy);
  cairo_paint(cr_);
}

// The children drawn whole on a picture of their own, in device pixels from a whole-pixel
// origin.
std::shared_ptr<const StaticLayerCache::Entry> Renderer::rasterize(const LaidOutNode &node,
                                                                   cairo_matrix_t fromBase) const {
  std::optional<Rect> ink = childrenInk(node);
  if (!ink)
    return nullptr;
  Rect device = transformedBounds(
      *ink, {fromBase.xx, fromBase.yx, fromBase.xy, fromBase.yy, fromBase.x0, fromBase.y0});
  int x0 = static_cast<int>(std::floor(device.minX())) - 1;
  int y0 = static_cast<int>(std::floor(device.minY())) - 1;
  int w = std::clamp(static_cast<int>(std::ceil(device.maxX())) + 1 - x0, 1, 8192);
  int h = std::clamp(static_cast<int>(std::ceil(device.maxY())) + 1 - y0, 1, 8192);
  auto entry = std::make_shared<StaticLayerCache::Entry>();
  entry->surface.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
  entry->dx = x0;
  entry->dy = y0;
  ContextPtr cr(cairo_create(entry->surface.get()));
  fromBase.x0 -= x0;
  fromBase.y0 -= y0;
  cairo_set_matrix(cr.get(), &fromBase);
  Renderer(cr.get(), textEngine_, scheme_, AccentPass::all).drawChildren(node, false);
  cr.reset();
  cairo_surface_flush(entry->surface.get());
  return entry;
}

} // namespace kit::ui::drawing
