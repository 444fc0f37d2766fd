#pragma once

#include <string>

namespace kit::ui {

// An sRGB colour with an opacity; components and opacity run from 0 to 1 (straight, not
// premultiplied).
struct Color {
  double red = 0;
  double green = 0;
  double blue = 0;
  double alpha = 1;

  static constexpr Color rgb(double red, double green, double blue, double opacity = 1) {
    return {red, green, blue, opacity};
  }
  // Components as bytes, 0 to 255.
  static constexpr Color rgb8(int red, int green, int blue, double opacity = 1) {
    return {red / 255.0, green / 255.0, blue / 255.0, opacity};
  }
  static const Color white, black, clear;

  // The same colour with its opacity multiplied by `factor`.
  Color opacity(double factor) const;
  // Components made finite and brought into 0...1, so nothing odd reaches a drawing call.
  Color clamped() const;
  // "#RRGGBB", or "#RRGGBBAA" when not opaque.
  std::string hexString() const;

  bool operator==(const Color &) const = default;
};

inline constexpr Color Color::white{1, 1, 1, 1};
inline constexpr Color Color::black{0, 0, 0, 1};
inline constexpr Color Color::clear{0, 0, 0, 0};

} // namespace kit::ui
