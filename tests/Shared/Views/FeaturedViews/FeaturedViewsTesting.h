#pragma once

// What the deck view tests share: their keys found in a laid-out tree, and the figure and ink of
// a key's glyph.

#include "Shared/Theme/ColorContrast.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ViewTesting.h"

#include <algorithm>
#include <cmath>

#include <string>
#include <utility>
#include <vector>

namespace zavel::testing {

// The buttons of a tree in drawing order.
inline std::vector<const kit::ui::LaidOutNode *> buttons(const kit::ui::LaidOutTree &tree) {
  return tree.root.findAll("Button");
}

inline const kit::ui::IntentReference &intentOf(const kit::ui::LaidOutNode &button) {
  return button.as<kit::ui::ButtonTarget>()->intent;
}

// A glyph's figure: per drawing operation, the number of path elements and whether it is a
// stroke. Two glyphs of one size draw the same figure when these agree.
using GlyphFigure = std::vector<std::pair<std::size_t, bool>>;

inline const kit::ui::CanvasDrawing &drawingIn(const kit::ui::LaidOutNode &node) {
  static const kit::ui::CanvasDrawing none;
  auto canvases = node.findAll("Canvas");
  EXPECT_EQ(canvases.size(), 1u) << "one glyph";
  return canvases.empty() ? none : *canvases.front()->as<kit::ui::CanvasDrawing>();
}

inline GlyphFigure figureIn(const kit::ui::LaidOutNode &node) {
  GlyphFigure figure;
  for (const kit::ui::ShapeDraw &op : drawingIn(node).operations)
    figure.emplace_back(op.path.elements().size(), op.stroke.has_value());
  return figure;
}

inline GlyphFigure figureOf(const kit::ui::View &glyph) {
  return figureIn(lay(glyph, {40, 40}).root);
}

// The one colour a key's glyph is drawn in.
inline kit::ui::Paint glyphInk(const kit::ui::LaidOutNode &node) {
  const auto &operations = drawingIn(node).operations;
  return operations.empty() ? kit::ui::Paint{} : operations.front().paint;
}

// Whether a key's glyph is lit in the accent: in its hue (the accent itself, or a shade of it
// toward black, every component scaled alike to within a byte), reading 3:1 at both ends of the
// light cap's gradient.
inline bool litInAccent(const kit::ui::Paint &paint, const kit::ui::Color &accent) {
  const auto *ink = std::get_if<kit::ui::Color>(&paint);
  if (!ink)
    return false;
  double brightest = std::max({accent.red, accent.green, accent.blue});
  double share = brightest > 0 ? std::max({ink->red, ink->green, ink->blue}) / brightest : 0;
  bool sameHue = share > 0 && std::abs(ink->red - share * accent.red) < 1.5 / 255 &&
                 std::abs(ink->green - share * accent.green) < 1.5 / 255 &&
                 std::abs(ink->blue - share * accent.blue) < 1.5 / 255;
  return sameHue && contrastRatio(*ink, ZavelTokens::keyFaceA) >= 3 &&
         contrastRatio(*ink, ZavelTokens::keyFaceB) >= 3;
}

} // namespace zavel::testing
