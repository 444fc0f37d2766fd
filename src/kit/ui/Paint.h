#pragma once

#include "kit/ui/Alignment.h"
#include "kit/ui/Color.h"

#include <initializer_list>
#include <variant>
#include <vector>

namespace kit::ui {

// Colours along a gradient; locations run from 0 to 1. Beyond the first and the last stop the
// gradient keeps that stop's colour.
struct Gradient {
  struct Stop {
    Color color;
    double location = 0;
    bool operator==(const Stop &) const = default;
  };

  std::vector<Stop> stops;

  Gradient() = default;
  // Colours spread evenly from 0 to 1: `{Color::white, Color::black}`.
  Gradient(std::vector<Color> colors);
  Gradient(std::initializer_list<Color> colors) : Gradient(std::vector<Color>(colors)) {}
  // Stops at their locations: `{{Color::clear, 0.55}, {dark, 1}}`.
  Gradient(std::vector<Stop> stops) : stops(std::move(stops)) {}
  Gradient(std::initializer_list<Stop> stops) : stops(stops) {}

  // Stops with finite locations clamped into 0...1, in order of location (ties keep their order).
  std::vector<Stop> normalizedStops() const;
  bool operator==(const Gradient &) const = default;
};

// Between two unit points of the bounds of what it paints.
struct LinearGradient {
  Gradient gradient;
  UnitPoint startPoint = UnitPoint::top;
  UnitPoint endPoint = UnitPoint::bottom;
  bool operator==(const LinearGradient &) const = default;
};

// Circles around a unit point of the bounds, radii in points.
struct RadialGradient {
  Gradient gradient;
  UnitPoint center = UnitPoint::center;
  double startRadius = 0;
  double endRadius = 0;
  bool operator==(const RadialGradient &) const = default;
};

// Ellipses around a unit point: the unit square is stretched to the bounds, so a radius fraction
// of 0.5 reaches the edges of the bounds from their centre.
struct EllipticalGradient {
  Gradient gradient;
  UnitPoint center = UnitPoint::center;
  double startRadiusFraction = 0;
  double endRadiusFraction = 0.5;
  bool operator==(const EllipticalGradient &) const = default;
};

// A translucent backdrop; drawn as a fill that depends on the colour scheme.
enum class Material { ultraThin };

using Paint = std::variant<Color, LinearGradient, RadialGradient, EllipticalGradient, Material>;

} // namespace kit::ui
