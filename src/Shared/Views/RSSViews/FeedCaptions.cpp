#include "Shared/Views/RSSViews/FeedCaptions.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "kit/ui/TimelineView.h"

namespace zavel {

using namespace kit::ui;

View HeadlineAge(const RSSItem *item, const ZCtx &ctx) {
  if (!item)
    return MicroLabel("—", 8, 0.16, ZavelTokens::screenText3, ctx);
  return TimelineView([item = *item, ctx](kit::foundation::Date now) {
    return MicroLabel(item.ageLabel(now), 8, 0.16, ZavelTokens::screenText3, ctx);
  });
}

View AddFeedsLabel(const ZCtx &ctx) {
  return MicroLabel("ADD FEEDS IN ZAVEL", 9, 0.16, ZavelTokens::screenText3, ctx);
}

} // namespace zavel
