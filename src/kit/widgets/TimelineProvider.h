#pragma once

// A provider makes a widget's entries from its configuration intent. Calls are synchronous and
// must not throw: a provider falls back to its own data instead.
//   struct WeatherTimelineProvider {
//     using Intent = WeatherConfigIntent;
//     using Entry = ZavelEntry<WeatherSnapshot>;
//     Entry placeholder(const kit::widgets::TimelineContext &context) const;
//     Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &) const;
//     kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
//                                            const kit::widgets::TimelineContext &) const;
//   };

#include "kit/intents/AppIntent.h"
#include "kit/widgets/Timeline.h"
#include "kit/widgets/TimelineContext.h"

#include <concepts>

namespace kit::widgets {

template <class P>
concept TimelineProvider = std::copy_constructible<P> &&
    intents::WidgetConfigurationIntent<typename P::Intent> && TimelineEntry<typename P::Entry> &&
    requires(const P &provider, const typename P::Intent &configuration,
             const TimelineContext &context) {
  { provider.placeholder(context) } -> std::same_as<typename P::Entry>;
  { provider.snapshot(configuration, context) } -> std::same_as<typename P::Entry>;
  { provider.timeline(configuration, context) } -> std::same_as<Timeline<typename P::Entry>>;
};

} // namespace kit::widgets
