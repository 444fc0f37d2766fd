#pragma once

#include "kit/ui/LaidOutTree.h"

#include <optional>

namespace kit::ui::drawing {

// A generous box (points, the node's own coordinates) around everything the subtree may paint:
// strokes, glyph overhangs, shadows and blurs included. None when it paints nothing.
std::optional<Rect> inkBounds(const LaidOutNode &node);

std::optional<Rect> intersection(const Rect &a, const Rect &b);
Rect transformedBounds(const Rect &rect, const AffineTransform &transform);

} // namespace kit::ui::drawing
