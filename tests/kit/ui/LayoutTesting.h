#pragma once

#include "FakeTextEngine.h"
#include "kit/ui/Layout.h"

#include <gtest/gtest.h>

namespace kit::ui::testing {

inline const FakeTextEngine &fakeTextEngine() {
  static const FakeTextEngine engine;
  return engine;
}

// Lays a view out in a widget of the given size with the fake text measurer.
inline LaidOutTree lay(const View &view, Size size = {300, 300},
                       foundation::Date now = foundation::Date{}) {
  return layOut(view, size, LayoutContext{fakeTextEngine(), now});
}

// The frames of every node of a kind, in drawing order.
inline std::vector<Rect> framesOf(const LaidOutTree &tree, std::string_view kind) {
  std::vector<Rect> frames;
  for (const LaidOutNode *node : tree.root.findAll(kind))
    frames.push_back(node->frame);
  return frames;
}

inline Rect rect(double x, double y, double w, double h) { return {{x, y}, {w, h}}; }

// A view laid out in a widget of `size` and the frames its nodes of `kind` must get.
struct FramesCase {
  const char *name;
  View view;
  Size size;
  std::vector<Rect> frames;
  const char *kind = "Rectangle";
};

inline void expectFrames(const FramesCase &c) {
  EXPECT_EQ(framesOf(lay(c.view, c.size), c.kind), c.frames) << c.name;
}

} // namespace kit::ui::testing
