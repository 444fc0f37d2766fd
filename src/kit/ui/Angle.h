#pragma once

#include <numbers>

namespace kit::ui {

// An angle; positive turns clockwise on screen (y grows downward).
struct Angle {
  double radians = 0;

  static constexpr Angle degrees(double value) { return {value * std::numbers::pi / 180}; }
  static constexpr Angle fromRadians(double value) { return {value}; }
  constexpr double degrees() const { return radians * 180 / std::numbers::pi; }
  bool operator==(const Angle &) const = default;
};

} // namespace kit::ui
