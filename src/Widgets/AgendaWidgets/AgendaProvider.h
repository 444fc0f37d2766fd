#pragma once

#include "Shared/Data/EventSync/EventSync.h"
#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Widgets/Shell/GalleryOrLive.h"
#include "Widgets/Shell/SteppedEntries.h"

#include "kit/widgets/ReloadPolicy.h"

#include <optional>

namespace zavel {

// What an agenda provider reads: `Source::load` gives the live reading with access (stored on
// the way) or else the stored one, and `Source::sample()` what the gallery shows.
template <class Source> struct AgendaTimeline {
  using Intent = CasingConfigIntent;
  using Data = typename Source::Snapshot;

  // Minutes until the host asks again; a completed reminder shows by then at the latest.
  static constexpr int refreshMinutes = 15;

  // Where the calendars and the suite live, and when "now" is.
  EventSync::Environment environment = {};

  kit::foundation::Date now() const { return environment.clock.now(); }
  static const Data &sample() { return Source::sample(); }

  // On the desktop the reading, or the sample when there is nothing to show.
  Data live(const Intent &, kit::foundation::Date) const {
    return Source::load(environment).value_or(Source::sample());
  }

  // One entry of the reading, or of an empty day when there is none: never the sample.
  kit::widgets::Timeline<ZavelEntry<Data>> timeline(const Intent &configuration) const {
    std::optional<Data> reading = Source::load(environment);
    kit::foundation::Date now = environment.clock.now();
    return {{{now, reading.value_or(Data{}), configuration.casing}},
            kit::widgets::ReloadPolicy::after(minutesAfter(now, refreshMinutes))};
  }
};

// The gallery's sample, reading nothing; on the desktop the reading.
template <class Source> using AgendaProvider = GalleryOrLiveProvider<AgendaTimeline<Source>>;

} // namespace zavel
