#include "kit/ui/HitTest.h"

#include <algorithm>
#include <cmath>

namespace kit::ui {
namespace {

struct Hit {
  bool hit = false;
  const LaidOutNode *target = nullptr;
};

bool isTarget(const LaidOutNode &node) { return node.as<ButtonTarget>() || node.as<LinkTarget>(); }

double distance(Point point, Point a, Point b) {
  double dx = b.x - a.x, dy = b.y - a.y, lengthSquared = dx * dx + dy * dy;
  double t = lengthSquared > 0 ? ((point.x - a.x) * dx + (point.y - a.y) * dy) / lengthSquared : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(point.x - (a.x + t * dx), point.y - (a.y + t * dy));
}

// Whether the point lies in the band a stroke paints, half its width to either side of the
// path; the inside of an outline stays open, so an edge drawn over keys does not shield them.
bool onStroke(const Path &path, const StrokeStyle &stroke, Point point) {
  double reach = stroke.lineWidth / 2;
  for (const Path::Polyline &line : path.flattened(0.1)) {
    const std::vector<Point> &points = line.points;
    for (std::size_t i = 0; i < points.size(); ++i) {
      bool last = i + 1 == points.size();
      if (last && !line.closed && points.size() > 1)
        break;
      if (distance(point, points[i], points[last ? 0 : i + 1]) <= reach)
        return true;
    }
  }
  return false;
}

// Whether the node's own drawing covers the point (not its children's).
bool drawnAt(const LaidOutNode &node, Point point) {
  if (const ShapeDraw *shape = node.as<ShapeDraw>())
    return shape->stroke ? onStroke(shape->path, *shape->stroke, point)
                         : shape->path.contains(point);
  return (node.as<TextRun>() || node.as<CanvasDrawing>()) && node.frame.contains(point);
}

Hit visit(const LaidOutNode &node, Point point) {
  if (const OpacityEffect *opacity = node.as<OpacityEffect>(); opacity && opacity->opacity <= 0)
    return {};
  if (const ClipEffect *clip = node.as<ClipEffect>(); clip && !clip->path.contains(point))
    return {};
  const ContentShape *shape = node.as<ContentShape>();
  if (shape && !shape->path.contains(point))
    return {};
  if (const TransformEffect *effect = node.as<TransformEffect>()) {
    auto inverse = effect->transform.inverted();
    if (!inverse)
      return {};
    point = inverse->apply(point);
  }

  Hit result{drawnAt(node, point), nullptr};
  for (auto child = node.children.rbegin(); child != node.children.rend() && !result.hit; ++child)
    result = visit(*child, point);
  if (shape)
    result.hit = true;
  if (result.hit && !result.target && isTarget(node))
    result.target = &node;
  return result;
}

} // namespace

const LaidOutNode *hitTest(const LaidOutTree &tree, Point point) {
  return visit(tree.root, point).target;
}

} // namespace kit::ui
