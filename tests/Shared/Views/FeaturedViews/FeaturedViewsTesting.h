#pragma once

// What the deck view tests share: their keys found in a laid-out tree, and the figure and ink of
// a key's glyph.

#include "Shared/Views/ViewTesting.h"

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

} // namespace zavel::testing
