#pragma once

#include "Shared/Data/ExtraModels/RSSDeckData.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// One headline at a time on a medium screen, with its place in the list, its feed, title,
// summary and age, beside a rail of keys: previous and next step through the list, the accent
// OPEN key opens the headline's page.
struct RSSDeckView {
  RSSDeckData data;
  ZCtx ctx;

  kit::ui::View body() const;

private:
  // OPEN, live only for a headline with a web link.
  kit::ui::View openKey(const RSSItem *item) const;
  kit::ui::View openFace() const;
};

} // namespace zavel
