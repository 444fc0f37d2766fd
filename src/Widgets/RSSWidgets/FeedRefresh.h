#pragma once

#include "Shared/Data/RSSStore/Refresh.h"

#include "kit/foundation/Date.h"
#include "kit/widgets/ReloadPolicy.h"

namespace zavel {

// When a feed timeline starts and when it asks to be made again.
struct FeedRefresh {
  kit::foundation::Date date;
  kit::widgets::ReloadPolicy policy;
};

// Fetches every listed feed into the stored headlines, then dates the timeline's one entry from
// that moment: reloaded 30 minutes later, or 10 when no feed could be reached.
FeedRefresh refreshFeeds(const RSSStore::Environment &environment);

} // namespace zavel
