#pragma once

#include "kit/ui/View.h"

#include <optional>
#include <vector>

namespace kit::ui {

// Children top to bottom, aligned horizontally; spacing none means the default of 8 points
// (and none beside a spacer).
View VStack(std::vector<View> children);
View VStack(HAlign alignment, std::vector<View> children);
View VStack(HAlign alignment, std::optional<double> spacing, std::vector<View> children);

// Children leading to trailing, aligned vertically (on text baselines too).
View HStack(std::vector<View> children);
View HStack(VAlign alignment, std::vector<View> children);
View HStack(VAlign alignment, std::optional<double> spacing, std::vector<View> children);

// Children on top of each other, back to front.
View ZStack(std::vector<View> children);
View ZStack(Alignment alignment, std::vector<View> children);

// Grows along its stack's axis from its minimum length (8 points unless given).
View Spacer();
View Spacer(double minLength);

// Several views where one is expected; in a stack they become the stack's children.
View Group(std::vector<View> children);
View EmptyView();

// One view per element of a range, as a group.
template <class Range, class Make> View ForEach(const Range &items, Make make) {
  std::vector<View> views;
  for (const auto &item : items)
    views.push_back(make(item));
  return Group(std::move(views));
}

} // namespace kit::ui
