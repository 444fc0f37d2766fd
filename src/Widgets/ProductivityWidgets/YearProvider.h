#pragma once

#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/foundation/Clock.h"
#include "kit/foundation/Date.h"
#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

namespace zavel {

using YearEntry = ZavelEntry<kit::foundation::Date>;

// The year widget's timeline: one entry carrying the moment of the request, asked for again just
// after the next local midnight. The gallery shows today too.
struct YearProvider {
  using Intent = CasingConfigIntent;
  using Entry = YearEntry;

  kit::foundation::Clock clock = {};

  Entry placeholder(const kit::widgets::TimelineContext &context) const;
  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const;
  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &context) const;
};

} // namespace zavel
