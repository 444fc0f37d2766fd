#pragma once

#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Widgets/Shell/SteppedEntries.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/foundation/Clock.h"
#include "kit/widgets/ReloadPolicy.h"
#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

#include <functional>

namespace zavel {

// The provider of a widget whose record can be read at once from local state: one entry with
// the current record, and a reload `refreshMinutes` after the request. The gallery's snapshot
// shows `sample` and reads nothing; a timeline always reads the live record, also when the host
// asks for it in a preview context.
template <class T> struct LocalProvider {
  using Intent = CasingConfigIntent;
  using Entry = ZavelEntry<T>;

  T sample = {};
  // Reads the current record; never fails, supplying its own fallback when nothing is stored.
  std::function<T()> live = {};
  int refreshMinutes = 60;
  kit::foundation::Clock clock = {};

  Entry placeholder(const kit::widgets::TimelineContext &) const {
    return {clock.now(), sample, CasingOption::followApp};
  }

  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const {
    kit::foundation::Date now = clock.now();
    return {now, context.isPreview ? sample : live(), configuration.casing};
  }

  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &) const {
    Entry entry{clock.now(), live(), configuration.casing};
    return {{entry}, kit::widgets::ReloadPolicy::after(minutesAfter(clock.now(), refreshMinutes))};
  }
};

} // namespace zavel
