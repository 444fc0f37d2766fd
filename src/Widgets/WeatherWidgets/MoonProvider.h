#pragma once

#include "Shared/Data/ExtraModels/MoonInfo.h"
#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/foundation/Clock.h"
#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

namespace zavel {

using MoonEntry = ZavelEntry<MoonInfo>;

// The timeline of the moon widget: the phase at the moment of the request, worked out on the
// device, asked for again twelve hours later.
struct MoonProvider {
  using Intent = CasingConfigIntent;
  using Entry = MoonEntry;

  kit::foundation::Clock clock;

  // What the gallery shows whatever the date: a waxing gibbous moon six days from full.
  static const MoonInfo &previewSample();

  Entry placeholder(const kit::widgets::TimelineContext &context) const;
  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const;
  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &context) const;
};

} // namespace zavel
