#pragma once

#include "Shared/Views/ViewTesting.h"
#include "kit/foundation/TextOperations.h"
#include "kit/ui/HitTest.h"

#include <optional>
#include <vector>

namespace zavel::testing {

// The paints of every shape of `kind`, in drawing order.
inline std::vector<kit::ui::Paint> shapePaints(const kit::ui::LaidOutTree &tree,
                                               std::string_view kind) {
  std::vector<kit::ui::Paint> paints;
  for (const kit::ui::LaidOutNode *node : tree.root.findAll(kind))
    if (const auto *draw = node->as<kit::ui::ShapeDraw>())
      paints.push_back(draw->paint);
  return paints;
}

// How many shapes of `kind` are painted `color`.
inline std::size_t countPainted(const kit::ui::LaidOutTree &tree, std::string_view kind,
                                kit::ui::Color color) {
  std::vector<kit::ui::Paint> paints = shapePaints(tree, kind);
  return std::size_t(std::count(paints.begin(), paints.end(), kit::ui::Paint{color}));
}

// The share of a ring gauge's turn its arc covers: the arc's length against the track's, 0 when
// only the track is drawn.
inline double ringProgress(const kit::ui::LaidOutTree &tree) {
  std::vector<const kit::ui::LaidOutNode *> circles = tree.root.findAll("Circle");
  EXPECT_FALSE(circles.empty());
  if (circles.size() < 2)
    return 0;
  return circles[1]->as<kit::ui::ShapeDraw>()->path.length() /
         circles[0]->as<kit::ui::ShapeDraw>()->path.length();
}

// The intent of the key under a point, none when there is no key there.
inline std::optional<kit::ui::IntentReference> keyAt(const kit::ui::LaidOutTree &tree,
                                                     kit::ui::Point point) {
  const kit::ui::LaidOutNode *key = kit::ui::hitTest(tree, point);
  if (!key || !key->as<kit::ui::ButtonTarget>())
    return std::nullopt;
  return key->as<kit::ui::ButtonTarget>()->intent;
}

} // namespace zavel::testing
