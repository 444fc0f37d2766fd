#pragma once

#include "Shared/Data/RSSStore/RSSItem.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The captions the feed screens share.

// How old the headline is at the moment of rendering, at the foot of a screen; "—" without one.
kit::ui::View HeadlineAge(const RSSItem *item, const ZCtx &ctx);

// What a screen says in place of headlines while none has been fetched.
kit::ui::View AddFeedsLabel(const ZCtx &ctx);

} // namespace zavel
