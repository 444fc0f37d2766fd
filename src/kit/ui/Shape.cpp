#include "kit/ui/Shape.h"

#include "kit/ui/layout/Elements.h"
#include "kit/ui/layout/Node.h"

#include <algorithm>

namespace kit::ui {
Shape::Shape(std::shared_ptr<const Definition> definition)
    : View(), definition_(std::move(definition)) {
  static_cast<View &>(*this) = painted(std::nullopt, std::nullopt, false);
}

Shape::Shape(std::string name, Outline outline)
    : Shape(std::make_shared<const Definition>(Definition{std::move(name), std::move(outline)})) {}

Shape::Shape(const Path &path)
    : Shape("Path", [path](const Rect &frame, const ShapeContext &) {
        return path.offsetBy(frame.minX(), frame.minY());
      }) {}

Path Shape::outline(const Definition &definition, const Rect &frame, const ShapeContext &context,
                    double extraInset) {
  double inset = finiteOr(definition.inset + extraInset);
  Path outline = definition.outline(frame.insetBy(inset, inset), context);
  if (definition.trimFrom == 0 && definition.trimTo == 1)
    return outline;
  return outline.trimmed(definition.trimFrom, definition.trimTo);
}

Path Shape::path(const Rect &frame, const ShapeContext &context) const {
  return outline(*definition_, frame, context, 0);
}

Shape Shape::inset(double amount) const {
  Definition d = *definition_;
  d.inset += finiteOr(amount);
  return Shape(std::make_shared<const Definition>(std::move(d)));
}

Shape Shape::trim(double from, double to) const {
  Definition d = *definition_;
  d.trimFrom = std::isfinite(from) ? std::clamp(from, 0.0, 1.0) : 0;
  d.trimTo = std::isfinite(to) ? std::clamp(to, 0.0, 1.0) : 0;
  return Shape(std::make_shared<const Definition>(std::move(d)));
}

View Shape::painted(std::optional<Paint> paint, std::optional<StrokeStyle> stroke,
                    bool border) const {
  auto definition = definition_;
  return layout::leafView(
      [definition, paint, stroke, border](const Environment &env, layout::LayoutPass &pass) {
        Paint resolved = paint ? env.resolve(*paint) : env.resolvedForeground();
        ShapeContext context = layout::shapeContext(env, pass);
        return layout::makeGreedyLeaf(definition->name, [=](const Rect &frame) -> NodeContent {
          double inset = border && stroke ? stroke->lineWidth / 2 : 0;
          return ShapeDraw{definition->name, outline(*definition, frame, context, inset), resolved,
                           stroke};
        });
      });
}

View Shape::fill(const Paint &paint) const { return painted(paint, std::nullopt, false); }

View Shape::stroke(const Paint &paint, const StrokeStyle &style) const {
  return painted(paint, style.sanitized(), false);
}

View Shape::stroke(const Paint &paint, double lineWidth) const {
  return stroke(paint, StrokeStyle{.lineWidth = lineWidth});
}

View Shape::strokeBorder(const Paint &paint, const StrokeStyle &style) const {
  return painted(paint, style.sanitized(), true);
}

View Shape::strokeBorder(const Paint &paint, double lineWidth) const {
  return strokeBorder(paint, StrokeStyle{.lineWidth = lineWidth});
}

Shape Rectangle() {
  return Shape("Rectangle", [](const Rect &frame, const ShapeContext &) {
    Path path;
    path.addRect(frame);
    return path;
  });
}

Shape RoundedRectangle(double radius, RoundedCornerStyle style) {
  return Shape("RoundedRectangle", [radius, style](const Rect &frame, const ShapeContext &) {
    Path path;
    path.addRoundedRect(frame, radius, style);
    return path;
  });
}

Shape Capsule(RoundedCornerStyle style) {
  return Shape("Capsule", [style](const Rect &frame, const ShapeContext &) {
    Path path;
    path.addRoundedRect(frame, std::min(frame.size.width, frame.size.height) / 2, style);
    return path;
  });
}

Shape Circle() {
  return Shape("Circle", [](const Rect &frame, const ShapeContext &) {
    double d = std::min(frame.size.width, frame.size.height);
    Path path;
    path.addEllipse({{frame.midX() - d / 2, frame.midY() - d / 2}, {d, d}});
    return path;
  });
}

Shape Ellipse() {
  return Shape("Ellipse", [](const Rect &frame, const ShapeContext &) {
    Path path;
    path.addEllipse(frame);
    return path;
  });
}

Shape ContainerRelativeShape() {
  return Shape("ContainerRelativeShape", [](const Rect &frame, const ShapeContext &context) {
    const Rect &c = context.container;
    double inset = std::max(0.0, std::min({frame.minX() - c.minX(), frame.minY() - c.minY(),
                                           c.maxX() - frame.maxX(), c.maxY() - frame.maxY()}));
    Path path;
    path.addRoundedRect(frame, std::max(0.0, context.containerCornerRadius - inset),
                        RoundedCornerStyle::continuous);
    return path;
  });
}

} // namespace kit::ui
