#include "kit/ui/View.h"

#include "kit/ui/Shape.h"
#include "kit/ui/layout/Elements.h"
#include "kit/ui/layout/Node.h"

#include <cmath>
#include <iterator>
#include <variant>

namespace kit::ui {
namespace {

using layout::ElementPtr;
using layout::LayoutPass;
using layout::ModifierRecipe;

const char *paintKind(const Paint &paint) {
  static constexpr const char *names[] = {"Color", "LinearGradient", "RadialGradient",
                                          "EllipticalGradient", "Material"};
  static_assert(std::size(names) == std::variant_size_v<Paint>);
  return names[paint.index()];
}

// A modifier that keeps layout and marks the node with what `content` makes for its frame
// (shapes in it see the widget's outline through the context).
View marked(const View &child, std::string kind,
            std::function<NodeContent(const Rect &, const ShapeContext &)> content) {
  return layout::modifiedView(
      child, [kind, content](ElementPtr element, const Environment &env, LayoutPass &pass) {
        ShapeContext context = layout::shapeContext(env, pass);
        ModifierRecipe recipe{
            kind, [content, context](const Rect &frame) { return content(frame, context); }};
        return layout::makeModifier(std::move(element), std::move(recipe));
      });
}

View withSpec(const View &child,
              std::function<ModifierRecipe(const Environment &, LayoutPass &)> make) {
  return layout::modifiedView(child,
                              [make](ElementPtr element, const Environment &env, LayoutPass &pass) {
                                return layout::makeModifier(std::move(element), make(env, pass));
                              });
}

EdgeInsets insetsFor(Edge edges, double length) {
  bool top = edges == Edge::top || edges == Edge::vertical || edges == Edge::all;
  bool bottom = edges == Edge::bottom || edges == Edge::vertical || edges == Edge::all;
  bool leading = edges == Edge::leading || edges == Edge::horizontal || edges == Edge::all;
  bool trailing = edges == Edge::trailing || edges == Edge::horizontal || edges == Edge::all;
  return {top ? length : 0, leading ? length : 0, bottom ? length : 0, trailing ? length : 0};
}

double unitOpacity(double opacity) {
  return std::isfinite(opacity) ? std::clamp(opacity, 0.0, 1.0) : 1.0;
}

} // namespace

View::View() : View(layout::groupView({}).node()) {}

View::View(const Paint &paint)
    : View(layout::leafView([paint](const Environment &env, LayoutPass &) {
        Paint resolved = env.resolve(paint);
        return layout::makeGreedyLeaf(
            paintKind(paint), [resolved](const Rect &frame) -> NodeContent {
              Path path;
              path.addRect(frame);
              return ShapeDraw{"Rectangle", std::move(path), resolved, std::nullopt};
            });
      })) {}

View::View(std::shared_ptr<const layout::Node> node) : node_(std::move(node)) {}

View View::padding(double length) const { return padding(Edge::all, length); }

View View::padding(Edge edges, double length) const { return padding(insetsFor(edges, length)); }

View View::padding(EdgeInsets insets) const {
  return layout::modifiedView(*this, [insets](ElementPtr e, const Environment &, LayoutPass &) {
    return layout::makePadding(insets, std::move(e));
  });
}

View View::frame(const Frame &frame) const {
  return layout::modifiedView(*this, [frame](ElementPtr e, const Environment &, LayoutPass &) {
    return layout::makeFrame(frame, std::move(e));
  });
}

View View::frame(double width, double height, Alignment alignment) const {
  return frame(Frame{.width = width, .height = height, .alignment = alignment});
}

View View::fixedSize(bool horizontal, bool vertical) const {
  return layout::modifiedView(
      *this, [horizontal, vertical](ElementPtr e, const Environment &, LayoutPass &) {
        return layout::makeFixedSize(horizontal, vertical, std::move(e));
      });
}

View View::layoutPriority(double priority) const {
  return withSpec(*this, [priority](const Environment &, LayoutPass &) {
    return ModifierRecipe{.layoutPriority = priority};
  });
}

View View::offset(double x, double y) const {
  x = finiteOr(x);
  y = finiteOr(y);
  return withSpec(*this, [x, y](const Environment &, LayoutPass &) {
    return ModifierRecipe{"Offset", [x, y](const Rect &) { return OffsetEffect{x, y}; }, {x, y}};
  });
}

View View::background(const View &view, Alignment alignment) const {
  return layout::modifiedView(
      *this, [view, alignment](ElementPtr e, const Environment &env, LayoutPass &pass) {
        return layout::makeDecoration(std::move(e), layout::resolveOne(view, env, pass), alignment,
                                      true);
      });
}

View View::overlay(const View &view, Alignment alignment) const {
  return layout::modifiedView(
      *this, [view, alignment](ElementPtr e, const Environment &env, LayoutPass &pass) {
        return layout::makeDecoration(std::move(e), layout::resolveOne(view, env, pass), alignment,
                                      false);
      });
}

View View::opacity(double opacity) const {
  double value = unitOpacity(opacity);
  return marked(*this, "Opacity",
                [value](const Rect &, const ShapeContext &) { return OpacityEffect{value}; });
}

View View::rotation(Angle angle, UnitPoint anchor) const {
  double radians = finiteOr(angle.radians);
  return marked(*this, "Rotation", [radians, anchor](const Rect &frame, const ShapeContext &) {
    return TransformEffect{AffineTransform::rotation(Angle{radians}).about(anchor.in(frame))};
  });
}

View View::scale(double factor, UnitPoint anchor) const { return scale(factor, factor, anchor); }

View View::scale(double x, double y, UnitPoint anchor) const {
  x = finiteOr(x, 1);
  y = finiteOr(y, 1);
  return marked(*this, "Scale", [x, y, anchor](const Rect &frame, const ShapeContext &) {
    return TransformEffect{AffineTransform::scale(x, y).about(anchor.in(frame))};
  });
}

View View::clipShape(const Shape &shape) const {
  return marked(*this, "Clip", [shape](const Rect &frame, const ShapeContext &context) {
    return ClipEffect{shape.path(frame, context)};
  });
}

View View::clipped() const { return clipShape(Rectangle()); }

View View::shadow(const Color &color, double radius, double x, double y) const {
  ShadowEffect effect{color.clamped(), nonNegativeLength(radius), finiteOr(x), finiteOr(y)};
  return marked(*this, "Shadow", [effect](const Rect &, const ShapeContext &) { return effect; });
}

View View::blur(double radius) const {
  double r = nonNegativeLength(radius);
  return marked(*this, "Blur", [r](const Rect &, const ShapeContext &) { return BlurEffect{r}; });
}

View View::compositingGroup() const {
  return marked(*this, "CompositingGroup",
                [](const Rect &, const ShapeContext &) { return CompositingGroup{}; });
}

View View::foreground(const Paint &paint) const {
  return layout::environmentView(*this, [paint](Environment &env) { env.foreground = paint; });
}

View View::font(const Font &font) const {
  return layout::environmentView(*this, [font](Environment &env) { env.font = font; });
}

View View::tracking(double tracking) const {
  return layout::environmentView(*this, [tracking](Environment &env) { env.tracking = tracking; });
}

View View::lineLimit(std::optional<int> limit) const {
  if (limit && *limit < 1)
    limit = 1;
  return layout::environmentView(*this, [limit](Environment &env) { env.lineLimit = limit; });
}

View View::lineSpacing(double spacing) const {
  return layout::environmentView(*this, [spacing](Environment &env) { env.lineSpacing = spacing; });
}

View View::minimumScaleFactor(double factor) const {
  return layout::environmentView(*this,
                                 [factor](Environment &env) { env.minimumScaleFactor = factor; });
}

View View::multilineTextAlignment(TextAlignment alignment) const {
  return layout::environmentView(
      *this, [alignment](Environment &env) { env.multilineTextAlignment = alignment; });
}

View View::strikethrough(bool active) const {
  return layout::environmentView(*this, [active](Environment &env) { env.strikethrough = active; });
}

View View::monospacedDigit() const {
  return layout::environmentView(*this, [](Environment &env) { env.monospacedDigit = true; });
}

View View::textRole(TextRole role) const {
  return layout::environmentView(*this, [role](Environment &env) { env.textRole = role; });
}

View View::contentShape(const Shape &shape) const {
  return marked(*this, "ContentShape", [shape](const Rect &frame, const ShapeContext &context) {
    return ContentShape{shape.path(frame, context)};
  });
}

View View::buttonStyle(ButtonStyle style) const {
  return layout::environmentView(*this, [style](Environment &env) { env.buttonStyle = style; });
}

View View::widgetURL(std::string url) const {
  return withSpec(*this, [url](const Environment &, LayoutPass &pass) {
    return ModifierRecipe{.onPlace = [url, &pass](const Rect &) {
      if (!pass.widgetURL)
        pass.widgetURL = url;
    }};
  });
}

View View::containerBackground(const View &background) const {
  return withSpec(*this, [background](const Environment &env, LayoutPass &pass) {
    return ModifierRecipe{.onPlace = [background, env, &pass](const Rect &) {
      if (!pass.containerBackground)
        pass.containerBackground = LayoutPass::Background{background, env};
    }};
  });
}

View View::widgetAccentable(bool accentable) const {
  if (!accentable)
    return *this;
  return marked(*this, "Accentable",
                [](const Rect &, const ShapeContext &) { return AccentableMark{}; });
}

View View::staticLayer(std::string key) const {
  return marked(*this, "StaticLayer",
                [key](const Rect &, const ShapeContext &) { return StaticLayer{key}; });
}

View View::renderingMode(WidgetRenderingMode mode) const {
  return layout::environmentView(*this, [mode](Environment &env) { env.renderingMode = mode; });
}

View View::colorScheme(ColorScheme scheme) const {
  return layout::environmentView(*this, [scheme](Environment &env) { env.colorScheme = scheme; });
}

View View::transformEnvironment(std::function<void(Environment &)> change) const {
  return layout::environmentView(*this, std::move(change));
}

} // namespace kit::ui
