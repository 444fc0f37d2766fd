#pragma once

#include "Shared/Data/RSSStore/RSSItem.h"
#include "Shared/Views/ViewTesting.h"

#include <fmt/format.h>

#include <string>
#include <vector>

namespace zavel::testing {

// The moment the views are rendered at.
inline constexpr kit::foundation::Date kRenderMoment{760'000'000};

// `count` headlines "Headline 1", "Headline 2", … of "Feed 1", …, each an hour older than the
// one before (the first two hours old), with a summary and a web link.
inline std::vector<RSSItem> headlines(int count) {
  std::vector<RSSItem> items;
  for (int n = 1; n <= count; ++n)
    items.push_back(RSSItem{
        .id = fmt::format("https://news.example/{}", n),
        .feedTitle = fmt::format("Feed {}", n),
        .title = fmt::format("Headline {}", n),
        .summary = fmt::format("Summary {}", n),
        .link = fmt::format("https://news.example/{}", n),
        .published = kRenderMoment.addingTimeInterval(-3600.0 * (n + 1)),
    });
  return items;
}

// Every node of the tree that draws in `paint`.
inline std::vector<const kit::ui::LaidOutNode *> paintedIn(const kit::ui::LaidOutTree &tree,
                                                           const kit::ui::Paint &paint) {
  return tree.root.findAll([&](const kit::ui::LaidOutNode &node) {
    const auto *shape = node.as<kit::ui::ShapeDraw>();
    return shape && shape->paint == paint;
  });
}

} // namespace zavel::testing
