#pragma once

#include "kit/ui/text/PangoHandles.h"
#include "kit/ui/text/TextStyle.h"

#include <string_view>
#include <vector>

namespace kit::ui {

// Lengths in Pango units (1/1024 point at the engine's 72 dpi).
int pangoUnits(double points);
inline double points(int units) { return units / double(PANGO_SCALE); }

// A style's tracking at a scale, in Pango units.
int trackingUnits(const TextStyle &style, double scale);

// One laying-out of a text: the style's font scaled by `scale`, wrapped at word boundaries (or
// between characters of a word wider than the line) within `wrapWidth` Pango units, or only at
// line breaks when it is negative. Pango's line breaking counts the tracking after every
// character, the last included, so `wrapWidth` is the whole room. Lines start at the left edge:
// aligning them is the drawing's business, as Pango would align them without the last tracking.
GObjectPtr<PangoLayout> makeLayout(PangoContext *context, const PangoFontDescription *font,
                                   std::string_view text, const TextStyle &style, double scale,
                                   int wrapWidth);

// Where a layout's lines lie, in Pango units from its top.
struct LayoutGeometry {
  int widestLine = 0;
  int height = 0;
  int firstBaseline = 0;
  int lastBaseline = 0;
  std::vector<int> lineBottoms;
  int lineCount() const { return static_cast<int>(lineBottoms.size()); }
};

LayoutGeometry geometryOf(PangoLayout *layout);

} // namespace kit::ui
