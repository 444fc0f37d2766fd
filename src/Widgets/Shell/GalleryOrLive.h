#pragma once

#include "Shared/Data/WidgetIntents/CasingOption.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/foundation/Date.h"
#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

#include <utility>

// The rule of every widget with a sample: the gallery's placeholder and snapshot show the sample
// and read nothing; the desktop's snapshot shows the live data; a timeline never shows the
// sample, even when the host asks for it in a preview context.
namespace zavel {

// The placeholder: the sample, in the casing that follows the app.
template <class Data> ZavelEntry<Data> samplePlaceholder(kit::foundation::Date now, Data sample) {
  return {now, std::move(sample), CasingOption::followApp};
}

// The snapshot: in a preview the sample, without calling `live`; otherwise what `live()` gives.
template <class Data, class Live>
ZavelEntry<Data> sampleOrLive(kit::foundation::Date now,
                              const kit::widgets::TimelineContext &context, CasingOption casing,
                              const Data &sample, Live &&live) {
  if (context.isPreview)
    return {now, sample, casing};
  return {now, std::forward<Live>(live)(), casing};
}

// A provider of that rule around `Source`, which has:
//   Intent and Data: its configuration intent and the data of its entries;
//   now(): when "now" is;
//   sample(): what the gallery shows;
//   live(configuration, now): what the desktop shows at `now`;
//   timeline(configuration): its entries and when to ask again, made without a context, so the
//   sample cannot slip into a timeline.
// A widget's provider keeps its own name as an alias:
//   using FocusProvider = GalleryOrLiveProvider<FocusTimeline>;
template <class Source> struct GalleryOrLiveProvider : Source {
  using Intent = typename Source::Intent;
  using Entry = ZavelEntry<typename Source::Data>;

  Entry placeholder(const kit::widgets::TimelineContext &) const {
    return samplePlaceholder<typename Source::Data>(this->now(), this->sample());
  }

  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const {
    kit::foundation::Date now = this->now();
    return sampleOrLive<typename Source::Data>(now, context, configuration.casing, this->sample(),
                                               [&] { return this->live(configuration, now); });
  }

  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &) const {
    return Source::timeline(configuration);
  }
};

} // namespace zavel
