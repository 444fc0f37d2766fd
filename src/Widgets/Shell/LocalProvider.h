#pragma once

#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Widgets/Shell/GalleryOrLive.h"
#include "Widgets/Shell/SteppedEntries.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/foundation/Clock.h"
#include "kit/widgets/ReloadPolicy.h"
#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

#include <functional>

namespace zavel {

// The provider of a widget whose record can be read at once from local state: one entry with
// the current record, and a reload `refreshMinutes` after the request. The gallery shows
// `sample` (the rule of GalleryOrLive.h); a timeline always reads the live record.
template <class T> struct LocalProvider {
  using Intent = CasingConfigIntent;
  using Entry = ZavelEntry<T>;

  T sample = {};
  // Reads the current record; never fails, supplying its own fallback when nothing is stored.
  std::function<T()> live = {};
  int refreshMinutes = 60;
  kit::foundation::Clock clock = {};

  Entry placeholder(const kit::widgets::TimelineContext &) const {
    return samplePlaceholder(clock.now(), sample);
  }

  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const {
    return sampleOrLive(clock.now(), context, configuration.casing, sample, live);
  }

  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &) const {
    Entry entry{clock.now(), live(), configuration.casing};
    return {{entry}, kit::widgets::ReloadPolicy::after(minutesAfter(clock.now(), refreshMinutes))};
  }
};

} // namespace zavel
