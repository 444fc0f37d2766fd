#include "kit/ui/drawing/InkBounds.h"

#include <cmath>

namespace kit::ui::drawing {
namespace {

std::optional<Rect> unite(std::optional<Rect> a, std::optional<Rect> b) {
  if (!a)
    return b;
  if (!b)
    return a;
  return a->unionWith(*b);
}

Rect grown(const Rect &r, double by) { return r.insetBy(-by, -by); }

std::optional<Rect> shapeInk(const ShapeDraw &shape) {
  if (shape.path.isEmpty())
    return std::nullopt;
  Rect bounds = shape.path.boundingRect();
  if (!shape.stroke)
    return bounds;
  const StrokeStyle &s = *shape.stroke;
  // Miter spikes reach lineWidth / 2 / sin(angle / 2); joins sharper than about 30° are rare
  // enough that their tips may fall outside an offscreen layer.
  double reach = s.lineWidth / 2;
  if (s.lineJoin == LineJoin::miter)
    reach *= std::min(s.miterLimit, 4.0);
  else if (s.lineCap == LineCap::square)
    reach *= std::sqrt(2.0);
  return grown(bounds, reach + 1);
}

// What the node itself paints, before its children.
std::optional<Rect> ownInk(const LaidOutNode &node) {
  if (const ShapeDraw *shape = node.as<ShapeDraw>())
    return shapeInk(*shape);
  if (const TextRun *text = node.as<TextRun>())
    return grown(node.frame, std::max(2.0, 0.5 * text->style.font.size));
  if (const CanvasDrawing *canvas = node.as<CanvasDrawing>()) {
    std::optional<Rect> ink;
    for (const ShapeDraw &operation : canvas->operations)
      ink = unite(ink, shapeInk(operation));
    return ink;
  }
  return std::nullopt;
}

} // namespace

std::optional<Rect> intersection(const Rect &a, const Rect &b) {
  double x0 = std::max(a.minX(), b.minX()), y0 = std::max(a.minY(), b.minY());
  double x1 = std::min(a.maxX(), b.maxX()), y1 = std::min(a.maxY(), b.maxY());
  if (x1 <= x0 || y1 <= y0)
    return std::nullopt;
  return Rect{{x0, y0}, {x1 - x0, y1 - y0}};
}

Rect transformedBounds(const Rect &rect, const AffineTransform &t) {
  Point corners[] = {t.apply(rect.origin), t.apply({rect.maxX(), rect.minY()}),
                     t.apply({rect.minX(), rect.maxY()}), t.apply({rect.maxX(), rect.maxY()})};
  Rect result{corners[0], {}};
  for (const Point &p : corners)
    result = result.unionWith({p, {}});
  return result;
}

std::optional<Rect> inkBounds(const LaidOutNode &node) {
  if (const OpacityEffect *o = node.as<OpacityEffect>(); o && o->opacity <= 0)
    return std::nullopt;
  std::optional<Rect> ink = ownInk(node);
  for (const LaidOutNode &child : node.children)
    ink = unite(ink, inkBounds(child));
  if (!ink)
    return std::nullopt;
  if (const TransformEffect *t = node.as<TransformEffect>())
    return transformedBounds(*ink, t->transform);
  if (const ClipEffect *clip = node.as<ClipEffect>())
    return clip->path.isEmpty() ? std::nullopt : intersection(*ink, clip->path.boundingRect());
  if (const ShadowEffect *shadow = node.as<ShadowEffect>())
    return grown(ink->unionWith(ink->offsetBy(shadow->x, shadow->y)), 3 * shadow->radius + 1);
  if (const BlurEffect *blur = node.as<BlurEffect>())
    return grown(*ink, 3 * blur->radius + 1);
  return ink;
}

} // namespace kit::ui::drawing
