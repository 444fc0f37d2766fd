#pragma once

#include "Shared/Data/RSSStore/RSSItem.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

#include <vector>

namespace zavel {

// The newest headline on a small screen: its feed, its title on up to four lines and its age.
struct RSSLatestView {
  std::vector<RSSItem> data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
