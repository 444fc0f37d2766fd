#pragma once

#include "kit/ui/Paint.h"
#include "kit/ui/Path.h"
#include "kit/ui/StrokeStyle.h"
#include "kit/ui/View.h"

#include <functional>
#include <memory>
#include <string>

namespace kit::ui {

// Where a shape is drawn: container-relative shapes follow the widget's outline.
struct ShapeContext {
  Rect container;
  double containerCornerRadius = 0;
};

// An outline that fits the frame it is given. As a view it takes the space offered and fills
// itself with the foreground; `fill`, `stroke` and `strokeBorder` paint it otherwise.
class Shape : public View {
public:
  using Outline = std::function<Path(const Rect &frame, const ShapeContext &context)>;

  Shape(std::string name, Outline outline);
  // A path drawn in the view's own coordinates (its origin at the frame's top-left corner).
  Shape(const Path &path);

  View fill(const Paint &paint) const;
  // Strokes centred on the outline.
  View stroke(const Paint &paint, const StrokeStyle &style) const;
  View stroke(const Paint &paint, double lineWidth) const;
  // Strokes inside the outline: the outline inset by half the line width.
  View strokeBorder(const Paint &paint, const StrokeStyle &style) const;
  View strokeBorder(const Paint &paint, double lineWidth) const;

  // The outline of the frame shrunk by `amount` on every side.
  Shape inset(double amount) const;
  // The part of the outline between two fractions of its length.
  Shape trim(double from, double to) const;

  Path path(const Rect &frame, const ShapeContext &context = {}) const;
  const std::string &name() const { return definition_->name; }

private:
  struct Definition {
    std::string name;
    Outline outline;
    double inset = 0;
    double trimFrom = 0;
    double trimTo = 1;
  };
  explicit Shape(std::shared_ptr<const Definition> definition);
  static Path outline(const Definition &definition, const Rect &frame, const ShapeContext &context,
                      double extraInset);
  View painted(std::optional<Paint> paint, std::optional<StrokeStyle> stroke, bool border) const;

  std::shared_ptr<const Definition> definition_;
};

Shape Rectangle();
Shape RoundedRectangle(double radius, RoundedCornerStyle style = RoundedCornerStyle::circular);
// Corners of half the shorter side.
Shape Capsule(RoundedCornerStyle style = RoundedCornerStyle::circular);
// The circle inscribed in the frame and centred in it, starting at its rightmost point.
Shape Circle();
Shape Ellipse();
// The widget's own outline (a continuous rounded rectangle), concentric for views inset in it.
Shape ContainerRelativeShape();

} // namespace kit::ui
