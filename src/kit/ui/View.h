#pragma once

#include "kit/ui/Alignment.h"
#include "kit/ui/Angle.h"
#include "kit/ui/Environment.h"
#include "kit/ui/Frame.h"
#include "kit/ui/Paint.h"
#include "kit/ui/text/Font.h"
#include "kit/ui/text/TextStyle.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace kit::ui {

namespace layout {
class Node;
}
class Shape;

// A description of a piece of interface: a cheap, immutable value. Modifiers return new views.
class View {
public:
  // Draws nothing and takes no room.
  View();
  // A paint as a view fills the space offered to it.
  View(const Paint &paint);
  View(const Color &color) : View(Paint{color}) {}
  View(const LinearGradient &gradient) : View(Paint{gradient}) {}
  View(const RadialGradient &gradient) : View(Paint{gradient}) {}
  View(const EllipticalGradient &gradient) : View(Paint{gradient}) {}
  View(Material material) : View(Paint{material}) {}
  explicit View(std::shared_ptr<const layout::Node> node);

  // Layout.
  View padding(double length) const;
  View padding(Edge edges, double length) const;
  View padding(EdgeInsets insets) const;
  View frame(const Frame &frame) const;
  View frame(double width, double height, Alignment alignment = Alignment::center) const;
  View fixedSize(bool horizontal = true, bool vertical = true) const;
  View layoutPriority(double priority) const;
  View offset(double x, double y) const;

  // Decoration.
  View background(const View &view, Alignment alignment = Alignment::center) const;
  View overlay(const View &view, Alignment alignment = Alignment::center) const;
  View opacity(double opacity) const;
  View rotation(Angle angle, UnitPoint anchor = UnitPoint::center) const;
  View scale(double factor, UnitPoint anchor = UnitPoint::center) const;
  View scale(double x, double y, UnitPoint anchor = UnitPoint::center) const;
  View clipShape(const Shape &shape) const;
  View clipped() const;
  View shadow(const Color &color, double radius, double x = 0, double y = 0) const;
  View blur(double radius) const;
  View compositingGroup() const;

  // Text and colour, through the environment.
  View foreground(const Paint &paint) const;
  View font(const Font &font) const;
  View tracking(double tracking) const;
  View lineLimit(std::optional<int> limit) const;
  View lineSpacing(double spacing) const;
  View minimumScaleFactor(double factor) const;
  View multilineTextAlignment(TextAlignment alignment) const;
  View strikethrough(bool active = true) const;
  View monospacedDigit() const;
  View textRole(TextRole role) const;

  // Interaction and the widget host.
  View contentShape(const Shape &shape) const;
  View buttonStyle(ButtonStyle style) const;
  View widgetURL(std::string url) const;
  // Drawn beneath the whole widget, filling it, and left untinted in accented and vibrant modes.
  View containerBackground(const View &background) const;
  // Tinted with the accent colour in the accented rendering mode.
  View widgetAccentable(bool accentable = true) const;
  // This subtree's pixels depend only on `key` (and its size, the scale and the colour scheme):
  // it is rasterised once per process and copied afterwards.
  View staticLayer(std::string key) const;

  // Environment overrides.
  View renderingMode(WidgetRenderingMode mode) const;
  View colorScheme(ColorScheme scheme) const;
  View transformEnvironment(std::function<void(Environment &)> change) const;

  const std::shared_ptr<const layout::Node> &node() const { return node_; }

private:
  std::shared_ptr<const layout::Node> node_;
};

} // namespace kit::ui
