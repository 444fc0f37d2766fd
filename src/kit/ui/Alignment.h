#pragma once

#include "kit/ui/Geometry.h"

namespace kit::ui {

enum class HAlign { leading, center, trailing };
enum class VAlign { top, center, bottom, firstTextBaseline, lastTextBaseline };

// Where a child sits within the space its parent gives it.
struct Alignment {
  HAlign horizontal = HAlign::center;
  VAlign vertical = VAlign::center;

  static const Alignment center, leading, trailing, top, bottom, topLeading, topTrailing,
      bottomLeading, bottomTrailing;
  bool operator==(const Alignment &) const = default;
};

inline constexpr Alignment Alignment::center{HAlign::center, VAlign::center};
inline constexpr Alignment Alignment::leading{HAlign::leading, VAlign::center};
inline constexpr Alignment Alignment::trailing{HAlign::trailing, VAlign::center};
inline constexpr Alignment Alignment::top{HAlign::center, VAlign::top};
inline constexpr Alignment Alignment::bottom{HAlign::center, VAlign::bottom};
inline constexpr Alignment Alignment::topLeading{HAlign::leading, VAlign::top};
inline constexpr Alignment Alignment::topTrailing{HAlign::trailing, VAlign::top};
inline constexpr Alignment Alignment::bottomLeading{HAlign::leading, VAlign::bottom};
inline constexpr Alignment Alignment::bottomTrailing{HAlign::trailing, VAlign::bottom};

// A point in a view's own bounds, as fractions of its width and height.
struct UnitPoint {
  double x = 0.5;
  double y = 0.5;

  static const UnitPoint center, leading, trailing, top, bottom, topLeading, topTrailing,
      bottomLeading, bottomTrailing, zero;
  Point in(const Rect &rect) const {
    return {rect.minX() + finiteOr(x) * rect.size.width,
            rect.minY() + finiteOr(y) * rect.size.height};
  }
  bool operator==(const UnitPoint &) const = default;
};

inline constexpr UnitPoint UnitPoint::center{0.5, 0.5};
inline constexpr UnitPoint UnitPoint::leading{0, 0.5};
inline constexpr UnitPoint UnitPoint::trailing{1, 0.5};
inline constexpr UnitPoint UnitPoint::top{0.5, 0};
inline constexpr UnitPoint UnitPoint::bottom{0.5, 1};
inline constexpr UnitPoint UnitPoint::topLeading{0, 0};
inline constexpr UnitPoint UnitPoint::topTrailing{1, 0};
inline constexpr UnitPoint UnitPoint::bottomLeading{0, 1};
inline constexpr UnitPoint UnitPoint::bottomTrailing{1, 1};
inline constexpr UnitPoint UnitPoint::zero{0, 0};

// The edges a padding applies to.
enum class Edge { top, leading, bottom, trailing, horizontal, vertical, all };

} // namespace kit::ui
