#pragma once

#include "kit/ui/Color.h"
#include "kit/ui/Image.h"
#include "kit/ui/LaidOutTree.h"
#include "kit/ui/Path.h"

namespace kit::ui {

struct RenderOptions {
  // Pixels per point.
  double scale = 2;
  // Leaves everything outside the widget's outline transparent.
  bool clipToWidgetOutline = true;
  double widgetCornerRadius = 28;
  // The tint of accentable parts in the accented rendering mode.
  Color accentTint = Color::rgb8(0x0A, 0x84, 0xFF);
};

// The widget's outline: a continuous rounded rectangle over its whole size.
Path widgetOutline(Size size, double cornerRadius = 28);

// Draws a laid-out widget at a scale. The container background goes beneath the content. In
// the accented and vibrant rendering modes (the tree's) the background stays as it is while the
// content is drawn in one tint: white with alpha = luminance × alpha, and in accented mode the
// accentable parts in `accentTint` the same way.
Image render(const LaidOutTree &tree, const RenderOptions &options = {});

} // namespace kit::ui
