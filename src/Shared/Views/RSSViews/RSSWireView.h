#pragma once

#include "Shared/Data/RSSStore/RSSItem.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

#include <vector>

namespace zavel {

// Up to seven headlines on a large screen, one line each with its feed and age beneath, in rows
// sharing the screen's height, under a header counting every headline.
struct RSSWireView {
  std::vector<RSSItem> data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
