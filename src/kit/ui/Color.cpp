#include "kit/ui/Color.h"

#include <algorithm>
#include <cmath>
#include <fmt/format.h>

namespace kit::ui {
namespace {

double unit(double value) { return std::isfinite(value) ? std::clamp(value, 0.0, 1.0) : 0.0; }
int byte(double value) { return static_cast<int>(std::lround(unit(value) * 255)); }

} // namespace

Color Color::opacity(double factor) const {
  Color c = *this;
  c.alpha = unit(alpha * unit(factor));
  return c;
}

Color Color::clamped() const { return {unit(red), unit(green), unit(blue), unit(alpha)}; }

std::string Color::hexString() const {
  std::string hex = fmt::format("#{:02X}{:02X}{:02X}", byte(red), byte(green), byte(blue));
  if (byte(alpha) != 255)
    hex += fmt::format("{:02X}", byte(alpha));
  return hex;
}

} // namespace kit::ui
