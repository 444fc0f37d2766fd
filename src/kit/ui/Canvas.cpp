#include "kit/ui/Canvas.h"

#include "kit/ui/layout/Elements.h"
#include "kit/ui/layout/Node.h"

namespace kit::ui {

void GraphicsContext::fill(const Path &path, const Paint &paint) {
  operations_.push_back({"Path", path, paint, std::nullopt});
}

void GraphicsContext::stroke(const Path &path, const Paint &paint, const StrokeStyle &style) {
  operations_.push_back({"Path", path, paint, style.sanitized()});
}

View Canvas(std::function<void(GraphicsContext &, Size)> draw) {
  return layout::leafView([draw](const Environment &env, layout::LayoutPass &) {
    return layout::makeGreedyLeaf("Canvas", [draw, env](const Rect &frame) -> NodeContent {
      GraphicsContext context(frame.size, env.resolvedForeground());
      draw(context, frame.size);
      CanvasDrawing drawing{context.operations()};
      for (ShapeDraw &operation : drawing.operations) {
        operation.path = operation.path.offsetBy(frame.minX(), frame.minY());
        operation.paint = env.resolve(operation.paint);
      }
      return drawing;
    });
  });
}

} // namespace kit::ui
