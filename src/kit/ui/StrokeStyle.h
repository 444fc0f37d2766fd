#pragma once

#include <vector>

namespace kit::ui {

enum class LineCap { butt, round, square };
enum class LineJoin { miter, round, bevel };

struct StrokeStyle {
  double lineWidth = 1;
  LineCap lineCap = LineCap::butt;
  LineJoin lineJoin = LineJoin::miter;
  double miterLimit = 10;
  std::vector<double> dash{};
  double dashPhase = 0;

  // Finite, non-negative values a drawing call accepts: a bad dash pattern is dropped, the miter
  // limit kept at 1 or more.
  StrokeStyle sanitized() const;
  bool operator==(const StrokeStyle &) const = default;
};

} // namespace kit::ui
