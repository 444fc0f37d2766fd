#pragma once

#include "kit/ui/Frame.h"
#include "kit/ui/LaidOutTree.h"
#include "kit/ui/layout/Element.h"

#include <functional>
#include <optional>
#include <string>

// Factories of the layout elements behind the builders and modifiers.
namespace kit::ui::layout {

inline constexpr double defaultSpacing = 8;
inline constexpr double defaultSpacerLength = 8;
// What greedy views (shapes, readers, canvases) take when offered an unspecified length.
inline constexpr double defaultIdealLength = 10;

// Children side by side along `axis`, aligned across it by `alignment` (its cross component).
ElementPtr makeStack(Axis axis, Alignment alignment, std::optional<double> spacing,
                     Elements children);
ElementPtr makeZStack(Alignment alignment, Elements children);
ElementPtr makeSpacer(std::optional<double> minLength);
ElementPtr makeEmpty();

ElementPtr makeFrame(const Frame &frame, ElementPtr child);
ElementPtr makePadding(EdgeInsets insets, ElementPtr child);
ElementPtr makeFixedSize(bool horizontal, bool vertical, ElementPtr child);
// `decoration` takes the size of `base` and is drawn behind it or in front of it.
ElementPtr makeDecoration(ElementPtr base, ElementPtr decoration, Alignment alignment, bool behind);

// A modifier that leaves layout alone and marks the laid-out node (or only observes placement).
struct ModifierRecipe {
  std::string kind{}; // empty: no node of its own, the child's node stands in
  std::function<NodeContent(const Rect &frame)> content{};
  Point offset{};                                      // moves the child when drawn
  std::optional<double> layoutPriority = std::nullopt; // replaces the child's
  std::function<void(const Rect &frame)> onPlace{};
};
ElementPtr makeModifier(ElementPtr child, ModifierRecipe recipe);

// A leaf that takes the space it is offered and draws what `content` makes for its frame.
ElementPtr makeGreedyLeaf(std::string kind, std::function<NodeContent(const Rect &frame)> content);

} // namespace kit::ui::layout
