#pragma once

#include "Shared/Data/EventSync/EventSync.h"
#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Widgets/Shell/SteppedEntries.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/widgets/ReloadPolicy.h"
#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

#include <optional>

namespace zavel {

// What an agenda provider reads: `Source::load` gives the live reading with access (stored on
// the way) or else the stored one, and `Source::sample()` what the gallery shows.
template <class Source> struct AgendaProvider {
  using Snapshot = typename Source::Snapshot;
  using Intent = CasingConfigIntent;
  using Entry = ZavelEntry<Snapshot>;

  // Minutes until the host asks again; a completed reminder shows by then at the latest.
  static constexpr int refreshMinutes = 15;

  // Where the calendars and the suite live, and when "now" is.
  EventSync::Environment environment = {};

  Entry placeholder(const kit::widgets::TimelineContext &) const {
    return {environment.clock.now(), Source::sample(), CasingOption::followApp};
  }

  // The gallery's sample, reading nothing; on the desktop the reading, or the sample when there
  // is nothing to show.
  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const {
    kit::foundation::Date now = environment.clock.now();
    if (context.isPreview)
      return {now, Source::sample(), configuration.casing};
    return {now, Source::load(environment).value_or(Source::sample()), configuration.casing};
  }

  // One entry of the reading, or of an empty day when there is none: never the sample, even in a
  // preview context.
  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &) const {
    std::optional<Snapshot> reading = Source::load(environment);
    kit::foundation::Date now = environment.clock.now();
    return {{{now, reading.value_or(Snapshot{}), configuration.casing}},
            kit::widgets::ReloadPolicy::after(minutesAfter(now, refreshMinutes))};
  }
};

} // namespace zavel
