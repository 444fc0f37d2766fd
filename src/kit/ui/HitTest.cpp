#include "kit/ui/HitTest.h"

namespace kit::ui {
namespace {

struct Hit {
  bool hit = false;
  const LaidOutNode *target = nullptr;
};

bool isTarget(const LaidOutNode &node) { return node.as<ButtonTarget>() || node.as<LinkTarget>(); }

// Whether the node's own drawing covers the point (not its children's).
bool drawnAt(const LaidOutNode &node, Point point) {
  if (const ShapeDraw *shape = node.as<ShapeDraw>())
    return shape->stroke ? shape->path.strokeContains(point, shape->stroke->lineWidth)
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
